// Framing of DBP messages under hostile segmentation and malformed input.
#include <QtTest>

#include <string>
#include <vector>

#include "KyDbpFramer.h"
#include "KyTestBadHeaders.h"

namespace {

std::string reply(int cseq, const std::string& type, const std::string& body, int code = 200)
{
    return "DBP/1.0 " + std::to_string(code) + (code == 200 ? " OK" : " Err") + "\r\nCSeq:" + std::to_string(cseq) +
           "\r\nPacket-Type:" + type + "\r\nContent-Length:" + std::to_string(body.size()) + "\r\n\r\n" + body;
}

std::string push(const std::string& type, const std::string& sub, const std::string& body)
{
    return "POST DBP/1.0\r\nCSeq: 90\r\nPacket-Type: " + type + "\r\nPacket-Subtype: " + sub +
           "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

// Feeds text in pieces of the given sizes (cycled). Through a handler that
// copies, the framer fills the same message again for each one.
std::vector<KyDbpMessage> feedIn(const std::string& text, const std::vector<size_t>& pieces, bool copied = false)
{
    KyDbpFramer f;
    std::vector<KyDbpMessage> out;
    size_t pos = 0, i = 0;
    while (pos < text.size()) {
        size_t n = std::min(pieces[i++ % pieces.size()], text.size() - pos);
        if (copied)
            f.feed(text.data() + pos, n, [&out](KyDbpMessage& m) { out.push_back(m); });
        else
            f.feed(text.data() + pos, n, out);
        pos += n;
    }
    return out;
}

std::string describe(const std::vector<KyDbpMessage>& msgs)
{
    std::string s;
    for (const auto& m : msgs)
        s += m.firstLine + "|" + std::to_string(m.isReply) + "|" + std::to_string(m.statusCode) + "|" +
             std::to_string(m.cseq) + "|" + m.packetType + "|" + m.packetSubtype + "|" + m.body + "#";
    return s;
}

} // namespace

class TestFramer : public QObject {
    Q_OBJECT
private slots:
    void segmentationGivesTheSameMessages();
    void headerForms();
    void malformedInputIsDroppedAndStreamRecovers();
    void limits();
};

void TestFramer::segmentationGivesTheSameMessages()
{
    const std::string chinese = "{\"Name\":\"前台广播区\"}\n";   // UTF-8 bytes, 27 of them
    const std::string xmlBody = "<Result><Row><Field Name=\"x\">a\r\n\r\nb</Field></Row></Result>";
    const std::string stream = reply(1, "Login", "{\"Nonce\":\"ab\"}\n") + push("SqlConfig", "mic02", xmlBody) +
                               reply(2, "KeepAlive", "") + "\r\n" + reply(3, "SqlConfig", chinese) +
                               reply(4, "Busy", "", 503) + push("DELETE", "Region", "\r\n\r\n\r\n");

    const auto whole = feedIn(stream, {stream.size()});
    QCOMPARE(whole.size(), size_t(6));
    QCOMPARE(whole[1].body, xmlBody);
    QCOMPARE(whole[1].pushName(), std::string("SqlConfig_mic02"));
    QVERIFY(!whole[1].isReply);
    QCOMPARE(whole[1].cseq, 90);
    QCOMPARE(whole[2].body, std::string());
    QCOMPARE(whole[3].body, chinese);
    QCOMPARE(whole[3].body.size(), size_t(27));
    QCOMPARE(whole[4].resultCode(), 2);
    QCOMPARE(whole[5].body, std::string("\r\n\r\n\r\n"));
    const std::string expected = describe(whole);

    QCOMPARE(describe(feedIn(stream, {1})), expected);
    QCOMPARE(describe(feedIn(stream, {2, 3, 5, 7})), expected);
    QCOMPARE(describe(feedIn(stream, {4096})), expected);
    QCOMPARE(describe(feedIn(stream, {stream.size()}, true)), expected);
    QCOMPARE(describe(feedIn(stream, {2, 3, 5, 7}, true)), expected);
    // Every cut point in two pieces, and every three-piece cut near the header ends.
    for (size_t cut = 1; cut < stream.size(); ++cut) {
        KyDbpFramer f;
        std::vector<KyDbpMessage> out;
        f.feed(stream.data(), cut, out);
        f.feed(stream.data() + cut, stream.size() - cut, out);
        QVERIFY2(describe(out) == expected, qPrintable(QString("cut at %1").arg(cut)));
        QCOMPARE(f.buffered(), size_t(0));
    }
}

void TestFramer::headerForms()
{
    // Blanks after the colon, names in any case, unknown headers, LF-only lines,
    // a missing Content-Length (0) and headers in another order.
    const std::string text = "DBP/1.0 401 Unauthorized\ncseq:  12 \nX-Other: 1\nPACKET-TYPE:Login\n\n"
                             "GET DBP/1.0\r\nContent-Length:2\r\nCSeq:5\r\nPacket-Type:KeepAlive\r\n\r\nok"
                             "DBP/1.0 200\r\nCSeq:6\r\nContent-Length:3\n\r\nabc";
    const auto msgs = feedIn(text, {1});
    QCOMPARE(msgs.size(), size_t(3));
    QCOMPARE(msgs[0].statusCode, 401);
    QCOMPARE(msgs[0].resultCode(), 1);
    QCOMPARE(msgs[0].cseq, 12);
    QCOMPARE(msgs[0].packetType, std::string("Login"));
    QCOMPARE(msgs[0].firstLine, std::string("DBP/1.0 401 Unauthorized"));
    QVERIFY(!msgs[1].isReply);
    QCOMPARE(msgs[1].body, std::string("ok"));
    QCOMPARE(msgs[1].cseq, 5);
    QCOMPARE(msgs[2].statusCode, 200);
    QCOMPARE(msgs[2].body, std::string("abc"));
    QCOMPARE(msgs[2].pushName(), std::string("_"));

    KyDbpMessage m;
    long long len = 0;
    const std::string bad = "DBP/1.0 200 OK\r\nCSeq:x1\r\nContent-Length:4";
    QVERIFY(KyDbpFramer::parseHeader(bad.data(), bad.size(), m, len));
    QCOMPARE(m.cseq, -1);
    QCOMPARE(len, 4LL);
}

void TestFramer::malformedInputIsDroppedAndStreamRecovers()
{
    // What follows a bad header (a push and a reply) is read whole: exactly
    // the bad bytes are dropped, whatever the segmentation.
    const std::string time = "{\"SystemTime\":\"1700000000\"}\n";
    const std::string good = push("SqlConfig", "mic02", "<Result/>\n") + reply(7, "GetSystemTime", time);
    std::vector<std::string> garbage = {
        "DBP/1.0 200 OK\r\nCSeq:1\r\nContent-Length:abc\r\n\r\nxyz\r\n",     // non-numeric length
        "DBP/1.0 200 OK\r\nContent-Length:-5\r\n\r\n",                      // negative length
        "DBP/1.0 2x0 OK\r\nCSeq:1\r\n\r\n",                                 // bad status
        "DBP/1.0 99999999999 OK\r\nCSeq:1\r\n\r\n",                         // status out of range
        "HELLO WORLD\r\nfoo:bar\r\n\r\n",                                  // not a message
        "\x01\x02\x03\xff\r\n\r\n",                                        // binary
        "DBP/1.0 200 OK\r\nContent-Length:99999999999999999999\r\n\r\n",    // length too long to parse
    };
    for (const std::string& g : kyBadHeaders())
        garbage.push_back(g);
    for (const std::string& g : garbage) {
        const std::string stream = g + good;
        for (size_t piece : {size_t(1), size_t(3), stream.size()}) {
            KyDbpFramer f;
            std::vector<KyDbpMessage> out;
            for (size_t pos = 0; pos < stream.size(); pos += piece)
                f.feed(stream.data() + pos, std::min(piece, stream.size() - pos), out);
            const QByteArray shown = QByteArray::fromStdString(g.substr(0, 40)).replace("\r", "\\r").replace("\n", "\\n");
            const QString what = QString::fromLatin1(shown) + " in pieces of " + QString::number(piece);
            QVERIFY2(out.size() == 2, qPrintable(what));
            QVERIFY(!out[0].isReply);
            QCOMPARE(out[0].pushName(), std::string("SqlConfig_mic02"));
            QCOMPARE(out[0].body, std::string("<Result/>\n"));
            QVERIFY(out[1].isReply);
            QCOMPARE(out[1].cseq, 7);
            QCOMPARE(out[1].packetType, std::string("GetSystemTime"));
            QCOMPARE(out[1].body, time);
            QVERIFY2(f.dropped() == g.size(), qPrintable(what + ": " + QString::number(f.dropped())));
        }
    }
}

void TestFramer::limits()
{
    // A header that never ends is dropped once it passes the limit; the
    // buffer stays bounded and the next message is still framed.
    KyDbpFramer f;
    std::vector<KyDbpMessage> out;
    std::string junk = "DBP/1.0 200 OK\r\n";
    for (int i = 0; i < 20000; ++i)
        junk += "X-Filler:abcdef\r\n";
    f.feed(junk.data(), junk.size(), out);
    QVERIFY(out.empty());
    QVERIFY(f.buffered() <= KyDbpFramer::kMaxHeader + 64);
    const std::string good = reply(3, "KeepAlive", "");
    f.feed(good.data(), good.size(), out);
    QCOMPARE(out.size(), size_t(1));
    QCOMPARE(out[0].cseq, 3);

    // Same without any line feed at all.
    KyDbpFramer g;
    std::string flat(KyDbpFramer::kMaxHeader + 10, 'a');
    for (int i = 0; i < 3; ++i)
        g.feed(flat.data(), flat.size(), out);
    QVERIFY(g.buffered() < 64);

    // A body larger than the limit is read past without being kept, whatever
    // the reads; the message in the same read as its last bytes comes through.
    KyDbpFramer h;
    out.clear();
    const std::string head = "DBP/1.0 200 OK\r\nCSeq:1\r\nContent-Length:" +
                             std::to_string(KyDbpFramer::kMaxBody + 1) + "\r\n\r\n";
    const std::string filler(1 << 22, 'x');
    h.feed(head.data(), 10, out);
    const std::string rest = head.substr(10) + filler.substr(0, 100);
    h.feed(rest.data(), rest.size(), out);
    size_t left = KyDbpFramer::kMaxBody + 1 - 100;
    for (int i = 0; left > 16; ++i) {
        const size_t n = std::min(left - 16, i < 3 ? size_t(7) : filler.size());
        h.feed(filler.data(), n, out);
        left -= n;
        QCOMPARE(h.buffered(), size_t(0));
    }
    const std::string tail = std::string(left, 'x') + good;
    h.feed(tail.data(), tail.size(), out);
    QCOMPARE(out.size(), size_t(1));
    QCOMPARE(out[0].cseq, 3);
    QCOMPARE(h.dropped(), head.size() + KyDbpFramer::kMaxBody + 1);

    // A body of exactly the limit, arriving in 64 KiB reads.
    KyDbpFramer k;
    out.clear();
    const std::string header = "DBP/1.0 200 OK\r\nCSeq:9\r\nPacket-Type:SqlConfig\r\nContent-Length:" +
                               std::to_string(KyDbpFramer::kMaxBody) + "\r\n\r\n";
    k.feed(header.data(), header.size(), out);
    const std::string piece(65536, 'z');
    for (size_t left = KyDbpFramer::kMaxBody; left > 0; left -= std::min(left, piece.size()))
        k.feed(piece.data(), std::min(left, piece.size()), out);
    QCOMPARE(out.size(), size_t(1));
    QCOMPARE(out[0].body.size(), KyDbpFramer::kMaxBody);
    QCOMPARE(out[0].body.find_first_not_of('z'), std::string::npos);
}

QTEST_GUILESS_MAIN(TestFramer)
#include "test_framer.moc"
