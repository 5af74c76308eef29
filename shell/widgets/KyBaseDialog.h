#pragma once

#include <QDialog>

#include "ui_KyDialog.h"

// Frameless dialog with the fixed "Manager Center" header; dragged by its header.
class KyBaseDialog : public QDialog {
    Q_OBJECT
public:
    explicit KyBaseDialog(QWidget* parent = nullptr);

protected:
    Ui::KyDialog ui;
    QWidget m_baseWidget;
};
