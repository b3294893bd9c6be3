// CPwdVault: the password vault's file, "pmanager_data.pmd", without any
// window. The file holds a header, the verifier of the master password (its
// salted SHA-256), an empty string, 0, the number of entries and the entries
// encrypted with AES-128-CBC under a key made from the master password.
// The fixed IV, the salt and the key rule are the format: files written by
// any version open with them, so they stay as they are.
#pragma once

#include "fw/Afx.h"
#include "tools/PwdInfo.h"

#include <functional>
#include <vector>

class CArchive;

class CPwdVault {
public:
    static const wchar_t kHeader[];
    static const wchar_t kFileName[];
    // The largest vault read whole; a bigger file is damaged.
    static const size_t MaxVaultBytes = 64u << 20;

    // folder: the vault's folder ("pmanager_data\" of the program folder).
    explicit CPwdVault(const CString& folder = CString());

    CString GetFolder() const { return m_folder; }
    CString GetFilePath() const { return m_folder + kFileName; }
    CString GetHistoryFolder() const { return m_folder + L"history\\"; }
    bool Exists() const;

    // HistoryLevel: 0 no copies, 1 one a day, 2 (or more) one a second.
    int m_historyLevel = 1;
    // The local time that names history copies; tests put in their own.
    std::function<SYSTEMTIME()> m_clock;

    // ---- The format -----------------------------------------------------------------
    // The salted hash the file keeps in place of the master password.
    static CString MakeVerifier(const CString& password);
    // The ANSI bytes of the password cut after 16; a missing byte i is i + 32.
    static void MakeKey(const CString& password, BYTE key[16]);
    // The cipher text of the serialized records; false when a record or the
    // encryption failed (nothing is given then).
    static bool EncryptRecords(const std::vector<CPwdInfo>& records, const CString& password,
                               std::vector<BYTE>& cipher);
    enum DecryptResult {
        decryptOk,       // every one of the count records read
        decryptFailed,   // the cipher text did not decrypt: no records
        decryptPartial,  // a record failed to read: the ones before it are given
    };
    // Reads exactly count records from the plain text; whatever follows them
    // (older files carry an extra byte) is ignored. Records are appended to
    // out as they are read, and the count only bounds the loop: a count
    // larger than the text can hold ends at the first short record.
    static DecryptResult DecryptRecords(UINT32 count, const BYTE* cipher, size_t length, const CString& password,
                                        std::vector<CPwdInfo>& out);
    // The whole file: header, verifier, empty string, 0, N, cipher text
    // (none when there are no records).
    static bool BuildFileBytes(const std::vector<CPwdInfo>& records, const CString& password,
                               std::vector<BYTE>& bytes);

    // ---- The file -------------------------------------------------------------------
    enum LoadStatus {
        loadMissing,        // no file: no entries, nothing to tell
        loadOk,             // every entry read (or none stored)
        loadOtherHeader,    // not a vault file: no entries
        loadWrongPassword,  // the verifier differs: no entries
        loadDamaged,        // the entries did not read whole: what could be read
        loadUnreadable,     // the file is there but could not be read
    };
    LoadStatus Load(const CString& password, std::vector<CPwdInfo>& records) const;
    // Copies the vault into the history folder (by HistoryLevel), then puts
    // the new file in place of the old one in one step. False when it could
    // not be written: the old file is then as it was.
    bool Save(const CString& password, const std::vector<CPwdInfo>& records) const;
    // A vault without entries under the password; false when it could not
    // be written.
    bool WriteEmptyVault(const CString& password) const;
    // The verifier stored in the file; empty for a missing file, another
    // header or a file cut short (failed is set for the last).
    CString ReadStoredVerifier(bool* failed = nullptr) const;
    // Moves the vault into the history folder (HistoryLevel 0: deletes it).
    bool Reset() const;
    // Copies the present file into the history folder under the name for
    // now; true when nothing was to be copied.
    bool MakeHistoryCopy() const;
    // The history copy's name for the time; empty with HistoryLevel 0.
    CString HistoryName(const SYSTEMTIME& t) const;
    // Keeps a dated copy of a vault that did not read whole; its path.
    CString KeepDamagedCopy() const;

private:
    SYSTEMTIME Now() const;
    CString m_folder;
};
