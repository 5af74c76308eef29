#pragma once

#include <memory>

#include "KyCallTarget.h"
#include "KyMicBtnCall.h"
#include "KyTalkSettingDialog.h"

class QButtonGroup;

namespace Ui {
class fM04SettingForm;
}

// Edits one mic04 terminal: name, volumes, the target of its call key and
// its LED display. Sends nothing; after an accepted exec() the caller reads
// the record, callConfigChecked() and buttonCall().
class KyM04SettingDialog : public KyTalkSettingDialog {
    Q_OBJECT
public:
    explicit KyM04SettingDialog(KyMic* mic);
    ~KyM04SettingDialog() override;

    bool callConfigChecked() const;
    // Empty unless OK ran with the call configuration checked.
    KyMicBtnCall buttonCall() const { return m_call; }

    // Move-mode text of a stored mode: 2 left, 3 right, 4 up, 5 down; any
    // other mode shows as left.
    static const char* moveModeSource(int mode);

private slots:
    void slot_ok_clicked();
    void slot_setBlueGroupStateChanged(int);
    void slot_setBlueMicStateChanged(int);

private:
    void okClicked() override { slot_ok_clicked(); }
    void initForm();
    void initLed();
    void loadCall();
    // LED fields as the widgets hold them; colour is the checked button id.
    struct Led {
        std::string text;
        int displayTime = 0;
        int moveMode = 0;
        int colour = -1;
    };
    Led enteredLed() const;
    void storeLed();

    const std::string m_startCall = "ButtonPushDown";
    const std::string m_stopCall = "ButtonLongPress";
    std::unique_ptr<Ui::fM04SettingForm> ui;
    KyCallTarget m_key;
    QButtonGroup* m_colours = nullptr;
    KyMicBtnCall m_call;
    Led m_shownLed;
};
