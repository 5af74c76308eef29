#include "BaseMessageDialog.h"
#include "ui_messageDialog.h"

BaseMessageDialog::BaseMessageDialog(const QString& title, const QString& text, int mode)
    : KyShadowDialog(nullptr), ui(new Ui::messageDialog), m_title(title), m_text(text)
{
    ui->setupUi(this);
    setWindowIcon(QIcon(":/images/info32x32.png"));
    setWindowTitle(QStringLiteral("信息"));
    ui->iconLabel->setPixmap(QPixmap(":/images/info18x18.png"));
    ui->dialogCloseBtn->setFixedSize(23, 25);
    setWindowFlags(Qt::FramelessWindowHint);
    setMouseTracking(true);

    if (mode == 1)
        ui->cancelButton->hide();
    else if (mode == 2)
        ui->ConfirmButton->hide();
    else if (mode == 4) {
        ui->ConfirmButton->hide();
        ui->cancelButton->hide();
    }

    ui->messageTitle->setText(m_title);
    setMessageText(text);

    connect(ui->ConfirmButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->dialogCloseBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->cancelButton, &QPushButton::clicked, this, &QDialog::close);

    if (mode == 4) {
        m_closeTimer.setSingleShot(true);
        connect(&m_closeTimer, &QTimer::timeout, this, &QDialog::close);
        m_closeTimer.start(kAutoCloseMs);
    }
}

void BaseMessageDialog::setMessageText(const QString& text)
{
    m_text = layoutText(text);
    ui->infoTextEdit->setPlainText(m_text);   // texts carry server names: never markup
    ui->infoTextEdit->setAlignment(Qt::AlignCenter);
}

QString BaseMessageDialog::layoutText(const QString& text)
{
    const QString indent(4, QLatin1Char(' '));
    QString shown = indent + text;
    const QString breaks = shown.size() <= 25 ? QStringLiteral("\r\n\r\n") : QStringLiteral("\r\n");
    return indent + breaks + shown;
}

BaseMessageDialog::~BaseMessageDialog() = default;
