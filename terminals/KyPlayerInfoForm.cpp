#include "KyPlayerInfoForm.h"

#include <QHeaderView>
#include <QTableWidget>

#include "BaseMessageDialog.h"
#include "BaseSetNameDialog.h"
#include "KyManageContext.h"
#include "KyPlayTermListMgr.h"
#include "KyTerminalType.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"
#include "KyVolumeStepper.h"
#include "ui_playerInfoForm.h"

namespace {
enum { COL_TYPE, COL_NAME, COL_ID, COL_VOLUME, COL_STATE, COL_POWER, COL_TEMP, COL_SPEAKER, COL_IP, COL_COUNT };

QByteArray number(int value)
{
    return QByteArray::number(value);
}
}  // namespace

KyPlayerInfoForm::KyPlayerInfoForm() : QWidget(nullptr), ui(new Ui::playerInfoForm)
{
    ui->setupUi(this);
    KyVolumeStepper::setupSlider(ui->fVolumeSlider);
    ui->fTcpModeBtn->hide();
    ui->fDefaultSetBtn->hide();
    ui->fSpeakerCheckBtn->hide();
    setupTable();
    ui->fTerListViewWidget->horizontalHeader()->setMinimumSectionSize(80);
    ui->fTerListViewWidget->setColumnHidden(COL_SPEAKER, true);

    KyPlayTermListMgr* mgr = KyPlayTermListMgr::instance();
    connect(mgr, &KyPlayTermListMgr::gotPlayTermList, this, &KyPlayerInfoForm::showTerminals);
    connect(mgr, &KyPlayTermListMgr::playTermChanged, this, &KyPlayerInfoForm::updateTer);
    connect(mgr, &KyPlayTermListMgr::delTermError, this, &KyPlayerInfoForm::slot_delError);
    connect(ui->fTerListViewWidget, &QTableWidget::itemSelectionChanged, this,
            &KyPlayerInfoForm::slot_tableItemSelected);
    connect(ui->fTerListViewWidget, &QTableWidget::cellDoubleClicked, this, &KyPlayerInfoForm::slot_setTermClicked);
    connect(ui->fDelTerBtn, &QPushButton::clicked, this, &KyPlayerInfoForm::slot_delTermClicked);
    connect(ui->fSetTerNameBtn, &QPushButton::clicked, this, &KyPlayerInfoForm::slot_setTermClicked);
    connect(ui->fAmpOpenBtn, &QPushButton::clicked, this, &KyPlayerInfoForm::openAmpClicked);
    connect(ui->fAmpCloseBtn, &QPushButton::clicked, this, &KyPlayerInfoForm::closeAmpClicked);
    connect(ui->fDefaultSetBtn, &QPushButton::clicked, this, &KyPlayerInfoForm::defaultSetClicked);
    connect(ui->fTcpModeBtn, &QPushButton::clicked, this, &KyPlayerInfoForm::tcpModeClicked);
    connect(ui->fSpeakerCheckBtn, &QPushButton::clicked, this, &KyPlayerInfoForm::speakerCheckClicked);

    if (mgr->lockList()) {
        mgr->unlockList();
        showTerminals();
    } else {
        mgr->init();
    }
    m_stepper = new KyVolumeStepper(ui->fVolumeSlider, ui->fDecVolumnBtn, ui->fAddVolumnBtn, this);
    connect(m_stepper, &KyVolumeStepper::sendVolume, this, &KyPlayerInfoForm::progressVolumnChange);
}

KyPlayerInfoForm::~KyPlayerInfoForm()
{
    delete ui;
}

QTableWidget* KyPlayerInfoForm::table()
{
    return ui->fTerListViewWidget;
}

QString KyPlayerInfoForm::typeText(const KyTerminal& term)
{
    switch (terminalTypeIndex(term.exten != "--" ? term.exten : term.type)) {
    case 1: return tr("PRTerm");
    case 2: return tr("IPTerm");
    case 18: return tr("IPDSTerm");
    case 19: return tr("IPDTerm");
    case 30: return tr("CLTerm");
    default: return tr("01Term");
    }
}

QString KyPlayerInfoForm::stateText(int state)
{
    switch (state) {
    case 1: return tr("Idle");
    case 2: return tr("Broadcasting");
    case 3: return tr("Mic Broadcast");
    case 4: return tr("Warning");
    case 5: return tr("EmergencyBroadcast");
    default: return tr("Off Line");
    }
}

QString KyPlayerInfoForm::speakerText(int state)
{
    switch (state) {
    case 0: return tr("Open Circuit");
    case 1: return tr("Pass");
    case 2: return tr("Short Circuit");
    case 3: return tr("Checking");
    default: return QString();
    }
}

int KyPlayerInfoForm::addTerminalRow(KyTerminal* term)
{
    if (!term)
        return -1;
    QTableWidget* t = ui->fTerListViewWidget;
    int row = 0;
    while (row < t->rowCount() && cellInt(row, COL_ID) <= term->id)
        ++row;
    t->insertRow(row);
    for (int c = 0; c < COL_COUNT; ++c)
        t->setItem(row, c, new QTableWidgetItem);
    fillRow(row, *term);
    return 0;
}

void KyPlayerInfoForm::updateRow(int row, int id)
{
    KyTerminal* term = KyPlayTermListMgr::instance()->findTerminal(id);
    if (!term)
        return;
    fillRow(row, *term);
    delete term;
}

void KyPlayerInfoForm::fillRow(int row, const KyTerminal& term)
{
    QTableWidget* t = ui->fTerListViewWidget;
    auto set = [&](int column, const QString& text, int data) {
        if (QTableWidgetItem* item = t->item(row, column))
            setItemTextAndId(item, text.toLocal8Bit().constData(), data);
    };
    set(COL_TYPE, typeText(term), term.id);
    setItemTextAndId(t->item(row, COL_NAME), term.name.c_str(), term.id);
    setItemTextAndId(t->item(row, COL_ID), number(term.id).constData(), term.id);
    setItemTextAndId(t->item(row, COL_VOLUME), number(term.broVol).constData(), 0);
    set(COL_STATE, stateText(term.state), 0);
    set(COL_POWER, ampOnText(term.power ? 1 : 0), 0);
    set(COL_SPEAKER, speakerText(term.spkState), 0);
    setItemTextAndId(t->item(row, COL_IP), term.ip.c_str(), 0);
    t->item(row, COL_STATE)->setForeground(term.state == 5 ? QColor(255, 0, 0) : QColor(0, 0, 0));
    t->item(row, COL_SPEAKER)->setForeground(term.spkState == 1 ? QColor(0, 0, 0) : QColor(255, 0, 0));
    QTableWidgetItem* temp = t->item(row, COL_TEMP);
    if (term.type != "IP") {
        setItemTextAndId(temp, "---", 0);
        KyTableUtil::setItemAlignColor(temp, Qt::AlignCenter, QColor(192, 192, 192));
    } else if (term.state == 0) {
        set(COL_TEMP, QString::fromUtf8("×"), 0);
        temp->setForeground(QColor(0, 0, 0));
    } else {
        set(COL_TEMP, QString::fromUtf8("%1 ℃").arg(term.ampTemp), 0);
    }
}

QList<int> KyPlayerInfoForm::selectedRowsInColumn(int column) const
{
    QList<int> rows;
    for (QTableWidgetItem* item : ui->fTerListViewWidget->selectedItems())
        if (item->column() == column)
            rows.append(item->row());
    return rows;
}

void KyPlayerInfoForm::showMessage(const QString& text)
{
    BaseMessageDialog(KyTipsInfo::tips(), text, 1).exec();
}

void KyPlayerInfoForm::slot_tableItemSelected()
{
    const int row = ui->fTerListViewWidget->currentRow();
    QTableWidgetItem* volume = row < 0 ? nullptr : ui->fTerListViewWidget->item(row, COL_VOLUME);
    if (!volume)
        return;
    ui->fSetTerNameBtn->setEnabled(true);
    ui->fVolumeSlider->setValue(int(volume->text().toUInt()));
}

void KyPlayerInfoForm::progressVolumnChange(int volumn)
{
    for (int row : selectedRowsInColumn(COL_ID))
        setRowVolume(row, volumn);
}

void KyPlayerInfoForm::setRowVolume(int row, int volume)
{
    KyPlayTermListMgr* mgr = KyPlayTermListMgr::instance();
    KyTerminal term;
    if (!mgr->getTerminal(cellInt(row, COL_TYPE), term))
        return;
    term.broVol = volume;
    if (mgr->saveTerminal(term) != 0) {
        showMessage(tr("Setting Error!"));
        return;
    }
    setIntCell(row, COL_VOLUME, volume);
    ui->fVolumeSlider->setValue(volume);
}

void KyPlayerInfoForm::setSelectedPower(int state)
{
    KyManageContext* context = KyManageContext::instance();
    if (!context || !context->manageCenter())
        return;
    for (int row : selectedRowsInColumn(COL_TYPE)) {
        KyTerminal term;
        const int id = cellInt(row, COL_TYPE);
        KyPlayTermListMgr::instance()->getTerminal(id, term);
        KyPlayTermListMgr::instance()->setPower(context->manageCenter(), id, term.type.c_str(), state);
    }
}

void KyPlayerInfoForm::speakerCheckClicked()
{
    KyPlayTermListMgr* mgr = KyPlayTermListMgr::instance();
    KyManageContext* context = KyManageContext::instance();
    bool notIdle = false;
    for (int row : selectedRowsInColumn(COL_ID)) {
        KyTerminal* term = mgr->findTerminal(cellInt(row, COL_ID));
        if (!term)
            continue;
        if (term->type == "IP") {
            if (term->state == 1) {
                QTableWidgetItem* cell = setCellText(QStringLiteral("Checking"), row, COL_SPEAKER, 0);
                cell->setForeground(QColor(255, 0, 255));
                term->spkState = 3;
                mgr->replaceTerminal(*term);
                mgr->sendSpeakerCheck(context ? context->manageCenter() : nullptr, *term);
            } else {
                notIdle = true;
            }
        }
        delete term;
    }
    if (notIdle)
        showMessage(KyTipsInfo::speakerCheckNeedsIdle());
}

void KyPlayerInfoForm::slot_setTermClicked()
{
    QTableWidget* t = ui->fTerListViewWidget;
    const int row = t->currentRow();
    if (row < 0)
        return;
    QTableWidgetItem* nameItem = t->item(row, COL_NAME);
    KyTerminal term;
    if (!nameItem || !KyPlayTermListMgr::instance()->getTerminal(cellInt(row, COL_ID), term))
        return;
    BaseSetNameDialog dialog;
    dialog.setName(term.name.c_str());
    if (dialog.exec() == 0)
        return;
    term.name = dialog.getName();
    if (KyPlayTermListMgr::instance()->saveTerminal(term) != 0) {
        showMessage(tr("Setting Error!"));
        return;
    }
    nameItem->setText(localToQString(term.name.c_str()));
}

void KyPlayerInfoForm::slot_delTermClicked()
{
    KyPlayTermListMgr* mgr = KyPlayTermListMgr::instance();
    if (ui->fTerListViewWidget->selectedItems().isEmpty())
        return;
    if (BaseMessageDialog(KyTipsInfo::tips(), KyTipsInfo::deleteCurrentRecord(), 1).exec() != 1)
        return;
    // Ids first: removing a row frees its items, so the selection is not walked across removals.
    QList<int> ids;
    for (int row : selectedRowsInColumn(COL_TYPE))
        ids.prepend(cellInt(row, COL_ID));
    for (int id : ids) {
        KyTerminal term;
        if (!mgr->getTerminal(id, term))
            continue;
        if (!isOffline(term.state)) {
            showMessage(KyTipsInfo::terminalMustBeOffline());
            continue;
        }
        if (mgr->deleteTerminal(term) == 0)
            removeRowById(id);
        else
            showMessage(tr("Delete Error!"));
    }
}

void KyPlayerInfoForm::slot_delError()
{
    showMessage(QString::fromStdString(KyPlayTermListMgr::instance()->lastDeleteError()));
}
