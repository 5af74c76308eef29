#pragma once

#include <QObject>
#include <QRect>
#include <QString>

class QDialog;
class QLabel;
class QWidget;

// One pop-up notice: a coloured panel in a page's lower right corner that
// hides itself a given time after the job it reports has ended.
class MsgTips : public QObject {
    Q_OBJECT
public:
    MsgTips(QWidget* page, const QRect& slot);
    ~MsgTips() override;

    void setTipText(const QString& key);
    void setLabelText(const QString& text);
    void setMessage(const QString& text);
    void setTipStyle(int style);   // 1 success, 2 warning
    void showFor(int ms);          // negative: stays until a later call gives a delay

    QString tipText() const { return m_key; }
    bool isShowing() const { return m_showing != 0; }
    QDialog* panel() const { return m_panel; }
    QLabel* label() const { return m_label; }
    int timerId() const { return m_timerId; }

signals:
    void updateMsgTipsGroup();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void stopTimer();

    QString m_key;
    int m_showing = 0;
    QDialog* m_panel;
    QLabel* m_label;
    int m_timerId = 0;
    int m_interval = 0;
};
