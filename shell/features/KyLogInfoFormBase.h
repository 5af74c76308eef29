#pragma once

#include <list>
#include <memory>
#include <string>
#include <vector>

#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include "KyLogEntry.h"
#include "KyTerBaseCtr.h"

class KyServiceLogMgr;
class QLabel;
namespace Ui {
class fLogInfoForm;
}

// One log page on the form fLogInfoForm: 100 rows a page, newest first, read
// either straight from the log database (a log server is configured) or
// through the central server's log service. The road is chosen once, when
// the page loads. Subclasses give the columns, queries and request kinds.
class KyLogInfoFormBase : public QWidget, public KyTerBaseCtr {
    Q_OBJECT
public:
    enum { kPageRows = 100 };

    ~KyLogInfoFormBase() override;

    // (c + 99) / 100, at least 1; a failed count (-1) gives 1 as well.
    static int pageCountOf(int recordCount);

    QWidget* widget() override { return this; }
    QTableWidget* table() override;

    bool directRoad() const { return m_logPort >= 1; }
    int currentPage() const { return m_currentPage; }
    int pageCount() const { return m_pageCount; }
    int recordCount() const { return m_recordCount; }

protected:
    // Where a page reads its log.
    struct Kinds {
        int count;    // service-road count kind
        int page;     // service-road page kind
        int (*countRows)();   // direct road
        int (*queryRows)(std::vector<KyLogEntry>& rows, int start, int count);
        std::list<KyLogEntry> (KyServiceLogMgr::*servicePage)() const;   // the manager's stored page
    };

    KyLogInfoFormBase(QWidget* parent, const Kinds& kinds);

    virtual void drawRow(int row, const KyLogEntry& entry) = 0;
    // "[ 日志主机：" or "[ 录音主机："
    virtual QString sourcePrefix() const;
    // Whether a page goes on loading after the first connection attempt failed.
    virtual bool loadsAfterConnectFailure() const { return false; }
    // The direct-road rows of the page shown (the recordings page keeps them).
    virtual void keepRows(const std::vector<KyLogEntry>&) {}

    void setupColumns(const QString& title, const QStringList& columns, int resizedColumns);
    // Load: chooses the road, counts and shows the first page.
    void load();
    void showList();
    void countArrived(int size);
    void nextPage();
    void previousPage();
    // Back to page 1 with a fresh count; the button is blocked for 1000 ms.
    void refresh();
    void enableRefresh();
    // Opens the CSV export of this log (direct road only).
    void openExport(int exportKind);

    void addRows(const std::vector<KyLogEntry>& rows);
    void setCellText8(int row, int column, const std::string& text, int data = 0);
    // Columns 0..7 of a talkback row; column 0 carries idData.
    void drawTalkCells(int row, const KyLogEntry& entry, const QString& typeText, int idData);
    static std::string number(int value) { return std::to_string(value); }

    // Previous, next and refresh buttons to the page's slots.
    template <class Page>
    void connectPaging(Page* page, void (Page::*previous)(), void (Page::*next)(), void (Page::*refresh)())
    {
        connect(pagingButton(0), &QPushButton::clicked, page, previous);
        connect(pagingButton(1), &QPushButton::clicked, page, next);
        connect(pagingButton(2), &QPushButton::clicked, page, refresh);
    }
    // 0 fPrevious, 1 fNext, 2 fRefreshButton, 3 fLogDownloadBt
    QPushButton* pagingButton(int which) const;

    QLabel* pageLabel() const;
    QPushButton* refreshButton() const;

    std::unique_ptr<Ui::fLogInfoForm> ui;
    KyServiceLogMgr* m_logMgr;
    Kinds m_kinds;
    int m_currentPage = 1;
    int m_recordCount = 0;
    int m_pageCount = 1;
    int m_logPort = 0;
    std::string m_logHost;

private:
    void recount();
    void updatePageLabel();
    void showPage();
};
