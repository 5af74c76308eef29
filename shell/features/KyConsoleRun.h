#pragma once

#include <functional>
#include <vector>

class InfoCenterMgr;
class KyManageCenter;
struct KyCommandLine;
struct KyPageEntry;

// Start-up after the application stands: the login (at once with "-serverip",
// "-user" and "-password", else LoginDialog), then kyRunMainWindow with the
// pages, maximised unless "-max 0". The loop's result; 1 when the login failed
// or was cancelled, 2 when the server port is missing.
int kyRunConsole(const KyCommandLine& commandLine, KyManageCenter* center, const std::vector<KyPageEntry>& pages);

// The login with the fields of KyLoginInfo (command line and config.ini);
// 0 when logged in, else the exit code (1 refused, 2 no server port).
int kyLoginFromCommandLine(KyManageCenter* center);

// The logged-in run on center: the level list, the loss notice, the file-service worker
// on the login's server, then the main window until its loop ends. `shown`
// runs on the shown window. The worker stops when the loop ends, before the
// window and its pages go: the running transfer breaks off and queued ones
// are dropped (the media page's transfer journal keeps them). The loop's result.
int kyRunMainWindow(KyManageCenter* center, int maximize, const std::vector<KyPageEntry>& pages,
                    const std::function<void(InfoCenterMgr&)>& shown = nullptr);
