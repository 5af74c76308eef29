#include "BaseSetNameDialog.h"

#include "BaseMessageDialog.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"
#include "ui_fSetNameDialog.h"

BaseSetNameDialog::BaseSetNameDialog() : KyShadowDialog(nullptr), ui(new Ui::fSetNameDialog)
{
    ui->setupUi(this);
    setWindowIcon(QIcon(":/images/edit20x20.png"));
    ui->fNameEdit->setMaxLength(32);
    ui->iconLabel->setPixmap(QPixmap(":/images/edit20x20.png"));
    setTitle(KyTipsInfo::setName());
    ui->fCloseBtn->setFixedSize(23, 25);
    ui->fNameEdit->setFocus();

    connect(ui->fOkBtn, &QPushButton::clicked, this, &BaseSetNameDialog::accept);
    connect(ui->fCancelBtn, &QPushButton::clicked, this, &BaseSetNameDialog::reject);
    connect(ui->fCloseBtn, &QPushButton::clicked, this, &BaseSetNameDialog::reject);
}

void BaseSetNameDialog::setName(const std::string& text)
{
    ui->fNameEdit->setText(localToQString(text));
    m_shown = ui->fNameEdit->text();
}

void BaseSetNameDialog::setName(const char* text)
{
    if (text)
        setName(std::string(text));
    else
        m_shown = ui->fNameEdit->text();
}

void BaseSetNameDialog::setTitle(const QString& title)
{
    setWindowTitle(title);
    ui->titleNameLabel->setText(title);
}

std::string BaseSetNameDialog::getName() const
{
    return ui->fNameEdit->text().toLocal8Bit().toStdString();
}

std::string BaseSetNameDialog::keptName(const std::string& stored) const
{
    return ui->fNameEdit->text() == m_shown ? stored : getName();
}

void BaseSetNameDialog::accept()
{
    const std::string name = getName();
    if (name.empty()) {
        BaseMessageDialog msg(KyTipsInfo::tips(), tr("Setting Error!"), 1);
        msg.exec();
        return;
    }
    m_name = name;
    QDialog::accept();
}

void BaseSetNameDialog::reject()
{
    QDialog::reject();
}

BaseSetNameDialog::~BaseSetNameDialog() = default;
