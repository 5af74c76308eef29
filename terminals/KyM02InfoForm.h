#pragma once

#include <QWidget>

// Mic02 list page (staged: an empty page until its screen is built).
class KyM02InfoForm : public QWidget {
    Q_OBJECT
public:
    explicit KyM02InfoForm(QWidget* parent = nullptr);
};
