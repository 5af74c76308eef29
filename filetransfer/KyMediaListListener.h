#pragma once

#include <QList>

#include "KyMediaFile_t.h"

// Receiver of finished listings (the media browser and the task-media picker).
// Called on the user-interface thread with the facade's copy of the list; a
// listener that is destroyed is forgotten by the facade.
class KyMediaListListener {
public:
    virtual ~KyMediaListListener();
    virtual void ftpListForward(const QList<KyMediaFile_t>& list) = 0;
};
