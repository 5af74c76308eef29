#pragma once

#include "KyLogInfoFormBase.h"

// Terminal log page: what terminals did.
class KyTermLogInfoForm : public KyLogInfoFormBase {
    Q_OBJECT
public:
    explicit KyTermLogInfoForm(QWidget* parent = nullptr);

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
