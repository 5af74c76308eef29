// Message dialog, old message box, rename dialog, dragging and pop-up notices.
#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTranslator>

#include "BaseMessageDialog.h"
#include "BaseSetNameDialog.h"
#include "KyDragMoveHelper.h"
#include "KyMessageBox.h"
#include "KyModalHelper.h"
#include "KyTipsInfo.h"
#include "KyTitleMoveEvent.h"
#include "MsgTips.h"
#include "MsgTipsGroup.h"
#include "ui_MessageBox.h"
#include "ui_fSetNameDialog.h"
#include "ui_messageDialog.h"

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void messageModesAndResults();
    void tipsTexts();
    void messageAutoCloseAndLayout();
    void oldMessageBoxFlags();
    void renameDialog();
    void dragging();
    void noticeSlotsAndShowing();
    void noticeRelay();
};

void TestDialogs::messageModesAndResults()
{
    struct Case {
        int mode;
        bool confirm, cancel;
    };
    for (const Case& c : {Case{1, true, false}, Case{2, false, true}, Case{3, true, true}, Case{0, true, true}}) {
        BaseMessageDialog d(QStringLiteral("Tips"), QStringLiteral("text"), c.mode);
        QCOMPARE(d.form().ConfirmButton->isHidden(), !c.confirm);
        QCOMPARE(d.form().cancelButton->isHidden(), !c.cancel);
        QCOMPARE(d.form().messageTitle->text(), QStringLiteral("Tips"));
        QCOMPARE(d.windowTitle(), QStringLiteral("信息"));
        QVERIFY(d.windowFlags() & Qt::FramelessWindowHint);
    }

    // "确认" returns 1; the title's close button and "取消" return 0.
    {
        BaseMessageDialog d(QStringLiteral("Tips"), QStringLiteral("confirm?"), 1);
        onNextModal([](QWidget* w) {
            QTest::mouseClick(static_cast<BaseMessageDialog*>(w)->form().ConfirmButton, Qt::LeftButton);
        });
        QCOMPARE(d.exec(), 1);
    }
    {
        BaseMessageDialog d(QStringLiteral("Tips"), QStringLiteral("confirm?"), 1);
        onNextModal([](QWidget* w) {
            QTest::mouseClick(static_cast<BaseMessageDialog*>(w)->form().dialogCloseBtn, Qt::LeftButton);
        });
        QCOMPARE(d.exec(), 0);
    }
    {
        BaseMessageDialog d(QStringLiteral("Tips"), QStringLiteral("start?"), 3);
        onNextModal([](QWidget* w) {
            QTest::mouseClick(static_cast<BaseMessageDialog*>(w)->form().cancelButton, Qt::LeftButton);
        });
        QCOMPARE(d.exec(), 0);
    }
}

namespace {
// Marks every text asked in the context of the tips, so a test sees the context and the exact source.
class TipsContextTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return qstrcmp(context, "KyTipsInfo") == 0 ? QStringLiteral("KyTipsInfo:") + QLatin1String(source)
                                                    : QString();
    }
    bool isEmpty() const override { return false; }
};
}  // namespace

void TestDialogs::tipsTexts()
{
    TipsContextTranslator translator;
    qApp->installTranslator(&translator);
    const QList<QPair<QString, const char*>> tips = {
        {KyTipsInfo::tips(), "Tips"},
        {KyTipsInfo::deleteCurrentRecord(), "Delete current record?"},
        {KyTipsInfo::noEditPermission(), "Current user does not have permission to edit!"},
        {KyTipsInfo::deleteFailed(), "Delete failed"},
        {KyTipsInfo::terminalMustBeOffline(), "Terminal can not be removed without offline!"},
        {KyTipsInfo::deleteChosenMedia(), "Delete chosen media?"},
        {KyTipsInfo::illegalName(), "Name contains illegal characters!"},
        {KyTipsInfo::speakerCheckNeedsIdle(), "Can't check speaker when terminal not idle!"},
        {KyTipsInfo::setName(), "Set Name"},
        {makeColumnKeyId(), "ID"},
        {makeColumnKeyIp(), "IP"},
        {makeColumnKeyName(), "Name"},
        {makeColumnKeyStatus(), "Status"},
        {makeColumnKeyCode(), "Code"},
        {makeColumnKeyIsPpt(), "Is PPT"},
        {makeColumnKeyIsAec(), "Is AEC"},
    };
    BaseSetNameDialog named;   // its title is the translated "Set Name"
    qApp->removeTranslator(&translator);
    for (const auto& tip : tips)
        QCOMPARE(tip.first, QStringLiteral("KyTipsInfo:") + QLatin1String(tip.second));
    QCOMPARE(named.windowTitle(), QStringLiteral("KyTipsInfo:Set Name"));
    QCOMPARE(KyTipsInfo::tips(), QStringLiteral("Tips"));   // no translator: the source text
}

void TestDialogs::messageAutoCloseAndLayout()
{
    BaseMessageDialog d(QString(), QStringLiteral("上传完成"), 4);
    QVERIFY(d.form().ConfirmButton->isHidden());
    QVERIFY(d.form().cancelButton->isHidden());
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(d.exec(), 0);
    QVERIFY(clock.elapsed() >= 1300);
    QVERIFY(clock.elapsed() < 5000);

    // Short texts (at most 21 characters) stand lower: two line breaks instead of one.
    const QString blanks(4, ' ');
    QCOMPARE(BaseMessageDialog::layoutText(QString(21, 'a')), blanks + "\r\n\r\n" + blanks + QString(21, 'a'));
    QCOMPARE(BaseMessageDialog::layoutText(QString(22, 'a')), blanks + "\r\n" + blanks + QString(22, 'a'));
    QCOMPARE(BaseMessageDialog::layoutText(QString()), blanks + "\r\n\r\n" + blanks);
    BaseMessageDialog shown(QString(), QStringLiteral("连接超时"), 1);
    QVERIFY(shown.form().infoTextEdit->toPlainText().endsWith(QStringLiteral("    连接超时")));
    QVERIFY(shown.form().infoTextEdit->isReadOnly());
}

void TestDialogs::oldMessageBoxFlags()
{
    struct Case {
        int flags;
        bool onlyOk, okCancel;
    };
    for (const Case& c : {Case{1, true, false}, Case{3, false, true}, Case{0, false, false}, Case{2, false, false}}) {
        onNextModal([c](QWidget* w) {
            auto* box = static_cast<KyMessageBox*>(w);
            QCOMPARE(box->form().OnlyOk_2->isVisible(), c.onlyOk);
            QCOMPARE(box->form().OkAndCancel->isVisible(), c.okCancel);
            QCOMPARE(box->form().LblText->text(), QStringLiteral("message %1").arg(c.flags));
            // The header's close button closes it whatever the flags.
            QTest::mouseClick(box->findChild<QPushButton*>("fBtnClosed"), Qt::LeftButton);
        });
        QCOMPARE(KyMessageBox::showMessage(nullptr, QStringLiteral("ignored"), QStringLiteral("message %1").arg(c.flags),
                                           c.flags),
                 0);
    }
    // One shared instance, reused; OK accepts.
    KyMessageBox* first = KyMessageBox::sharedInstance();
    QVERIFY(first);
    onNextModal([](QWidget* w) { QTest::mouseClick(static_cast<KyMessageBox*>(w)->form().OkBtn, Qt::LeftButton); });
    QCOMPARE(KyMessageBox::showMessage(nullptr, QString(), QStringLiteral("again"), 1), 1);
    QCOMPARE(KyMessageBox::sharedInstance(), first);
}

void TestDialogs::renameDialog()
{
    BaseSetNameDialog d;
    QCOMPARE(d.windowTitle(), KyTipsInfo::setName());
    QCOMPARE(d.form().titleNameLabel->text(), KyTipsInfo::setName());
    d.setName("旧名称");
    d.setName(nullptr);
    QCOMPARE(d.form().fNameEdit->text(), QStringLiteral("旧名称"));
    d.setName(std::string(40, 'x').c_str());
    QCOMPARE(d.getName(), std::string(32, 'x'));
    d.setTitle(QStringLiteral("New Dir"));
    QCOMPARE(d.form().titleNameLabel->text(), QStringLiteral("New Dir"));

    // OK with an empty field: "Setting Error!" and the dialog stays open; Cancel then returns 0.
    d.form().fNameEdit->clear();
    QString shownText;
    onNextModal([&](QWidget* w) {
        auto* msg = qobject_cast<BaseMessageDialog*>(w);
        QVERIFY(msg);
        shownText = msg->form().infoTextEdit->toPlainText();
        QTest::mouseClick(msg->form().ConfirmButton, Qt::LeftButton);
        QTimer::singleShot(50, [&d] {
            QVERIFY(d.isVisible());
            QCOMPARE(d.acceptedName(), std::string());
            QTest::mouseClick(d.form().fCancelBtn, Qt::LeftButton);
        });
    }, &d);
    QTimer::singleShot(50, [&d] { QTest::mouseClick(d.form().fOkBtn, Qt::LeftButton); });
    QCOMPARE(d.exec(), 0);
    QVERIFY(shownText.contains(QStringLiteral("Setting Error!")));

    // A typed name is accepted and handed back as UTF-8; blanks only are a name too.
    BaseSetNameDialog named;
    QTimer::singleShot(50, [&named] {
        named.form().fNameEdit->setText(QStringLiteral("广播区"));
        QTest::keyClicks(named.form().fNameEdit, " 1");
        QTest::mouseClick(named.form().fOkBtn, Qt::LeftButton);
    });
    QCOMPARE(named.exec(), 1);
    QCOMPARE(named.acceptedName(), std::string("广播区 1"));
    BaseSetNameDialog blanks;
    blanks.setName("   ");
    QTimer::singleShot(50, [&blanks] { QTest::mouseClick(blanks.form().fOkBtn, Qt::LeftButton); });
    QCOMPARE(blanks.exec(), 1);
    // Escape returns 0 without a message.
    BaseSetNameDialog escaped;
    QTimer::singleShot(50, [&escaped] { QTest::keyClick(&escaped, Qt::Key_Escape); });
    QCOMPARE(escaped.exec(), 0);
}

void TestDialogs::dragging()
{
    QWidget window;
    window.setGeometry(100, 100, 200, 100);
    KyDragMoveHelper mover(&window);
    auto event = [](QEvent::Type type, QPoint local, QPoint global, Qt::MouseButton button) {
        return QMouseEvent(type, local, global, button, button, Qt::NoModifier);
    };
    // A move without a press does not move; a right-button press starts nothing.
    QMouseEvent move1 = event(QEvent::MouseMove, {10, 10}, {400, 400}, Qt::NoButton);
    mover.mouseMove(&move1);
    QCOMPARE(window.pos(), QPoint(100, 100));
    QMouseEvent right = event(QEvent::MouseButtonPress, {10, 10}, {110, 110}, Qt::RightButton);
    mover.mousePress(&right);
    QVERIFY(!mover.isDragging());
    // Left press at (10, 10) of the window, cursor to (300, 250): the point stays under the cursor.
    QMouseEvent press = event(QEvent::MouseButtonPress, {10, 10}, {110, 110}, Qt::LeftButton);
    mover.mousePress(&press);
    QMouseEvent move2 = event(QEvent::MouseMove, {0, 0}, {300, 250}, Qt::NoButton);
    mover.mouseMove(&move2);
    QCOMPARE(window.pos(), QPoint(290, 240));
    QMouseEvent release = event(QEvent::MouseButtonRelease, {0, 0}, {300, 250}, Qt::LeftButton);
    mover.mouseRelease(&release);
    mover.mouseMove(&move1);
    QCOMPARE(window.pos(), QPoint(290, 240));

    // The header filter starts on any button and moves by the cursor's travel.
    QWidget title(&window);
    KyTitleMoveEvent filter(&window, &title);
    QMouseEvent rightPress = event(QEvent::MouseButtonPress, {1, 1}, {500, 500}, Qt::RightButton);
    filter.eventFilter(&title, &rightPress);
    QVERIFY(filter.isDragging());
    QMouseEvent travel = event(QEvent::MouseMove, {1, 1}, {520, 470}, Qt::NoButton);
    QVERIFY(!filter.eventFilter(&title, &travel));
    QCOMPARE(window.pos(), QPoint(310, 210));
}

void TestDialogs::noticeSlotsAndShowing()
{
    QWidget page;
    page.resize(800, 600);
    // Too low for one notice: no notices at all.
    QWidget low;
    low.resize(800, 200);
    MsgTipsGroup none(&low, 250, 65, 25, 80, 65);
    QCOMPARE(none.count(), 0);
    QVERIFY(!none.freeTip());
    QVERIFY(!none.tipWithText(QString()));

    MsgTipsGroup group(&page, 250, 65, 25, 80, 65);
    QCOMPARE(group.count(), (600 - 80 - 65) / 70);
    QCOMPARE(group.slotRect(0), QRect(800 - 250 - 25, 600 - 65 - 65, 250, 65));
    QCOMPARE(group.slotRect(2), QRect(525, 600 - 65 - 65 - 140, 250, 65));

    MsgTips* tip = group.freeTip();
    QCOMPARE(tip, group.tipAt(0));
    tip->setTipText(QStringLiteral("a.wav"));
    tip->setLabelText(QStringLiteral("下载 0%"));
    tip->showFor(-1);
    QVERIFY(tip->isShowing());
    QCOMPARE(tip->timerId(), 0);
    tip->setMessage(QStringLiteral("下载 50%"));
    QCOMPARE(tip->timerId(), 0);   // no delay given: still no timer
    QCOMPARE(tip->label()->text(), QStringLiteral("下载 50%"));
    QCOMPARE(group.freeTip(), group.tipAt(1));

    // Same key twice: the earlier one in the current order.
    group.tipAt(1)->setTipText(QStringLiteral("a.wav"));
    QCOMPARE(group.tipWithText(QStringLiteral("a.wav")), tip);

    tip->setTipStyle(2);
    QVERIFY(tip->panel()->styleSheet().contains("#fdf6ec"));
    tip->setTipStyle(7);
    QVERIFY(tip->panel()->styleSheet().contains("#fdf6ec"));
    QSignalSpy relay(tip, &MsgTips::updateMsgTipsGroup);
    tip->showFor(30);
    QVERIFY(relay.wait(2000));
    QVERIFY(!tip->isShowing());
    QVERIFY(tip->tipText().isEmpty());
    QVERIFY(tip->panel()->styleSheet().contains("#f0f9eb"));

    // With every notice showing there is none free.
    for (int i = 0; i < group.count(); ++i)
        group.tipAt(i)->showFor(-1);
    QVERIFY(!group.freeTip());
}

void TestDialogs::noticeRelay()
{
    QWidget page;
    page.resize(600, 400);
    MsgTipsGroup group(&page, 250, 65, 25, 80, 65);
    QVERIFY(group.count() >= 3);
    MsgTips* low = group.freeTip();
    low->showFor(-1);
    MsgTips* mid = group.freeTip();
    mid->showFor(-1);
    MsgTips* high = group.freeTip();
    high->showFor(-1);
    QCOMPARE(high->panel()->geometry(), group.slotRect(2));

    // The lowest hides: the two above move down one slot each, keeping their order.
    QSignalSpy relay(low, &MsgTips::updateMsgTipsGroup);
    low->showFor(10);
    QVERIFY(relay.wait(2000));
    QCOMPARE(group.tipAt(0), mid);
    QCOMPARE(group.tipAt(1), high);
    QCOMPARE(mid->panel()->geometry(), group.slotRect(0));
    QCOMPARE(high->panel()->geometry(), group.slotRect(1));
    QCOMPARE(low->panel()->geometry(), group.slotRect(2));
    QCOMPARE(group.freeTip(), low);
}

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
