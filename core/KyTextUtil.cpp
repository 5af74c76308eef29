#include "KyTextUtil.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include <QTextCodec>

std::string formatDuration(uint32_t seconds)
{
    const uint32_t hours = (seconds / 3600) & 0xFFu;
    const uint32_t minutes = (seconds - hours * 3600) / 60;
    char text[48];
    snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(hours), static_cast<int>(minutes),
             static_cast<int>(seconds % 60));
    return text;
}

std::string formatSizeMB(int64_t bytes)
{
    float megabytes = static_cast<float>(bytes);
    megabytes *= 1.0f / 1048576.0f;
    char text[64];
    snprintf(text, sizeof text, "%0.2fMB", static_cast<double>(megabytes));
    return text;
}

QString localToQString(const std::string& text)
{
    QString shown = QTextCodec::codecForLocale()->toUnicode(text.data(), static_cast<int>(text.size()));
    if (std::memchr(text.data(), 0, text.size()))
        shown.replace(QChar(0), QChar(QChar::ReplacementCharacter));
    return shown;
}

std::string fileNameOfPath(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int randomIndex()
{
    srand(static_cast<unsigned>(time(nullptr)));
    return rand() % 11;
}

bool kyHasListSeparator(const std::string& text)
{
    return text.find("!!!") != std::string::npos || text.find("#$%") != std::string::npos;
}

void splitToStrings(std::string text, std::vector<std::string>* out, std::string delimiter)
{
    if (!out)
        return;
    size_t start = 0;
    if (!delimiter.empty()) {
        for (size_t at = text.find(delimiter); at != std::string::npos; at = text.find(delimiter, start)) {
            out->push_back(text.substr(start, at - start));
            start = at + delimiter.size();
        }
    }
    if (start < text.size())
        out->push_back(text.substr(start));
}
