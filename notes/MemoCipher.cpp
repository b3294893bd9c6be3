#include "notes/MemoCipher.h"

#include <wincrypt.h>

namespace {
// A provider context with one imported AES-128 key in CBC mode.
class CAesKey {
public:
    CAesKey(const BYTE key[16], const BYTE iv[16]) {
        if (!CryptAcquireContextW(&m_prov, nullptr, nullptr, PROV_RSA_AES, CRYPT_VERIFYCONTEXT)) {
            m_prov = 0;
            return;
        }
        struct {
            BLOBHEADER header;
            DWORD size;
            BYTE key[16];
        } blob;
        blob.header.bType = PLAINTEXTKEYBLOB;
        blob.header.bVersion = CUR_BLOB_VERSION;
        blob.header.reserved = 0;
        blob.header.aiKeyAlg = CALG_AES_128;
        blob.size = 16;
        memcpy(blob.key, key, 16);
        DWORD mode = CRYPT_MODE_CBC;
        if (!CryptImportKey(m_prov, (const BYTE*)&blob, sizeof blob, 0, 0, &m_key) ||
            !CryptSetKeyParam(m_key, KP_MODE, (const BYTE*)&mode, 0) || !CryptSetKeyParam(m_key, KP_IV, iv, 0)) {
            if (m_key) CryptDestroyKey(m_key);
            m_key = 0;
        }
        SecureZeroMemory(&blob, sizeof blob);
    }
    ~CAesKey() {
        if (m_key) CryptDestroyKey(m_key);
        if (m_prov) CryptReleaseContext(m_prov, 0);
    }
    HCRYPTKEY Get() const { return m_key; }

private:
    HCRYPTPROV m_prov = 0;
    HCRYPTKEY m_key = 0;
};
}  // namespace

bool CMemoCipher::Encrypt(const BYTE key[16], const BYTE iv[16], const BYTE* data, size_t size,
                          std::vector<BYTE>& out) {
    out.clear();
    if (size > 0x7FFFFFF0 || (!data && size)) return false;
    CAesKey aes(key, iv);
    if (!aes.Get()) return false;
    out.assign(data, data + size);
    out.resize((size / 16 + 1) * 16);
    DWORD length = (DWORD)size;
    if (!CryptEncrypt(aes.Get(), 0, TRUE, 0, out.data(), &length, (DWORD)out.size()) || length != out.size()) {
        out.clear();
        return false;
    }
    return true;
}

bool CMemoCipher::Decrypt(const BYTE key[16], const BYTE iv[16], const BYTE* data, size_t size,
                          std::vector<BYTE>& out) {
    out.clear();
    if (size == 0 || size % 16 != 0 || size > 0x7FFFFFF0 || !data) return false;
    CAesKey aes(key, iv);
    if (!aes.Get()) return false;
    out.assign(data, data + size);
    DWORD length = (DWORD)size;
    if (!CryptDecrypt(aes.Get(), 0, TRUE, 0, out.data(), &length) || length > size) {
        out.clear();
        return false;
    }
    out.resize(length);
    return true;
}
