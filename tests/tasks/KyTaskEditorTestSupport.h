#pragma once

// Shared set-up of the task-editor tests: the stand-in central server with
// the demo fixture, the process-wide file worker on a stand-in file service
// holding a small media library, and helpers that drive the editors.

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextCodec>
#include <memory>

#include "KyFileTestRig.h"
#include "KyModalCatcher.h"
#include "KyTestSession.h"
#include "TcpSocketClient.h"

struct KyTaskEditorEnv {
    std::unique_ptr<KyTestSession> session;
    std::unique_ptr<KyFileTestRig> files;

    // Media: /music/a.mp3, /music/b.mp3, /music/sub/, /top.mp3.
    bool start()
    {
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
        session.reset(new KyTestSession);
        files.reset(new KyFileTestRig(TcpSocketClient::instance()));
        QDir().mkpath(files->srvDir() + "/music/sub");
        KyFileTestRig::writeFile(files->srvDir() + "/music/a.mp3", QByteArray(2048, 'a'));
        KyFileTestRig::writeFile(files->srvDir() + "/music/b.mp3", QByteArray(1048576, 'b'));
        KyFileTestRig::writeFile(files->srvDir() + "/top.mp3", "t");
        return session->loggedIn() && files->drain();
    }

    void stop()
    {
        files.reset();
        session.reset();
    }

    KyTestServer& server() { return session->server(); }
    QString mediaRoot() const { return files->root(); }
};

// Modal messages of the editors, recorded and closed; other modals go to
// the handler set by the test (none: left open for the test's own timer).
struct KyOkPress {
    KyModalCatcher catcher{[](QDialog*) {}};

    // Clicks OK; the message it raised, or an empty text.
    QString press(QPushButton* ok)
    {
        const int before = catcher.texts.size();
        QTest::mouseClick(ok, Qt::LeftButton);
        return catcher.texts.size() > before ? catcher.texts.last() : QString();
    }
};

inline int kyRowOfText(QTableWidget* table, const QString& text, int column = 0)
{
    for (int r = 0; r < table->rowCount(); ++r) {
        if (table->item(r, column) && table->item(r, column)->text() == text)
            return r;
    }
    return -1;
}

inline QStringList kyColumnTexts(QTableWidget* table, int column = 0)
{
    QStringList out;
    for (int r = 0; r < table->rowCount(); ++r)
        out << (table->item(r, column) ? table->item(r, column)->text() : QString());
    return out;
}

inline QPoint kyCellCentre(QTableWidget* table, int row, int column)
{
    return table->visualItemRect(table->item(row, column)).center();
}

inline void kyClickCell(QTableWidget* table, int row, int column)
{
    table->scrollToItem(table->item(row, column));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, kyCellCentre(table, row, column));
}

inline void kyDoubleClickCell(QTableWidget* table, int row, int column)
{
    table->scrollToItem(table->item(row, column));
    // A click first: the view takes a double-click only on the pressed cell.
    const QPoint p = kyCellCentre(table, row, column);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, p);
}
