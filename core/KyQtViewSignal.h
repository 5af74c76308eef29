#pragma once

#include <QObject>

// View notification object of a watched list. Created parentless in the
// user-interface thread, so emissions from the receive thread reach
// receivers queued and emissions from the user-interface thread directly.
class KyQtViewSignal : public QObject {
    Q_OBJECT
public:
    explicit KyQtViewSignal(QObject* parent = nullptr) : QObject(parent) {}

signals:
    void haveTerminals();
    void addTerminal(int id);
    void delTerminal(int id);
    void updateTerminal(int id);
};
