#include "KyAppMain.h"

#include <cstdio>
#include <string>
#include <vector>

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTextCodec>
#include <QTranslator>

#include "KyCommandLine.h"
#include "KyLoginInfo.h"
#include "KySettings.h"

namespace {

void installStyleSheet(QApplication& app)
{
    QFile css(QStringLiteral(":/files/talkback_center.css"));
    if (css.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(css.readAll()));
    else
        fprintf(stderr, "style sheet %s not found\n", qPrintable(css.fileName()));
}

void installTranslation(QApplication& app, QTranslator& translator, const QString& file)
{
    if (translator.load(file))
        app.installTranslator(&translator);
}

}  // namespace

QString kyQtTranslationFile()
{
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_zh_CN.qm");
}

int appMain(int argc, char* argv[], const KyAppRun& run)
{
    // QApplication keeps argc and argv for its lifetime and may reorder them.
    std::vector<std::string> copies(argv, argv + argc);
    std::vector<char*> args;
    for (auto& arg : copies)
        args.push_back(&arg[0]);
    args.push_back(nullptr);
    int count = argc;

    QApplication app(count, args.data());
    const KyCommandLine commandLine = KyCommandLine::parse(app.arguments());
    KyLoginInfo::instance().load();
    KyLoginInfo::instance().applyCommandLine(commandLine);
    loadPortSettings();
    installStyleSheet(app);
    QTranslator qtTranslator;
    installTranslation(app, qtTranslator, kyQtTranslationFile());
    QTranslator translator;
    installTranslation(app, translator, QStringLiteral("./translate/zh.qm"));
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    return run ? run(app, commandLine) : 0;
}
