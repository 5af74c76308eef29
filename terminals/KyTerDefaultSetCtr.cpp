#include "KyTerDefaultSetCtr.h"

#include <QHeaderView>
#include <memory>
#include <unordered_map>
#include <vector>

#include "KyCellItem.h"
#include "KyListLock.h"
#include "KyPlayTermListMgr.h"
#include "KyTextUtil.h"
#include "ui_TerDefaultSetForm.h"

namespace {

enum { ColName = 0, ColVolume = 1, ColPower = 2, ColIsDefault = 3 };

}  // namespace

KyTerDefaultSetCtr::KyTerDefaultSetCtr() : KyBaseDialog(nullptr), m_setForm(new Ui::TerDefaultSetForm)
{
    m_setForm->setupUi(this);
    setupTable();
    table()->horizontalHeader()->resizeSection(ColName, 100);
    m_setForm->fVolumnSpinBox->setRange(-1, 100);
    initColumns();

    connect(table(), &QTableWidget::itemSelectionChanged, this, &KyTerDefaultSetCtr::tableSelected);
    connect(m_setForm->fOpenAmpBtn, &QPushButton::clicked, this, &KyTerDefaultSetCtr::openAmpClicked);
    connect(m_setForm->fCloseAmpBtn, &QPushButton::clicked, this, &KyTerDefaultSetCtr::closeAmpClicked);
    connect(m_setForm->fVolumnSpinBox, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &KyTerDefaultSetCtr::volumnSpinChanged);
    connect(m_setForm->fOkBtn, &QPushButton::clicked, this, &KyTerDefaultSetCtr::accept);
    connect(m_setForm->fCancelBtn, &QPushButton::clicked, this, &KyTerDefaultSetCtr::reject);
}

KyTerDefaultSetCtr::~KyTerDefaultSetCtr() = default;

QTableWidget* KyTerDefaultSetCtr::table()
{
    return m_setForm->fTerTableWidget;
}

void KyTerDefaultSetCtr::initColumns()
{
    m_volumeColumn = ColVolume;
    m_ampColumn = ColPower;
}

void KyTerDefaultSetCtr::showTerminals()
{
    KyListLock list(KyPlayTermListMgr::instance());
    if (!list)
        return;
    // The order before the old rows go: a large allocation right after they
    // were freed makes the allocator merge all their small blocks.
    const std::vector<const KyTerminal*> rows = rowOrder(*list);
    beginFill(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row)
        writeRow(row, *rows[row]);
    endFill();
}

// Row below the first row of masterId, or the end when no row has it.
int KyTerDefaultSetCtr::masterRowBelow(int masterId)
{
    const int row = findRowById(masterId);
    return row < 0 ? table()->rowCount() : row + 1;
}

int KyTerDefaultSetCtr::addTerminalRow(KyTerminal* term)
{
    if (!term)
        return -1;
    if (!isPrimaryId(term->id))
        return 0;
    const int row = term->master_id == 0 ? table()->rowCount() : masterRowBelow(term->master_id);
    table()->insertRow(row);
    writeRow(row, *term);
    return 0;
}

// The rows addTerminalRow would give: the terminals with a primary id, each
// subordinate right below its master's row when the master came before it
// (the later subordinates above the earlier), else at the end.
std::vector<const KyTerminal*> KyTerDefaultSetCtr::rowOrder(const std::list<KyTerminal>& list)
{
    std::vector<const KyTerminal*> shown;
    std::vector<std::vector<int>> below;   // subordinates of each shown terminal, in list order
    std::vector<int> top;
    std::unordered_map<int, int> shownAt;   // id -> its first terminal in `shown`
    for (const KyTerminal& term : list) {
        if (!isPrimaryId(term.id))
            continue;
        const int n = int(shown.size());
        const auto master = term.master_id == 0 ? shownAt.end() : shownAt.find(term.master_id);
        (master == shownAt.end() ? top : below[master->second]).push_back(n);
        shown.push_back(&term);
        below.emplace_back();
        shownAt.emplace(term.id, n);
    }
    std::vector<const KyTerminal*> rows;
    rows.reserve(shown.size());
    std::vector<int> next(top.rbegin(), top.rend());
    while (!next.empty()) {
        const int n = next.back();
        next.pop_back();
        rows.push_back(shown[n]);
        next.insert(next.end(), below[n].begin(), below[n].end());
    }
    return rows;
}

void KyTerDefaultSetCtr::writeRow(int row, const KyTerminal& term)
{
    // Columns 0-2 take the row's colour; the tick's cell keeps the table's.
    static const QBrush kSubordinate(QColor(200, 200, 200));
    static const QBrush kPlain(QColor(255, 255, 255));
    const QBrush& shade = term.master_id != 0 ? kSubordinate : kPlain;
    const auto cell = [&](int column, const QString& text, int data) {
        auto* item = new KyCellItem(text, data == 0 ? QVariant() : QVariant(data));
        item->setBackground(shade);
        placeItem(row, column, item);
    };
    const int power = term.defaultPower ? 1 : 0;
    cell(ColName, localToQString(term.name), term.id);
    cell(ColVolume, QString::number(term.defaultVolumn), term.defaultVolumn);
    cell(ColPower, cachedText(m_ampTexts, power, ampOnText), power);
    placeItem(row, ColIsDefault,
              KyTableUtil::checkableItem(QString(), term.isDefault ? Qt::Checked : Qt::Unchecked, term.id));
}

void KyTerDefaultSetCtr::tableSelected()
{
    QTableWidgetItem* item = table()->item(table()->currentRow(), ColVolume);
    if (!item)
        return;
    m_loading = true;
    m_setForm->fVolumnSpinBox->setValue(item->data(Qt::UserRole).toInt());
    m_loading = false;
}

void KyTerDefaultSetCtr::volumnSpinChanged(int valumn)
{
    if (m_loading)
        return;
    // Rows first: setting a cell replaces its item, which may be selected.
    QList<int> rows;
    for (QTableWidgetItem* item : table()->selectedItems()) {
        if (item->column() == ColName)
            rows << item->row();
    }
    for (int row : rows)
        setVolumeCell(row, valumn);
}

void KyTerDefaultSetCtr::openAmpClicked()
{
    setAmpCell(table()->currentRow(), 1);
}

void KyTerDefaultSetCtr::closeAmpClicked()
{
    setAmpCell(table()->currentRow(), 0);
}

void KyTerDefaultSetCtr::accept()
{
    QTableWidget* t = table();
    KyPlayTermListMgr* mgr = KyPlayTermListMgr::instance();
    for (int row = 0; row < t->rowCount(); ++row) {
        const std::unique_ptr<KyTerminal> term(mgr->findTerminal(cellInt(row, ColName)));
        if (!term)
            continue;
        term->defaultVolumn = cellInt(row, ColVolume);
        term->defaultPower = cellInt(row, ColPower) != 0;
        QTableWidgetItem* tick = t->item(row, ColIsDefault);
        term->isDefault = tick && tick->checkState() == Qt::Checked;
        m_collected.push_back(*term);
    }
    QDialog::accept();
}
