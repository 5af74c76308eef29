#pragma once

#include <cstdint>
#include <string>

// Texts shared by the log pages and the CSV export.

// The leading unsigned decimal number of text (no digits: 0; too large: the
// largest value).
uint64_t kyLeadingNumber(const std::string& text);
// Seconds since 1970 stored as decimal text, as local time
// "yyyy/MM/dd hh:mm:ss" (UTF-8).
std::string kyLogDateText(const std::string& seconds);
// Appends one CSV field: a double quote, the text with every double quote
// doubled, a double quote and a comma.
void kyAppendCsvField(std::string& line, const std::string& text);
void kyAppendCsvField(std::string& line, long long number);
// A date field: kyLogDateText of seconds, written straight into line.
void kyAppendCsvDate(std::string& line, const std::string& seconds);
