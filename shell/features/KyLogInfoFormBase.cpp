#include "KyLogInfoFormBase.h"

#include <QHeaderView>
#include <QTimer>

#include "BaseMessageDialog.h"
#include "KyMySqlConnection.h"
#include "KyLogDb.h"
#include "KyLogText.h"
#include "KyServerConfigMgr.h"
#include "KyServiceLogMgr.h"
#include "KyTextUtil.h"
#include "KyTipsInfo.h"
#include "LogExportDialog.h"
#include "ui_fLogInfoForm.h"

namespace {
const int kRefreshBlockMs = 1000;
const char* kTitleStyle = "font: 9pt \"微软雅黑\";\ncolor:white";
}

KyLogInfoFormBase::KyLogInfoFormBase(QWidget* parent, const Kinds& kinds)
    : QWidget(parent), ui(new Ui::fLogInfoForm), m_logMgr(KyServiceLogMgr::instance()), m_kinds(kinds)
{
    ui->setupUi(this);
}

KyLogInfoFormBase::~KyLogInfoFormBase() = default;

int KyLogInfoFormBase::pageCountOf(int recordCount)
{
    const int pages = (recordCount + kPageRows - 1) / kPageRows;
    return pages < 1 ? 1 : pages;
}

QTableWidget* KyLogInfoFormBase::table()
{
    return ui->fTableWidget;
}

QPushButton* KyLogInfoFormBase::pagingButton(int which) const
{
    QPushButton* const buttons[] = {ui->fPrevious, ui->fNext, ui->fRefreshButton, ui->fLogDownloadBt};
    return buttons[which];
}

QLabel* KyLogInfoFormBase::pageLabel() const
{
    return ui->fPageLabel;
}

QPushButton* KyLogInfoFormBase::refreshButton() const
{
    return ui->fRefreshButton;
}

QString KyLogInfoFormBase::sourcePrefix() const
{
    return QStringLiteral("[ 日志主机：");
}

void KyLogInfoFormBase::setupColumns(const QString& title, const QStringList& columns, int resizedColumns)
{
    ui->tableNameLable->setText(title);
    ui->tableNameLable->setStyleSheet(QString::fromUtf8(kTitleStyle));
    QTableWidget* t = ui->fTableWidget;
    t->setColumnCount(columns.size());
    t->setHorizontalHeaderLabels(columns);
    setupTable();
    for (int c = 0; c < resizedColumns; ++c)
        t->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
}

void KyLogInfoFormBase::load()
{
    m_currentPage = 1;
    std::string host;
    m_logPort = KyServerConfigMgr::instance()->getLogServer(host);
    m_logHost = host;
    if (!directRoad()) {
        m_logMgr->requestLogs(m_kinds.count, 0);
        m_logMgr->requestLogs(m_kinds.page, 0);
        ui->fDataSourceLabel->setText(sourcePrefix() + QStringLiteral("Local ]"));
        return;
    }
    if (!KyMySqlConnection::instance()->isSetUp() && openLogDatabase(host) != 0) {
        BaseMessageDialog msg(KyTipsInfo::tips(), tr("Talkback log server connect error!"), 1);
        msg.exec();
        if (!loadsAfterConnectFailure())
            return;
    }
    recount();
    showList();
    ui->fDataSourceLabel->setText(sourcePrefix() + localToQString(host) + QStringLiteral(" ]"));
}

void KyLogInfoFormBase::recount()
{
    m_recordCount = m_kinds.countRows();
    m_pageCount = pageCountOf(m_recordCount);
    updatePageLabel();
}

void KyLogInfoFormBase::updatePageLabel()
{
    ui->fPageLabel->setText(QStringLiteral("%1/%2").arg(m_currentPage).arg(m_pageCount));
}

void KyLogInfoFormBase::showList()
{
    if (directRoad()) {
        std::vector<KyLogEntry> rows;
        m_kinds.queryRows(rows, (m_currentPage - 1) * kPageRows, kPageRows);
        keepRows(rows);
        clearTable();
        addRows(rows);
    } else {
        const std::list<KyLogEntry> page = (m_logMgr->*m_kinds.servicePage)();
        clearTable();
        addRows(std::vector<KyLogEntry>(page.begin(), page.end()));
    }
    updatePageLabel();
}

void KyLogInfoFormBase::addRows(const std::vector<KyLogEntry>& rows)
{
    QTableWidget* t = ui->fTableWidget;
    for (const KyLogEntry& entry : rows) {
        const int row = t->rowCount();
        t->insertRow(row);
        drawRow(row, entry);
    }
}

void KyLogInfoFormBase::setCellText8(int row, int column, const std::string& text, int data)
{
    setCellItem(text, row, column, data);
}

void KyLogInfoFormBase::drawTalkCells(int row, const KyLogEntry& e, const QString& typeText, int idData)
{
    setCellText8(row, 0, kyLogDateText(e.time), idData);
    setCellText8(row, 1, kyLogDateText(e.endTime));
    setCellText8(row, 2, number(e.callerId));
    setCellText8(row, 3, e.callerName);
    setCellText8(row, 4, number(e.calledId));
    setCellText8(row, 5, e.calledName);
    setCellText8(row, 6, typeText.toLocal8Bit().toStdString());
    setCellText8(row, 7, e.content);
}

void KyLogInfoFormBase::countArrived(int size)
{
    m_recordCount = size;
    m_pageCount = pageCountOf(size);
    updatePageLabel();
}

void KyLogInfoFormBase::showPage()
{
    if (directRoad())
        showList();
    else
        m_logMgr->requestLogs(m_kinds.page, (m_currentPage - 1) * kPageRows);
}

void KyLogInfoFormBase::nextPage()
{
    if (m_currentPage >= m_pageCount)
        return;
    ++m_currentPage;
    showPage();
}

void KyLogInfoFormBase::previousPage()
{
    if (m_currentPage <= 1)
        return;
    --m_currentPage;
    showPage();
}

void KyLogInfoFormBase::refresh()
{
    ui->fRefreshButton->setEnabled(false);
    m_currentPage = 1;
    // The log may have grown since the last count: count again.
    if (directRoad()) {
        recount();
        showList();
    } else {
        m_logMgr->requestLogs(m_kinds.count, 0);
        m_logMgr->requestLogs(m_kinds.page, 0);
    }
    QTimer::singleShot(kRefreshBlockMs, this, [this] { enableRefresh(); });
}

void KyLogInfoFormBase::enableRefresh()
{
    ui->fRefreshButton->setEnabled(true);
}

void KyLogInfoFormBase::openExport(int exportKind)
{
    if (!directRoad()) {
        BaseMessageDialog msg(KyTipsInfo::tips(), QStringLiteral("日志主机不存在，请选配主机!"), 1);
        msg.exec();
        return;
    }
    QTableWidget* t = ui->fTableWidget;
    if (t->rowCount() == 0) {
        BaseMessageDialog msg(KyTipsInfo::tips(), QStringLiteral("日志记录不存在!"), 1);
        msg.exec();
        return;
    }
    QStringList titles(QStringLiteral("序号"));
    for (int c = 0; c < t->columnCount(); ++c) {
        QTableWidgetItem* header = t->horizontalHeaderItem(c);
        titles << (header ? header->text() : QStringLiteral("NULL"));
    }
    LogExportDialog dialog(nullptr, titles, exportKind);
    dialog.exec();
}
