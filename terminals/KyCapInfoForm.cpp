#include "KyCapInfoForm.h"

#include <QTableWidget>

#include "BaseMessageDialog.h"
#include "KyCapList.h"
#include "KyCreateViewCtrMgr.h"
#include "KyListLock.h"
#include "KyManageContext.h"
#include "KySetCapDialog.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"
#include "ui_fCommonTableForm.h"

namespace {
const int kColumns = 6;
}  // namespace

KyCapInfoForm::KyCapInfoForm() : QWidget(nullptr), ui(new Ui::fCommonTableForm)
{
    ui->setupUi(this);
    setupPage();
    KyCapList* caps = KyCapList::instance();
    if (KyManageContext* ctx = KyManageContext::instance()) {
        connectSignals();
        if (!KyListLock(caps))
            caps->requestListUntilDone(ctx);
    }
    showCaps();
}

KyCapInfoForm::~KyCapInfoForm() = default;

QTableWidget* KyCapInfoForm::table()
{
    return ui->fCommonTableWidget;
}

void KyCapInfoForm::setupPage()
{
    setupTable();
    ui->tableNameLable->setText(tr("CaptureList"));
    ui->tableNameLable->setStyleSheet("font: 9pt \"微软雅黑\";\ncolor:white");
    ui->fEditBtn->setText(tr("Attributes"));
    ui->fConfigBtn->setText(tr("Call Config"));
    ui->fConfigBtn->hide();
    ui->fNewBtn->hide();
    QTableWidget* t = table();
    t->setColumnCount(kColumns);
    const QStringList titles = {makeColumnKeyId(), makeColumnKeyName(), tr("CapVol"),
                                tr("Samplerate"), makeColumnKeyStatus(), makeColumnKeyIp()};
    for (int c = 0; c < kColumns; ++c)
        t->setHorizontalHeaderItem(c, new QTableWidgetItem(titles[c]));
}

void KyCapInfoForm::connectSignals()
{
    KyCapList* caps = KyCapList::instance();
    KyCreateViewCtrMgr::connectView(caps, {0, this, "1showCaps()"});
    KyCreateViewCtrMgr::connectView(caps, {2, this, "1delCap(int )"});
    KyCreateViewCtrMgr::connectView(caps, {3, this, "1updateCap(int )"});
    connect(table(), &QTableWidget::itemSelectionChanged, this, &KyCapInfoForm::capTableSelected);
    connect(table(), &QTableWidget::cellDoubleClicked, this, &KyCapInfoForm::slot_setNameClicked);
    connect(ui->fEditBtn, &QPushButton::clicked, this, &KyCapInfoForm::slot_setNameClicked);
    connect(ui->fDelBtn, &QPushButton::clicked, this, &KyCapInfoForm::delClicked);
}

QString KyCapInfoForm::qualityText(int samplerate)
{
    switch (samplerate) {
    case 24000:
        return tr("Medium ");
    case 32000:
        return tr("Advanced");
    default:
        return tr("General");
    }
}

QString KyCapInfoForm::stateText(int state)
{
    switch (state) {
    case 1:
        return tr("Idle");
    case 2:
        return tr("Broadcasting");
    default:
        return tr("Off Line");
    }
}

void KyCapInfoForm::showCaps()
{
    KyListLock list(KyCapList::instance());
    if (!list)
        return;
    fillTopDown(*list, [this](int row, const KyCap& cap) { writeCells(row, cap); });
}

void KyCapInfoForm::insertTopRow(const KyCap& cap)
{
    table()->insertRow(0);
    writeCells(0, cap);
}

void KyCapInfoForm::writeCells(int row, const KyCap& cap)
{
    setCellText(QString::number(cap.id), row, 0, cap.id);
    setRowTexts(row, 1, {localToQString(cap.name), QString::number(cap.capVol),
                         cachedText(m_qualityTexts, cap.capSamplerate, qualityText),
                         cachedText(m_stateTexts, cap.state, stateText), localToQString(cap.ip)});
}

void KyCapInfoForm::updateRow(int row, int id)
{
    KyCap cap;
    if (KyCapList::instance()->getCap(id, cap))
        writeCells(row, cap);
}

void KyCapInfoForm::delCap(int id)
{
    slot_delRowById(id);
}

void KyCapInfoForm::updateCap(int id)
{
    postRowChange(id);
}

void KyCapInfoForm::applyRowChange(int id)
{
    const int row = findRowById(id);
    if (row >= 0) {
        updateRow(row, id);
        return;
    }
    KyCap cap;
    if (KyCapList::instance()->getCap(id, cap))
        insertTopRow(cap);
}

void KyCapInfoForm::capTableSelected()
{
    const int id = currentId();
    if (id != -1)
        ui->fEditBtn->setEnabled(isPrimaryId(id));
}

void KyCapInfoForm::slot_setNameClicked()
{
    KyManageContext* ctx = KyManageContext::instance();
    const int id = currentId();
    if (!ctx || id == -1)
        return;
    KyCapList* caps = KyCapList::instance();
    KyCap cap;
    if (!caps->getCap(id, cap))
        return;
    KySetCapDialog dialog;
    dialog.setCap(&cap);
    if (dialog.exec() == 0)
        return;
    // A refused save leaves the row as it was.
    if (caps->saveCap(ctx->manageCenter(), cap) == 0)
        refreshRowById(id);
}

void KyCapInfoForm::delClicked()
{
    const QList<int> ids = confirmedSelectedIds();
    KyManageContext* ctx = KyManageContext::instance();
    KyCapList* caps = KyCapList::instance();
    for (int id : ids) {
        KyCap cap;
        if (!caps->getCap(id, cap))
            continue;
        if (!isOffline(cap.state))
            BaseMessageDialog(KyTipsInfo::tips(), KyTipsInfo::terminalMustBeOffline(), 1).exec();
        else if (ctx && caps->removeCap(ctx->manageCenter(), cap) == 0)
            removeRowById(id);
        else
            BaseMessageDialog(KyTipsInfo::tips(), tr("Delete Error!"), 1).exec();
    }
}

void KyCapInfoForm::tcpModeClicked() {}
