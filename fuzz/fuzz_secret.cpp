// Stored secrets: any text handed to the decipherer, and any secret through
// an encipher and decipher round trip.

#include "FuzzSupport.h"

#include "system/SecretCipher.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the length the caller claims; the rest is the text.
    const unsigned int claimed = data[0];
    QByteArray text(reinterpret_cast<const char *>(data + 1), int(size - 1));
    if (char *plain = decryptPassword(text.constData(), claimed))
        std::free(plain);
    decryptPassword(QString::fromLatin1(text));

    QString secret = QString::fromUtf8(text);
    const int nul = secret.indexOf(QChar(0));
    if (nul >= 0)
        secret.truncate(nul);
    const QString stored = encryptPassword(secret);
    if (stored.isEmpty())
        fuzz::fail("a secret could not be enciphered");
    if (stored.size() % 32 != 0)
        fuzz::fail("cipher text is not whole blocks");
    for (const QChar c : stored) {
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9'))
              || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))))
            fuzz::fail("stored form is not lower-case hex");
    }
    if (decryptPassword(stored) != secret)
        fuzz::fail("a secret did not survive the round trip");
    return 0;
}
