#include "KyJoinedNotice.h"

#include "BaseMessageDialog.h"

void KyJoinedNotice::show(const QString& text)
{
    m_texts.append(text);
    if (m_open) {
        m_open->setMessageText(m_texts.join(QLatin1Char('\n')));
        return;
    }
    BaseMessageDialog dialog(m_title, text, 1);
    m_open = &dialog;
    dialog.exec();
    m_texts.clear();
}
