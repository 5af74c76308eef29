#include "KyBaseDialog.h"

#include "KyTitleMoveEvent.h"
#include "ui_KyDialog.h"

KyBaseDialog::KyBaseDialog(QWidget* parent) : QDialog(parent), ui(new Ui::KyDialog)
{
    setWindowFlags(Qt::FramelessWindowHint);
    ui->setupUi(this);
    m_baseWidget.setGeometry(0, 0, 1024, 900);
    ui->fLayoutCenter->addWidget(&m_baseWidget);
    connect(ui->fBtnClosed, &QPushButton::clicked, this, &QDialog::reject);
    ui->fGrpHeader->installEventFilter(new KyTitleMoveEvent(this, ui->fGrpHeader));
}

KyBaseDialog::~KyBaseDialog() = default;
