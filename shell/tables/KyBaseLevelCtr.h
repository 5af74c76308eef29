#pragma once

class KyLevelList;
struct KyLevel;

// Edit-permission check: the operator may edit a kind of data when his level
// is less than or equal to the level the server's level list gives that kind.
class KyBaseLevelCtr {
public:
    virtual ~KyBaseLevelCtr() = default;
    // Refusal shows "Current user does not have permission to edit!".
    virtual bool hasEditPermission();
    // 0 found, -1 when the list is null or holds no record of this kind.
    virtual int getLevel(KyLevelList* list, KyLevel& out) = 0;

    // The comparison alone, without a message.
    bool mayEdit();
};

// Level type 4 (media library, advanced settings).
class KyAdvancedLevelCtr : public KyBaseLevelCtr {
public:
    int getLevel(KyLevelList* list, KyLevel& out) override;
};
