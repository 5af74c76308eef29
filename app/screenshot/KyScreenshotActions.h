#pragma once

#include <functional>
#include <string>
#include <vector>

class InfoCenterMgr;

// One named picture of the screenshot program: what it does on the logged-in
// main window before the screen is grabbed.
struct KyScreenshotAction {
    const char* name;
    std::function<void(InfoCenterMgr& window)> run;
};

const std::vector<KyScreenshotAction>& kyScreenshotActions();
// The action of that name; null when there is none.
const KyScreenshotAction* kyScreenshotAction(const std::string& name);
