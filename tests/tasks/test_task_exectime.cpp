// Task vocabulary, the execution-time dialog and the execution-time table.

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextCodec>
#include <QTranslator>
#include <QTimeEdit>
#include <QtTest>

#include "KyExecTime.h"
#include "KyExecTimeDialog.h"
#include "KyExecTimeViewCtrl.h"
#include "KyModalCatcher.h"
#include "KyModalHelper.h"
#include "KyTaskVocabulary.h"
#include "ui_fExectTimeDialog.h"

namespace {

KyExecTime execTime(const char* label, int64_t seconds)
{
    KyExecTime t;
    t.setLabel(label);
    t.seconds = seconds;
    return t;
}

QStringList column(QTableWidget& table, int c)
{
    QStringList out;
    for (int r = 0; r < table.rowCount(); ++r)
        out << (table.item(r, c) ? table.item(r, c)->text() : QStringLiteral("<none>"));
    return out;
}

// Marks every text asked in the task pages' context.
class TaskContextTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return qstrcmp(context, "KyBaseTaskMgrForm") == 0
            ? QString::fromUtf8("KyBaseTaskMgrForm:文件") + QLatin1String(source) : QString();
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

class TestTaskExecTime : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8")); }

    void vocabulary()
    {
        QCOMPARE(broadcastTypeText(1), QString("File Play Broadcast"));
        QCOMPARE(broadcastTypeText(2), QString("Cap Broadcast"));
        QCOMPARE(broadcastTypeText(3), QString("TTS Broadcast"));
        QCOMPARE(broadcastTypeText(4), QString("Mic Broadcast"));
        for (int outside : {-1, 0, 5})
            QCOMPARE(broadcastTypeText(outside), QString("File Play Broadcast"));
        QCOMPARE(broadcastTypeText8(4), std::string("Mic Broadcast"));
        QCOMPARE(broadcastTypeText8(5), std::string("File Play Broadcast"));

        QCOMPARE(taskStateText(-1), std::string("Illegality"));
        QCOMPARE(taskStateText(0), std::string("Unknow"));
        QCOMPARE(taskStateText(1), std::string("Running"));
        QCOMPARE(taskStateText(2), std::string("Idle"));
        QCOMPARE(taskStateText(3), std::string("Illegality"));
        QCOMPARE(taskStateText(7), std::string("Illegality"));
        QCOMPARE(taskStateText(INT_MIN), std::string("Illegality"));

        // Translated in the shared context of the task pages, through UTF-8.
        TaskContextTranslator translator;
        qApp->installTranslator(&translator);
        QCOMPARE(broadcastTypeText(0), QString::fromUtf8("KyBaseTaskMgrForm:文件File Play Broadcast"));
        QCOMPARE(QString::fromStdString(broadcastTypeText8(3)), QString::fromUtf8("KyBaseTaskMgrForm:文件TTS Broadcast"));
        QCOMPARE(QString::fromStdString(taskStateText(-5)), QString::fromUtf8("KyBaseTaskMgrForm:文件Illegality"));
        qApp->removeTranslator(&translator);
    }

    void dialogInitialTime()
    {
        const struct { QTime now, shown; } cases[] = {
            {QTime(10, 20, 45), QTime(10, 23, 0)},
            {QTime(10, 58, 10), QTime(11, 1, 0)},
            {QTime(23, 58, 30), QTime(0, 1, 0)},
            {QTime(9, 0, 0, 999), QTime(9, 3, 0)},
        };
        for (const auto& c : cases) {
            KyExecTimeDialog dlg(c.now);
            QCOMPARE(dlg.form().fExecTimeEdit->time(), c.shown);
            QCOMPARE(dlg.form().fNameEdit->text(), QString::fromUtf8("执行时间"));
            QCOMPARE(dlg.form().fNameEdit->maxLength(), 32);
            QCOMPARE(dlg.form().fExecTimeEdit->displayFormat(), QString("HH:mm:ss"));
            QCOMPARE(dlg.windowTitle(), QString::fromUtf8("设置时间"));
            QCOMPARE(dlg.form().fCloseBtn->size(), QSize(23, 25));
        }
    }

    void dialogReadWrite()
    {
        KyExecTimeDialog dlg(QTime(8, 0));
        KyExecTime t = execTime("Morning", 30600);
        dlg.setExecTime(t);
        QCOMPARE(dlg.form().fNameEdit->text(), QString("Morning"));
        QCOMPARE(dlg.form().fExecTimeEdit->time(), QTime(8, 30));
        dlg.setExecTime(execTime("x", 86400 + 61));   // modulo one day
        QCOMPARE(dlg.form().fExecTimeEdit->time(), QTime(0, 1, 1));

        // An empty name keeps the label: empty for a fresh entry, the old one otherwise.
        dlg.form().fNameEdit->clear();
        dlg.form().fExecTimeEdit->setTime(QTime(0, 0));
        KyExecTime fresh;
        dlg.getExecTime(&fresh);
        QCOMPARE(fresh.labelText(), std::string());
        QCOMPARE(fresh.seconds, int64_t(0));
        dlg.getExecTime(&t);
        QCOMPARE(t.labelText(), std::string("Morning"));

        // 32 ASCII characters give 31 bytes; Chinese is cut to whole characters.
        dlg.form().fNameEdit->setText(QString(32, 'a'));
        dlg.getExecTime(&t);
        QCOMPARE(t.labelText(), std::string(31, 'a'));
        const QString chinese = QString::fromUtf8("第一节课上课铃声提醒广播");   // 36 bytes
        dlg.form().fNameEdit->setText(chinese);
        dlg.form().fExecTimeEdit->setTime(QTime(23, 59, 59));
        dlg.getExecTime(&t);
        QCOMPARE(QString::fromStdString(t.labelText()), chinese.left(10));
        QCOMPARE(t.seconds, int64_t(86399));
    }

    void dialogRefusesSeparators()
    {
        KyModalCatcher catcher([](QDialog*) {});   // the dialog under test stays open
        for (const char* bad : {"a#$%b", "up!!!down"}) {
            KyExecTimeDialog dlg(QTime(8, 0));
            bool openAfterRefusal = false;
            onNextModal([&](QWidget*) {
                dlg.form().fNameEdit->setText(QString::fromUtf8(bad));
                QTest::mouseClick(dlg.form().fOkBtn, Qt::LeftButton);
                openAfterRefusal = dlg.isVisible();
                dlg.form().fNameEdit->setText("fine #$ !!");
                QTest::mouseClick(dlg.form().fOkBtn, Qt::LeftButton);
            });
            QCOMPARE(dlg.exec(), int(QDialog::Accepted));
            QVERIFY(openAfterRefusal);
            QCOMPARE(catcher.lastText(), QString("Name contains illegal characters!"));
            KyExecTime t;
            dlg.getExecTime(&t);
            QCOMPARE(t.labelText(), std::string("fine #$ !!"));
        }
        QCOMPARE(catcher.texts.size(), 2);

        // Cancel and the close button reject; nothing is validated on OK otherwise.
        KyExecTimeDialog dlg(QTime(8, 0));
        onNextModal([&](QWidget*) { QTest::mouseClick(dlg.form().fCloseBtn, Qt::LeftButton); });
        QCOMPARE(dlg.exec(), int(QDialog::Rejected));
        onNextModal([&](QWidget*) {
            dlg.form().fNameEdit->clear();
            QTest::mouseClick(dlg.form().fOkBtn, Qt::LeftButton);
        });
        QCOMPARE(dlg.exec(), int(QDialog::Accepted));
        QCOMPARE(catcher.texts.size(), 2);
    }

    void tableOrderAndText()
    {
        QTableWidget table(0, 2);
        KyExecTimeViewCtrl ctrl(&table);
        KyExecTime out;
        QCOMPARE(ctrl.removeCurrent(), -1);
        QCOMPARE(ctrl.currentExecTime(&out), -1);
        QCOMPARE(ctrl.setCurrentExecTime(execTime("x", 1)), -1);

        ctrl.addExecTime(execTime("Evening", 64800));
        ctrl.addExecTime(execTime("Morning", 28800));
        QCOMPARE(column(table, 0), QStringList({"Morning", "Evening"}));
        QCOMPARE(column(table, 1), QStringList({"08:00:00", "18:00:00"}));
        QCOMPARE(table.item(0, 1)->data(Qt::UserRole).toLongLong(), 28800LL);
        std::list<KyExecTime> times;
        ctrl.getExecTimes(&times);
        QCOMPARE(KyExecTimeViewCtrl::joinExecTimes(times), std::string("Morning#$%28800!!!Evening#$%64800"));

        // Editing 07:00 to 20:00 moves the row below every earlier time.
        ctrl.addExecTime(execTime("Early", 25200));
        QCOMPARE(column(table, 0), QStringList({"Early", "Morning", "Evening"}));
        table.setCurrentCell(0, 0);
        QCOMPARE(ctrl.currentExecTime(&out), 0);
        QCOMPARE(out.labelText(), std::string("Early"));
        QCOMPARE(out.seconds, int64_t(25200));
        out.seconds = 72000;
        QCOMPARE(ctrl.setCurrentExecTime(out), 0);
        QCOMPARE(column(table, 0), QStringList({"Morning", "Evening", "Early"}));
        QCOMPARE(column(table, 1), QStringList({"08:00:00", "18:00:00", "20:00:00"}));

        // Equal times are both kept; midnight ends in "#$%0"; empty labels stay empty.
        ctrl.setExecTimes({execTime("B", 43200), execTime("", 0), execTime("A", 43200)});
        QCOMPARE(column(table, 0), QStringList({"", "B", "A"}));
        ctrl.getExecTimes(&times);
        const std::string text = KyExecTimeViewCtrl::joinExecTimes(times);
        QCOMPARE(text, std::string("#$%0!!!B#$%43200!!!A#$%43200"));

        // The model's parser gives the same list back.
        const std::list<KyExecTime> parsed = kyParseExecTimes(text);
        QCOMPARE(parsed.size(), times.size());
        auto p = parsed.begin();
        for (const KyExecTime& t : times) {
            QCOMPARE(p->labelText(), t.labelText());
            QCOMPARE(p->seconds, t.seconds);
            ++p;
        }
        QVERIFY(KyExecTimeViewCtrl::joinExecTimes({}).empty());

        // Delete removes the current row only.
        table.setCurrentCell(1, 0);
        QCOMPARE(ctrl.removeCurrent(), 0);
        QCOMPARE(column(table, 0), QStringList({"", "A"}));

        // Reading a row cuts a long label to whole characters.
        table.item(0, 0)->setText(QString(20, QChar(0x4E2D)));   // 60 bytes
        table.setCurrentCell(0, 0);
        QCOMPARE(ctrl.currentExecTime(&out), 0);
        QCOMPARE(out.labelText().size(), size_t(30));
    }
};

QTEST_MAIN(TestTaskExecTime)
#include "test_task_exectime.moc"
