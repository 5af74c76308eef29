#pragma once

// Result codes of every request and save.
enum KyResult {
    KY_NO_OBJECT = -1,     // no hub, no manager, null argument
    KY_DONE = 0,           // "DBP/1.0 200 OK"
    KY_REFUSED = 1,        // any other status line
    KY_BUSY = 2,           // "DBP/1.0 503 ..." - callers retry
    KY_TIMEOUT = 3,        // no reply within the wait
    KY_NOT_CONNECTED = 4,  // socket closed or send failed
};
