#pragma once

#include <memory>

#include <QString>

class QSettings;

// "config.ini" (INI, UTF-8 texts), section "Setting". Everybody opens it
// through kyOpenSettings so that the path and the codec are the same.
QString kyConfigPath();
// Points the program at another settings file (tests, tools).
void kySetConfigPath(const QString& path);
std::unique_ptr<QSettings> kyOpenSettings();

// Reads "Setting/MySqlPort" and "Setting/RecordDownPort" into the
// process-wide ports; a missing, zero or non-numeric entry keeps the default.
void loadPortSettings();

enum { KY_DEFAULT_MYSQL_PORT = 8666, KY_DEFAULT_RECORD_DOWN_PORT = 8906 };
int kyMySqlPort();
int kyRecordDownPort();
