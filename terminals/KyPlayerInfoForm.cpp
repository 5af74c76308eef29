#include "KyPlayerInfoForm.h"

#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>
#include <memory>

#include "BaseMessageDialog.h"
#include "BaseSetNameDialog.h"
#include "KyCellItem.h"
#include "KyListLock.h"
#include "KyManageContext.h"
#include "KyPlayTermListMgr.h"
#include "KyTerminalType.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"
#include "KyVolumeStepper.h"
#include "ui_playerInfoForm.h"

namespace {
enum { COL_TYPE, COL_NAME, COL_ID, COL_VOLUME, COL_STATE, COL_POWER, COL_TEMP, COL_SPEAKER, COL_IP, COL_COUNT };
}  // namespace

KyPlayerInfoForm::KyPlayerInfoForm()
    : QWidget(nullptr), ui(new Ui::playerInfoForm), m_deleteFailures(KyTipsInfo::tips())
{
    ui->setupUi(this);
    makeCellPatterns();
    KyVolumeStepper::setupSlider(ui->fVolumeSlider);
    ui->fTcpModeBtn->hide();
    ui->fDefaultSetBtn->hide();
    ui->fSpeakerCheckBtn->hide();
    setupTable();
    ui->fTerListViewWidget->horizontalHeader()->setMinimumSectionSize(80);
    ui->fTerListViewWidget->setColumnHidden(COL_SPEAKER, true);

    KyPlayTermListMgr* mgr = KyPlayTermListMgr::instance();
    connect(mgr, &KyPlayTermListMgr::gotPlayTermList, this, &KyPlayerInfoForm::slot_listArrived);
    connect(mgr, &KyPlayTermListMgr::playTermChanged, this, &KyPlayerInfoForm::updateTer);
    connect(mgr, &KyPlayTermListMgr::playTermDeleted, this, &KyPlayerInfoForm::delTer);
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

    if (KyListLock(mgr)) {
        showTerminals();
    } else {
        mgr->init();
    }
    m_stepper = new KyVolumeStepper(ui->fVolumeSlider, ui->fDecVolumnBtn, ui->fAddVolumnBtn, this);
    connect(m_stepper, &KyVolumeStepper::sendVolume, this, &KyPlayerInfoForm::progressVolumnChange);
}

KyPlayerInfoForm::~KyPlayerInfoForm() = default;

void KyPlayerInfoForm::makeCellPatterns()
{
    // The cell texts, translated once: a full fill shares them.
    for (int i = 0; i < 6; ++i) {
        m_texts.type[i] = typeText(i);
        m_cells.state[i].setText(stateText(i));
        m_cells.state[i].setForeground(i == 5 ? m_texts.red : m_texts.black);
    }
    for (int i = 0; i < 2; ++i)
        m_cells.power[i].setText(ampOnText(i));
    for (int i = 0; i < 5; ++i) {
        m_cells.speaker[i].setText(speakerText(i));
        m_cells.speaker[i].setForeground(i == 1 ? m_texts.black : m_texts.red);
    }
    m_cells.noTemperature.setText(QStringLiteral("---"));
    m_cells.noTemperature.setTextAlignment(Qt::AlignCenter);
    m_cells.noTemperature.setForeground(QColor(192, 192, 192));
    m_cells.offlineTemperature.setText(QString::fromUtf8("×"));
    m_cells.offlineTemperature.setForeground(m_texts.black);
}

QTableWidget* KyPlayerInfoForm::table()
{
    return ui->fTerListViewWidget;
}

int KyPlayerInfoForm::typeKind(const KyTerminal& term)
{
    switch (terminalTypeIndex(term.exten != "--" ? term.exten : term.type)) {
    case 1: return 0;
    case 2: return 1;
    case 18: return 2;
    case 19: return 3;
    case 30: return 4;
    default: return 5;
    }
}

QString KyPlayerInfoForm::typeText(int kind)
{
    switch (kind) {
    case 0: return tr("PRTerm");
    case 1: return tr("IPTerm");
    case 2: return tr("IPDSTerm");
    case 3: return tr("IPDTerm");
    case 4: return tr("CLTerm");
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

void KyPlayerInfoForm::showTerminals()
{
    m_shownList = KyPlayTermListMgr::instance()->listsArrived();
    KyTermTbCtrl::showTerminals();
}

void KyPlayerInfoForm::slot_listArrived()
{
    if (KyPlayTermListMgr::instance()->listsArrived() != m_shownList)
        showTerminals();
}

int KyPlayerInfoForm::addTerminalRow(KyTerminal* term)
{
    if (!term)
        return -1;
    const int row = firstRowAfter(term->id);
    ui->fTerListViewWidget->insertRow(row);
    fillRow(row, *term);
    return 0;
}

void KyPlayerInfoForm::fillTerminals(const std::list<KyTerminal>& list)
{
    QTableWidget* t = ui->fTerListViewWidget;
    const auto byId = [](const KyTerminal& a, const KyTerminal& b) { return a.id < b.id; };
    if (t->rowCount() != 0 || t->isSortingEnabled() || !std::is_sorted(list.begin(), list.end(), byId)) {
        KyTermTbCtrl::fillTerminals(list);
        return;
    }
    // Appending the ascending list gives the rows addTerminalRow would.
    beginFill(int(list.size()));
    int row = 0;
    for (const KyTerminal& rec : list)
        fillRow(row++, rec);
    endFill();
}

int KyPlayerInfoForm::firstRowAfter(int id)
{
    // Rows are in ascending id order; a full fill appends.
    const int rows = ui->fTerListViewWidget->rowCount();
    if (rows == 0 || cellInt(rows - 1, COL_ID) <= id)
        return rows;
    int low = 0, high = rows;
    while (low < high) {
        const int mid = (low + high) / 2;
        if (cellInt(mid, COL_ID) <= id)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

void KyPlayerInfoForm::updateTer(int id)
{
    postRowChange(id);
}

void KyPlayerInfoForm::applyRowChange(int id)
{
    const std::unique_ptr<KyTerminal> term(KyPlayTermListMgr::instance()->findTerminal(id));
    if (!term)
        return;   // gone: its deletion removes the row
    const int row = findRowById(id);
    if (row >= 0)
        fillRow(row, *term);
    else
        addTerminalRow(term.get());
}

void KyPlayerInfoForm::updateRow(int row, int id)
{
    const std::unique_ptr<KyTerminal> term(KyPlayTermListMgr::instance()->findTerminal(id));
    if (term)
        fillRow(row, *term);
}

void KyPlayerInfoForm::fillRow(int row, const KyTerminal& term)
{
    // Items are made whole before they go into the table: one change per cell.
    QTableWidget* t = ui->fTerListViewWidget;
    auto cell = [](const QString& text, int data) {
        return new KyCellItem(text, data != 0 ? QVariant(data) : QVariant());   // no value reads as 0
    };
    auto copy = [](const QTableWidgetItem& pattern) { return new QTableWidgetItem(pattern); };
    // Out-of-range codes read as offline (black) and as no speaker state (red).
    QTableWidgetItem* items[COL_COUNT] = {
        cell(m_texts.type[typeKind(term)], term.id),
        cell(localToQString(term.name), term.id),
        cell(QString::number(term.id), term.id),
        cell(QString::number(term.broVol), 0),
        copy(m_cells.state[term.state >= 0 && term.state < 6 ? term.state : 0]),
        copy(m_cells.power[term.power ? 1 : 0]),
        nullptr,
        copy(m_cells.speaker[term.spkState >= 0 && term.spkState < 4 ? term.spkState : 4]),
        cell(localToQString(term.ip), 0),
    };
    if (term.type != "IP") {
        items[COL_TEMP] = copy(m_cells.noTemperature);
    } else if (term.state == 0) {
        items[COL_TEMP] = copy(m_cells.offlineTemperature);
    } else {
        items[COL_TEMP] = cell(QString::number(term.ampTemp) + m_texts.degrees, 0);
        if (QTableWidgetItem* old = t->item(row, COL_TEMP))  // keeps its colour
            items[COL_TEMP]->setForeground(old->foreground());
    }
    for (int c = 0; c < COL_COUNT; ++c)
        placeItem(row, c, items[c]);
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
    const int stored = term.broVol;
    term.broVol = volume;
    if (mgr->saveTerminal(term) != 0) {
        ui->fVolumeSlider->setValue(stored);
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
        const std::unique_ptr<KyTerminal> term(mgr->findTerminal(cellInt(row, COL_ID)));
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
    dialog.setName(term.name);
    if (dialog.exec() == 0)
        return;
    term.name = dialog.keptName(term.name);
    if (KyPlayTermListMgr::instance()->saveTerminal(term) != 0) {
        showMessage(tr("Setting Error!"));
        return;
    }
    nameItem->setText(localToQString(term.name));
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

void KyPlayerInfoForm::slot_delError(QString text)
{
    m_deleteFailures.show(text);
}
