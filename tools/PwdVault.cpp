#include "tools/PwdVault.h"

#include "fw/Archive.h"
#include "fw/Convert.h"
#include "shell/AesCipher.h"
#include "shell/CryptoText.h"
#include "shell/SafeFileWriter.h"

#include <cstring>

const wchar_t CPwdVault::kHeader[] = L"HEADER:ZOREL_PWDMGR_FILE";
const wchar_t CPwdVault::kFileName[] = L"pmanager_data.pmd";

namespace {
const char kIv[] = "q7!Lm#2vR@9xK$4w";
// No key container is made or left behind: the key lives in memory only.
const DWORD kCipherOptions = AesCipher::CreateContainer | AesCipher::TemporaryContainer;

bool SetVaultKey(AesCipher& aes, const CString& password) {
    BYTE key[16];
    CPwdVault::MakeKey(password, key);
    bool ok = aes.SetKeyWithIv(key, 16, (const BYTE*)kIv, 16);
    SecureZeroMemory(key, sizeof key);
    return ok;
}
}  // namespace

CPwdVault::CPwdVault(const CString& folder) : m_folder(folder) {
    if (!m_folder.IsEmpty() && m_folder[m_folder.GetLength() - 1] != L'\\') m_folder += L'\\';
}

bool CPwdVault::Exists() const { return CSafeFileWriter::FileExists(GetFilePath()); }

SYSTEMTIME CPwdVault::Now() const {
    if (m_clock) return m_clock();
    SYSTEMTIME t;
    GetLocalTime(&t);
    return t;
}

CString CPwdVault::MakeVerifier(const CString& password) { return HashPassword(password, true); }

void CPwdVault::MakeKey(const CString& password, BYTE key[16]) {
    CStringA ansi = StringToAnsi(password);
    int length = (int)strlen(ansi.GetString());
    for (int i = 0; i < 16; ++i) key[i] = i < length ? (BYTE)ansi[i] : (BYTE)(i + 32);
}

bool CPwdVault::EncryptRecords(const std::vector<CPwdInfo>& records, const CString& password,
                               std::vector<BYTE>& cipher) {
    cipher.clear();
    CMemFile plainFile;
    {
        CArchive ar(&plainFile, CArchive::store, 1024);
        for (const CPwdInfo& record : records) {
            CPwdInfo copy = record;
            if (!copy.Serialize(ar)) {
                ar.Abort();
                return false;
            }
        }
        try {
            ar.Close();
        } catch (const CException&) {
            return false;
        }
    }
    std::vector<BYTE> plain = plainFile.Detach();
    DWORD size = 0;
    if (plain.size() > 0x7FFFFFF0u || !AesCipher::GetCipherTextSize((DWORD)plain.size(), size)) return false;
    AesCipher aes(nullptr, kCipherOptions);
    if (!SetVaultKey(aes, password)) return false;
    cipher.resize(size);
    bool ok = aes.Encrypt(plain.data(), (DWORD)plain.size(), cipher.data(), size);
    SecureZeroMemory(plain.data(), plain.size());
    if (!ok) {
        cipher.clear();
        return false;
    }
    cipher.resize(size);
    return true;
}

CPwdVault::DecryptResult CPwdVault::DecryptRecords(UINT32 count, const BYTE* cipher, size_t length,
                                                   const CString& password, std::vector<CPwdInfo>& out) {
    DWORD plainSize = 0;
    if (length > 0x7FFFFFF0u || !AesCipher::GetPlainTextSize((DWORD)length, plainSize) || length == 0)
        return decryptFailed;
    AesCipher aes(nullptr, kCipherOptions);
    if (!SetVaultKey(aes, password)) return decryptFailed;
    std::vector<BYTE> plain(plainSize);
    if (!aes.Decrypt(cipher, (DWORD)length, plain.data(), plainSize)) return decryptFailed;
    DecryptResult result = decryptOk;
    {
        CMemFile plainFile(plain.data(), plainSize);
        CArchive ar(&plainFile, CArchive::load);
        for (UINT32 i = 0; i < count; ++i) {
            CPwdInfo record;
            if (!record.Serialize(ar)) {
                result = decryptPartial;
                break;
            }
            out.push_back(record);
        }
        ar.Abort();
    }
    SecureZeroMemory(plain.data(), plain.size());
    return result;
}

bool CPwdVault::BuildFileBytes(const std::vector<CPwdInfo>& records, const CString& password,
                               std::vector<BYTE>& bytes) {
    bytes.clear();
    std::vector<BYTE> cipher;
    if (!records.empty() && !EncryptRecords(records, password, cipher)) return false;
    CMemFile file;
    try {
        CArchive ar(&file, CArchive::store);
        ar << CString(kHeader) << MakeVerifier(password) << CString();
        ar << (int)0 << (int)records.size();
        if (!cipher.empty()) ar.Write(cipher.data(), (UINT)cipher.size());
        ar.Close();
    } catch (const CException&) {
        return false;
    }
    bytes = file.Detach();
    return true;
}

CPwdVault::LoadStatus CPwdVault::Load(const CString& password, std::vector<CPwdInfo>& records) const {
    records.clear();
    CString path = GetFilePath();
    if (!CSafeFileWriter::FileExists(path)) return loadMissing;
    std::vector<BYTE> bytes;
    bool tooLarge = false;
    if (!CSafeFileWriter::ReadFile(path, bytes, MaxVaultBytes, &tooLarge)) return tooLarge ? loadDamaged : loadUnreadable;
    CMemFile file(bytes.data(), bytes.size());
    UINT32 count = 0;
    size_t cipherStart = 0;
    bool isThisVault = false;
    try {
        CArchive ar(&file, CArchive::load);
        CString header, verifier, empty;
        ar >> header;
        if (header != kHeader) return loadOtherHeader;
        ar >> verifier;
        if (verifier != MakeVerifier(password)) return loadWrongPassword;
        isThisVault = true;
        int zero = 0, n = 0;
        ar >> empty >> zero >> n;
        count = (UINT32)n;
        cipherStart = (size_t)(bytes.size() - ar.BytesLeft());
        ar.Abort();
    } catch (const CException&) {
        // Cut short: past the verifier it is this password's vault, and its
        // entries are lost unless the file is kept.
        return isThisVault ? loadDamaged : loadUnreadable;
    }
    if (count == 0) return loadOk;
    DecryptResult result =
        DecryptRecords(count, bytes.data() + cipherStart, bytes.size() - cipherStart, password, records);
    return result == decryptOk ? loadOk : loadDamaged;
}

bool CPwdVault::Save(const CString& password, const std::vector<CPwdInfo>& records) const {
    std::vector<BYTE> bytes;
    if (!BuildFileBytes(records, password, bytes)) return false;
    MakeHistoryCopy();
    return CSafeFileWriter::WriteFile(GetFilePath(), bytes);
}

bool CPwdVault::WriteEmptyVault(const CString& password) const {
    std::vector<BYTE> bytes;
    if (!BuildFileBytes(std::vector<CPwdInfo>(), password, bytes)) return false;
    return CSafeFileWriter::WriteFile(GetFilePath(), bytes);
}

CString CPwdVault::ReadStoredVerifier(bool* failed) const {
    if (failed) *failed = false;
    CString path = GetFilePath();
    if (!CSafeFileWriter::FileExists(path)) return CString();
    // The header and the verifier take 184 bytes; a vault is read whole
    // only once the password is known.
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite)) {
        if (failed) *failed = true;
        return CString();
    }
    CString header, verifier;
    try {
        CArchive ar(&file, CArchive::load, 256);
        ar >> header;
        ar >> verifier;
        int more = 0;
        ar >> more;
        ar.Abort();
    } catch (const CException&) {
        file.Abort();
        if (failed) *failed = true;
        return CString();
    }
    file.Abort();
    return header == kHeader ? verifier : CString();
}

CString CPwdVault::HistoryName(const SYSTEMTIME& t) const {
    CString name;
    if (m_historyLevel == 1)
        name.Format(L"%2d_%02d_%02d.xbak", t.wYear, t.wMonth, t.wDay);
    else if (m_historyLevel >= 2)
        name.Format(L"%2d_%02d_%02d_%02d_%02d_%02d.xbak", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
    return name;
}

bool CPwdVault::MakeHistoryCopy() const {
    if (m_historyLevel <= 0 || !Exists()) return true;
    CreateDirectoryW(GetHistoryFolder(), nullptr);
    return CSafeFileWriter::CopyFile(GetFilePath(), GetHistoryFolder() + HistoryName(Now()));
}

bool CPwdVault::Reset() const {
    CString path = GetFilePath();
    if (!Exists()) return true;
    if (m_historyLevel <= 0) return DeleteFileW(path) != FALSE;
    CreateDirectoryW(GetHistoryFolder(), nullptr);
    return MoveFileExW(path, GetHistoryFolder() + HistoryName(Now()),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED) != FALSE;
}

CString CPwdVault::KeepDamagedCopy() const { return CSafeFileWriter::KeepDatedCopy(GetFilePath(), Now()); }
