#pragma once

#include "KyLogInfoFormBase.h"

// User log page: what operators did.
class KyUserLogInfoForm : public KyLogInfoFormBase {
    Q_OBJECT
public:
    explicit KyUserLogInfoForm(QWidget* parent = nullptr);

public slots:
    void slot_showUserLogList();
    void slot_getUserLogSize(int size);
    void slot_previousClicked();
    void slot_nextClicked();
    void slot_refreshClicked();
    void slot_downloadClicked();
    void set_refresh_btn_enable();

protected:
    void drawRow(int row, const KyLogEntry& entry) override;
    bool loadsAfterConnectFailure() const override { return true; }
};
