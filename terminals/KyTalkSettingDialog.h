#pragma once

#include <QDialog>
#include <string>

#include "KyShadowDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
struct KyMic;

// Widgets the mic02 and mic04 setting forms share; sliders and spin boxes
// are indexed like KyMic::vol (capture, ring, talk, broadcast).
struct KyTalkFormRefs {
    QLabel* icon;
    QLabel* title;
    QPushButton* closeBtn;
    QPushButton* okBtn;
    QPushButton* cancelBtn;
    QLineEdit* name;
    QSlider* slider[4];
    QSpinBox* spin[4];

    template <class Form>
    static KyTalkFormRefs of(Form& f)
    {
        return {f.iconLabel,
                f.titleNameLabel,
                f.dialogCloseBtn,
                f.fOkBtn,
                f.fCancelBtn,
                f.fNameEdit,
                {f.fCapSlider, f.fRingSlider, f.fTalkSlider, f.fBcastSlider},
                {f.fCapSpinBox, f.fRingSpinBox, f.fTalkSpinBox, f.fBcastSpinBox}};
    }
};

// Base of the talk-terminal setting dialogs: frameless and draggable, edits
// the name and the four volumes of a record owned by the caller.
class KyTalkSettingDialog : public KyShadowDialog {
    Q_OBJECT
protected:
    explicit KyTalkSettingDialog(KyMic* mic);

    // Icon, title, close/cancel buttons, name and volumes from the record;
    // each slider and its spin box kept equal. OK runs okClicked().
    void initTalkPart(const KyTalkFormRefs& refs, const QString& title);
    // Empty name: shows emptyNameText and returns false, the record untouched.
    // Otherwise writes into the record the name and volumes the operator
    // changed; those left as shown keep their stored value.
    bool storeTalkPart(const QString& emptyNameText);
    virtual void okClicked() = 0;

    KyMic* m_mic;

private:
    KyTalkFormRefs m_refs{};
    std::string m_shownName;   // the name edit's text when opened, local 8-bit
    int m_shownVol[4] = {0, 0, 0, 0};
};
