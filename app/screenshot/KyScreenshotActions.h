#pragma once

#include <functional>
#include <vector>

class InfoCenterMgr;

// One named picture of the screenshot program: what it does on the logged-in
// main window before the screen is grabbed.
struct KyScreenshotAction {
    const char* name;
    std::function<void(InfoCenterMgr& window)> run;
};

const std::vector<KyScreenshotAction>& kyScreenshotActions();
