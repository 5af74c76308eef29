#pragma once

#include <QByteArray>
#include <QWidget>
#include <list>
#include <unordered_map>

#include "KyTerBaseCtr.h"

struct KyMic;
class QTableWidgetItem;

// Shared part of the mic02 and mic04 list pages: state cells, the current
// row's id, deletion of the selected offline terminals and the error
// messages. Page texts are translated in the concrete page's class context.
class KyTalkInfoForm : public QWidget, public KyTerBaseCtr {
    Q_OBJECT
public:
    QWidget* widget() override { return this; }

protected:
    explicit KyTalkInfoForm(QWidget* parent);

    virtual bool copyRecord(int id, KyMic& out) const = 0;
    virtual int removeRecord(KyMic& mic) = 0;
    // Writes every cell of the row for the record.
    virtual void writeRow(int row, const KyMic& mic) = 0;
    // Inserts a row on top for the record.
    void addRow(const KyMic& mic);

    // Clears the table and adds every record, so the last one ends on top.
    void showRows(const std::list<KyMic>& list);
    // A row for an id the table lacks, else the row redrawn; nothing when
    // the record is gone.
    void applyRowChange(int id) override;
    // Copy of the current row's record; false without a row or record.
    bool copyCurrent(KyMic& out);

    QString pageText(const char* source) const;
    // Translated and encoded for the 8-bit cell setters.
    QByteArray cellText(const char* source) const;
    // State text of a talk terminal: 0 "Login Out" .. 7 "EmergencyBroadcast"
    // (red); any other state as 0.
    const char* stateSource(int state) const;
    void colourState(QTableWidgetItem* item, int state) const;
    void setStateCell(int row, int column, int state);

    // Asks, then removes every selected offline terminal (column-0 items,
    // last first); online ones are refused with a message each.
    void deleteSelected();
    void showError(const char* source) const;

private:
    mutable std::unordered_map<const char*, QString> m_texts;
};
