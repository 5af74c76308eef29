#pragma once

#include <QWidget>

// Terminal log page (staged: filled by its own work).
class KyTermLogInfoForm : public QWidget {
    Q_OBJECT
public:
    explicit KyTermLogInfoForm(QWidget* parent = nullptr);
};
