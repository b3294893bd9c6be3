#include "notes/MemoCipher.h"

#include "shell/AesCipher.h"

bool CMemoCipher::Encrypt(const BYTE key[16], const BYTE iv[16], const BYTE* data, size_t size,
                          std::vector<BYTE>& out) {
    out.clear();
    if (size > 0x7FFFFFF0 || (!data && size)) return false;
    AesCipher aes(nullptr, 0);
    out.resize((size / 16 + 1) * 16);
    DWORD length = (DWORD)out.size();
    if (!aes.SetKeyWithIv(key, 16, iv, 16) || !aes.Encrypt(data, (DWORD)size, out.data(), length) ||
        length != out.size()) {
        out.clear();
        return false;
    }
    return true;
}

bool CMemoCipher::Decrypt(const BYTE key[16], const BYTE iv[16], const BYTE* data, size_t size,
                          std::vector<BYTE>& out) {
    out.clear();
    if (size == 0 || size % 16 != 0 || size > 0x7FFFFFF0 || !data) return false;
    AesCipher aes(nullptr, 0);
    out.resize(size);
    DWORD length = (DWORD)size;
    if (!aes.SetKeyWithIv(key, 16, iv, 16) || !aes.Decrypt(data, (DWORD)size, out.data(), length)) {
        out.clear();
        return false;
    }
    out.resize(length);
    return true;
}
