#pragma once

#include "KyMediaPages.h"
#include "KyTaskPages.h"
#include "KyTerminalPages.h"

// The pages of the screens above the shell, for the main window's page factory.
inline void kyRegisterPages()
{
    registerTerminalPages();
    registerTaskPages();
    registerMediaPages();
}
