#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class KyDialog;
}

// Frameless dialog with the fixed "Manager Center" header; dragged by its header.
class KyBaseDialog : public QDialog {
    Q_OBJECT
public:
    explicit KyBaseDialog(QWidget* parent = nullptr);
    ~KyBaseDialog() override;

protected:
    std::unique_ptr<Ui::KyDialog> ui;
    QWidget m_baseWidget;
};
