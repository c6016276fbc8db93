#include "core/CMD5.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <random>

namespace {

// Qt's MD5 over the bytes we expect CMD5 to hash.
QString QtMd5(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

}  // namespace

TEST(CMD5, Rfc1321TestSuite)
{
    struct Case {
        const char* message;
        const char* digest;
    };
    const Case cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    CMD5 md5;
    for (const Case& c : cases)
        EXPECT_EQ(md5.MD5(QString::fromLatin1(c.message)), QString::fromLatin1(c.digest))
            << "message \"" << c.message << "\"";
}

// Every length from 0 to 200 covers the padding borders (55, 56, 63, 64,
// 65 and their next-block twins) with all 256 byte values, NUL included.
TEST(CMD5, MatchesQtForRandomLatin1Texts)
{
    std::mt19937 rng(1321);
    std::uniform_int_distribution<int> byte(0, 255);
    CMD5 md5;
    for (int len = 0; len <= 200; ++len) {
        QByteArray bytes(len, Qt::Uninitialized);
        for (char& b : bytes) b = static_cast<char>(byte(rng));
        EXPECT_EQ(md5.MD5(QString::fromLatin1(bytes)), QtMd5(bytes)) << "length " << len;
    }
}

TEST(CMD5, LongTextOverManyBlocks)
{
    QByteArray bytes;
    for (int i = 0; i < 100003; ++i) bytes.append(static_cast<char>(i * 7 + i / 256));
    EXPECT_EQ(CMD5().MD5(QString::fromLatin1(bytes)), QtMd5(bytes));
}

TEST(CMD5, OneBytePerCharacter)
{
    CMD5 md5;
    // N with tilde is the single byte D1, not its two UTF-8 bytes.
    EXPECT_EQ(md5.MD5(QStringLiteral("PE\u00D1A")),
              QtMd5(QByteArray("PE\xD1"
                               "A")));
    EXPECT_NE(md5.MD5(QStringLiteral("\u00D1")), QtMd5(QStringLiteral("\u00D1").toUtf8()));
    // Beyond Latin-1 only the low byte of the code unit counts (euro sign 20AC -> AC).
    EXPECT_EQ(md5.MD5(QStringLiteral("1\u20AC")), QtMd5(QByteArray("1\xAC")));
}

TEST(CMD5, ThirtyTwoLowerCaseHexDigits)
{
    const QRegularExpression hex(QStringLiteral("^[0-9a-f]{32}$"));
    CMD5 md5;
    for (const char* m : {"", "\xFF\xFF", "DJ2024"})
        EXPECT_TRUE(hex.match(md5.MD5(QString::fromLatin1(m))).hasMatch()) << m;
}
