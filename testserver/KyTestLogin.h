#pragma once

#include <string>

class KyTestDatabase;

// 32 hex characters from 16 random bytes.
std::string kyTestNonce();

// One LOGIN step of a connection. Step 1 ({"User"}) answers a fresh nonce,
// also for an unknown user; step 2 ({"User","Nonce","Digest"}) checks the
// digest against the nonce issued last, which is then spent. Returns the
// status code and fills the reply body.
int kyTestLoginStep(const KyTestDatabase& db, std::string& nonce, bool& loggedIn, std::string& user,
                    const std::string& requestBody, std::string& replyBody);
