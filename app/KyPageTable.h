#pragma once

#include <vector>

#include "KyPageSpec.h"

// The pages of the main window, one entry a page in InfoCenterMgr::Page order.
const std::vector<KyPageSpec>& kyPageTable();
