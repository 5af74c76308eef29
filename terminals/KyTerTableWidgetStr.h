#pragma once

#include <QObject>

// Translation context of the amplifier power texts "close" and "open".
class KyTerTableWidgetStr : public QObject {
    Q_OBJECT
public:
    static QString powerText(int state);
};
