#pragma once

#include <QTableWidgetItem>
#include <QVariant>

// A cell of a list page's fill: its text and user-role data held in the item
// itself, so that a cell takes two allocations where a plain item takes three
// (large lists are filled and freed cell by cell). Anything set later is
// stored the usual way and takes precedence.
class KyCellItem : public QTableWidgetItem {
public:
    KyCellItem(const QString& text, const QVariant& data);
    QVariant data(int role) const override;
    QTableWidgetItem* clone() const override;

private:
    QString m_text;
    QVariant m_data;
};
