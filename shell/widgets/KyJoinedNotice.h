#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>

class BaseMessageDialog;

// A notice of one kind that gathers: while it is open, further texts join it
// (listed one a line) instead of stacking more dialogs; one click closes all.
class KyJoinedNotice {
public:
    explicit KyJoinedNotice(const QString& title) : m_title(title) {}

    // Opens the notice and returns when it closes, or, while it is open, adds
    // text to it and returns at once.
    void show(const QString& text);
    bool isOpen() const { return !m_open.isNull(); }

private:
    QString m_title;
    QStringList m_texts;
    QPointer<BaseMessageDialog> m_open;
};
