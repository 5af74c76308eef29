#pragma once

#include <cstdint>
#include <vector>

#include "KyLevel.h"
#include "KyLevelManage.h"
#include "KyRecordCache.h"

class KyManageCenter;

// The server's level list, read by the edit-permission check.
class KyLevelList : public KyLevelManage::Events {
public:
    static KyLevelList* instance();

    // Registers the level manager with the hub (once), hooks the list into
    // the manage context when it has none, and requests the list, retrying
    // every 10 ms while busy. Returns the request's result.
    int init(KyManageCenter* center);

    // Copies the first record of that type; 0, or -1 when there is none.
    int getLevelByType(KyLevel& out, uint16_t type) const;
    int getTerminalLevel(KyLevel& out) const { return getLevelByType(out, 5); }
    int getAdvancedLevel(KyLevel& out) const { return getLevelByType(out, 4); }

    // Replaces the stored records (the list reply).
    void setLevels(const std::vector<KyLevel>& levels);

private:
    KyLevelList();
    void listArrived(int, const std::vector<KyLevel>& levels) override { setLevels(levels); }

    KyRecordCache<KyLevel> m_levels;
};
