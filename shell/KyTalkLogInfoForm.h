#pragma once

#include <QWidget>

// Talkback log page (staged: filled by its own work).
class KyTalkLogInfoForm : public QWidget {
    Q_OBJECT
public:
    explicit KyTalkLogInfoForm(QWidget* parent = nullptr);
};
