#pragma once

#include <QString>

typedef struct evp_cipher_ctx_st EVP_CIPHER_CTX;

// The stored-secret cipher. Secrets saved in the per-user files (access
// codes, box passwords, logins) are kept as AES-256-CBC cipher text in
// lower-case hex. Key and IV come from a fixed pass phrase and salt, so this
// only keeps secrets from being read at a glance; stored files depend on the
// derivation staying exactly as it is.
//
// The plaintext is the secret's UTF-8 bytes plus a terminating NUL. The
// cipher never touches backslashes: callers double them before enciphering
// and undo that (unescapeBackslashes) after deciphering.
//
// Every buffer handed out here is allocated with malloc; release it with free.

// "0"-"9", "a"-"f", "A"-"F" give 0 to 15; any other character gives 0.
int hexDigitValue(char c);

// Decodes two hex digits per byte. False (and no output) for a null, empty
// or odd-length text; otherwise *bytes gets a buffer of *length + 1 bytes,
// the last one NUL.
bool hexDecode(const char *text, unsigned char **bytes, int *length);

// Derives key and IV from the pass phrase and the 8-byte salt and sets up
// the given contexts (from EVP_CIPHER_CTX_new; either may be null) for
// encryption and decryption. False when the derivation or a set-up fails.
bool initPasswordCipher(const unsigned char *passPhrase, int passPhraseLength,
                        const unsigned char *salt, EVP_CIPHER_CTX *encryptContext,
                        EVP_CIPHER_CTX *decryptContext);

// Deciphers *length bytes as one message. Returns a buffer of the plaintext
// followed by a NUL and sets *length to the plaintext's length; null (and
// *length 0) when the padding does not check out or a step fails.
unsigned char *aesDecryptBuffer(EVP_CIPHER_CTX *decryptContext, const unsigned char *cipherText,
                                int *length);

// Enciphers *length bytes as one message. Returns the cipher text and sets
// *length to its length; null (and *length 0) when a step fails.
unsigned char *encryptBuffer(EVP_CIPHER_CTX *encryptContext, const unsigned char *plainText,
                             int *length);

// Enciphers the NUL-terminated text including its NUL under the fixed pass
// phrase and salt. Returns the cipher text with *length its length; null
// with *length 0 on failure.
unsigned char *encryptSecret(const char *text, int *length);

// Deciphers the first cipherLength bytes (clamped to the decoded length) of
// the hex text. Returns the NUL-terminated plaintext as stored (UTF-8,
// backslashes still doubled); null for an empty, null or odd-length text,
// and when the key set-up or the decryption fails.
char *decryptPassword(const char *hexText, unsigned int cipherLength);

// The stored hex form of a secret: its UTF-8 bytes plus NUL, enciphered,
// as lower-case hex. Empty when enciphering fails (store nothing then).
QString encryptPassword(const QString &secret);

// The secret a stored hex text holds (UTF-8, up to its first NUL); null when
// it does not decipher.
QString decryptPassword(const QString &hexText);
