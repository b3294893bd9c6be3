#include "CryptoText.h"

#include "AesCipher.h"
#include "Sha256.h"

#include <cstring>
#include <vector>

namespace {

// The IV both ends of a note transfer use; assembled at run time.
void LoadTextIv(BYTE iv[16]) {
    const char* parts[] = {"ZorelLan", "NoteIv16"};
    memcpy(iv, parts[0], 8);
    memcpy(iv + 8, parts[1], 8);
}

}  // namespace

CStringA EncryptString(const CStringA& text) {
    if (text.IsEmpty()) return CStringA();
    AesCipher aes(nullptr, AesCipher::CreateContainer | AesCipher::TemporaryContainer);
    BYTE iv[16];
    LoadTextIv(iv);
    if (!aes.SetKeyWithIv(aes.LoadAppKey(), 16, iv, 16)) return CStringA();
    char plain[256] = {};
    strncpy(plain, text, 255);
    DWORD length = (DWORD)strlen(plain);
    DWORD size = 0;
    AesCipher::GetCipherTextSize(length, size);
    std::vector<BYTE> cipher(size);
    if (!aes.Encrypt((const BYTE*)plain, length, cipher.data(), size)) return CStringA();
    CStringA digits;
    for (DWORD i = 0; i < size; ++i) digits.AppendFormat("%03d", cipher[i]);
    return digits;
}

CStringA DecryptString(const CStringA& digits) {
    if (digits.IsEmpty()) return CStringA();
    int used = std::min(digits.GetLength(), 256);
    int count = (used + 2) / 3;
    // Digits are not checked: each group of three gives a byte modulo 256, a
    // missing character counting as a zero byte.
    std::vector<BYTE> cipher((size_t)count);
    for (int i = 0; i < count; ++i) {
        int c[3];
        for (int j = 0; j < 3; ++j) c[j] = 3 * i + j < used ? (unsigned char)digits[3 * i + j] : 0;
        cipher[(size_t)i] = (BYTE)(((c[0] - 48) * 10 + (c[1] - 48)) * 10 + (c[2] - 48));
    }
    if (count % 16) return CStringA();
    AesCipher aes(nullptr, AesCipher::CreateContainer | AesCipher::TemporaryContainer);
    BYTE iv[16];
    LoadTextIv(iv);
    if (!aes.SetKeyWithIv(aes.LoadAppKey(), 16, iv, 16)) return CStringA();
    std::vector<BYTE> plain((size_t)count + 1, 0);
    DWORD size = (DWORD)count;
    if (!aes.Decrypt(cipher.data(), (DWORD)count, plain.data(), size)) return CStringA();
    return CStringA((const char*)plain.data(), (int)strnlen((const char*)plain.data(), size));
}

CString HashPassword(const CString& text, bool appendSalt) {
    CString salted = text;
    if (appendSalt) salted += L"Tz%8pN&3jY*5bQ!e";
    CStringA bytes = StringToAnsi(salted);
    Sha256Context context;
    Sha256Init(&context);
    Sha256Update(&context, bytes.GetString(), strlen(bytes.GetString()));
    uint8_t digest[32];
    Sha256Final(digest, &context);
    CString hex;
    for (uint8_t b : digest) hex.AppendFormat(L"%02x", b);
    return hex;
}
