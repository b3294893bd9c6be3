// IMemoCipher: AES-128 in CBC mode with block padding (PKCS#5), as locked
// notes use it. CMemoCipher is the real one, on the shared AesCipher.
#pragma once

#include "fw/Afx.h"

#include <vector>

class IMemoCipher {
public:
    virtual ~IMemoCipher() = default;
    // The output of Encrypt is always (size / 16 + 1) x 16 bytes.
    virtual bool Encrypt(const BYTE key[16], const BYTE iv[16], const BYTE* data, size_t size,
                         std::vector<BYTE>& out) = 0;
    virtual bool Decrypt(const BYTE key[16], const BYTE iv[16], const BYTE* data, size_t size,
                         std::vector<BYTE>& out) = 0;
};

class CMemoCipher : public IMemoCipher {
public:
    bool Encrypt(const BYTE key[16], const BYTE iv[16], const BYTE* data, size_t size,
                 std::vector<BYTE>& out) override;
    bool Decrypt(const BYTE key[16], const BYTE iv[16], const BYTE* data, size_t size,
                 std::vector<BYTE>& out) override;
};
