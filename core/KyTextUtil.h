#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <QString>

// "%02d:%02d:%02d"; hours = seconds / 3600 kept to its low 8 bits.
std::string formatDuration(uint32_t seconds);
// The byte count as single precision, times 1/1048576, printed "%0.2fMB".
std::string formatSizeMB(int64_t bytes);
// Stored local 8-bit text (UTF-8 once start-up has set the locale codec)
// decoded for display, all its bytes: a NUL shows U+FFFD, as any other byte
// that is not text does.
QString localToQString(const std::string& text);
// The part of path after its last "/", the whole path when it has none.
std::string fileNameOfPath(const std::string& path);
// Seeds the standard generator with the time in seconds; 0..10.
int randomIndex();
// Appends the pieces between successive delimiters to out, empty pieces
// between two delimiters included; the remainder after the last delimiter
// only when it is not empty. An empty delimiter gives the whole text.
void splitToStrings(std::string text, std::vector<std::string>* out, std::string delimiter);
// True when text holds "!!!" or "#$%", the separators of the stored lists of
// labelled entries (execution times, fire-alarm channels): such a text would
// split or drop entries when the list is read back.
bool kyHasListSeparator(const std::string& text);
