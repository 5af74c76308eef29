#pragma once

#include <string>
#include <vector>

#include <QString>
#include <QStringList>
#include <QThread>

#include "KyLogEntry.h"

// Writes one whole log (1 user, 2 talkback, 3 terminal) from the log database
// into a GBK CSV file, newest first, 100 rows a query, and deletes itself
// when it has finished. Every query takes the database connection's lock, so
// the pages and the export never use the connection at the same time.
class LogExportThread : public QThread {
    Q_OBJECT
public:
    enum { kPageRows = 100 };

    LogExportThread(const QString& path, const QStringList& titles, int kind, QObject* parent = nullptr);

    // One CSV line of a log row (UTF-8, without its line end).
    static std::string csvLine(int kind, long long rowNumber, const KyLogEntry& entry);
    // The same line appended to text.
    static void appendCsvLine(std::string& text, int kind, long long rowNumber, const KyLogEntry& entry);
    // Header line of the titles.
    static std::string csvHeader(const QStringList& titles);
    // The talkback type text of the file: 1 "对讲", 2 "广播", else "UNKNOW".
    static const char* talkTypeText(const std::string& type);
    // UTF-8 to GBK; characters GBK lacks become "?" instead of losing the text.
    static std::string toGbk(const std::string& utf8);

signals:
    void update_signal(long num);
    void finish_signal(int value);

protected:
    void run() override;

private:
    int writeLog();

    QString m_path;
    QStringList m_titles;
    int m_kind;
};
