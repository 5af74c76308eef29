#pragma once

#include <QWidget>

// Broadcast region list page (staged: an empty page until its screen is built).
class KyRegionMgrForm : public QWidget {
    Q_OBJECT
public:
    explicit KyRegionMgrForm(QWidget* parent = nullptr);
};
