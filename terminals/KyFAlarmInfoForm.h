#pragma once

#include <QWidget>

// Fire-alarm list page (staged: an empty page until its screen is built).
class KyFAlarmInfoForm : public QWidget {
    Q_OBJECT
public:
    KyFAlarmInfoForm();
};
