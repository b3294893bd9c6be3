#include "AesCipher.h"

#include "RegUtil.h"
#include "Scrambler.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string WithErrorName(const char* message, DWORD code) {
    char hex[16];
    snprintf(hex, sizeof(hex), "%lx", (unsigned long)code);
    return std::string(message) + GetCryptErrorName(code) + " (0x" + hex + ")";
}

// Touching buffers count as overlapping.
bool Overlap(const BYTE* a, DWORD aSize, const BYTE* b, DWORD bSize) {
    uintptr_t a0 = (uintptr_t)a, b0 = (uintptr_t)b;
    return !(a0 + aSize < b0 || b0 + bSize < a0);
}

[[noreturn]] void Raise(DWORD code, const char* message) {
    SetLastError(code);
    throw AesCipherException(message, code);
}

[[noreturn]] void Raise(const char* message) { throw AesCipherException(message); }

}  // namespace

AesCipher::AesCipher(const wchar_t* containerName, DWORD options) : m_options(options) {
    CString providerName;
    ReadRegString(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Cryptography\\Defaults\\Provider Types\\Type 024", L"Name",
                  providerName);
    wcsncpy(m_providers[0].name, providerName, 128);
    m_providers[0].type = PROV_RSA_AES;
    m_providers[0].flags = CRYPT_VERIFYCONTEXT;
    // The type's default provider, should the registry not name one.
    m_providers[1].type = PROV_RSA_AES;
    m_providers[1].flags = CRYPT_VERIFYCONTEXT;
    m_bAcquired = AcquireContext();
}

AesCipher::~AesCipher() {
    DestroyKey();
    if (m_hProvider) CryptReleaseContext(m_hProvider, 0);
    m_hProvider = 0;
    m_entryInUse = -1;
    SecureZeroMemory(m_appKey, sizeof(m_appKey));
}

bool AesCipher::Fail(const AesCipherException& e) {
    if (e.GetCode()) SetLastError(e.GetCode());
    if (m_options & ThrowExceptions) throw e;
    return false;
}

bool AesCipher::AcquireContext() {
    try {
        for (int i = 0; i < 2; ++i) {
            const ProviderEntry& entry = m_providers[i];
            const wchar_t* name = entry.name[0] ? entry.name : nullptr;
            if (CryptAcquireContextW(&m_hProvider, nullptr, name, entry.type, entry.flags)) {
                m_entryInUse = i;
                return true;
            }
            m_hProvider = 0;
        }
        Raise("AcquireContext: CryptAcquireContext failed");
    } catch (const AesCipherException& e) {
        return Fail(e);
    }
}

void AesCipher::DestroyKey() {
    if (m_hKey) CryptDestroyKey(m_hKey);
    m_hKey = 0;
    m_bReady = false;
}

bool AesCipher::SetKey(const BYTE* key, DWORD keySize) {
    DestroyKey();
    try {
        if (!m_hProvider) Raise("SetKey: Provider is not valid");
        if (!key) Raise("SetKey: Key buffer is NULL");
        ALG_ID algorithm = keySize == 16 ? CALG_AES_128 : keySize == 24 ? CALG_AES_192 : keySize == 32 ? CALG_AES_256 : 0;
        if (!algorithm) Raise("SetKey: Key size is not valid");
        struct {
            BLOBHEADER header;
            DWORD size;
            BYTE key[32];
        } blob = {};
        blob.header.bType = PLAINTEXTKEYBLOB;
        blob.header.bVersion = CUR_BLOB_VERSION;
        blob.header.aiKeyAlg = algorithm;
        blob.size = keySize;
        memcpy(blob.key, key, keySize);
        BOOL imported = CryptImportKey(m_hProvider, (const BYTE*)&blob, keySize + 12, 0, 0, &m_hKey);
        SecureZeroMemory(&blob, sizeof(blob));
        if (!imported) {
            m_hKey = 0;
            Raise("SetKey: Import key failed");
        }
        DWORD mode = CRYPT_MODE_CBC;
        if (!CryptSetKeyParam(m_hKey, KP_MODE, (const BYTE*)&mode, 0)) Raise("SetKey: Set CBC mode failed");
        return true;
    } catch (const AesCipherException& e) {
        return Fail(e);
    }
}

bool AesCipher::SetIv(const BYTE* iv, DWORD ivSize) {
    m_bReady = false;
    try {
        if (!m_hKey) Raise("SetIv: key is not valid");
        if (!iv) Raise("SetIv: IV buffer is NULL");
        if (ivSize != 16) Raise("SetIv: IV block size is not valid");
        if (!CryptSetKeyParam(m_hKey, KP_IV, iv, 0)) Raise("SetIv: Set IV failed");
        DWORD mode = CRYPT_MODE_CBC;
        if (!CryptSetKeyParam(m_hKey, KP_MODE, (const BYTE*)&mode, 0)) Raise("SetIv: Set CBC mode failed");
        m_bReady = true;
        return true;
    } catch (const AesCipherException& e) {
        return Fail(e);
    }
}

bool AesCipher::SetKeyWithIv(const BYTE* key, DWORD keySize, const BYTE* iv, DWORD ivSize) {
    if (!m_hProvider) return false;
    DestroyKey();
    try {
        if (!key) Raise("SetKeyWithIv: Key buffer is not valid");
        if (keySize != 16 && keySize != 24 && keySize != 32) Raise("SetKeyWithIv: Key size is not valid");
        if (!iv) Raise("SetKeyWithIv: IV buffer is not valid");
        if (ivSize != 16) Raise("SetKeyWithIv: IV size is not valid");
        if (!SetKey(key, keySize)) Raise("SetKeyWithIv: SetKey failed");
        if (!SetIv(iv, ivSize)) Raise("SetKeyWithIv: SetIv failed");
        return true;
    } catch (const AesCipherException& e) {
        return Fail(e);
    }
}

bool AesCipher::Encrypt(BYTE* buffer, DWORD bufferSize, DWORD dataSize, DWORD& outSize) {
    outSize = 0;
    try {
        if (!m_hKey) Raise((DWORD)NTE_BAD_KEY, "Encrypt(1): Key is not valid");
        if (!buffer) Raise(ERROR_INVALID_USER_BUFFER, "Encrypt(1): Buffer is NULL");
        DWORD needed = 0;
        if (dataSize > 0xFFFFFFFFu - 16 || (GetCipherTextSize(dataSize, needed), bufferSize < needed))
            Raise((DWORD)NTE_BUFFER_TOO_SMALL, "Encrypt(1): Buffer is too small");
        if (!m_bReady) Raise((DWORD)NTE_INVALID_PARAMETER, "Encrypt(1): IV has not been set");
        DWORD length = dataSize;
        if (!CryptEncrypt(m_hKey, 0, TRUE, 0, buffer, &length, bufferSize)) {
            DWORD code = GetLastError();
            throw AesCipherException(WithErrorName("Encrypt(1): CryptEncrypt failed - ", code), code);
        }
        outSize = length;
        return true;
    } catch (const AesCipherException& e) {
        return Fail(e);
    }
}

bool AesCipher::Decrypt(BYTE* buffer, DWORD bufferSize, DWORD dataSize, DWORD& outSize) {
    outSize = 0;
    try {
        if (!m_hKey) Raise((DWORD)NTE_BAD_KEY, "Decrypt(1): Key is not valid");
        if (!buffer) Raise(ERROR_INVALID_USER_BUFFER, "Decrypt(1): Buffer is NULL");
        if (dataSize % 16) Raise((DWORD)NTE_BAD_DATA, "Decrypt(1): Data size is not a multple of block size");
        // The provider reads all of dataSize from the buffer: it must be there.
        if (dataSize == 0 || dataSize > bufferSize)
            Raise((DWORD)NTE_BUFFER_TOO_SMALL, "Decrypt(1): Buffer is too small");
        if (!m_bReady) Raise((DWORD)NTE_INVALID_PARAMETER, "Decrypt(1): IV has not been set");
        DWORD length = dataSize;
        if (!CryptDecrypt(m_hKey, 0, TRUE, 0, buffer, &length)) {
            DWORD code = GetLastError();
            throw AesCipherException(WithErrorName("Decrypt(1): CryptDecrypt failed - ", code), code);
        }
        outSize = length;
        return true;
    } catch (const AesCipherException& e) {
        return Fail(e);
    }
}

bool AesCipher::Encrypt(const BYTE* plain, DWORD plainSize, BYTE* cipher, DWORD& cipherSize) {
    DWORD capacity = cipherSize;
    cipherSize = 0;
    if (!m_hProvider) return false;
    try {
        if (!plain && plainSize) Raise(ERROR_INVALID_USER_BUFFER, "Encrypt(2): Plain text buffer is not valid");
        if (!cipher) Raise(ERROR_INVALID_USER_BUFFER, "Encrypt(2): Cipher text buffer is not valid");
        if (Overlap(cipher, capacity, plain, plainSize)) Raise((DWORD)NTE_BUFFERS_OVERLAP, "Encrypt(2): Buffers overlap");
        if (capacity < plainSize) Raise("Encrypt(2): Unable to prepare plaintext buffer");
        if (plainSize) memcpy(cipher, plain, plainSize);
        DWORD produced = 0;
        if (!Encrypt(cipher, capacity, plainSize, produced)) {
            DWORD code = GetLastError();
            throw AesCipherException(WithErrorName("Encrypt(2): Encryption failed - ", code), code);
        }
        cipherSize = produced;
        return true;
    } catch (const AesCipherException& e) {
        cipherSize = 0;
        return Fail(e);
    }
}

bool AesCipher::Decrypt(const BYTE* cipher, DWORD cipherSize, BYTE* plain, DWORD& plainSize) {
    DWORD capacity = plainSize;
    plainSize = 0;
    if (!m_hProvider) return false;
    try {
        if (!cipher || !plain) Raise(ERROR_INVALID_USER_BUFFER, "Decrypt(2): Buffer is NULL");
        if (Overlap(cipher, cipherSize, plain, capacity)) Raise((DWORD)NTE_BUFFERS_OVERLAP, "Decrypt(2): Buffers overlap");
        if (capacity < cipherSize) Raise("Decrypt(2): Unable to prepare decryption buffer");
        memcpy(plain, cipher, cipherSize);
        DWORD produced = 0;
        if (!Decrypt(plain, cipherSize, cipherSize, produced)) {
            DWORD code = GetLastError();
            throw AesCipherException(WithErrorName("Decrypt(2): Decryption failed - ", code), code);
        }
        plainSize = produced;
        return true;
    } catch (const AesCipherException& e) {
        plainSize = 0;
        return Fail(e);
    }
}

bool AesCipher::GetCipherTextSize(DWORD plainSize, DWORD& cipherSize) {
    cipherSize = (plainSize / 16 + 1) * 16;
    return true;
}

bool AesCipher::GetPlainTextSize(DWORD cipherSize, DWORD& plainSize) {
    if (cipherSize % 16) return false;
    plainSize = cipherSize;
    return true;
}

const BYTE* AesCipher::LoadAppKey() {
    // Assembled at run time so that the key text never sits in the program whole.
    char text[17] = {};
    const char* parts[] = {"Zorel", "Note", "Send", "Key"};
    for (const char* part : parts) strncat(text, part, sizeof(text) - 1 - strlen(text));
    text[16] = 0;
    char scrambled[128] = {};
    ScrambleTextToBuffer(text, scrambled, sizeof(scrambled));
    memcpy(m_appKey, scrambled, sizeof(m_appKey));
    SecureZeroMemory(scrambled, sizeof(scrambled));
    SecureZeroMemory(m_spareKey, sizeof(m_spareKey));
    return m_appKey;
}

const char* GetCryptErrorName(DWORD code) {
    struct Name {
        DWORD code;
        const char* name;
    };
    static const Name names[] = {
        {5, "ERROR_ACCESS_DENIED"}, {6, "ERROR_INVALID_HANDLE"}, {55, "ERROR_DEV_NOT_EXIST"},
        {87, "ERROR_INVALID_PARAMETER"}, {0x80090001, "NTE_BAD_UID"}, {0x80090002, "NTE_BAD_HASH"},
        {0x80090003, "NTE_BAD_KEY"}, {0x80090004, "NTE_BAD_LEN"}, {0x80090005, "NTE_BAD_DATA"},
        {0x80090007, "NTE_BAD_VER"}, {0x80090008, "NTE_BAD_ALGID"}, {0x80090009, "NTE_BAD_FLAGS"},
        {0x8009000A, "NTE_BAD_TYPE"}, {0x8009000B, "NTE_BAD_KEY_STATE"}, {0x8009000C, "NTE_BAD_HASH_STATE"},
        {0x8009000D, "NTE_NO_KEY"}, {0x8009000E, "NTE_NO_MEMORY"}, {0x8009000F, "NTE_EXISTS"},
        {0x80090010, "NTE_PERM"}, {0x80090011, "NTE_NOT_FOUND"}, {0x80090012, "NTE_DOUBLE_ENCRYPT"},
        {0x80090013, "NTE_BAD_PROVIDER"}, {0x80090014, "NTE_BAD_PROV_TYPE"}, {0x80090016, "NTE_BAD_KEYSET"},
        {0x80090017, "NTE_PROV_TYPE_NOT_DEF"}, {0x80090018, "NTE_PROV_TYPE_ENTRY_BAD"},
        {0x80090019, "NTE_KEYSET_NOT_DEF"}, {0x8009001A, "NTE_KEYSET_ENTRY_BAD"},
        {0x8009001F, "NTE_BAD_KEYSET_PARAM"}, {0x80090020, "NTE_FAIL"}, {0x80090021, "NTE_SYS_ERR"},
        {0x80090022, "NTE_SILENT_CONTEXT"}, {0x80090025, "NTE_FIXEDPARAMETER"}, {0x80090026, "NTE_INVALID_HANDLE"},
        {0x80090027, "NTE_INVALID_PARAMETER"}, {0x80090028, "NTE_BUFFER_TOO_SMALL"},
        {0x8009002B, "NTE_BUFFERS_OVERLAP"}, {0x8009002C, "NTE_DECRYPTION_FAILURE"},
        {0x8009002D, "NTE_INTERNAL_ERROR"}};
    for (const Name& n : names)
        if (n.code == code) return n.name;
    return "Unknown";
}
