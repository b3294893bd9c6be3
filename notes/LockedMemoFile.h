// CLockedMemoFile: the locked form of a note file (".rtx") and the password
// token kept in the note's record.
//
// File: the note's RTF text and one zero byte, encrypted with AES-128-CBC
// under the note-lock key with the password (ANSI, cut or space-padded to 16
// bytes) as IV; then a 512-byte trailer holding the token in ANSI with its
// terminating zero, the rest zero. Token: the password and its zero,
// encrypted under the note-lock key and the fixed token IV, each byte as
// three decimal digits.
#pragma once

#include "notes/MemoCipher.h"

#include <vector>

// The note-lock key and the token IV; the program derives both at run time
// and stores them nowhere.
struct MemoLockKeys {
    BYTE key[16];
    BYTE tokenIv[16];
};

class CLockedMemoFile {
public:
    enum { TrailerSize = 512, MaxTokenBytes = 128 };

    CLockedMemoFile(IMemoCipher& cipher, const MemoLockKeys& keys);

    // Empty for an empty password, for one whose token would not fit the
    // trailer, or when encryption fails.
    CString EncryptPassword(const CString& password) const;
    // Empty when the token is empty or does not decrypt.
    CString DecryptPassword(const CString& token) const;
    // Whether the entered password is the one the token holds (exactly).
    bool CheckPassword(const CString& entered, const CString& token) const;

    // Writes the locked file through a temporary file; false (and the old
    // file untouched) for an empty token or any failure.
    bool Write(const CString& path, const CString& token, const void* rtf, size_t length) const;
    // The RTF text (without its zero) and the token of a locked file; false
    // when the file is missing, shorter than the trailer or does not decrypt.
    bool Read(const CString& path, std::vector<BYTE>& rtf, CString& token) const;
    // Only the token, so the text itself stays encrypted until it is needed.
    CString ReadToken(const CString& path) const;
    // Reads the text only when the entered password matches the file's.
    bool Unlock(const CString& path, const CString& entered, std::vector<BYTE>& rtf) const;

private:
    void MakeTextIv(const CString& password, BYTE iv[16]) const;

    IMemoCipher& m_cipher;
    MemoLockKeys m_keys;
};
