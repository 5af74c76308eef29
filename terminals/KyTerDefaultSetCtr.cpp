#include "KyTerDefaultSetCtr.h"

#include <QCheckBox>
#include <QHeaderView>
#include <memory>

#include "KyPlayTermListMgr.h"
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
    KyTermTbCtrl::showTerminals();
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
    QTableWidget* t = table();
    const int row = term->master_id == 0 ? t->rowCount() : masterRowBelow(term->master_id);
    t->insertRow(row);
    setCellItem(term->name.c_str(), row, ColName, term->id);
    setCellItem(std::to_string(term->defaultVolumn).c_str(), row, ColVolume, term->defaultVolumn);
    setCellItem(ampOnText(term->defaultPower ? 1 : 0).toLocal8Bit().constData(), row, ColPower,
                term->defaultPower ? 1 : 0);
    auto* box = new QCheckBox();
    box->setChecked(term->isDefault);
    t->setCellWidget(row, ColIsDefault, box);
    // Columns 0-2 hold the row's items; column 3 only the box.
    setRowBackground(t, row, term->master_id != 0 ? QColor(200, 200, 200) : QColor(255, 255, 255));
    return 0;
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
        auto* box = qobject_cast<QCheckBox*>(t->cellWidget(row, ColIsDefault));
        term->isDefault = box && box->isChecked();
        m_collected.push_back(*term);
    }
    QDialog::accept();
}
