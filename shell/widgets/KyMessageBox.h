#pragma once

#include <memory>

#include "KyBaseDialog.h"

namespace Ui {
class MessageBox;
}

// Older message box on the fixed-header dialog; one shared instance.
class KyMessageBox : public KyBaseDialog {
    Q_OBJECT
public:
    explicit KyMessageBox(QWidget* parent = nullptr);
    ~KyMessageBox() override;

    // Flags: bits 0 and 1 -> OK and Cancel, bit 0 only -> OK, otherwise no button.
    // The parent and the title are not used; the header keeps its own title.
    static int showMessage(QWidget* parent, const QString& title, const QString& text, int flags);
    static KyMessageBox* sharedInstance();   // null until first used

    Ui::MessageBox& form() { return *m_form; }

private:
    void prepare(const QString& text, int flags);

    std::unique_ptr<Ui::MessageBox> m_form;
};
