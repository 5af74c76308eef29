#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "KyShadowDialog.h"

namespace Ui {
class SchemePropertyDialog;
}

// Edits a scheme's name (at most 32 characters, not empty) and comment (at
// most 64); hands both back as local 8-bit text.
class QtSchemePropertyDialog : public KyShadowDialog {
    Q_OBJECT
public:
    explicit QtSchemePropertyDialog(QWidget* parent = nullptr);
    ~QtSchemePropertyDialog() override;

    // Empty texts leave their field as it is.
    void setValues(const QString& name, const QString& comment);
    std::string schemeName() const;
    std::string schemeComment() const;
    // The entered texts, or the stored ones while the edits show what
    // setValues put there (cut to the edit's length, bytes that are not UTF-8).
    std::string keptName(const std::string& stored) const;
    std::string keptComment(const std::string& stored) const;

public slots:
    void accept() override;
    void reject() override;

private:
    std::unique_ptr<Ui::SchemePropertyDialog> ui;
    std::string m_shownName;
    std::string m_shownComment;
};
