// Main window: every page of the page table, lazy pages, page buttons,
// navigation, maximise/restore, title and clock; the login dialog and the loss
// notice against the stand-in server; the media page lists the library of the
// running file-service worker, and quitting during an open transfer ends
// cleanly and soon.
#include <QtTest>

#include <QBoxLayout>
#include <QDateTime>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTranslator>

#include <map>

#include "BaseMessageDialog.h"
#include "InfoCenterMgr.h"
#include "KyCommandLine.h"
#include "KyConsoleRun.h"
#include "KyDownAndUploadViewCtr.h"
#include "KyFileChooser.h"
#include "KyFileNote.h"
#include "KyFileTestRig.h"
#include "KyLoginInfo.h"
#include "KyLossNotice.h"
#include "KyManageCenter.h"
#include "KyMediaMgrForm.h"
#include "KyMediaViewCtrl.h"
#include "KyModalHelper.h"
#include "KyPageTable.h"
#include "KyScreenshotActions.h"
#include "KyNetLosssHandle.h"
#include "KyServerClock.h"
#include "KySettings.h"
#include "KySystemSettingForm.h"
#include "KyTestSession.h"
#include "KyTransferRecord.h"
#include "LoginDialog.h"
#include "ui_InfoCenterMgrClass.h"
#include "ui_LoginDialog.h"
#include "ui_messageDialog.h"

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString className(QWidget* w)
{
    return w ? QString::fromLatin1(w->metaObject()->className()) : QString();
}

bool isBold(QPushButton* b)
{
    return b->font().weight() >= 75;
}

InfoCenterMgr* shownMainWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* main = qobject_cast<InfoCenterMgr*>(w))
            return main;
    }
    return nullptr;
}

// Answers for one context/source pair only, so a test sees which context a text was asked in.
class OneTextTranslator : public QTranslator {
public:
    OneTextTranslator(const char* context, const char* source, const QString& text)
        : m_context(context), m_source(source), m_text(text)
    {
    }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return m_context == context && m_source == source ? m_text : QString();
    }
    bool isEmpty() const override { return false; }

private:
    QByteArray m_context;
    QByteArray m_source;
    QString m_text;
};

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pagesAndButtons();
    void everyPage();
    void textsAndColumn();
    void navigation();
    void maximiseAndRestore();
    void titleSetting();
    void clockCounting();
    void clockFromServer();
    void loginDialog();
    void lossNotice();
    void quitDuringTransfer_data();
    void quitDuringTransfer();

private:
    QTemporaryDir m_dir;
    QString m_config;
    QString m_host;
    std::unique_ptr<KyFileTestRig> m_files;
};

void TestMainWindow::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_config = m_dir.filePath("config.ini");
    kySetConfigPath(m_config);
    // The transfer journal and the conversion folder go to the working folder.
    QDir::setCurrent(m_dir.path());
    m_host = kyOwnTestHost();
    KyLoginInfo::instance().ServerIp = m_host.toStdString();
    m_files.reset(new KyFileTestRig(TcpSocketClient::instance(), QStringLiteral("/data/media"), m_host));
    KyFileTestRig::writeFile(m_files->srvDir() + QString::fromUtf8("/铃声.mp3"), "bell");
}

void TestMainWindow::pagesAndButtons()
{
    InfoCenterMgr w(0, kyPageTable());
    auto& ui = w.form();
    // Built at construction, in order after the two placeholders.
    const int eager[] = {InfoCenterMgr::PageSsTask, InfoCenterMgr::PagePlayer, InfoCenterMgr::PageMic,
                         InfoCenterMgr::PageM12, InfoCenterMgr::PageMedia, InfoCenterMgr::PageMicGroup,
                         InfoCenterMgr::PageSystemSet};
    QCOMPARE(ui.fCenterRightStacked->count(), 9);
    for (int i = 0; i < 7; ++i)
        QCOMPARE(ui.fCenterRightStacked->widget(2 + i), w.page(eager[i]));
    QCOMPARE(className(w.page(InfoCenterMgr::PageSsTask)), QStringLiteral("KyPlanTaskMgrForm"));
    QCOMPARE(className(w.page(InfoCenterMgr::PageMicGroup)), QStringLiteral("KyMicGroupInfoForm"));
    QCOMPARE(className(w.page(InfoCenterMgr::PageMedia)), QStringLiteral("KyMediaMgrForm"));
    // The media page asks the running worker for the root: the root is listed.
    auto* media = static_cast<KyMediaMgrForm*>(w.page(InfoCenterMgr::PageMedia));
    QCOMPARE(media->parentWidget(), ui.fCenterRightStacked);   // goes with the window
    QTableWidget* library = media->table();
    QTRY_COMPARE_WITH_TIMEOUT(library->rowCount(), 1, 20000);
    QCOMPARE(library->item(0, 0)->text(), QString::fromUtf8("铃声.mp3"));
    QCOMPARE(media->findChild<QLineEdit*>("fMediaEdit")->text(), QStringLiteral("/"));
    QCOMPARE(className(w.page(InfoCenterMgr::PageSystemSet)), QStringLiteral("KySystemSettingForm"));
    QVERIFY(!w.page(InfoCenterMgr::PageCapture));
    QVERIFY(!w.page(InfoCenterMgr::PageTimerTask));

    // Row 0 is current: the sound-source task page with its button.
    QCOMPARE(ui.fCenterRightStacked->currentWidget(), w.page(InfoCenterMgr::PageSsTask));
    QCOMPARE(w.currentPageButton(), ui.fSsTaskMgrBtn);
    QVERIFY(!ui.fSsTaskMgrBtn->isEnabled());
    QVERIFY(isBold(ui.fSsTaskMgrBtn));
    QVERIFY(ui.fMicGroupMgrBtn->isEnabled());

    for (QPushButton* hidden : {ui.fSdkTaskMgrBtn, ui.fCallMicMgrBtn, ui.fEmMicMgrBtn, ui.fM12MgrBtn,
                                ui.fMicGroupMgrBtn, ui.fTalkLogMgrBtn})
        QVERIFY(hidden->isHidden());
    QVERIFY(ui.left_title_widget->isHidden());

    // Lazy pages: built on first use, once; a shown button is disabled, every visited one stays bold.
    w.show();
    ui.fCenterLeftStacked->setCurrentIndex(1);
    QTest::mouseClick(ui.fCapMgrBtn, Qt::LeftButton);
    QWidget* capture = w.page(InfoCenterMgr::PageCapture);
    QCOMPARE(className(capture), QStringLiteral("KyCapInfoForm"));
    QCOMPARE(ui.fCenterRightStacked->currentWidget(), capture);
    QCOMPARE(ui.fCenterRightStacked->count(), 10);
    QTest::mouseClick(ui.fTtsMgrBtn, Qt::LeftButton);
    QVERIFY(isBold(ui.fCapMgrBtn));
    QVERIFY(ui.fCapMgrBtn->isEnabled());
    QVERIFY(isBold(ui.fTtsMgrBtn));
    QVERIFY(!ui.fTtsMgrBtn->isEnabled());
    QWidget* tts = w.page(InfoCenterMgr::PageTts);
    QTest::mouseClick(ui.fTtsMgrBtn, Qt::LeftButton);   // disabled: nothing happens
    QTest::mouseClick(ui.fCapMgrBtn, Qt::LeftButton);
    QCOMPARE(w.page(InfoCenterMgr::PageCapture), capture);
    QCOMPARE(w.page(InfoCenterMgr::PageTts), tts);
    QCOMPARE(ui.fCenterRightStacked->count(), 11);

    // Task pages get their kind; the manual and SDK pages are two pages of one class.
    w.showManualTaskInfoForm();
    w.showSdkTaskInfoForm();
    QCOMPARE(className(w.page(InfoCenterMgr::PageManualTask)), QStringLiteral("KySsTaskMgrForm"));
    QVERIFY(w.page(InfoCenterMgr::PageSdkTask) != w.page(InfoCenterMgr::PageManualTask));
    w.showTalkRecordInfoForm();
    QCOMPARE(className(w.page(InfoCenterMgr::PageTalkRecord)), QStringLiteral("KyTalkRecordForm"));
    QCOMPARE(w.page(InfoCenterMgr::PageTalkRecord)->parentWidget(), ui.fCenterRightStacked);

    QStatusBar* status = w.statusBarWidget();
    QVERIFY(status);
    const QList<QLabel*> labels = status->findChildren<QLabel*>();
    QStringList texts;
    for (QLabel* l : labels)
        texts << l->text();
    QVERIFY(texts.contains(QStringLiteral("v4.9.1777.sp")));
    QVERIFY(texts.join(' ').contains(QStringLiteral("获得最新软件版本")));
}

// Each page of the table: its button sits on the panel of its navigation row,
// shows or hides as the table says, and brings up a page of its class.
void TestMainWindow::everyPage()
{
    const std::map<int, QString> classes = {
        {InfoCenterMgr::PageSsTask, "KyPlanTaskMgrForm"}, {InfoCenterMgr::PageManualTask, "KySsTaskMgrForm"},
        {InfoCenterMgr::PageSdkTask, "KySsTaskMgrForm"}, {InfoCenterMgr::PageTimerTask, "KyTimerTaskMgrForm"},
        {InfoCenterMgr::PagePlayer, "KyPlayerInfoForm"}, {InfoCenterMgr::PageMic, "KyMicInfoForm"},
        {InfoCenterMgr::PageCapture, "KyCapInfoForm"}, {InfoCenterMgr::PageTts, "KyTtsInfoForm"},
        {InfoCenterMgr::PageM02, "KyM02InfoForm"}, {InfoCenterMgr::PageM04, "KyM04InfoForm"},
        {InfoCenterMgr::PageM12, "KyM12InfoForm"}, {InfoCenterMgr::PageFAlarm, "KyFAlarmInfoForm"},
        {InfoCenterMgr::PageMedia, "KyMediaMgrForm"}, {InfoCenterMgr::PageMicGroup, "KyMicGroupInfoForm"},
        {InfoCenterMgr::PageRegion, "KyRegionMgrForm"}, {InfoCenterMgr::PageSystemSet, "KySystemSettingForm"},
        {InfoCenterMgr::PageUserLog, "KyUserLogInfoForm"}, {InfoCenterMgr::PageTalkLog, "KyTalkLogInfoForm"},
        {InfoCenterMgr::PageTermLog, "KyTermLogInfoForm"}, {InfoCenterMgr::PageTalkRecord, "KyTalkRecordForm"},
    };
    QCOMPARE(int(classes.size()), int(InfoCenterMgr::PageCount));
    QCOMPARE(int(kyPageTable().size()), int(InfoCenterMgr::PageCount));
    InfoCenterMgr w(0, kyPageTable());
    auto& ui = w.form();
    w.show();
    for (const KyPageEntry& entry : kyPageTable()) {
        QPushButton* button = w.pageButton(entry.id);
        QVERIFY2(button, qPrintable(classes.at(entry.id)));
        QVERIFY(ui.fCenterLeftStacked->widget(entry.row)->isAncestorOf(button));
        QCOMPARE(button->isHidden(), !entry.shown);
        QVERIFY(!button->icon().availableSizes().isEmpty());   // the image is there
        ui.fCenterLeftStacked->setCurrentIndex(entry.row);
        button->click();   // a hidden button's page shows all the same
        QWidget* page = w.page(entry.id);
        QCOMPARE(className(page), classes.at(entry.id));
        QCOMPARE(page->metaObject(), entry.type);
        QCOMPARE(ui.fCenterRightStacked->currentWidget(), page);
        QCOMPARE(w.currentPageButton(), button);
    }
    QCOMPARE(ui.fCenterRightStacked->count(), 2 + int(InfoCenterMgr::PageCount));
}

void TestMainWindow::textsAndColumn()
{
    // The form's texts are asked in "InfoCenterMgrClass", the navigation's in "InfoCenterMgr".
    OneTextTranslator formText("InfoCenterMgrClass", "Player", QStringLiteral("播放终端"));
    OneTextTranslator wrongContext("InfoCenterMgr", "Server Mic", QStringLiteral("wrong context"));
    OneTextTranslator navText("InfoCenterMgr", "User Log", QStringLiteral("日志管理"));
    for (QTranslator* t : {static_cast<QTranslator*>(&formText), static_cast<QTranslator*>(&wrongContext),
                           static_cast<QTranslator*>(&navText)})
        qApp->installTranslator(t);
    InfoCenterMgr w(0, kyPageTable());
    for (QTranslator* t : {static_cast<QTranslator*>(&formText), static_cast<QTranslator*>(&wrongContext),
                           static_cast<QTranslator*>(&navText)})
        qApp->removeTranslator(t);
    auto& ui = w.form();
    QCOMPARE(ui.fPlayerMgrBtn->text(), QStringLiteral("播放终端"));
    QCOMPARE(ui.fMicMgrBtn->text(), QStringLiteral("Server Mic"));
    QCOMPARE(w.navigationList()->item(3)->text(), QStringLiteral("日志管理"));

    QCOMPARE(w.objectName(), QStringLiteral("InfoCenterMgrClass"));
    QCOMPARE(ui.mSrvDateLe->text(), QStringLiteral("--------"));   // until the first tick
    QCOMPARE(ui.mSrvTimeLe->text(), QStringLiteral("--------"));
    QCOMPARE(ui.title_name_le->text(), QStringLiteral("管理中心"));
    QVERIFY(!ui.icon_le->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(ui.fCenterRightStacked->widget(0)->objectName(), QStringLiteral("page"));
    QCOMPARE(ui.fCenterRightStacked->widget(1)->objectName(), QStringLiteral("page_2"));

    // The left column stays 130 pixels wide; the page stack takes the rest.
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTRY_COMPARE(ui.fMgrBtnWidget->width(), 130);
    const int stackWidth = ui.fCenterRightStacked->width();
    w.resize(1400, 703);
    QTRY_COMPARE(ui.fCenterRightStacked->width(), stackWidth + 250);
    QCOMPARE(ui.fMgrBtnWidget->width(), 130);
}

void TestMainWindow::navigation()
{
    InfoCenterMgr w(0, kyPageTable());
    auto& ui = w.form();
    QListWidget* nav = w.navigationList();
    QCOMPARE(nav->objectName(), QStringLiteral("titlesListWidget"));
    QCOMPARE(nav->count(), 5);
    QVERIFY(nav->item(4)->isHidden());
    QCOMPARE(nav->item(2)->text(), QStringLiteral("Advanced Setup "));

    w.showRegionInfoForm();
    nav->setCurrentRow(2);
    QCOMPARE(ui.fCenterLeftStacked->currentIndex(), 2);
    QCOMPARE(ui.fCenterRightStacked->currentWidget(), w.page(InfoCenterMgr::PageMedia));
    QCOMPARE(w.currentPageButton(), ui.fMediaMgrBtn);
    QVERIFY(isBold(ui.fMediaMgrBtn));
    QVERIFY(!ui.fMediaMgrBtn->isEnabled());
    nav->setCurrentRow(1);
    QCOMPARE(ui.fCenterLeftStacked->currentIndex(), 1);
    QCOMPARE(ui.fCenterRightStacked->currentWidget(), w.page(InfoCenterMgr::PagePlayer));
    nav->setCurrentRow(3);
    QCOMPARE(className(ui.fCenterRightStacked->currentWidget()), QStringLiteral("KyUserLogInfoForm"));
    w.changePage(nullptr, nav->item(0));   // no current item: the previous one's row
    QCOMPARE(ui.fCenterLeftStacked->currentIndex(), 0);
    QCOMPARE(w.currentPageButton(), ui.fSsTaskMgrBtn);

    // The screenshot program shows a page under its own row, as the operator reaches it.
    const std::map<std::string, InfoCenterMgr::Page> shots = {
        {"player", InfoCenterMgr::PagePlayer},
        {"m12", InfoCenterMgr::PageM12},
        {"settings", InfoCenterMgr::PageSystemSet}};
    for (const auto& [name, page] : shots) {
        InfoCenterMgr shot(0, kyPageTable());
        kyScreenshotAction(name)->run(shot);
        QCOMPARE(shot.navigationList()->currentRow(), shot.navigationRow(page));
        QCOMPARE(shot.form().fCenterLeftStacked->currentIndex(), shot.navigationRow(page));
        QCOMPARE(shot.form().fCenterRightStacked->currentWidget(), shot.page(page));
        QCOMPARE(shot.currentPageButton(), shot.pageButton(page));
    }
}

void TestMainWindow::maximiseAndRestore()
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    {
        InfoCenterMgr w(0, kyPageTable());
        auto& ui = w.form();
        QVERIFY(!w.isMaximised());
        QCOMPARE(w.size(), QSize(1150, 703));
        QCOMPARE(ui.centralWidgetGridLayout->contentsMargins(), QMargins(6, 6, 6, 6));
        QVERIFY(!ui.max_btn->isHidden());
        QVERIFY(ui.show_normal_btn->isHidden());
        QCOMPARE(ui.max_btn->size(), QSize(23, 25));
        w.show();

        w.move(40, 30);
        w.maxWindow();
        QVERIFY(w.isMaximised());
        QCOMPARE(w.geometry(), available);
        QCOMPARE(ui.centralWidgetGridLayout->contentsMargins(), QMargins(0, 0, 0, 0));
        QVERIFY(ui.max_btn->isHidden());
        QVERIFY(!ui.show_normal_btn->isHidden());
        w.normalWindow();
        QVERIFY(!w.isMaximised());
        QCOMPARE(w.size(), w.rememberedGeometry().size());
        QCOMPARE(w.pos(), QPoint((desktop.width() - w.width()) / 2, (desktop.height() - w.height()) / 2));
        w.normalWindow();   // already normal: nothing
        QVERIFY(!w.isMaximised());

        // The title bar's double-click toggles; the buttons do the same.
        QTest::mouseDClick(ui.title_widget, Qt::LeftButton);
        QVERIFY(w.isMaximised());
        QTest::mouseDClick(ui.title_widget, Qt::LeftButton);
        QVERIFY(!w.isMaximised());
        QTest::mouseClick(ui.max_btn, Qt::LeftButton);
        QVERIFY(w.isMaximised());
        QTest::mouseClick(ui.show_normal_btn, Qt::LeftButton);
        QVERIFY(!w.isMaximised());
    }
    InfoCenterMgr max(1, kyPageTable());
    QVERIFY(max.isMaximised());
    QCOMPARE(max.geometry(), available);
    QVERIFY(!max.form().show_normal_btn->isHidden());
    QCOMPARE(max.rememberedGeometry().size(), QSize(1150, 703));
}

void TestMainWindow::titleSetting()
{
    QFile::remove(m_config);
    InfoCenterMgr w(0, kyPageTable());
    QCOMPARE(w.windowTitle(), QStringLiteral("管理中心"));
    QVERIFY(fileBytes(m_config).contains("Title="));
    QCOMPARE(kyOpenSettings()->value("Setting/Title").toString(), QStringLiteral("管理中心"));

    // The settings page's announcement becomes the title and is stored once.
    auto* settings = static_cast<KySystemSettingForm*>(w.page(InfoCenterMgr::PageSystemSet));
    emit settings->sendTitleString(QStringLiteral("一号楼广播"));
    QCOMPARE(w.windowTitle(), QStringLiteral("一号楼广播"));
    QCOMPARE(w.form().title_name_le->text(), QStringLiteral("一号楼广播"));
    QCOMPARE(kyOpenSettings()->value("Setting/Title").toString(), QStringLiteral("一号楼广播"));
    // A name with markup shows as its characters.
    const QString marked = QStringLiteral("<font size=7 color=red>X");
    emit settings->sendTitleString(marked);
    QCOMPARE(w.form().title_name_le->textFormat(), Qt::PlainText);
    QCOMPARE(w.form().title_name_le->text(), marked);
    emit settings->sendTitleString(QStringLiteral("一号楼广播"));

    // The same title again writes nothing: a line only a rewrite would drop survives.
    {
        QFile f(m_config);
        QVERIFY(f.open(QIODevice::Append));
        f.write("; kept unless the file is rewritten\n");
    }
    const QByteArray before = fileBytes(m_config);
    w.slot_setTitleName(QStringLiteral("一号楼广播"));
    QCOMPARE(fileBytes(m_config), before);
    w.slot_setTitleName(QStringLiteral("二号楼"));
    QVERIFY(fileBytes(m_config) != before);
    QCOMPARE(kyOpenSettings()->value("Setting/Title").toString(), QStringLiteral("二号楼"));
}

void TestMainWindow::clockCounting()
{
    std::string text;
    KyServerClock clock([&text] { return text; });
    QString date, time;
    clock.start();
    QCOMPARE(clock.serverTime(), uint64_t(0));

    // Unknown: the local time.
    QVERIFY(clock.tick(&date, &time));
    QCOMPARE(date, QDate::currentDate().toString("yyyy-MM-dd"));
    // "----" (an empty reply value) or another non-number keeps the local clock.
    for (const char* bad : {"----", "abc", "12x", "0"}) {
        text = bad;
        QVERIFY(clock.tick(&date, &time));
        QCOMPARE(clock.serverTime(), uint64_t(0));
        QCOMPARE(date, QDate::currentDate().toString("yyyy-MM-dd"));
    }
    // Found at a tick: T + 1, nothing shown; then +1 a tick.
    text = "1700000000";
    QVERIFY(!clock.tick(&date, &time));
    QCOMPARE(clock.serverTime(), uint64_t(1700000001));
    text = "----";   // never read again once known
    QVERIFY(clock.tick(&date, &time));
    QCOMPARE(clock.serverTime(), uint64_t(1700000002));
    QString expectDate, expectTime;
    KyServerClock::format(1700000002, &expectDate, &expectTime);
    QCOMPARE(date, expectDate);
    QCOMPARE(time, expectTime);
    QCOMPARE(time, QDateTime::fromSecsSinceEpoch(1700000002).toString("hh:mm:ss"));

    // Known at start: the first tick shows T + 1. The value is an unsigned 32-bit number.
    text = "1234";
    KyServerClock known([&text] { return text; });
    known.start();
    QVERIFY(known.tick(&date, &time));
    QCOMPARE(known.serverTime(), uint64_t(1235));
    uint64_t seconds = 0;
    QVERIFY(KyServerClock::parseTime("4294967297", &seconds));
    QCOMPARE(seconds, uint64_t(1));
    QVERIFY(!KyServerClock::parseTime("", &seconds));
}

void TestMainWindow::clockFromServer()
{
    KyTestSession session(true, m_host.toStdString());
    QVERIFY(session.loggedIn());
    // The first time query answers "----"; the window keeps the local clock.
    session.server().setStatus("GetSystemTime", 200, 1, "{\"SystemTime\":\"\"}");
    {
        InfoCenterMgr w(0, kyPageTable());
        QVERIFY(session.server().waitForReceived("GetSystemTime", 1, 3000));
        QTRY_COMPARE_WITH_TIMEOUT(session.center()->systemTime(), std::string("----"), 3000);
        QTRY_COMPARE_WITH_TIMEOUT(w.form().mSrvDateLe->text(), QDate::currentDate().toString("yyyy-MM-dd"), 3000);
        QCOMPARE(w.serverTime(), uint64_t(0));
    }
    // A known server time is counted from, one second a tick.
    session.server().clearReceived();
    session.server().setStatus("GetSystemTime", 200, 1, "{\"SystemTime\":\"1600000000\"}");
    InfoCenterMgr w(0, kyPageTable());
    QVERIFY(session.server().waitForReceived("GetSystemTime", 1, 3000));
    QTRY_VERIFY_WITH_TIMEOUT(w.serverTime() != 0, 3000);
    QTRY_VERIFY_WITH_TIMEOUT(w.serverTime() >= 1600000002, 4000);
    QVERIFY(w.serverTime() < 1600000010);
    QString date, time;
    KyServerClock::format(w.serverTime(), &date, &time);
    QCOMPARE(w.form().mSrvDateLe->text(), date);
    QCOMPARE(w.form().mSrvTimeLe->text(), time);
}

void TestMainWindow::loginDialog()
{
    KyTestSession session(false, m_host.toStdString());
    QFile::remove(m_config);
    {
        auto settings = kyOpenSettings();
        settings->setValue("Setting/Title", QStringLiteral("三号楼"));
    }
    KyLoginInfo info;
    info.ServerIp = m_host.toStdString();
    info.ServerPort = session.port();
    info.User = KyTestSession::kUser;
    info.Passwd = "wrong";
    LoginDialog dialog(session.center(), info);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("三号楼"));
    QCOMPARE(dialog.form().fServerPortEdit->text(), QString::number(session.port()));

    // Refused: a message, and the dialog stays open with nothing written back.
    QString shown;
    auto readMessage = [&shown](QWidget* w) {
        auto* msg = qobject_cast<BaseMessageDialog*>(w);
        QVERIFY(msg);
        shown = msg->form().infoTextEdit->toPlainText();
        QTest::mouseClick(msg->form().ConfirmButton, Qt::LeftButton);
    };
    onNextModal(readMessage);
    dialog.loginClicked();
    QCOMPARE(dialog.lastResult(), 1);
    QVERIFY(shown.contains(LoginDialog::resultText(1)));
    QCOMPARE(dialog.result(), 0);
    QVERIFY(!kyOpenSettings()->contains("Setting/ServerIp"));

    // No server on the port: connect failed.
    dialog.form().fServerPortEdit->setText(QString::number(session.port() == 1 ? 2 : 1));
    onNextModal(readMessage);
    dialog.loginClicked();
    QCOMPARE(dialog.lastResult(), 4);
    QVERIFY(shown.contains(LoginDialog::resultText(4)));

    // An empty address is refused before any login.
    dialog.form().fServerIpEdit->clear();
    onNextModal(readMessage);
    dialog.loginClicked();
    QCOMPARE(dialog.lastResult(), 4);
    QVERIFY(!shown.isEmpty());

    // Right password: accepted, ServerIp, ServerPort and User written back; Passwd not.
    dialog.form().fServerIpEdit->setText(m_host);
    dialog.form().fServerPortEdit->setText(QString::number(session.port()));
    dialog.form().fPasswordEdit->setText(KyTestSession::kPassword);
    dialog.loginClicked();
    QCOMPARE(dialog.lastResult(), 0);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(session.loggedIn());
    auto settings = kyOpenSettings();
    QCOMPARE(settings->value("Setting/ServerIp").toString(), m_host);
    QCOMPARE(settings->value("Setting/ServerPort").toInt(), session.port());
    QCOMPARE(settings->value("Setting/User").toString(), QString::fromLatin1(KyTestSession::kUser));
    QVERIFY(!settings->contains("Setting/Passwd"));
}

void TestMainWindow::lossNotice()
{
    installLossNotice();
    QWidget other;
    other.show();
    QString shown;
    onNextModal([&shown](QWidget* w) {
        auto* msg = qobject_cast<BaseMessageDialog*>(w);
        QVERIFY(msg);
        shown = msg->form().infoTextEdit->toPlainText();
        QTest::mouseClick(msg->form().ConfirmButton, Qt::LeftButton);
    });
    KyNetLosssHandle::instance()->rearm();
    KyNetLosssHandle::instance()->raiseLoss();
    QTRY_VERIFY_WITH_TIMEOUT(shown.contains(QStringLiteral("连接超时，请重新登陆!")), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!other.isVisible(), 3000);
}

// The console's own run: it points the file-service worker at the login's
// server; a transfer is open when the window closes (an upload on the wire, a
// download or a listing the file service stopped answering). The loop ends
// with 0, the worker stops within a second, and the journal keeps the open job
// (the bound is far below the 30 s waits of a stalled exchange).
// Last: the process-wide worker stays stopped.
void TestMainWindow::quitDuringTransfer_data()
{
    QTest::addColumn<QString>("stall");
    QTest::newRow("upload on the wire") << QString();
    QTest::newRow("stalled download") << QStringLiteral("GetFile");
    QTest::newRow("stalled listing") << QStringLiteral("GetFileList");
}

void TestMainWindow::quitDuringTransfer()
{
    QFETCH(QString, stall);
    KyTestSession session(false, m_host.toStdString());
    KyLoginInfo& info = KyLoginInfo::instance();
    info.ServerPort = session.port();
    info.User = KyTestSession::kUser;
    info.Passwd = KyTestSession::kPassword;
    KyCommandLine line;
    line.hasServerIp = line.hasUser = line.hasPassword = true;
    line.max = 0;

    const QString wav = m_files->localDir() + "/long.wav";
    KyFileTestRig::writeSilentWav(wav, 300);   // some seconds on the wire once encoded
    KyFileTestRig::writeFile(m_files->srvDir() + "/big.bin", QByteArray(4 << 20, 'b'));
    KyFileChooser::setOpenFileNames([&](QWidget*, const QString&, const QString&, const QString&) {
        return QStringList{wav};
    });
    QFile::remove("UploadAndDownloadNote");
    m_files->service->clearRequests();
    // A port nothing listens on: the run points the worker at the login's server.
    TcpSocketClient::instance()->setServer(m_host, 1);
    if (stall == QLatin1String("GetFile"))
        m_files->service->setStallAfter(65536);
    else if (!stall.isEmpty())
        m_files->service->setReplyDelay(stall, INT_MAX);
    const QString awaited = stall.isEmpty() ? QStringLiteral("PostFile") : stall;
    // An upload is journalled as the server receives it: the re-encoded name.
    const QString name = stall.isEmpty() ? QStringLiteral("long.mp3") : QStringLiteral("big.bin");
    const QString target = stall.isEmpty() ? m_files->root() + "/long.mp3" : m_files->localDir() + "/big.bin";
    bool started = false, closed = false;
    QElapsedTimer sinceClose;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        InfoCenterMgr* w = shownMainWindow();
        auto* media = w ? static_cast<KyMediaMgrForm*>(w->page(InfoCenterMgr::PageMedia)) : nullptr;
        if (!media || media->mediaView()->rootPath() == QLatin1String("."))
            return;
        if (!started) {
            started = true;
            w->showMediaInfoForm();
            if (stall.isEmpty())
                QTest::mouseClick(media->findChild<QPushButton*>("fUploadBtn"), Qt::LeftButton);
            else
                media->transferView()->addDownloadJob("big.bin", (m_files->root() + "/big.bin").toUtf8().constData(),
                                                      target.toUtf8().constData(), 4 << 20);
        } else if (!closed && !m_files->service->requests(awaited).empty()) {
            closed = true;
            sinceClose.start();
            w->close();
        }
    });
    poll.start(50);
    QCOMPARE(kyRunConsole(line, session.center(), kyPageTable()), 0);
    const qint64 quitMs = sinceClose.elapsed();
    KyFileChooser::setOpenFileNames(nullptr);
    m_files->service->setReplyDelay(stall, 0, 0);
    QVERIFY(closed);
    QVERIFY(TcpSocketClient::instance()->isFinished());
    qInfo("quit took %lld ms", quitMs);
    QVERIFY2(quitMs < 3000, qPrintable(QStringLiteral("quit took %1 ms").arg(quitMs)));

    const QByteArray journal = fileBytes("UploadAndDownloadNote");
    QCOMPARE(journal.size(), 7 + KyTransferRecord::kJournalSize);
    QVERIFY(journal.startsWith("classb:"));
    const KyTransferRecord job =
        KyTransferRecord::fromJournal(reinterpret_cast<const unsigned char*>(journal.constData()) + 7);
    QCOMPARE(QString::fromStdString(job.name), name);
    QCOMPARE(QString::fromStdString(job.target), target);
    QVERIFY(job.id < 0);
    QVERIFY(!QFile::exists(m_files->localDir() + "/big.bin"));
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
