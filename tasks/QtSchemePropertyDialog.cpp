#include "QtSchemePropertyDialog.h"

#include "BaseMessageDialog.h"
#include "KyKeptValue.h"
#include "KyTipsInfo.h"
#include "ui_SchemePropertyDialog.h"

QtSchemePropertyDialog::QtSchemePropertyDialog(QWidget* parent)
    : KyShadowDialog(parent), ui(new Ui::SchemePropertyDialog)
{
    ui->setupUi(this);
    ui->iconLabel->setPixmap(QPixmap(":/images/edit20x20.png"));
    ui->fNameEdit->setMaxLength(32);
    ui->fCommentEdit->setMaxLength(64);
    ui->fNameEdit->setFocus();

    connect(ui->fOkBtn, &QPushButton::clicked, this, &QtSchemePropertyDialog::accept);
    connect(ui->fCancelBtn, &QPushButton::clicked, this, &QtSchemePropertyDialog::reject);
    connect(ui->fCloseBtn, &QPushButton::clicked, this, &QtSchemePropertyDialog::reject);
}

QtSchemePropertyDialog::~QtSchemePropertyDialog() = default;

void QtSchemePropertyDialog::setValues(const QString& name, const QString& comment)
{
    if (!name.isEmpty())
        ui->fNameEdit->setText(name);
    if (!comment.isEmpty())
        ui->fCommentEdit->setText(comment);
    m_shownName = schemeName();
    m_shownComment = schemeComment();
}

std::string QtSchemePropertyDialog::keptName(const std::string& stored) const
{
    return kyKeptValue(stored, m_shownName, schemeName());
}

std::string QtSchemePropertyDialog::keptComment(const std::string& stored) const
{
    return kyKeptValue(stored, m_shownComment, schemeComment());
}

std::string QtSchemePropertyDialog::schemeName() const
{
    return ui->fNameEdit->text().toLocal8Bit().toStdString();
}

std::string QtSchemePropertyDialog::schemeComment() const
{
    return ui->fCommentEdit->text().toLocal8Bit().toStdString();
}

void QtSchemePropertyDialog::accept()
{
    if (schemeName().empty()) {
        BaseMessageDialog msg(KyTipsInfo::tips(), QString::fromUtf8("方案名称不可以空!"), 1);
        msg.exec();
        return;
    }
    QDialog::accept();
}

void QtSchemePropertyDialog::reject()
{
    QDialog::reject();
}
