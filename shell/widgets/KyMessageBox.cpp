#include "KyMessageBox.h"

#include "ui_MessageBox.h"

namespace {
KyMessageBox* g_box = nullptr;
}

KyMessageBox::KyMessageBox(QWidget* parent) : KyBaseDialog(parent), m_form(new Ui::MessageBox)
{
    m_form->setupUi(this);
    m_form->OnlyOk_2->hide();
    m_form->OkAndCancel->hide();
    m_form->OkAndCancel->show();
    connect(m_form->OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_form->BtnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_form->BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

KyMessageBox* KyMessageBox::sharedInstance()
{
    return g_box;
}

void KyMessageBox::prepare(const QString& text, int flags)
{
    m_form->OnlyOk_2->hide();
    m_form->OkAndCancel->hide();
    if ((flags & 3) == 3)
        m_form->OkAndCancel->show();
    else if (flags & 1)
        m_form->OnlyOk_2->show();
    m_form->LblText->setText(text);
}

int KyMessageBox::showMessage(QWidget*, const QString&, const QString& text, int flags)
{
    if (!g_box)
        g_box = new KyMessageBox();
    g_box->prepare(text, flags);
    return g_box->exec();
}

KyMessageBox::~KyMessageBox() = default;
