// Body parsers: XML row sets keep their texts through writer and parser;
// hostile bodies are refused; JSON member texts.
#include <QtTest>

#include "KyCommandRequest.h"
#include "KyDbpRows.h"
#include "KyJson.h"

namespace {
KyRow row(const char* id)
{
    KyRow r;
    r.add("id", id);
    return r;
}
}  // namespace

class TestBodies : public QObject {
    Q_OBJECT
private slots:
    void roundTripKeepsTexts();
    void awkwardBodies();
    void jsonMemberTexts();
    void jsonWriterText();
};

void TestBodies::roundTripKeepsTexts()
{
    KyRow row;
    row.add("terminalId", "1002");
    row.add("name", "前台  广播");       // double blank inside a name
    row.add("members", " 1001  1002 ");   // blanks at both ends and doubled
    row.add("comment", "a<b>&\"c'\nd");
    row.add("count(*)", "7");
    row.add("empty", "");
    std::vector<KyRow> rows{row, KyRow()}, out;
    QVERIFY(kyParseRows(kyWriteRows(rows), out));
    QCOMPARE(out.size(), size_t(2));
    QVERIFY(out[0].fields == row.fields);
    QVERIFY(out[1].fields.empty());
    QCOMPARE(out[0].toInt("terminalId"), 1002);
    QCOMPARE(out[0].toInt("count(*)"), 7);
    QCOMPARE(out[0].at(4), std::string("7"));
    QCOMPARE(out[0].toInt("name", -5), -5);
    QCOMPARE(out[0].toInt("missing", -6), -6);

    QVERIFY(kyParseRows(kyWriteRows({}), out));
    QVERIFY(out.empty());

    // Rows in the server's form are read a row at a time: the same texts.
    QVERIFY(kyParseRows(kyWriteRows({row, row}), out));
    QCOMPARE(out.size(), size_t(2));
    QVERIFY(out[1].fields == row.fields);
}

void TestBodies::awkwardBodies()
{
    std::vector<KyRow> out;
    for (const char* bad : {"", "{\"Id\":\"1\"}", "<Other/>", "<Result><Row>", "\xff\xfe<Result/>",
                            "<?\x17\x17x>\n<Result>\n\xd7", "<Result><Row><Field Name=\"a\">x\xe5\x89"})
        QVERIFY2(!kyParseRows(bad, out) && out.empty(), bad);
    // Bytes that are not UTF-8 (GBK, a truncated sequence), a NUL and the
    // characters that stand for them in the parser: every row, bytes as sent.
    const std::string gbk = "\xb4\xf3\xcc\xfc";   // "大厅" in GBK
    const std::string odd[] = {"a", gbk, std::string("x\0y", 3), "\xe5\x89", "\xef\x9c\x80\xef\x9f\xbf", "z"};
    std::string mixed = "<Result>";
    for (const std::string& name : odd)
        mixed += "<Row><Field Name=\"id\">1</Field><Field Name=\"name\">" + name + "</Field></Row>";
    mixed += "</Result>";
    QVERIFY(kyParseRows(mixed, out));
    QCOMPARE(out.size(), std::size(odd));
    for (size_t i = 0; i < out.size(); ++i)
        QCOMPARE(out[i].text("name"), odd[i]);
    // A reference to such a character reads as that character, also beside such bytes.
    QVERIFY(kyParseRows("<Result><Row><Field Name=\"a\">&#xF700;&#63487;\xff</Field></Row></Result>", out));
    QCOMPARE(out[0].text("a"), std::string("\xef\x9c\x80\xef\x9f\xbf\xff"));
    // A NUL sent as a reference, as the writer sends it, arrives whole.
    for (const char* nul : {"l&#0;r", "l&#x00;r"}) {
        QVERIFY(kyParseRows(std::string("<Result><Row><Field Name=\"a\">") + nul + "</Field></Row></Result>", out));
        QCOMPARE(out[0].text("a"), std::string("l\0r", 3));
    }
    // Bytes after the closing element cost none of the rows before it.
    const std::string set = kyWriteRows({row("1"), row("2")});
    for (const char* tail : {"garbage", "<!-- x -->", "<Row>", "<Result><Row>", "<?xml version=\"1.0\"?><Result/>"}) {
        QVERIFY2(kyParseRows(set + tail, out) && out.size() == 2 && out[1].text("id") == "2", tail);
        QVERIFY2(kyParseRows("<Result>\n<Row/><Other/></Result>\n" + std::string(tail), out) && out.size() == 1, tail);
    }
    // A pretty-printed set and a Field without a name.
    const char* body = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Result>\n  <Row>\n"
                       "    <Field Name=\"id\">12</Field>\n    <Field>x</Field>\n  </Row>\n</Result>\n";
    QVERIFY(kyParseRows(body, out));
    QCOMPARE(out.size(), size_t(1));
    QCOMPARE(out[0].fields.size(), size_t(2));
    QCOMPARE(out[0].text("id"), std::string("12"));
    QCOMPARE(out[0].at(1), std::string("x"));
    // Another element among the rows: read as one document, each row once.
    QVERIFY(kyParseRows("<Result><Row><Field Name=\"a\">1</Field></Row><Other/><Row/></Result>", out));
    QCOMPARE(out.size(), size_t(2));
    QCOMPARE(out[0].text("a"), std::string("1"));
}

void TestBodies::jsonMemberTexts()
{
    Json::Value v;
    QVERIFY(kyJsonParse("{\"a\":\"前台\",\"b\":12,\"c\":-3.7,\"d\":true,\"e\":null,\"f\":[1],"
                        "\"g\":1e300,\"h\":18446744073709551615,\"i\":\"\\u524d\"}", v));
    QCOMPARE(kyJsonText(v, "a"), std::string("前台"));
    QCOMPARE(kyJsonText(v, "b"), std::string("12"));
    QCOMPARE(kyJsonText(v, "c"), std::string("-3"));
    QCOMPARE(kyJsonText(v, "d"), std::string("1"));
    QCOMPARE(kyJsonText(v, "e"), std::string());
    QCOMPARE(kyJsonText(v, "f"), std::string());
    QCOMPARE(kyJsonText(v, "g"), std::string());   // no integer: not a usable value
    QCOMPARE(kyJsonText(v, "h"), std::string("18446744073709551615"));
    QCOMPARE(kyJsonText(v, "i"), std::string("前"));
    QCOMPARE(kyJsonText(v, "missing"), std::string());
    for (const char* bad : {"", "[1,2]", "\"x\"", "{\"a\":", "{\"a\" 1}"})
        QVERIFY2(!kyJsonParse(bad, v), bad);
}

void TestBodies::jsonWriterText()
{
    Json::Value v(Json::objectValue);
    v["Name"] = "前台";
    v["Id"] = "12";
    v["Comment"] = "a\"b\\c";
    // Keys sorted, compact, raw UTF-8, one closing line feed; the request
    // counts bytes, so each Chinese character counts three.
    const std::string text = kyJsonWrite(v);
    QCOMPARE(text, std::string("{\"Comment\":\"a\\\"b\\\\c\",\"Id\":\"12\",\"Name\":\"前台\"}\n"));
    KyCommandRequest req = KyCommandRequest::post("ModTalkTerminal", v);
    QVERIFY(req.toString().find("Content-Length:" + std::to_string(text.size()) + "\r\n") != std::string::npos);
    QCOMPARE(text.size(), size_t(48));
}

QTEST_GUILESS_MAIN(TestBodies)
#include "test_bodies.moc"
