#include "LoginDialog.h"

#include <QIntValidator>
#include <QSettings>

#include "BaseMessageDialog.h"
#include "KyLoginInfo.h"
#include "KyManageCenter.h"
#include "KySettings.h"
#include "KyTipsInfo.h"
#include "ui_LoginDialog.h"

LoginDialog::LoginDialog(KyManageCenter* center, KyLoginInfo& info)
    : KyShadowDialog(nullptr), m_center(center), m_info(info), ui(new Ui::LoginDialog)
{
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint);
    setWindowIcon(QIcon(":/images/info32x32.png"));
    ui->iconLabel->setPixmap(QPixmap(":/images/info18x18.png"));
    const QString title = kyOpenSettings()->value(QStringLiteral("Setting/Title"), QStringLiteral("管理中心")).toString();
    setWindowTitle(title);
    ui->titleNameLabel->setText(title);

    ui->fServerPortEdit->setValidator(new QIntValidator(1, 65535, this));
    ui->fServerIpEdit->setText(QString::fromStdString(info.ServerIp));
    if (info.ServerPort > 0)
        ui->fServerPortEdit->setText(QString::number(info.ServerPort));
    ui->fUserEdit->setText(QString::fromStdString(info.User));
    ui->fPasswordEdit->setText(QString::fromStdString(info.Passwd));

    connect(ui->fLoginBtn, &QPushButton::clicked, this, &LoginDialog::loginClicked);
    connect(ui->fCancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->fCloseBtn, &QPushButton::clicked, this, &QDialog::reject);
}

QString LoginDialog::resultText(int result)
{
    switch (result) {
    case 0:
        return tr("Logged in.");
    case 1:
        return tr("The server refused the login: wrong user name or password.");
    case 3:
        return tr("The server did not answer the login in time.");
    case 4:
        return tr("Cannot connect to the server. Check the address and port.");
    default:
        return tr("Login failed.");
    }
}

bool LoginDialog::checkFields(int* port)
{
    bool ok = false;
    *port = ui->fServerPortEdit->text().toInt(&ok);
    if (ui->fServerIpEdit->text().trimmed().isEmpty()) {
        showMessage(tr("Please enter the server address."));
        return false;
    }
    if (!ok || *port < 1 || *port > 65535) {
        showMessage(tr("Please enter a server port between 1 and 65535."));
        return false;
    }
    if (ui->fUserEdit->text().isEmpty()) {
        showMessage(tr("Please enter the user name."));
        return false;
    }
    return true;
}

void LoginDialog::loginClicked()
{
    int port = 0;
    if (!checkFields(&port))
        return;
    const std::string host = ui->fServerIpEdit->text().trimmed().toStdString();
    const std::string user = ui->fUserEdit->text().toStdString();
    const std::string password = ui->fPasswordEdit->text().toStdString();

    ui->fLoginBtn->setEnabled(false);
    m_lastResult = m_center ? m_center->login(host, port, user, password) : -1;
    ui->fLoginBtn->setEnabled(true);
    if (m_lastResult != 0) {
        showMessage(resultText(m_lastResult));
        return;
    }
    m_info.ServerIp = host;
    m_info.ServerPort = port;
    m_info.User = user;
    m_info.Passwd = password;
    m_info.save();
    accept();
}

void LoginDialog::showMessage(const QString& text)
{
    BaseMessageDialog message(KyTipsInfo::tips(), text, 1);
    message.exec();
}

LoginDialog::~LoginDialog() = default;
