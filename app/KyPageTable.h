#pragma once

#include <vector>

#include "KyPageEntry.h"

// The pages of the main window, one entry a page in InfoCenterMgr::Page order.
const std::vector<KyPageEntry>& kyPageTable();
