#include "KySetTCPForm.h"

#include <QHeaderView>
#include <memory>

#include "KyCellItem.h"
#include "KyColumnFit.h"
#include "KyListLock.h"
#include "KyPlayTermListMgr.h"
#include "KyTableBatch.h"
#include "KyTextUtil.h"
#include "ui_QtSetTCPForm.h"

namespace {

enum { ColTcp = 2 };   // ticked: TCP; the item's data is the stored mode

bool ticked(QTableWidget* table, int row)
{
    QTableWidgetItem* item = table->item(row, ColTcp);
    return item && item->checkState() == Qt::Checked;
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
    KyTableBatch rows(t);
    for (const KyTerminal& term : *list) {
        const int row = rows.appendRow();
        rows.setItem(row, 0, new KyCellItem(QString::number(term.id), term.id));
        rows.setItem(row, 1, new KyCellItem(localToQString(term.name), term.id));
        rows.setItem(row, ColTcp,
                     KyTableUtil::checkableItem(QString(), term.transport_tcp == 1 ? Qt::Checked : Qt::Unchecked,
                                                term.transport_tcp));
    }
}

void KySetTCPForm::setAllBoxes(bool checked)
{
    QTableWidget* t = m_tcpForm->fTableWidget;
    for (int row = 0; row < t->rowCount(); ++row) {
        if (QTableWidgetItem* item = t->item(row, ColTcp))
            item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
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
        const int state = ticked(t, row) ? 1 : 0;
        // Compared with the tick as shown: a stored mode other than 0 and 1 stays unless ticked.
        const int shown = m_tableUtil.tableItemIntData(t, row, ColTcp) == 1 ? 1 : 0;
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
