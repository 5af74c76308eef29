#include "KyMicInfoForm.h"

#include <QTableWidget>
#include <memory>

#include "BaseMessageDialog.h"
#include "KyListLock.h"
#include "KyM11SettingDialog.h"
#include "KyManageContext.h"
#include "KyMicListMgr.h"
#include "KyTipsInfo.h"
#include "ui_fMicInfoForm.h"

KyMicInfoForm::KyMicInfoForm() : QWidget(nullptr), ui(new Ui::fMicInfoForm)
{
    ui->setupUi(this);
    ui->fTcpModeBtn->hide();
    ui->fTitleNameLable->setText(tr("Server Mic"));
    ui->fTitleNameLable->setStyleSheet("font: 9pt \"微软雅黑\";\ncolor:white");
    QTableWidget* t = ui->fTermTableWidget;
    t->setColumnCount(4);
    t->setHorizontalHeaderLabels({makeColumnKeyName(), makeColumnKeyCode(), makeColumnKeyStatus(), makeColumnKeyIp()});
    setupTable();

    KyMicListMgr* mgr = KyMicListMgr::instance();
    connect(mgr, &KyMicListMgr::gotMicList, this, &KyMicInfoForm::slot_showM11List);
    connect(mgr, &KyMicListMgr::micChanged, this, &KyMicInfoForm::slot_updateM11Row);
    connect(mgr, &KyMicListMgr::micDeleted, this, &KyMicInfoForm::slot_delM11Row);
    connect(t, &QTableWidget::cellDoubleClicked, this, &KyMicInfoForm::slot_editClicked);
    connect(ui->fDelBtn, &QPushButton::clicked, this, &KyMicInfoForm::slot_delMicClicked);
    connect(ui->fSetBtn, &QPushButton::clicked, this, &KyMicInfoForm::slot_editClicked);
    mgr->init();
}

KyMicInfoForm::~KyMicInfoForm() = default;

QTableWidget* KyMicInfoForm::table()
{
    return ui->fTermTableWidget;
}

QString KyMicInfoForm::stateText(int state)
{
    static const char* const texts[] = {QT_TR_NOOP("Off Line"),         QT_TR_NOOP("Idle"),
                                        QT_TR_NOOP("Mic to Broadcast"), QT_TR_NOOP("Mic Call Ring"),
                                        QT_TR_NOOP("Talkbacking"),      QT_TR_NOOP("Monitor Terminal"),
                                        QT_TR_NOOP("Mic Stop Service")};
    return tr(texts[state < 0 || state > 6 ? 0 : state]);
}

void KyMicInfoForm::slot_showM11List()
{
    KyListLock list(KyMicListMgr::instance());
    if (!list)
        return;
    fillTopDown(*list, [this](int row, const KyMic& mic) { fillRow(row, mic); });
}

void KyMicInfoForm::addTopRow(const KyMic& mic)
{
    ui->fTermTableWidget->insertRow(0);
    fillRow(0, mic);
}

void KyMicInfoForm::fillRow(int row, const KyMic& mic)
{
    setCellItem(mic.name, row, 0, mic.id);
    setCellText(QString::number(mic.id), row, 1, 0);
    setCellText(cachedText(m_stateTexts, mic.state, stateText), row, 2, 0);
    setCellItem(mic.ip, row, 3, 0);
}

void KyMicInfoForm::slot_updateM11Row(int id)
{
    postRowChange(id);
}

void KyMicInfoForm::applyRowChange(int id)
{
    if (findRowById(id) < 0) {
        KyMic mic;
        if (KyMicListMgr::instance()->getMic(id, mic))
            addTopRow(mic);
        return;
    }
    refreshRowById(id);
}

void KyMicInfoForm::updateRow(int row, int id)
{
    const std::unique_ptr<KyMic> mic(KyMicListMgr::instance()->cloneMic(id));
    if (mic)
        fillRow(row, *mic);
}

void KyMicInfoForm::slot_delMicClicked()
{
    if (ui->fTermTableWidget->selectedItems().isEmpty())
        return;
    if (BaseMessageDialog(KyTipsInfo::tips(), KyTipsInfo::deleteCurrentRecord(), 1).exec() != 1)
        return;
    // Ids first: removing a row frees its items, so the selection is not walked across removals.
    QList<int> ids;
    for (QTableWidgetItem* item : ui->fTermTableWidget->selectedItems())
        if (item->column() == 0)
            ids.prepend(item->data(Qt::UserRole).toInt());
    KyMicListMgr* mgr = KyMicListMgr::instance();
    for (int id : ids) {
        KyMic mic;
        if (!mgr->getMic(id, mic))
            continue;
        if (!isOffline(mic.state)) {
            BaseMessageDialog(KyTipsInfo::tips(), KyTipsInfo::terminalMustBeOffline(), 1).exec();
            continue;
        }
        if (mgr->removeMic(mic) == 0)
            removeRowById(id);
    }
}

void KyMicInfoForm::slot_editClicked()
{
    const int row = ui->fTermTableWidget->currentRow();
    const int id = row < 0 ? -1 : cellInt(row, 0);
    KyMic mic;
    if (id == -1 || !KyMicListMgr::instance()->getMic(id, mic))
        return;
    KyM11SettingDialog dialog(&mic);
    dialog.exec();
}

void KyMicInfoForm::micTableSelected()
{
    KyManageContext* context = KyManageContext::instance();
    const int row = ui->fTermTableWidget->currentRow();
    const int id = row < 0 ? -1 : cellInt(row, 0);
    if (!context || id == -1)
        return;
    ui->fSetBtn->setEnabled(true);
    KyMicListMgr::instance()->refreshMic(context->manageCenter(), id);
    ui->fTermTableWidget->selectRow(row);
}
