#include "system/SecretCipher.h"

#include <QByteArray>

#include <openssl/evp.h>

#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

const unsigned char fixedPassPhrase[] = {'M', 'O', 'S', 'S', 'G', 'R', 'A', 'V', 'E'};
const int fixedPassPhraseLength = sizeof fixedPassPhrase;
const int keyLength = 32;
const int derivationRounds = 5;
const int blockSize = 16;

// The salt is not kept as one stored string; it is laid out from two words,
// least significant byte first, so that it is the same on every host.
const quint32 saltWords[2] = {0x5A17C3E9u, 0x2B94D06Fu};

void buildSalt(unsigned char salt[8])
{
    for (int word = 0; word < 2; ++word)
        for (int byte = 0; byte < 4; ++byte)
            salt[word * 4 + byte] = static_cast<unsigned char>(saltWords[word] >> (8 * byte));
}

// Owns one heap cipher context.
struct CipherContext
{
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    ~CipherContext() { EVP_CIPHER_CTX_free(ctx); }
    CipherContext() = default;
    CipherContext(const CipherContext &) = delete;
    CipherContext &operator=(const CipherContext &) = delete;
};

// Sets up the fixed key in the contexts it is given.
bool initFixedCipher(EVP_CIPHER_CTX *encryptContext, EVP_CIPHER_CTX *decryptContext)
{
    unsigned char salt[8];
    buildSalt(salt);
    return initPasswordCipher(fixedPassPhrase, fixedPassPhraseLength, salt, encryptContext,
                              decryptContext);
}

} // namespace

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 0;
}

bool hexDecode(const char *text, unsigned char **bytes, int *length)
{
    if (!text || !bytes || !length)
        return false;
    const size_t textLength = std::strlen(text);
    if (textLength == 0 || textLength % 2 != 0 || textLength / 2 > size_t(INT_MAX - 1))
        return false;
    const int count = int(textLength / 2);
    unsigned char *out = static_cast<unsigned char *>(std::malloc(size_t(count) + 1));
    if (!out)
        return false;
    for (int i = 0; i < count; ++i)
        out[i] = static_cast<unsigned char>(16 * hexDigitValue(text[2 * i])
                                            + hexDigitValue(text[2 * i + 1]));
    out[count] = '\0';
    *bytes = out;
    *length = count;
    return true;
}

bool initPasswordCipher(const unsigned char *passPhrase, int passPhraseLength,
                        const unsigned char *salt, EVP_CIPHER_CTX *encryptContext,
                        EVP_CIPHER_CTX *decryptContext)
{
    unsigned char key[keyLength];
    unsigned char iv[EVP_MAX_IV_LENGTH];
    const EVP_CIPHER *cipher = EVP_aes_256_cbc();
    if (EVP_BytesToKey(cipher, EVP_sha1(), salt, passPhrase, passPhraseLength, derivationRounds,
                       key, iv)
        != keyLength)
        return false;
    bool ok = true;
    if (encryptContext)
        ok = EVP_CIPHER_CTX_reset(encryptContext) == 1
             && EVP_EncryptInit_ex(encryptContext, cipher, nullptr, key, iv) == 1;
    if (ok && decryptContext)
        ok = EVP_CIPHER_CTX_reset(decryptContext) == 1
             && EVP_DecryptInit_ex(decryptContext, cipher, nullptr, key, iv) == 1;
    OPENSSL_cleanse(key, sizeof key);
    OPENSSL_cleanse(iv, sizeof iv);
    return ok;
}

unsigned char *aesDecryptBuffer(EVP_CIPHER_CTX *decryptContext, const unsigned char *cipherText,
                                int *length)
{
    if (!decryptContext || !cipherText || !length || *length < 0
        || *length > INT_MAX - 2 * blockSize)
        return nullptr;
    const int inLength = *length;
    *length = 0;
    // Room for a spare block and the terminating NUL.
    unsigned char *out =
        static_cast<unsigned char *>(std::malloc(size_t(inLength) + blockSize + 1));
    if (!out)
        return nullptr;
    int updateLength = 0;
    int finalLength = 0;
    if (EVP_DecryptInit_ex(decryptContext, nullptr, nullptr, nullptr, nullptr) != 1
        || EVP_DecryptUpdate(decryptContext, out, &updateLength, cipherText, inLength) != 1
        || EVP_DecryptFinal_ex(decryptContext, out + updateLength, &finalLength) != 1) {
        std::free(out);
        return nullptr;
    }
    out[updateLength + finalLength] = '\0';
    *length = updateLength + finalLength;
    return out;
}

unsigned char *encryptBuffer(EVP_CIPHER_CTX *encryptContext, const unsigned char *plainText,
                             int *length)
{
    if (!encryptContext || !plainText || !length || *length < 0
        || *length > INT_MAX - 2 * blockSize)
        return nullptr;
    const int inLength = *length;
    *length = 0;
    unsigned char *out = static_cast<unsigned char *>(std::malloc(size_t(inLength) + blockSize));
    if (!out)
        return nullptr;
    int updateLength = 0;
    int finalLength = 0;
    if (EVP_EncryptInit_ex(encryptContext, nullptr, nullptr, nullptr, nullptr) != 1
        || EVP_EncryptUpdate(encryptContext, out, &updateLength, plainText, inLength) != 1
        || EVP_EncryptFinal_ex(encryptContext, out + updateLength, &finalLength) != 1) {
        std::free(out);
        return nullptr;
    }
    *length = updateLength + finalLength;
    return out;
}

unsigned char *encryptSecret(const char *text, int *length)
{
    if (!length)
        return nullptr;
    *length = 0;
    if (!text)
        return nullptr;
    const size_t textLength = std::strlen(text);
    if (textLength > size_t(INT_MAX - 2 * blockSize - 1))
        return nullptr;
    CipherContext encryptContext;
    if (!encryptContext.ctx || !initFixedCipher(encryptContext.ctx, nullptr))
        return nullptr;
    int cipherLength = int(textLength) + 1; // the NUL is enciphered too
    unsigned char *out = encryptBuffer(
        encryptContext.ctx, reinterpret_cast<const unsigned char *>(text), &cipherLength);
    *length = out ? cipherLength : 0;
    return out;
}

char *decryptPassword(const char *hexText, unsigned int cipherLength)
{
    unsigned char *decoded = nullptr;
    int decodedLength = 0;
    if (!hexDecode(hexText, &decoded, &decodedLength))
        return nullptr;
    CipherContext decryptContext;
    unsigned char *plain = nullptr;
    if (decryptContext.ctx && initFixedCipher(nullptr, decryptContext.ctx)) {
        // A caller's length can never reach past what was decoded.
        int length = cipherLength < unsigned(decodedLength) ? int(cipherLength) : decodedLength;
        plain = aesDecryptBuffer(decryptContext.ctx, decoded, &length);
    }
    std::free(decoded);
    return reinterpret_cast<char *>(plain);
}

QString encryptPassword(const QString &secret)
{
    const QByteArray bytes = secret.toUtf8();
    int length = 0;
    unsigned char *cipherText = encryptSecret(bytes.constData(), &length);
    if (!cipherText)
        return QString();
    const QByteArray hex =
        QByteArray::fromRawData(reinterpret_cast<const char *>(cipherText), length).toHex();
    std::free(cipherText);
    return QString::fromLatin1(hex);
}

QString decryptPassword(const QString &hexText)
{
    const QByteArray hex = hexText.toUtf8();
    char *plain = decryptPassword(hex.constData(), unsigned(hex.size() / 2));
    if (!plain)
        return QString();
    const QString secret = QString::fromUtf8(plain);
    std::free(plain);
    return secret;
}
