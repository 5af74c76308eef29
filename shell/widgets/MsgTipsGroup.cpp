#include "MsgTipsGroup.h"

#include <QDialog>
#include <QWidget>

#include "MsgTips.h"

MsgTipsGroup::MsgTipsGroup(QWidget* page, int tipWidth, int tipHeight, int rightMargin, int topMargin,
                           int bottomMargin)
    : QObject(page)
{
    const int pageW = page->width();
    const int pageH = page->height();
    const int count = (pageH - topMargin - bottomMargin) / (tipHeight + 5);
    m_count = count < 1 ? 0 : count;
    for (int i = 0; i < m_count; ++i) {
        const QRect slot(pageW - tipWidth - rightMargin, pageH - bottomMargin - tipHeight - i * (tipHeight + 5),
                         tipWidth, tipHeight);
        m_slots.append(slot);
        MsgTips* tip = new MsgTips(page, slot);
        connect(tip, &MsgTips::updateMsgTipsGroup, this, &MsgTipsGroup::slot_updateMsgTipsGroup);
        m_tips.append(tip);
    }
}

MsgTipsGroup::~MsgTipsGroup()
{
    qDeleteAll(m_tips);
}

MsgTips* MsgTipsGroup::freeTip() const
{
    for (MsgTips* tip : m_tips)
        if (!tip->isShowing())
            return tip;
    return nullptr;
}

MsgTips* MsgTipsGroup::tipWithText(const QString& key) const
{
    for (MsgTips* tip : m_tips)
        if (tip->tipText() == key)
            return tip;
    return nullptr;
}

void MsgTipsGroup::slot_updateMsgTipsGroup()
{
    // Showing notices first; a stable pass keeps each group's own order.
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int i = 0; i + 1 < m_tips.size(); ++i) {
            if (!m_tips[i]->isShowing() && m_tips[i + 1]->isShowing()) {
                std::swap(m_tips[i], m_tips[i + 1]);
                swapped = true;
            }
        }
    }
    for (int i = 0; i < m_tips.size(); ++i)
        m_tips[i]->panel()->setGeometry(m_slots[i]);
}
