#include "KyTtsInfoForm.h"

#include <QTableWidget>

#include "BaseMessageDialog.h"
#include "BaseSetNameDialog.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"
#include "KyTtsListMgr.h"
#include "ui_fCommonTableForm.h"

namespace {
const int kColumns = 4;
}  // namespace

KyTtsInfoForm::KyTtsInfoForm() : QWidget(nullptr), ui(new Ui::fCommonTableForm)
{
    ui->setupUi(this);
    setupPage();
    KyTtsListMgr* mgr = KyTtsListMgr::instance();
    connect(mgr, &KyTtsListMgr::gotTTsList, this, &KyTtsInfoForm::showTtsList);
    connect(mgr, &KyTtsListMgr::TTsChanged, this, &KyTtsInfoForm::updateTTs);
    connect(mgr, &KyTtsListMgr::TTsDeleted, this, &KyTtsInfoForm::slot_delTts);
    connect(table(), &QTableWidget::itemSelectionChanged, this, &KyTtsInfoForm::ttsTableSelected);
    connect(table(), &QTableWidget::cellDoubleClicked, this, &KyTtsInfoForm::slot_editTtsClicked);
    connect(ui->fDelBtn, &QPushButton::clicked, this, &KyTtsInfoForm::delTtsClicked);
    connect(ui->fEditBtn, &QPushButton::clicked, this, &KyTtsInfoForm::slot_editTtsClicked);
    showTtsList();
}

KyTtsInfoForm::~KyTtsInfoForm() = default;

QTableWidget* KyTtsInfoForm::table()
{
    return ui->fCommonTableWidget;
}

void KyTtsInfoForm::setupPage()
{
    setupTable();
    ui->tableNameLable->setText(tr("TTS List"));
    ui->tableNameLable->setStyleSheet("font: 9pt \"微软雅黑\";\ncolor:white");
    ui->fConfigBtn->hide();
    ui->fNewBtn->hide();
    QTableWidget* t = table();
    t->setColumnCount(kColumns);
    const QStringList titles = {makeColumnKeyId(), makeColumnKeyName(), makeColumnKeyStatus(), makeColumnKeyIp()};
    for (int c = 0; c < kColumns; ++c)
        t->setHorizontalHeaderItem(c, new QTableWidgetItem(titles[c]));
}

QString KyTtsInfoForm::stateText(int state)
{
    switch (state) {
    case 1:
        return tr("Idle");
    case 2:
        return tr("Begin Work");
    case 3:
        return tr("Working");
    case 4:
        return tr("End Work");
    default:
        return tr("Off Line");
    }
}

void KyTtsInfoForm::showTtsList()
{
    KyTtsListMgr* mgr = KyTtsListMgr::instance();
    const std::list<KyTts>* list = mgr->lockRecords();
    if (!list)
        return;
    fillTopDown(*list, [this](int row, const KyTts& tts) { writeCells(row, tts); });
    mgr->unlockRecords();
}

void KyTtsInfoForm::insertTopRow(const KyTts& tts)
{
    table()->insertRow(0);
    writeCells(0, tts);
}

void KyTtsInfoForm::writeCells(int row, const KyTts& tts)
{
    setCellText(QString::number(tts.id), row, 0, tts.id);
    setRowTexts(row, 1, {localToQString(tts.name), cachedText(m_stateTexts, tts.state, stateText),
                         localToQString(tts.ip)});
}

void KyTtsInfoForm::updateRow(int row, int id)
{
    KyTts tts;
    if (KyTtsListMgr::instance()->getTts(id, tts))
        writeCells(row, tts);
}

void KyTtsInfoForm::slot_delTts(int id)
{
    slot_delRowById(id);
}

void KyTtsInfoForm::updateTTs(int id)
{
    postRowChange(id);
}

void KyTtsInfoForm::applyRowChange(int id)
{
    const int row = findRowById(id);
    if (row >= 0) {
        updateRow(row, id);
        return;
    }
    KyTts tts;
    if (KyTtsListMgr::instance()->getTts(id, tts))
        insertTopRow(tts);
}

void KyTtsInfoForm::ttsTableSelected()
{
    if (currentId() != -1)
        ui->fEditBtn->setEnabled(true);
}

void KyTtsInfoForm::slot_editTtsClicked()
{
    const int id = currentId();
    KyTtsListMgr* mgr = KyTtsListMgr::instance();
    KyTts tts;
    if (id == -1 || !mgr->getTts(id, tts))
        return;
    BaseSetNameDialog dialog;
    dialog.setName(tts.name);
    if (dialog.exec() == 0)
        return;
    tts.name = dialog.keptName(tts.name);
    // On success the row changes when the manager reports TTsChanged.
    if (mgr->saveTts(tts) != 0)
        BaseMessageDialog(KyTipsInfo::tips(), tr("Setting Error!"), 1).exec();
}

void KyTtsInfoForm::delTtsClicked()
{
    const QList<int> ids = confirmedSelectedIds();
    KyTtsListMgr* mgr = KyTtsListMgr::instance();
    for (int id : ids) {
        KyTts tts;
        if (!mgr->getTts(id, tts))
            continue;
        if (!isOffline(tts.state))
            BaseMessageDialog(KyTipsInfo::tips(), KyTipsInfo::terminalMustBeOffline(), 1).exec();
        else if (mgr->deleteTts(tts) != 0)
            BaseMessageDialog(KyTipsInfo::tips(), tr("Delete Error!"), 1).exec();
    }
}
