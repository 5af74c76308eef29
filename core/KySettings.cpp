#include "KySettings.h"

#include <atomic>
#include <mutex>

#include <QSettings>

namespace {
std::mutex g_pathMutex;
QString g_configPath = QStringLiteral("config.ini");
std::atomic<int> g_mySqlPort{KY_DEFAULT_MYSQL_PORT};
std::atomic<int> g_recordDownPort{KY_DEFAULT_RECORD_DOWN_PORT};

void loadPort(QSettings& settings, const char* key, std::atomic<int>& port, int fallback)
{
    bool ok = false;
    const int value = settings.value(QLatin1String(key)).toInt(&ok);
    port = (ok && value != 0) ? value : fallback;
}
}  // namespace

QString kyConfigPath()
{
    std::lock_guard<std::mutex> lock(g_pathMutex);
    return g_configPath;
}

void kySetConfigPath(const QString& path)
{
    std::lock_guard<std::mutex> lock(g_pathMutex);
    g_configPath = path;
}

std::unique_ptr<QSettings> kyOpenSettings()
{
    auto settings = std::make_unique<QSettings>(kyConfigPath(), QSettings::IniFormat);
    settings->setIniCodec("UTF-8");
    return settings;
}

void loadPortSettings()
{
    auto settings = kyOpenSettings();
    loadPort(*settings, "Setting/MySqlPort", g_mySqlPort, KY_DEFAULT_MYSQL_PORT);
    loadPort(*settings, "Setting/RecordDownPort", g_recordDownPort, KY_DEFAULT_RECORD_DOWN_PORT);
}

int kyMySqlPort()
{
    return g_mySqlPort;
}

int kyRecordDownPort()
{
    return g_recordDownPort;
}
