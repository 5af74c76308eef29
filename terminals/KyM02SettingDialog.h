#pragma once

#include <memory>
#include <vector>

#include "KyCallTarget.h"
#include "KyMicBtnCall.h"
#include "KyTalkSettingDialog.h"

namespace Ui {
class fMicSettingForm;
}

// Edits one mic02 terminal: name, volumes, the targets of its three keys
// and its alarm input. Sends nothing; after an accepted exec() the caller
// reads the record, callConfigChecked() and buttonCalls().
class KyM02SettingDialog : public KyTalkSettingDialog {
    Q_OBJECT
public:
    explicit KyM02SettingDialog(KyMic* mic);
    ~KyM02SettingDialog() override;

    bool callConfigChecked() const;
    // Middle, left, right key, then the alarm entry; empty unless OK ran
    // with the call configuration checked.
    const std::vector<KyMicBtnCall>& buttonCalls() const { return m_calls; }

private slots:
    void slot_ok_clicked();
    void slot_setRedLeftGroupStateChanged(int);
    void slot_setRedLeftMicStateChanged(int);
    void slot_setRedRightGroupStateChanged(int);
    void slot_setRedRightMicStateChanged(int);
    void slot_setBlueGroupStateChanged(int);
    void slot_setBlueMicStateChanged(int);

private:
    void okClicked() override { slot_ok_clicked(); }
    void initForm();
    void connectBoxes();
    void loadCalls();
    KyMicBtnCall keyCall(const KyCallTarget& key, const char* start, const char* stop) const;

    std::unique_ptr<Ui::fMicSettingForm> ui;
    KyCallTarget m_left;
    KyCallTarget m_middle;
    KyCallTarget m_right;
    std::vector<KyMicBtnCall> m_calls;
};
