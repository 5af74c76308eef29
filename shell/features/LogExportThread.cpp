#include "LogExportThread.h"

#include <climits>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <thread>

#include <QFile>
#include <QTextCodec>

#include "KyCharset.h"
#include "KyLogDb.h"
#include "KyLogText.h"

namespace {

struct LogReader {
    int (*count)();
    int (*upTo)(std::vector<KyLogEntry>& rows, int maxId, int count);
    bool pageDiagnostic;   // user and terminal writers print the page number too
};

const LogReader* readerOf(int kind)
{
    static const LogReader user = {dbCountUserLog, dbQueryUserLogUpTo, true};
    static const LogReader talk = {dbCountTalkLog, dbQueryTalkLogUpTo, false};
    static const LogReader terminal = {dbCountTerminalLog, dbQueryTerminalLogUpTo, true};
    switch (kind) {
    case 1: return &user;
    case 2: return &talk;
    case 3: return &terminal;
    default: return nullptr;
    }
}

const char kLineEnd = '\n';   // the file is opened in text mode

// Pages handed from the reading thread to the writing one, a batch at a
// time so that the threads wake each other seldom; at most kDepth pages wait.
// Written pages go back to the reader to be filled again, so that their
// texts are allocated once and freed by the thread that made them.
class KyPageQueue {
public:
    using Pages = std::deque<std::vector<KyLogEntry>>;

    // False when the writer has stopped.
    bool push(std::vector<KyLogEntry>&& rows)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return m_pages.size() < kDepth || m_stopped; });
        if (m_stopped)
            return false;
        m_pages.push_back(std::move(rows));
        if (m_pages.size() == kBatch)
            m_changed.notify_all();
        return true;
    }
    // Takes the waiting pages; false once the reader has finished and every
    // page was taken.
    bool take(Pages& pages)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return m_pages.size() >= kBatch || m_finished; });
        if (m_pages.empty())
            return false;
        pages.swap(m_pages);
        m_changed.notify_all();
        return true;
    }
    // Hands written pages back (pages is left empty).
    void giveBack(Pages& pages)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (; !pages.empty(); pages.pop_front())
            m_spare.push_back(std::move(pages.front()));
    }
    // A written page to refill, or an empty one.
    std::vector<KyLogEntry> spare()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        std::vector<KyLogEntry> rows;
        if (!m_spare.empty()) {
            rows.swap(m_spare.back());
            m_spare.pop_back();
        }
        return rows;
    }
    void finish() { set(m_finished); }
    void stop() { set(m_stopped); }

private:
    static constexpr size_t kBatch = 8;
    static constexpr size_t kDepth = 32;
    void set(bool& flag)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        flag = true;
        m_changed.notify_all();
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    Pages m_pages;
    Pages m_spare;
    bool m_finished = false;
    bool m_stopped = false;
};

}  // namespace

LogExportThread::LogExportThread(const QString& path, const QStringList& titles, int kind, QObject* parent)
    : QThread(parent), m_path(path), m_titles(titles), m_kind(kind)
{
}

const char* LogExportThread::talkTypeText(const std::string& type)
{
    switch (kyLeadingNumber(type)) {
    case 1: return "对讲";
    case 2: return "广播";
    default: return "UNKNOW";
    }
}

std::string LogExportThread::csvLine(int kind, long long rowNumber, const KyLogEntry& e)
{
    std::string line;
    appendCsvLine(line, kind, rowNumber, e);
    return line;
}

void LogExportThread::appendCsvLine(std::string& line, int kind, long long rowNumber, const KyLogEntry& e)
{
    kyAppendCsvField(line, rowNumber);
    switch (kind) {
    case 1:
        kyAppendCsvDate(line, e.time);
        kyAppendCsvField(line, e.name);
        kyAppendCsvField(line, e.ip);
        kyAppendCsvField(line, e.content);
        break;
    case 2:
        kyAppendCsvDate(line, e.time);
        kyAppendCsvDate(line, e.endTime);
        kyAppendCsvField(line, e.callerId);
        kyAppendCsvField(line, e.callerName);
        kyAppendCsvField(line, e.calledId);
        kyAppendCsvField(line, e.calledName);
        kyAppendCsvField(line, talkTypeText(e.type));
        kyAppendCsvField(line, e.content);
        break;
    case 3:
        kyAppendCsvDate(line, e.time);
        kyAppendCsvField(line, e.terminalId);
        kyAppendCsvField(line, e.name);
        kyAppendCsvField(line, e.type);
        kyAppendCsvField(line, e.ip);
        kyAppendCsvField(line, e.content);
        break;
    default:
        break;
    }
}

std::string LogExportThread::csvHeader(const QStringList& titles)
{
    std::string line;
    for (const QString& title : titles)
        kyAppendCsvField(line, title.toUtf8().toStdString());
    return line;
}

std::string LogExportThread::toGbk(const std::string& utf8)
{
    std::string gbk;
    if (utf8ToGbk(utf8, &gbk))
        return gbk;
    // Rare: a character GBK lacks. Convert line by line so that only the
    // lines holding one go through the replacing codec.
    static QTextCodec* codec = QTextCodec::codecForName("GBK");
    std::string out;
    size_t from = 0;
    while (from < utf8.size()) {
        size_t end = utf8.find(kLineEnd, from);
        end = end == std::string::npos ? utf8.size() : end + 1;
        const std::string line = utf8.substr(from, end - from);
        if (utf8ToGbk(line, &gbk))
            out += gbk;
        else
            out += codec->fromUnicode(QString::fromUtf8(line.data(), static_cast<int>(line.size()))).toStdString();
        from = end;
    }
    return out;
}

void LogExportThread::run()
{
    if (m_path.isEmpty() || !readerOf(m_kind))
        return;
    emit finish_signal(writeLog());
}

int LogExportThread::writeLog()
{
    const LogReader& reader = *readerOf(m_kind);
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return -1;
    const int count = reader.count();
    if (count == 0)
        return 0;
    if (count < 0)
        return -2;
    const long long pageCount = (static_cast<long long>(count) + kPageRows - 1) / kPageRows;

    // Pages are read here and written on a second thread, so that waiting
    // for the database and formatting the text overlap.
    KyPageQueue queue;
    bool writeFailed = false;
    std::thread writer([&] {
        std::string text = csvHeader(m_titles) + kLineEnd;
        long long rowNumber = 1;
        long long page = 0;
        KyPageQueue::Pages pages;
        while (queue.take(pages)) {
            // The waiting pages become one text, converted and written at once.
            std::vector<long long> nextRows;
            for (const std::vector<KyLogEntry>& rows : pages) {
                for (const KyLogEntry& entry : rows) {
                    appendCsvLine(text, m_kind, rowNumber++, entry);
                    text += kLineEnd;
                }
                nextRows.push_back(rowNumber);
            }
            queue.giveBack(pages);
            const std::string gbk = toGbk(text);
            text.clear();
            if (file.write(gbk.data(), static_cast<qint64>(gbk.size())) != static_cast<qint64>(gbk.size())) {
                writeFailed = true;
                queue.stop();
                return;
            }
            for (long long next : nextRows) {
                ++page;
                emit update_signal(static_cast<long>(page * 100 / pageCount));
                if (reader.pageDiagnostic)
                    printf("get count %lld\r\n", page + 1);
                printf("exect row %lld\r\n", next);
            }
        }
    });

    int result = 1;
    int maxId = INT_MAX;
    for (long long page = 1; page <= pageCount; ++page) {
        // By key: each page starts below the last id of the one before, the
        // same rows as offset paging without rescanning the earlier ones.
        std::vector<KyLogEntry> rows = queue.spare();
        if (reader.upTo(rows, maxId, kPageRows) != 0) {
            result = -2;
            break;
        }
        const bool last = rows.empty();   // rows were removed meanwhile: nothing below
        if (!last)
            maxId = rows.back().id - 1;
        if (!queue.push(std::move(rows)) || last)
            break;
    }
    queue.finish();
    writer.join();
    file.close();
    return writeFailed ? -1 : result;
}
