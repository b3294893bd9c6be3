#include "notes/LockedMemoFile.h"

#include "fw/Convert.h"
#include "shell/SafeFileWriter.h"

namespace {
CString TrailerToken(const BYTE* trailer) {
    size_t n = 0;
    while (n < CLockedMemoFile::MaxTokenBytes && trailer[n]) ++n;
    return AnsiToString(CStringA((const char*)trailer, (int)n));
}
}  // namespace

CLockedMemoFile::CLockedMemoFile(IMemoCipher& cipher, const MemoLockKeys& keys) : m_cipher(cipher), m_keys(keys) {}

CString CLockedMemoFile::EncryptPassword(const CString& password) const {
    if (password.IsEmpty()) return CString();
    CStringA ansi = StringToAnsi(password);
    if (ansi.GetLength() + 1 > MaxTokenBytes) return CString();
    std::vector<BYTE> plain((const BYTE*)(const char*)ansi, (const BYTE*)(const char*)ansi + ansi.GetLength() + 1);
    std::vector<BYTE> cipher;
    if (!m_cipher.Encrypt(m_keys.key, m_keys.tokenIv, plain.data(), plain.size(), cipher)) return CString();
    // The trailer keeps at most 127 characters of token.
    if (cipher.size() * 3 >= MaxTokenBytes) return CString();
    CString token;
    for (BYTE b : cipher) token.AppendFormat(L"%03d", b);
    return token;
}

CString CLockedMemoFile::DecryptPassword(const CString& token) const {
    if (token.IsEmpty() || token.GetLength() >= MaxTokenBytes || token.GetLength() % 3 != 0) return CString();
    std::vector<BYTE> bytes;
    for (int i = 0; i < token.GetLength(); i += 3) {
        int value = 0;
        for (int j = 0; j < 3; ++j) {
            wchar_t c = token[i + j];
            if (c < L'0' || c > L'9') return CString();
            value = value * 10 + (c - L'0');
        }
        if (value > 255) return CString();
        bytes.push_back((BYTE)value);
    }
    std::vector<BYTE> plain;
    if (!m_cipher.Decrypt(m_keys.key, m_keys.tokenIv, bytes.data(), bytes.size(), plain)) return CString();
    size_t n = 0;
    while (n < plain.size() && plain[n]) ++n;
    return AnsiToString(CStringA((const char*)plain.data(), (int)n));
}

bool CLockedMemoFile::CheckPassword(const CString& entered, const CString& token) const {
    CString password = DecryptPassword(token);
    return !password.IsEmpty() && password == entered;
}

void CLockedMemoFile::MakeTextIv(const CString& password, BYTE iv[16]) const {
    CStringA ansi = StringToAnsi(password);
    for (int i = 0; i < 16; ++i) iv[i] = i < ansi.GetLength() ? (BYTE)ansi[i] : (BYTE)' ';
}

bool CLockedMemoFile::Write(const CString& path, const CString& token, const void* rtf, size_t length) const {
    if (token.IsEmpty()) return false;
    CString password = DecryptPassword(token);
    if (password.IsEmpty()) return false;
    CStringA ansiToken = StringToAnsi(token);
    if (ansiToken.GetLength() >= MaxTokenBytes) return false;
    BYTE iv[16];
    MakeTextIv(password, iv);
    std::vector<BYTE> plain((const BYTE*)rtf, (const BYTE*)rtf + length);
    plain.push_back(0);
    std::vector<BYTE> bytes;
    if (!m_cipher.Encrypt(m_keys.key, iv, plain.data(), plain.size(), bytes)) return false;
    size_t body = bytes.size();
    bytes.resize(body + TrailerSize, 0);
    memcpy(bytes.data() + body, (const char*)ansiToken, ansiToken.GetLength());
    return CSafeFileWriter::WriteFile(path, bytes);
}

bool CLockedMemoFile::Read(const CString& path, std::vector<BYTE>& rtf, CString& token) const {
    rtf.clear();
    token.Empty();
    std::vector<BYTE> bytes;
    if (!CSafeFileWriter::ReadFile(path, bytes, CSafeFileWriter::MaxNoteFileBytes) || bytes.size() < TrailerSize)
        return false;
    size_t body = bytes.size() - TrailerSize;
    CString found = TrailerToken(bytes.data() + body);
    CString password = DecryptPassword(found);
    if (password.IsEmpty()) return false;
    BYTE iv[16];
    MakeTextIv(password, iv);
    std::vector<BYTE> plain;
    if (!m_cipher.Decrypt(m_keys.key, iv, bytes.data(), body, plain)) return false;
    // The text was stored with its terminating zero.
    size_t n = 0;
    while (n < plain.size() && plain[n]) ++n;
    rtf.assign(plain.begin(), plain.begin() + (ptrdiff_t)n);
    token = found;
    return true;
}

CString CLockedMemoFile::ReadToken(const CString& path) const {
    std::vector<BYTE> bytes;
    if (!CSafeFileWriter::ReadFile(path, bytes, CSafeFileWriter::MaxNoteFileBytes) || bytes.size() < TrailerSize)
        return CString();
    return TrailerToken(bytes.data() + bytes.size() - TrailerSize);
}

bool CLockedMemoFile::Unlock(const CString& path, const CString& entered, std::vector<BYTE>& rtf) const {
    rtf.clear();
    if (!CheckPassword(entered, ReadToken(path))) return false;
    CString token;
    return Read(path, rtf, token);
}
