// HMAC-SHA1 of the login against the RFC 2202 test vectors.
#include <QtTest>

#include <string>

#include "KyHmac.h"

class TestHmac : public QObject {
    Q_OBJECT
private slots:
    void rfc2202Vectors();
};

void TestHmac::rfc2202Vectors()
{
    struct Case {
        std::string key, data, digest;
    };
    const Case cases[] = {
        {std::string(20, '\x0b'), "Hi There", "b617318655057264e28bc0b6fb378c8ef146be00"},
        {"Jefe", "what do ya want for nothing?", "effcdf6ae5eb2fa2d27416d5f184df9c259a7c79"},
        {std::string(20, '\xaa'), std::string(50, '\xdd'), "125d7342b9ac11cd91a39af48aa17b4f63f175d3"},
        {std::string("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c\x0d\x0e\x0f\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19",
                     25),
         std::string(50, '\xcd'), "4c9007f4026250c6bc8414f9bf50c86c2d7235da"},
        {std::string(20, '\x0c'), "Test With Truncation", "4c1a03424b55e07fe7f27be1d58bb9324a9a5a04"},
        {std::string(80, '\xaa'), "Test Using Larger Than Block-Size Key - Hash Key First",
         "aa4ae5e15272d00e95705637ce8a3b55ed402112"},
        {std::string(80, '\xaa'), "Test Using Larger Than Block-Size Key and Larger Than One Block-Size Data",
         "e8e99d0f45237d786d6bbaa7965c7808bbff1a91"},
    };
    for (const Case& c : cases)
        QCOMPARE(kyHmacSha1Hex(c.key, c.data), c.digest);

    // The login digest: key = password, message = nonce, lower-case hex.
    QCOMPARE(kyLoginDigest("123456", "5f2c8e4a9b1d7c3e6a0f4b8d2e9c1a7f"),
             std::string("6ec71cad98b24ac41bb26da9190bf040ae6ea204"));
    // A Chinese password is keyed by its UTF-8 bytes; order of key and message matters.
    QVERIFY(kyLoginDigest("密码", "n1") != kyLoginDigest("n1", "密码"));
    QCOMPARE(kyLoginDigest("密码", "n1"), kyHmacSha1Hex("\xe5\xaf\x86\xe7\xa0\x81", "n1"));
}

QTEST_GUILESS_MAIN(TestHmac)
#include "test_hmac.moc"
