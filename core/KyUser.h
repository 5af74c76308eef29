#pragma once

#include <string>

// The logged-in operator; one process-wide record.
struct KyUser {
    int level = 1;   // filled by the login
    std::string name;
};

// The process-wide user record when the manage context exists, else null.
KyUser* currentUser();

// The process-wide user record itself, whether or not the context exists
// (the login fills it).
KyUser& kyUserRecord();
