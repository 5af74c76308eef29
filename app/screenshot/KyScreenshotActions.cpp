#include "KyScreenshotActions.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMetaObject>
#include <QTableWidget>
#include <cstdio>

#include "InfoCenterMgr.h"

namespace {

using Show = void (InfoCenterMgr::*)();

// Shows a page through the window's slot.
std::function<void(InfoCenterMgr&)> page(Show show)
{
    return [show](InfoCenterMgr& window) { (window.*show)(); };
}

// Shows a page, waits for its first table to fill, makes row `row` current
// and calls the page's slot `slot` (which typically runs a dialog with exec();
// the grab happens while it is open).
std::function<void(InfoCenterMgr&)> dialogFromRow(Show show, InfoCenterMgr::Page which, const char* slot,
                                                  int row = 0)
{
    return [=](InfoCenterMgr& window) {
        (window.*show)();
        QWidget* p = window.page(which);
        QTableWidget* table = p ? p->findChild<QTableWidget*>() : nullptr;
        QElapsedTimer clock;
        clock.start();
        while (table && table->rowCount() <= row && clock.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        if (!table || table->rowCount() <= row) {
            fprintf(stderr, "screenshot: the page's table has no row %d\n", row);
            return;
        }
        table->setCurrentCell(row, 0);
        if (!QMetaObject::invokeMethod(p, slot))
            fprintf(stderr, "screenshot: the page has no slot %s\n", slot);
    };
}

}  // namespace

// The pictures, by name. To add one, add one line:
//   {"<name>", page(&InfoCenterMgr::show<Page>InfoForm)},
// for a page, or, for a dialog the page opens on a row,
//   {"<name>", dialogFromRow(&InfoCenterMgr::show<Page>InfoForm, InfoCenterMgr::Page<Page>, "<page slot>")},
// A dialog reached another way gets its own lambda taking the window.
// `bash scripts/screenshot <name> [out.png]` then saves it.
const std::vector<KyScreenshotAction>& kyScreenshotActions()
{
    static const std::vector<KyScreenshotAction> actions = {
        {"main", [](InfoCenterMgr&) {}},
        {"player", page(&InfoCenterMgr::showPlayerInfoForm)},
        {"mic11", page(&InfoCenterMgr::showMicInfoForm)},
        {"capture", page(&InfoCenterMgr::showCaptureInfoForm)},
        {"falarm", page(&InfoCenterMgr::showFAlarmInfoForm)},
        {"falarm-setting", dialogFromRow(&InfoCenterMgr::showFAlarmInfoForm, InfoCenterMgr::PageFAlarm, "slot_editClicked")},
        {"tts", page(&InfoCenterMgr::showTtsInfoForm)},
        {"mic11-dialog", dialogFromRow(&InfoCenterMgr::showMicInfoForm, InfoCenterMgr::PageMic, "slot_editClicked")},
        {"sstask", page(&InfoCenterMgr::showSsTaskInfoForm)},
        {"timertask", page(&InfoCenterMgr::showTimerTaskInfoForm)},
    };
    return actions;
}
