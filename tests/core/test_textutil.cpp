#include <QTextCodec>
#include <QtTest>

#include "KyCharset.h"
#include "KyTerminalType.h"
#include "KyTextUtil.h"

using Strings = std::vector<std::string>;

class TestTextUtil : public QObject {
    Q_OBJECT

private slots:
    void gbkConversions()
    {
        // Known GBK bytes of 管理中心.
        std::string gbk;
        QVERIFY(utf8ToGbk("管理中心", &gbk));
        QCOMPARE(gbk, std::string("\xB9\xDC\xC0\xED\xD6\xD0\xD0\xC4"));

        for (const char* name : {"张三", "广播分区1", "一楼大厅 Mic02", "ASCII only", ""}) {
            std::string there, back;
            QVERIFY(utf8ToGbk(name, &there));
            QVERIFY(gbkToUtf8(there, &back));
            QCOMPARE(back, std::string(name));
        }
        // A long text grows the output buffer more than once.
        std::string longName;
        for (int i = 0; i < 2000; ++i)
            longName += "终端";
        std::string there, back;
        QVERIFY(utf8ToGbk(longName, &there));
        QCOMPARE(there.size(), size_t(8000));
        QVERIFY(gbkToUtf8(there, &back));
        QCOMPARE(back, longName);

        // Faults are reported with their place, never cut short silently.
        std::string out = "old", error;
        QVERIFY(!utf8ToGbk("ab\xFF\xFE", &out, &error));
        QVERIFY(out.empty());
        QVERIFY2(QString::fromStdString(error).contains("byte 2"), error.c_str());
        QVERIFY(!utf8ToGbk("名字\xE4\xB8", &out, &error));  // cut in the middle of a character
        QVERIFY(out.empty());
        QVERIFY(!utf8ToGbk("表情😀", &out, &error));          // no GBK form
        QVERIFY2(QString::fromStdString(error).contains("byte 6"), error.c_str());
        QVERIFY(!gbkToUtf8("\xB9\xDC\x81", &out, &error));
        QVERIFY(out.empty());
        QVERIFY(!gbkToUtf8("\xB9\xDC\xFF\xFF", &out));
    }

    void formatting()
    {
        QCOMPARE(formatDuration(0), std::string("00:00:00"));
        QCOMPARE(formatDuration(3661), std::string("01:01:01"));
        QCOMPARE(formatDuration(86399), std::string("23:59:59"));
        QCOMPARE(formatDuration(255 * 3600 + 59), std::string("255:00:59"));
        // Hours keep their low 8 bits; the minutes take the rest.
        QCOMPARE(formatDuration(256 * 3600), std::string("00:15360:00"));
        QCOMPARE(formatDuration(257 * 3600 + 61), std::string("01:15361:01"));

        QCOMPARE(formatSizeMB(0), std::string("0.00MB"));
        QCOMPARE(formatSizeMB(1048576), std::string("1.00MB"));
        QCOMPARE(formatSizeMB(1048575), std::string("1.00MB"));
        QCOMPARE(formatSizeMB(5242), std::string("0.00MB"));
        QCOMPARE(formatSizeMB(5243), std::string("0.01MB"));
        QCOMPARE(formatSizeMB(3 * 1048576 / 2), std::string("1.50MB"));
        QCOMPARE(formatSizeMB(-1048576), std::string("-1.00MB"));
        QCOMPARE(formatSizeMB(int64_t(1) << 40), std::string("1048576.00MB"));

        QCOMPARE(fileNameOfPath("/record/2024/call_2.mp3"), std::string("call_2.mp3"));
        QCOMPARE(fileNameOfPath("call_2.mp3"), std::string("call_2.mp3"));
        QCOMPARE(fileNameOfPath("/record/"), std::string());
        QCOMPARE(fileNameOfPath(""), std::string());

        for (int i = 0; i < 30; ++i) {
            const int index = randomIndex();
            QVERIFY(index >= 0 && index <= 10);
        }

        QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
        QCOMPARE(localToQString("管理中心"), QString::fromUtf8("管理中心"));
        // Every byte is shown: a NUL as U+FFFD, like a byte that is not UTF-8.
        QCOMPARE(localToQString(std::string("l\0r\xff", 4)), QString::fromUtf8("l\uFFFDr\uFFFD"));
        QCOMPARE(localToQString(std::string()), QString());
    }

    void splitting()
    {
        struct Case {
            const char* text;
            const char* delimiter;
            Strings pieces;
        };
        const Case cases[] = {
            {"a!!!b!!!c", "!!!", {"a", "b", "c"}},
            {"a!!!!!!b", "!!!", {"a", "", "b"}},
            {"a!!!b!!!", "!!!", {"a", "b"}},
            {"!!!a", "!!!", {"", "a"}},
            {"!!!", "!!!", {""}},
            {"abc", "!!!", {"abc"}},
            {"", "!!!", {}},
            {"早上#$%28800", "#$%", {"早上", "28800"}},
            {"1.mp3@#$%2.mp3@#$%", "@#$%", {"1.mp3", "2.mp3"}},
            {"aaaa", "aa", {"", ""}},
            {"a b", "", {"a b"}},
        };
        for (const Case& c : cases) {
            Strings out;
            splitToStrings(c.text, &out, c.delimiter);
            QVERIFY2(out == c.pieces, c.text);
        }
        // Pieces are appended to what the list holds.
        Strings out{"kept"};
        splitToStrings("x,y", &out, ",");
        QCOMPARE(out, (Strings{"kept", "x", "y"}));
        splitToStrings("x,y", nullptr, ",");
    }

    void terminalTypes()
    {
        const std::pair<const char*, int> known[] = {{"01", 0},     {"PR", 1},    {"IP", 2},   {"MIC", 3},
                                                     {"MIC01", 4},  {"MIC02", 5}, {"IPD-S", 18}, {"IPD", 19},
                                                     {"CL", 30},    {"--", 31}};
        for (const auto& k : known)
            QCOMPARE(terminalTypeIndex(k.first), k.second);
        QCOMPARE(terminalTypeIndex(""), 32);
        for (const char* other : {"pr", "ip", "Ipd", "IPD-s", "cl", "XYZ", " IP", "IP ", "#6", "6", "(null)"})
            QCOMPARE(terminalTypeIndex(other), 31);

        QCOMPARE(terminalTypeName(2), std::string("Mic02"));
        QCOMPARE(terminalTypeName(3), std::string("Mic11"));
        QCOMPARE(terminalTypeName(4), std::string("Mic04"));
        QCOMPARE(terminalTypeName(6), std::string("IP"));
        QCOMPARE(terminalTypeName(8), std::string("M12"));
        for (int code : {-1, 0, 1, 5, 7, 9, 31, 32})
            QCOMPARE(terminalTypeName(code), std::string());
    }
};

QTEST_APPLESS_MAIN(TestTextUtil)
#include "test_textutil.moc"
