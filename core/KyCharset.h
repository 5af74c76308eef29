#pragma once

#include <string>

// Conversions between UTF-8 (server, database) and GBK (CSV export) through
// iconv. A byte sequence that is invalid or cannot be represented in the
// target stops the conversion: the function returns false, *out is empty and
// the offset of the fault is given in *error (when not null) and on stderr.
bool utf8ToGbk(const std::string& in, std::string* out, std::string* error = nullptr);
bool gbkToUtf8(const std::string& in, std::string* out, std::string* error = nullptr);

// True when text is well-formed UTF-8 (no truncated sequences, overlongs,
// surrogates or code points past U+10FFFF).
bool kyIsValidUtf8(const std::string& text);

// Makes any byte string well-formed UTF-8 without NUL, reversibly: a NUL, a
// byte outside a well-formed sequence and each byte of a character
// U+F700..U+F7FF become U+F700 + byte. *masked (when not null) tells whether
// anything changed. kyUnmaskBytes gives back the original bytes.
std::string kyMaskBytes(const std::string& text, bool* masked = nullptr);
std::string kyUnmaskBytes(const std::string& text);
