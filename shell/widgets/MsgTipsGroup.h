#pragma once

#include <QObject>
#include <QRect>
#include <QVector>

class MsgTips;
class QWidget;

// A fixed column of notice slots in a page's lower right corner; slot 0 is the lowest.
class MsgTipsGroup : public QObject {
    Q_OBJECT
public:
    MsgTipsGroup(QWidget* page, int tipWidth, int tipHeight, int rightMargin, int topMargin,
                 int bottomMargin);
    ~MsgTipsGroup() override;

    MsgTips* freeTip() const;
    MsgTips* tipWithText(const QString& key) const;

    int count() const { return m_count; }
    MsgTips* tipAt(int i) const { return m_tips.value(i); }
    QRect slotRect(int i) const { return m_slots.value(i); }

public slots:
    void slot_updateMsgTipsGroup();

private:
    QVector<MsgTips*> m_tips;
    QVector<QRect> m_slots;
    int m_count = 0;
};
