#pragma once

#include <QWidget>

// Mic-group list page (staged: an empty page until its screen is built).
class KyMicGroupInfoForm : public QWidget {
    Q_OBJECT
public:
    explicit KyMicGroupInfoForm(QWidget* parent = nullptr);
};
