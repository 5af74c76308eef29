#pragma once

#include "KyTerBaseCtr.h"

// Row-controller base of the media library page: level type 4.
class KyAdvancedCtr : public KyTerBaseCtr {
public:
    int getLevel(KyLevelList* list, KyLevel& out) override { return m_advanced.getLevel(list, out); }

private:
    KyAdvancedLevelCtr m_advanced;
};
