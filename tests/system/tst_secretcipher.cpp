#include "TestMain.h"

#include "system/PerUserFiles.h"
#include "system/SecretCipher.h"

#include <QtTest>

#include <cstdlib>

// Known answers made outside this code with the openssl command line. The
// salt is the two words 0x5A17C3E9, 0x2B94D06F laid out least significant
// byte first: e9c3175a6fd0942b. EVP_BytesToKey with SHA-1 and count 5 is
// D1 = SHA1^5(pass || salt), Dn = SHA1^5(D(n-1) || pass || salt), where
// SHA1^5 is `openssl dgst -sha1 -binary` run five times over its own output;
// key = the first 32 bytes of D1 D2 D3, iv = the next 16:
//   key 44e5e89203b419123dee06d26dd21832eab03deee181c353fc8091f3d6315ede
//   iv  c7e17d86486a5391e01f313afc8882e7
// (The same recipe with one round gives what `openssl enc -md sha1 -S <salt>
// -P` prints, which checks it.) Each vector is then
//   printf '<secret>\0' | openssl enc -aes-256-cbc -K <key> -iv <iv> | xxd -p
// and the failing ones were checked to fail `openssl enc -d` with that key.
namespace {

const char emptyVector[] = "7283b5eb4b474611f584793fc768c3ee";
const char codeVector[] = "c410a1e7d2ece7a731f86fb8057410d5";      // "4711"
const char backslashVector[] = "c278697a5138b05c6cbb3e0d755293ec"; // a\\b as stored
// ('Zürich-Øresund-Łódź-€-' * 6)[:100], 100 characters, 150 bytes.
const char longVector[] =
    "b330518153c42612a3a65e50d6ed82ffbcd5b82a331e8f79be3f614c9cf2b6955d12cd764aa0313459"
    "2989aff511d0bf3196007d501d94e21289efd2cd56ed1cfcb8d2de649d362958508904cf4ecb7e658d"
    "9bbc28216be6dbcb7c03f0b85b7122d07ca3191619bb110ef59dfcfdabd27d79d227bc642000e8711f"
    "355bf50698693fe5eee125ddea02fc25d505d26fb6";
// "4711" enciphered with the salt 0102030405060708 instead.
const char otherSaltVector[] = "e91ff481bd702fef49db74c9d1ad2a65";

QString longSecret()
{
    return QStringLiteral("Z\u00fcrich-\u00d8resund-\u0141\u00f3d\u017a-\u20ac-")
        .repeated(6)
        .left(100);
}

// The char* form as the tabs call it: half the hex length as cipher length.
QString decryptRaw(const QByteArray &hex, bool *ok)
{
    char *plain = decryptPassword(hex.constData(), unsigned(hex.size() / 2));
    *ok = plain != nullptr;
    const QString text = plain ? QString::fromUtf8(plain) : QString();
    std::free(plain);
    return text;
}

} // namespace

class tst_SecretCipher : public QObject
{
    Q_OBJECT

private slots:
    void knownAnswers_data();
    void knownAnswers();
    void failures_data();
    void failures();
    void roundTrip_data();
    void roundTrip();
    void cipherLengthIsClamped();
    void hexDigits();
};

void tst_SecretCipher::knownAnswers_data()
{
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<QString>("plain");
    QTest::newRow("empty secret") << QByteArray(emptyVector) << QString();
    QTest::newRow("four-digit code") << QByteArray(codeVector) << QStringLiteral("4711");
    QTest::newRow("backslash kept doubled")
        << QByteArray(backslashVector) << QStringLiteral("a\\\\b");
    QTest::newRow("100 UTF-8 characters") << QByteArray(longVector) << longSecret();
    QTest::newRow("upper-case hex") << QByteArray(codeVector).toUpper() << QStringLiteral("4711");
}

void tst_SecretCipher::knownAnswers()
{
    QFETCH(QByteArray, hex);
    QFETCH(QString, plain);
    bool ok = false;
    QCOMPARE(decryptRaw(hex, &ok), plain);
    QVERIFY(ok);
    const QString viaQString = decryptPassword(QString::fromLatin1(hex));
    QVERIFY(!viaQString.isNull());
    QCOMPARE(viaQString, plain);
    // The enciphering side reproduces the stored form exactly, in lower case.
    QCOMPARE(encryptPassword(plain), QString::fromLatin1(hex).toLower());
}

void tst_SecretCipher::failures_data()
{
    QTest::addColumn<QByteArray>("hex");
    QByteArray lastBlockChanged(longVector);
    lastBlockChanged[lastBlockChanged.size() - 1] = '7';
    QByteArray codeChanged(codeVector);
    codeChanged[codeChanged.size() - 1] = '6';
    QTest::newRow("empty text") << QByteArray();
    QTest::newRow("odd length") << QByteArray(codeVector).left(31);
    QTest::newRow("other salt") << QByteArray(otherSaltVector);
    QTest::newRow("changed last block, one block") << codeChanged;
    QTest::newRow("changed last block, long") << lastBlockChanged;
    QTest::newRow("not a whole block") << QByteArray(codeVector).left(30);
}

void tst_SecretCipher::failures()
{
    QFETCH(QByteArray, hex);
    bool ok = true;
    decryptRaw(hex, &ok);
    QVERIFY(!ok);
    QVERIFY(decryptPassword(QString::fromLatin1(hex)).isNull());
}

void tst_SecretCipher::roundTrip_data()
{
    QTest::addColumn<QString>("secret");
    QTest::addColumn<int>("hexLength");
    QTest::newRow("14 characters fit one block") << QStringLiteral("abcdefghijklmn") << 32;
    QTest::newRow("15 characters take two") << QStringLiteral("abcdefghijklmno") << 64;
    QTest::newRow("non-ASCII") << QStringLiteral("P\u00e4ss w\u00f6rd \u65e5\u672c") << 64;
    QTest::newRow("long login") << QStringLiteral("x").repeated(2000) << 4032;
}

void tst_SecretCipher::roundTrip()
{
    QFETCH(QString, secret);
    QFETCH(int, hexLength);
    // As the tabs store a secret: backslashes doubled first, halved after.
    const QString stored = encryptPassword(secret);
    QCOMPARE(stored.size(), hexLength);
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-f]+$")).match(stored).hasMatch());
    QCOMPARE(encryptPassword(secret), stored);
    QCOMPARE(decryptPassword(stored), secret);

    const QString withBackslash = secret + QStringLiteral("\\x");
    const QString escaped =
        QString(withBackslash).replace(QLatin1String("\\"), QLatin1String("\\\\"));
    QCOMPARE(unescapeBackslashes(decryptPassword(encryptPassword(escaped))), withBackslash);
}

void tst_SecretCipher::cipherLengthIsClamped()
{
    // A caller's length beyond the decoded bytes must not read past them.
    char *plain = decryptPassword(codeVector, 4096);
    QVERIFY(plain);
    QCOMPARE(QByteArray(plain), QByteArray("4711"));
    std::free(plain);
    QVERIFY(!decryptPassword(codeVector, 0));
    QVERIFY(!decryptPassword(nullptr, 16));
}

void tst_SecretCipher::hexDigits()
{
    unsigned char *bytes = nullptr;
    int length = 0;
    // Characters that are no hex digits count as 0.
    QVERIFY(hexDecode("0aFFz1g-", &bytes, &length));
    QCOMPARE(length, 4);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(bytes), length + 1),
             QByteArray("\x0a\xff\x01\x00\x00", 5));
    std::free(bytes);
    QVERIFY(!hexDecode("abc", &bytes, &length));
    QVERIFY(!hexDecode("", &bytes, &length));
}

VM_TEST_GUILESS_MAIN(tst_SecretCipher)
#include "tst_secretcipher.moc"
