#pragma once

#include <QWidget>

// Recordings page (staged: filled by its own work).
class KyTalkRecordForm : public QWidget {
    Q_OBJECT
public:
    explicit KyTalkRecordForm(QWidget* parent = nullptr);
};
