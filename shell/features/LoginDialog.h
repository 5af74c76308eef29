#pragma once

#include <QDialog>
#include <memory>

#include "KyShadowDialog.h"

namespace Ui {
class LoginDialog;
}

class KyManageCenter;
struct KyLoginInfo;

// Asks for server, port, user and password and logs in to the central
// server. A refused or failed login shows why and keeps the dialog open; a
// successful one writes ServerIp, ServerPort and User back to "config.ini".
class LoginDialog : public KyShadowDialog {
    Q_OBJECT
public:
    LoginDialog(KyManageCenter* center, KyLoginInfo& info);
    ~LoginDialog() override;

    // Text for a login result (0 ok, 1 refused, 3 timed out, 4 connect failed).
    static QString resultText(int result);

    int lastResult() const { return m_lastResult; }
    Ui::LoginDialog& form() { return *ui; }

public slots:
    void loginClicked();

private:
    bool checkFields(int* port);
    void showMessage(const QString& text);

    KyManageCenter* m_center;
    KyLoginInfo& m_info;
    std::unique_ptr<Ui::LoginDialog> ui;
    int m_lastResult = -1;
};
