#include "KyExecTimeViewCtrl.h"

#include <QTableWidget>

#include "KyExecTime.h"
#include "KyTextUtil.h"

namespace {
const char* const kEntrySeparator = "!!!";
const char* const kFieldSeparator = "#$%";
const int kLabelColumn = 0;
const int kTimeColumn = 1;
}

KyExecTimeViewCtrl::KyExecTimeViewCtrl(QTableWidget* table) : QObject(nullptr), KyDataViewCtrl(table) {}

void KyExecTimeViewCtrl::addExecTime(const KyExecTime& t)
{
    m_ref.appendRow();
    writeRow(m_ref.table()->rowCount() - 1, t);
}

int KyExecTimeViewCtrl::removeCurrent()
{
    const int row = m_ref.currentRow();
    if (row < 0)
        return -1;
    m_ref.removeRow(row);
    return 0;
}

int KyExecTimeViewCtrl::currentExecTime(KyExecTime* out)
{
    const int row = m_ref.currentRow();
    if (row < 0 || row >= m_ref.table()->rowCount())
        return -1;
    return readRow(row, out);
}

int KyExecTimeViewCtrl::setCurrentExecTime(const KyExecTime& t)
{
    const int row = m_ref.currentRow();
    if (row < 0)
        return -1;
    return writeRow(row, t);
}

void KyExecTimeViewCtrl::setExecTimes(const std::list<KyExecTime>& times)
{
    m_ref.clearRows();
    for (const KyExecTime& t : times)
        addExecTime(t);
}

void KyExecTimeViewCtrl::getExecTimes(std::list<KyExecTime>* out)
{
    out->clear();
    const int rows = m_ref.table()->rowCount();
    for (int row = 0; row < rows; ++row) {
        KyExecTime t;
        readRow(row, &t);
        out->push_back(t);
    }
}

int KyExecTimeViewCtrl::writeRow(int row, const KyExecTime& t)
{
    m_ref.setText(row, kTimeColumn, QString::fromStdString(formatDuration(static_cast<uint32_t>(t.seconds))));
    m_ref.setData(row, kTimeColumn, QVariant(static_cast<qlonglong>(t.seconds)));
    m_ref.setText(row, kLabelColumn, QString::fromLocal8Bit(t.label));
    m_ref.table()->sortItems(kTimeColumn, Qt::AscendingOrder);
    return 0;
}

int KyExecTimeViewCtrl::readRow(int row, KyExecTime* out)
{
    out->seconds = static_cast<int32_t>(m_ref.data(row, kTimeColumn).toInt());
    out->setLabel(m_ref.text(row, kLabelColumn).toLocal8Bit().toStdString());
    return 0;
}

std::string KyExecTimeViewCtrl::joinExecTimes(const std::list<KyExecTime>& times)
{
    std::string text;
    bool first = true;
    for (const KyExecTime& t : times) {
        if (!first)
            text += kEntrySeparator;
        first = false;
        text += t.labelText() + kFieldSeparator + std::to_string(t.seconds);
    }
    return text;
}

bool KyExecTimeViewCtrl::hasSeparator(const std::string& label)
{
    return kyHasListSeparator(label);
}
