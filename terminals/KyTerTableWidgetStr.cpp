#include "KyTerTableWidgetStr.h"

QString KyTerTableWidgetStr::powerText(int state)
{
    if (state == 0)
        return tr("close");
    if (state == 1)
        return tr("open");
    return QString();
}
