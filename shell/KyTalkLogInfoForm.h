#pragma once

#include "KyLogInfoFormBase.h"

// Talkback log page: talkback and broadcast calls.
class KyTalkLogInfoForm : public KyLogInfoFormBase {
    Q_OBJECT
public:
    explicit KyTalkLogInfoForm(QWidget* parent = nullptr);

    // Translated text of a call type number; the number itself outside 0..4.
    static QString callTypeText(const std::string& type);

public slots:
    void slot_showLogList();
    void slot_getLogSize(int size);
    void slot_previousClicked();
    void slot_nextClicked();
    void slot_refreshClicked();
    void set_query_btn_enable();
    void slot_downloadClicked();

protected:
    int countRows() override;
    int queryRows(std::vector<KyLogEntry>& rows, int start, int count) override;
    std::list<KyLogEntry> servicePage() const override;
    void drawRow(int row, const KyLogEntry& entry) override;
};
