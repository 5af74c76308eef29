#pragma once

#include <string>

// Lower-case hex of HMAC-SHA1(key, message) over the bytes as given.
std::string kyHmacSha1Hex(const std::string& key, const std::string& message);

// Login digest: HMAC-SHA1 with the password's UTF-8 bytes as key over the
// server's nonce text.
inline std::string kyLoginDigest(const std::string& password, const std::string& nonce)
{
    return kyHmacSha1Hex(password, nonce);
}
