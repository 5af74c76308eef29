#include "KyColumnFit.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

namespace {
// Changes of more rows than this are fitted as a fill.
const int kFewRows = 4;
// The texts of a fill measured exactly: the widest by estimate.
const int kMeasured = 8;
}  // namespace

KyColumnFit* KyColumnFit::of(QTableWidget* table)
{
    if (auto* fit = table->findChild<KyColumnFit*>(QString(), Qt::FindDirectChildrenOnly))
        return fit;
    return new KyColumnFit(table);
}

KyColumnFit::KyColumnFit(QTableWidget* table) : QObject(table), m_table(table)
{
    connect(table->model(), &QAbstractItemModel::dataChanged, this, &KyColumnFit::changed);
}

void KyColumnFit::beginBulk()
{
    m_bulk = true;
    const int columns = m_table->columnCount();
    m_bulkColumns.assign(columns, 0);
    m_bulkWidest.assign(columns, {});
    for (int column = 0; column < columns; ++column)
        m_bulkColumns[column] = widens(column);
}

void KyColumnFit::note(int row, int column, const QString& text)
{
    if (column < int(m_bulkColumns.size()) && m_bulkColumns[column] && !text.isEmpty())
        keepWidest(m_bulkWidest[column], estimate(text), row);
}

void KyColumnFit::endBulk()
{
    m_bulk = false;
    for (int column = 0; column < int(m_bulkWidest.size()); ++column)
        widenToWidest(column, m_bulkWidest[column]);
    m_bulkColumns.clear();
    m_bulkWidest.clear();
}

void KyColumnFit::changed(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QVector<int>& roles)
{
    if (m_bulk || (!roles.isEmpty() && !roles.contains(Qt::DisplayRole)))
        return;
    const bool few = bottomRight.row() - topLeft.row() < kFewRows;
    for (int column = topLeft.column(); column <= bottomRight.column(); ++column) {
        if (!widens(column))
            continue;
        if (few) {
            for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
                fitCell(row, column);
        } else {
            fitRows(topLeft.row(), bottomRight.row(), column);
        }
    }
}

bool KyColumnFit::widens(int column) const
{
    QHeaderView* header = m_table->horizontalHeader();
    if (column >= header->count() || header->isSectionHidden(column)
        || header->sectionResizeMode(column) != QHeaderView::Interactive
        || header->sectionSize(column) >= kMaxWidth)
        return false;
    if (!header->stretchLastSection())
        return true;
    for (int visual = header->count() - 1; visual >= 0; --visual) {
        const int logical = header->logicalIndex(visual);
        if (!header->isSectionHidden(logical))
            return logical != column;
    }
    return true;
}

QString KyColumnFit::textAt(int row, int column) const
{
    QTableWidgetItem* item = m_table->item(row, column);
    return item ? item->text() : QString();
}

void KyColumnFit::fitCell(int row, int column)
{
    const QString text = textAt(row, column);
    if (text.isEmpty())
        return;
    const qreal estimated = estimate(text);
    if (m_padding.size() > size_t(column) && m_padding[column] >= 0
        && estimated + m_padding[column] <= m_table->horizontalHeader()->sectionSize(column))
        return;
    widen(column, measure(row, column, estimated));
}

void KyColumnFit::fitRows(int firstRow, int lastRow, int column)
{
    std::vector<std::pair<qreal, int>> widest;   // estimate, row
    for (int row = firstRow; row <= lastRow; ++row) {
        const QString text = textAt(row, column);
        if (!text.isEmpty())
            keepWidest(widest, estimate(text), row);
    }
    widenToWidest(column, widest);
}

void KyColumnFit::keepWidest(std::vector<std::pair<qreal, int>>& widest, qreal estimated, int row)
{
    // A heap with the narrowest kept estimate on top.
    if (widest.size() == size_t(kMeasured)) {
        if (estimated <= widest.front().first)
            return;
        std::pop_heap(widest.begin(), widest.end(), std::greater<>());
        widest.pop_back();
    }
    widest.emplace_back(estimated, row);
    std::push_heap(widest.begin(), widest.end(), std::greater<>());
}

void KyColumnFit::widenToWidest(int column, const std::vector<std::pair<qreal, int>>& widest)
{
    int needed = 0;
    for (const auto& candidate : widest)
        needed = std::max(needed, measure(candidate.second, column, candidate.first));
    widen(column, needed);
}

qreal KyColumnFit::estimate(const QString& text)
{
    if (m_font != m_table->font() || m_wide == 0) {
        m_font = m_table->font();
        const QFontMetricsF metrics(m_font);
        for (int c = 0; c < 128; ++c)
            m_ascii[c] = metrics.horizontalAdvance(QChar(c));
        m_wide = metrics.horizontalAdvance(QChar(0x4E2D));
    }
    qreal width = 0;
    for (const QChar ch : text) {
        const ushort code = ch.unicode();
        if (code < 128)
            width += m_ascii[code];
        else if ((code >= 0x2E80 && code <= 0x9FFF) || (code >= 0xFF00 && code <= 0xFFEF))
            width += m_wide;
        else
            width += QFontMetricsF(m_font).horizontalAdvance(ch);
    }
    return width;
}

int KyColumnFit::measure(int row, int column, qreal estimated)
{
    const int needed = m_table->sizeHintForIndex(m_table->model()->index(row, column)).width()
                       + (m_table->showGrid() ? 1 : 0);
    if (m_padding.size() <= size_t(column))
        m_padding.resize(column + 1, -1);
    m_padding[column] = std::max(m_padding[column], std::ceil(needed - estimated));
    return needed;
}

void KyColumnFit::widen(int column, int width)
{
    QHeaderView* header = m_table->horizontalHeader();
    width = std::min(width, int(kMaxWidth));
    if (width > header->sectionSize(column))
        header->resizeSection(column, width);
}
