#pragma once

#include <QObject>

#include <string>

class QTableWidget;

// Prepares the header of a media table (a picker or a play list) and appends
// media names to it.
class KyMediaTableCtrl : public QObject {
    Q_OBJECT
public:
    explicit KyMediaTableCtrl(QObject* parent = nullptr);

    // Mode 1: "Media Name"; 2: and "File Size"; any other: name, "Duration", size.
    void setTable(QTableWidget* table, int mode);
    void addMediaName(std::string name);
    QTableWidget* table() const { return mTable; }

private:
    QTableWidget* mTable = nullptr;
};
