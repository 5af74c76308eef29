#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "KyShadowDialog.h"

namespace Ui {
class fSetNameDialog;
}

// Asks for one name (at most 32 characters, not empty); hands it back as local 8-bit text.
class BaseSetNameDialog : public KyShadowDialog {
    Q_OBJECT
public:
    BaseSetNameDialog();
    ~BaseSetNameDialog() override;

    // A stored name, every byte of it; null leaves the field as it is.
    void setName(const std::string& text);
    void setName(const char* text);
    void setTitle(const QString& title);
    std::string getName() const;
    // The entered name, or stored while the edit shows what setName put there
    // (a stored text that is not UTF-8 goes back as it was).
    std::string keptName(const std::string& stored) const;

    std::string acceptedName() const { return m_name; }
    Ui::fSetNameDialog& form() { return *ui; }

public slots:
    void accept() override;
    void reject() override;

private:
    std::string m_name;
    QString m_shown;
    std::unique_ptr<Ui::fSetNameDialog> ui;
};
