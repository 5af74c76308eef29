// ky-testserver: the stand-in central server as a program.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include "KyTestFileService.h"
#include "KyTestServer.h"

namespace {

volatile std::sig_atomic_t g_quit = 0;

void onSignal(int)
{
    g_quit = 1;
}

struct Options {
    int port = 0;
    std::string host = "127.0.0.1";
    std::string fixture = KyTestServer::demoFixturePath();
    bool verbose = false;
    int filePort = 8906;
    std::string fileDir = "ky-files";
    std::string recordHost = "127.0.0.2";
    std::string logServer;
};

void usage(const char* argv0)
{
    std::fprintf(stderr,
                 "usage: %s [-p|--port N] [-H|--host 127.x.x.x] [-f|--fixture FILE] [-v|--verbose]\n"
                 "          [--file-port N] [--file-dir DIR] [--record-host 127.x.x.x] [--log-server HOST:PORT]\n"
                 "  port 0 (default) picks a free port and prints it\n"
                 "  the file service (default port 8906, folder ./ky-files) also answers as the\n"
                 "  record server on the record host (default 127.0.0.2), same port and folder\n"
                 "  --log-server names the log database (the parameter Talk_Log_Server)\n",
                 argv0);
}

bool parseOptions(int argc, char** argv, Options& opt)
{
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        bool hasValue = i + 1 < argc;
        if ((a == "-p" || a == "--port") && hasValue)
            opt.port = std::atoi(argv[++i]);
        else if ((a == "-H" || a == "--host") && hasValue)
            opt.host = argv[++i];
        else if ((a == "-f" || a == "--fixture") && hasValue)
            opt.fixture = argv[++i];
        else if (a == "--file-port" && hasValue)
            opt.filePort = std::atoi(argv[++i]);
        else if (a == "--file-dir" && hasValue)
            opt.fileDir = argv[++i];
        else if (a == "--record-host" && hasValue)
            opt.recordHost = argv[++i];
        else if (a == "--log-server" && hasValue)
            opt.logServer = argv[++i];
        else if (a == "-v" || a == "--verbose")
            opt.verbose = true;
        else
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    Options opt;
    if (!parseOptions(argc, argv, opt)) {
        usage(argv[0]);
        return 2;
    }
    KyTestServer server;
    server.setVerbose(opt.verbose);
    if (!server.loadFixture(opt.fixture))
        return 1;
    if (!opt.logServer.empty())
        server.setParameter("Talk_Log_Server", &opt.logServer);
    int port = server.start(opt.port, opt.host);
    if (port < 0)
        return 1;
    std::printf("central server listening on %s:%d (fixture %s)\n", opt.host.c_str(), port, opt.fixture.c_str());
    KyTestFileService files(QString::fromStdString(opt.fileDir));
    KyTestFileService records(QString::fromStdString(opt.fileDir));
    const int filePort = files.start(quint16(opt.filePort), QString::fromStdString(opt.host));
    // The record server shares the file service's port; without one it stays off.
    const int recordPort = filePort ? records.start(quint16(filePort), QString::fromStdString(opt.recordHost)) : 0;
    std::printf("file service on %s:%d, record server on %s:%d (folder %s, media root %s)\n", opt.host.c_str(),
                filePort, opt.recordHost.c_str(), recordPort, opt.fileDir.c_str(), qPrintable(files.fileRoot()));
    std::fflush(stdout);
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    while (!g_quit)
        usleep(100 * 1000);
    records.stop();
    files.stop();
    server.stop();
    return 0;
}
