#pragma once

#include <QString>

// The loss of the server connection: a modal notice, after which all
// windows close and the event loop ends.
QString lossNoticeText();
void showLossNotice();
// Connects KyNetLosssHandle::connectionLost to showLossNotice (once).
void installLossNotice();
