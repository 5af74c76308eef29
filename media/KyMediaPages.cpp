#include "KyMediaPages.h"

#include "KyMediaMgrForm.h"
#include "KyPageFactory.h"

void registerMediaPages()
{
    KyPageFactory::registerPage("KyMediaMgrForm", [](int) { return new KyMediaMgrForm(); });
}
