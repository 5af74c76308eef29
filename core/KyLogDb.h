#pragma once

#include <string>
#include <vector>

#include "KyLogEntry.h"

// Connects the process-wide KyMySqlConnection to "talkbacklog" on host, on
// the MySqlPort setting, with the console's fixed account: 0 or -1.
int openLogDatabase(std::string host);

// Row counts of the logs, or -1 when the connection or the query fails.
int dbCountTalkLog();
int dbCountTerminalLog();
int dbCountUserLog();

// Fill rows with count rows from offset start, newest first: 0, or -1 when
// the connection or the query fails (rows then empty).
int dbQueryTalkLogPage(std::vector<KyLogEntry>& rows, int start, int count);
int dbQueryTerminalLogPage(std::vector<KyLogEntry>& rows, int start, int count);
int dbQueryUserLogPage(std::vector<KyLogEntry>& rows, int start, int count);

// The same rows read by key instead of offset: count rows whose id is at most
// maxId, newest first. An export walks a whole log with these, each page
// starting below the last id of the one before, so deep pages cost no more
// than the first; each is one prepared statement, executed again per page.
int dbQueryTalkLogUpTo(std::vector<KyLogEntry>& rows, int maxId, int count);
int dbQueryTerminalLogUpTo(std::vector<KyLogEntry>& rows, int maxId, int count);
int dbQueryUserLogUpTo(std::vector<KyLogEntry>& rows, int maxId, int count);
