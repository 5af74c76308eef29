#pragma once

#include <QString>
#include <QWidget>

// System settings page (staged: the page's groups come with their own work).
class KySystemSettingForm : public QWidget {
    Q_OBJECT
public:
    explicit KySystemSettingForm(QWidget* parent = nullptr);

    QString titleName;   // the current system name

signals:
    void sendTitleString(QString title);
};
