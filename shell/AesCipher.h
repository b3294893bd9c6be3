// AES in CBC mode under a raw 16-, 24- or 32-byte key and a 16-byte IV,
// through the system's cryptographic provider (PROV_RSA_AES). Failures are
// false results (with the out size 0) unless the caller asks for exceptions.
#pragma once

#include "AesCipherException.h"

#include <windows.h>
#include <wincrypt.h>

class AesCipher {
public:
    enum Options : DWORD {
        CreateContainer = 0x01,
        TemporaryContainer = 0x08,
        ThrowExceptions = 0x10,
    };

    // The provider is opened as a verify-only context: keys live in memory
    // only, and no key container is created, shared or left behind. The
    // container name is accepted for the callers' sake and not used.
    AesCipher(const wchar_t* containerName, DWORD options);
    virtual ~AesCipher();
    AesCipher(const AesCipher&) = delete;
    AesCipher& operator=(const AesCipher&) = delete;

    bool IsAcquired() const { return m_bAcquired; }

    bool SetKey(const BYTE* key, DWORD keySize);
    bool SetIv(const BYTE* iv, DWORD ivSize);
    bool SetKeyWithIv(const BYTE* key, DWORD keySize, const BYTE* iv, DWORD ivSize);

    // In place: the buffer holds dataSize bytes and has room for the padding.
    bool Encrypt(BYTE* buffer, DWORD bufferSize, DWORD dataSize, DWORD& outSize);
    // In place: dataSize must be a whole number of blocks within the buffer.
    bool Decrypt(BYTE* buffer, DWORD bufferSize, DWORD dataSize, DWORD& outSize);
    // Into a separate buffer; the size goes in as its capacity and comes out
    // as the bytes produced.
    bool Encrypt(const BYTE* plain, DWORD plainSize, BYTE* cipher, DWORD& cipherSize);
    bool Decrypt(const BYTE* cipher, DWORD cipherSize, BYTE* plain, DWORD& plainSize);

    // Always one to sixteen bytes of padding.
    static bool GetCipherTextSize(DWORD plainSize, DWORD& cipherSize);
    static bool GetPlainTextSize(DWORD cipherSize, DWORD& plainSize);

    // The application key, derived at run time; stored nowhere.
    const BYTE* LoadAppKey();

private:
    struct ProviderEntry {
        wchar_t name[129];
        DWORD type;
        DWORD flags;
    };

    bool AcquireContext();
    void DestroyKey();
    bool Fail(const AesCipherException& e);

    BYTE m_appKey[16] = {};
    BYTE m_spareKey[16] = {};
    ProviderEntry m_providers[2] = {};
    HCRYPTPROV m_hProvider = 0;
    HCRYPTKEY m_hKey = 0;
    bool m_bReady = false;
    DWORD m_options = 0;
    bool m_bAcquired = false;
    int m_entryInUse = -1;
};

// The name of a Win32 or CryptoAPI error code, "Unknown" for others.
const char* GetCryptErrorName(DWORD code);
