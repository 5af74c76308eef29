#pragma once

#include <memory>

#include "KyShadowDialog.h"

namespace Ui {
class fSetCapForm;
}
struct KyCap;

// Edits a capture terminal's name, capture volume and quality in a copy of
// its record; sends nothing.
class KySetCapDialog : public KyShadowDialog {
    Q_OBJECT
public:
    KySetCapDialog();
    ~KySetCapDialog() override;

    // Keeps the record (not owned) and shows its values.
    void setCap(KyCap* cap);

    Ui::fSetCapForm& form() { return *ui; }

public slots:
    void accept() override;
    void reject() override;

private:
    bool writeBack();
    // Rate of the checked quality button, 0 when none is.
    int chosenSamplerate() const;

    std::unique_ptr<Ui::fSetCapForm> ui;
    KyCap* m_cap = nullptr;
    bool m_rateFixed = false;   // broadcasting: the quality buttons are disabled
    // The widgets' values when the record was shown.
    QString m_shownName;
    int m_shownVolume = 0;
    int m_shownRate = 0;
};
