#pragma once

#include <QObject>
#include <QString>

// Translation context of the shared tips and column titles.
class KyTipsInfo : public QObject {
    Q_OBJECT
public:
    static QString tips();
    static QString deleteCurrentRecord();
    static QString noEditPermission();
    static QString deleteFailed();
    static QString terminalMustBeOffline();
    static QString deleteChosenMedia();
    static QString illegalName();
    static QString speakerCheckNeedsIdle();
    static QString setName();

    static QString translate(const char* source);
};

QString makeColumnKeyId();
QString makeColumnKeyIp();
QString makeColumnKeyName();
QString makeColumnKeyStatus();
QString makeColumnKeyCode();
QString makeColumnKeyIsPpt();
QString makeColumnKeyIsAec();
