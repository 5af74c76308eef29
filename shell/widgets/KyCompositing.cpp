#include "KyCompositing.h"

#include <QX11Info>

bool KyCompositing::active()
{
    return !QX11Info::isPlatformX11() || QX11Info::isCompositingManagerRunning();
}
