#include "KyUserLogInfoForm.h"

#include <QFontMetricsF>
#include <QtMath>
#include <QStyle>
#include <QTableWidget>

#include "KyLogDb.h"
#include "KyLogText.h"
#include "KyServiceLogMgr.h"
#include "ui_fLogInfoForm.h"

namespace {

// Width of a "yyyy/MM/dd hh:mm:ss" cell of the table, whatever its digits:
// the date written with the widest digit (rounded up: a wrapped cell text
// one fraction of a pixel too wide is elided), the cell's text margins and
// the grid line.
int dateColumnWidth(const QTableWidget* table)
{
    const QFontMetricsF metrics(table->font());
    QChar widest = QLatin1Char('0');
    for (char c = '1'; c <= '9'; ++c)
        if (metrics.horizontalAdvance(QLatin1Char(c)) > metrics.horizontalAdvance(widest))
            widest = QLatin1Char(c);
    QString date = QStringLiteral("0000/00/00 00:00:00");
    date.replace(QLatin1Char('0'), widest);
    const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
    return qCeil(metrics.horizontalAdvance(date)) + 2 * margin + 1;
}

}  // namespace

KyUserLogInfoForm::KyUserLogInfoForm(QWidget* parent)
    : KyLogInfoFormBase(parent, {0, 1, dbCountUserLog, dbQueryUserLogPage, &KyServiceLogMgr::userLogList})
{
    setupColumns(tr("User Log"), {tr("Date"), tr("User Name"), QStringLiteral("IP"), tr("Content")}, 0);
    // A fixed width that shows the whole date and time.
    ui->fTableWidget->setColumnWidth(0, dateColumnWidth(ui->fTableWidget));
    connect(m_logMgr, &KyServiceLogMgr::gotUserLogList, this, &KyUserLogInfoForm::slot_showUserLogList);
    connect(m_logMgr, &KyServiceLogMgr::gotUserLogSize, this, &KyUserLogInfoForm::slot_getUserLogSize);
    connectPaging(this, &KyUserLogInfoForm::slot_previousClicked, &KyUserLogInfoForm::slot_nextClicked,
                  &KyUserLogInfoForm::slot_refreshClicked);
    connect(pagingButton(3), &QPushButton::clicked, this, &KyUserLogInfoForm::slot_downloadClicked);
    load();
}

void KyUserLogInfoForm::slot_showUserLogList() { showList(); }
void KyUserLogInfoForm::slot_getUserLogSize(int size) { countArrived(size); }
void KyUserLogInfoForm::slot_previousClicked() { previousPage(); }
void KyUserLogInfoForm::slot_nextClicked() { nextPage(); }
void KyUserLogInfoForm::slot_refreshClicked() { refresh(); }
void KyUserLogInfoForm::slot_downloadClicked() { openExport(1); }
void KyUserLogInfoForm::set_refresh_btn_enable() { enableRefresh(); }

void KyUserLogInfoForm::drawRow(int row, const KyLogEntry& e)
{
    setCellText8(row, 0, kyLogDateText(e.time));
    setCellText8(row, 1, e.name);
    setCellText8(row, 2, e.ip);
    setCellText8(row, 3, e.content);
}
