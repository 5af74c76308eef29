#pragma once

#include <string>
#include <vector>

class KyBaseMgr;
struct KyRow;

// Decimal ids joined by one blank.
std::string kyJoinIds(const std::vector<int>& ids);
// Ids of a blank-separated text; empty and non-numeric pieces are skipped.
std::vector<int> kySplitIds(const std::string& text);

// Body of a "DELETE_<Kind>" notification: {"Id":..,"Kind":..,"Result":..}.
struct KyNotice {
    int id = 0;
    int kind = 0;
    std::string result;
};
// False (logged) when the body is not such an object with a numeric Id.
bool kyParseNotice(const std::string& who, const std::string& body, KyNotice& out);

// Rows of a reply or push body; false (logged) when it is not a row set.
bool kyParseRowsLogged(const std::string& who, const std::string& body, std::vector<KyRow>& rows);

// Drops the rows without a usable id in field key (missing, empty, not a
// decimal number, negative) and, for a whole list (distinct), each row whose
// id a later row names again; one stderr line tells how many went.
void kyKeepRowsWithIds(const std::string& who, const char* key, bool distinct, std::vector<KyRow>& rows);

// Registers a manager with the current hub (no-op without a hub or when it
// is already registered there).
void kyAttachManager(KyBaseMgr* mgr);
