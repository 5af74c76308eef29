#pragma once

#include <QWidget>

// Mic04 list page (staged: an empty page until its screen is built).
class KyM04InfoForm : public QWidget {
    Q_OBJECT
public:
    explicit KyM04InfoForm(QWidget* parent = nullptr);
};
