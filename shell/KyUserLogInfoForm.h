#pragma once

#include <QWidget>

// User log page (staged: filled by its own work).
class KyUserLogInfoForm : public QWidget {
    Q_OBJECT
public:
    explicit KyUserLogInfoForm(QWidget* parent = nullptr);
};
