#pragma once

class KyManageCenter;
struct KyCommandLine;

// Start-up after the application stands: the login (at once with "-serverip",
// "-user" and "-password", else LoginDialog), the loss notice, then the main
// window, maximised unless "-max 0", until it closes. The loop's result; 1
// when the login failed or was cancelled, 2 when the server port is missing.
int kyRunConsole(const KyCommandLine& commandLine, KyManageCenter* center);

// The login with the fields of KyLoginInfo (command line and config.ini);
// 0 when logged in, else the exit code (1 refused, 2 no server port).
int kyLoginFromCommandLine(KyManageCenter* center);

// Stops the file-service worker at the program's end: the running transfer
// breaks off and queued ones are dropped (the transfer journal keeps them).
// Called after the window's loop ends, before the window and its pages go.
void kyStopFileWorker();
