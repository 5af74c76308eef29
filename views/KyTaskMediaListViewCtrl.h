#pragma once

#include "KyMediaViewCtrl.h"

// The media picker of the task editors: lists synchronously, so the table is
// filled before listDir returns, into two columns (name, size).
class KyTaskMediaListViewCtrl : public KyMediaViewCtrl {
    Q_OBJECT
public:
    explicit KyTaskMediaListViewCtrl(QTableWidget* table);

    void listDir(QString path) override;

protected:
    void writeMediaFileRow(const KyMediaFile_t& file, int row) override;
};
