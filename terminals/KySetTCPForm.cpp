#include "KySetTCPForm.h"

#include <QCheckBox>
#include <QHeaderView>
#include <memory>

#include "KyColumnFit.h"
#include "KyListLock.h"
#include "KyPlayTermListMgr.h"
#include "ui_QtSetTCPForm.h"

namespace {

QCheckBox* boxAt(QTableWidget* table, int row)
{
    return qobject_cast<QCheckBox*>(table->cellWidget(row, 2));
}

}  // namespace

KySetTCPForm::KySetTCPForm(int kind) : KyBaseDialog(nullptr), m_tcpForm(new Ui::QtSetTCPForm)
{
    m_tcpForm->setupUi(this);
    QTableWidget* t = m_tcpForm->fTableWidget;
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->hide();
    t->setWordWrap(true);
    t->horizontalHeader()->setStretchLastSection(true);
    t->horizontalHeader()->resizeSection(0, 200);
    KyColumnFit::of(t);
    // The stretched last column keeps at least the width of its header "经过防火墙".
    QHeaderView* header = t->horizontalHeader();
    header->setMinimumSectionSize(qMax(header->minimumSectionSize(), header->sectionSizeHint(2)));

    connect(m_tcpForm->fTcpBtn, &QPushButton::clicked, this, &KySetTCPForm::setAlltoTcp);
    connect(m_tcpForm->fUdpBtn, &QPushButton::clicked, this, &KySetTCPForm::setAlltoUdp);
    connect(m_tcpForm->fOkBtn, &QPushButton::clicked, this, &KySetTCPForm::accept);
    connect(m_tcpForm->fCancelBtn, &QPushButton::clicked, this, &KySetTCPForm::reject);

    if (kind == 1)
        fillPlayTerminals();
    m_kind = kind;
}

KySetTCPForm::~KySetTCPForm() = default;

void KySetTCPForm::fillPlayTerminals()
{
    QTableWidget* t = m_tcpForm->fTableWidget;
    t->setRowCount(0);
    KyListLock list(KyPlayTermListMgr::instance());
    if (!list)
        return;
    list->sort([](const KyTerminal& a, const KyTerminal& b) { return a.id < b.id; });
    for (const KyTerminal& term : *list) {
        const int row = t->rowCount();
        t->insertRow(row);
        m_tableUtil.setTableItem(t, std::to_string(term.id).c_str(), row, 0, term.id);
        m_tableUtil.setTableItem(t, term.name.c_str(), row, 1, term.id);
        m_tableUtil.setTableItem(t, "", row, 2, term.transport_tcp);
        auto* box = new QCheckBox();
        box->setChecked(term.transport_tcp == 1);
        t->setCellWidget(row, 2, box);
    }
}

void KySetTCPForm::setAllBoxes(bool checked)
{
    QTableWidget* t = m_tcpForm->fTableWidget;
    for (int row = 0; row < t->rowCount(); ++row) {
        if (QCheckBox* box = boxAt(t, row))
            box->setChecked(checked);
    }
}

void KySetTCPForm::setAlltoTcp()
{
    setAllBoxes(true);
}

void KySetTCPForm::setAlltoUdp()
{
    setAllBoxes(false);
}

void KySetTCPForm::accept()
{
    QTableWidget* t = m_tcpForm->fTableWidget;
    KyPlayTermListMgr* mgr = KyPlayTermListMgr::instance();
    for (int row = 0; row < t->rowCount(); ++row) {
        QCheckBox* box = boxAt(t, row);
        const int state = box && box->isChecked() ? 1 : 0;
        // Compared with the box as shown: a stored mode other than 0 and 1 stays unless ticked.
        const int shown = m_tableUtil.tableItemIntData(t, row, 2) == 1 ? 1 : 0;
        if (state == shown)
            continue;
        const std::unique_ptr<KyTerminal> term(mgr->findTerminal(m_tableUtil.tableItemIntData(t, row, 0)));
        if (!term)
            continue;
        term->transport_tcp = state;
        m_changed.push_back(*term);
    }
    QDialog::accept();
}
