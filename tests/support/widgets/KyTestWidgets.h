#pragma once

#include <QObject>
#include <QString>
#include <QTableWidget>
#include <QVariant>

// The child widget of that name; a missing one ends the test with a message.
template <class W>
W* child(QObject* parent, const char* name)
{
    W* w = parent->findChild<W*>(QString::fromLatin1(name));
    if (!w)
        qFatal("no %s named %s", W::staticMetaObject.className(), name);
    return w;
}

// The row whose column-0 item holds id (Qt::UserRole); -1 when none does.
inline int rowOfId(QTableWidget* table, int id)
{
    for (int r = 0; r < table->rowCount(); ++r) {
        if (table->item(r, 0) && table->item(r, 0)->data(Qt::UserRole).toInt() == id)
            return r;
    }
    return -1;
}
