#include "notes/NoteTextStore.h"

#include "notes/MemoInfo.h"
#include "shell/SafeFileWriter.h"
#include "shell/Scrambler.h"

#include "shell/SafePath.h"

#include <string>

const MemoLockKeys& GetNoteLockKeys() {
    static const MemoLockKeys keys = [] {
        MemoLockKeys k;
        // The key comes out of the scrambler so that it never lies in the
        // program or the data as plain bytes. Only the first 16 bytes of the
        // seed reach the key.
        std::string seed;
        for (const char* p : {"Zo", "rel", "Note", "Lock", "Key", "01"}) seed += p;
        char scrambled[260] = {};
        ScrambleTextToBuffer(seed.c_str(), scrambled, sizeof scrambled);
        for (int i = 0; i < 16; ++i) k.key[i] = (BYTE)(scrambled[i] ? scrambled[i] : 0x5A + i);
        const char iv[] = "ZrlMemoTokenIv16";
        for (int i = 0; i < 16; ++i) k.tokenIv[i] = (BYTE)(iv[i] ^ (i * 7));
        return k;
    }();
    return keys;
}

CNoteTextStore::CNoteTextStore(CMemoInfo& record, const CString& memoFolder, CLockedMemoFile& lockedFile, Clock clock)
    : m_record(record), m_memoFolder(memoFolder), m_lockedFile(lockedFile), m_clock(std::move(clock)) {}

CString CNoteTextStore::GetPath() const {
    return m_record.HasUnsafeFileName() ? CString() : m_memoFolder + m_record.m_strFileName;
}

bool CNoteTextStore::IsLocked() const { return m_record.m_bLocked != 0; }

bool CNoteTextStore::LoadForRecord(INoteEditor& editor) {
    m_openFailed = false;
    m_record.m_bLocked = IsLockedMemoFileName(m_record.m_strFileName) ? 1 : 0;
    if (m_record.HasUnsafeFileName()) {
        // Never read, so never written or removed either.
        m_textLoaded = false;
        m_openFailed = true;
        return false;
    }
    if (IsLocked()) {
        m_textLoaded = false;
        m_record.m_strPassword = m_lockedFile.ReadToken(GetPath());
        return true;
    }
    m_textLoaded = true;
    if (m_record.m_strFileName.IsEmpty()) return true;
    if (editor.LoadRtfFile(GetPath())) return true;
    m_openFailed = CSafeFileWriter::FileExists(GetPath());
    return !m_openFailed;
}

bool CNoteTextStore::WriteTo(const CString& path, INoteEditor& editor, bool locked, const CString& token) {
    std::vector<BYTE> rtf;
    if (!editor.GetRtfBytes(rtf)) return false;
    if (locked) return m_lockedFile.Write(path, token, rtf.data(), rtf.size());
    return CSafeFileWriter::WriteFile(path, rtf);
}

bool CNoteTextStore::Save(INoteEditor& editor) {
    if (editor.IsOpenFailed() || m_openFailed) return false;
    if (m_record.m_strFileName.IsEmpty()) return false;
    if (IsLocked() && !m_textLoaded) return false;
    if (!WriteTo(GetPath(), editor, IsLocked(), m_record.m_strPassword)) return false;
    editor.SetTextModified(false);
    return true;
}

bool CNoteTextStore::CheckPassword(const CString& entered) const {
    return m_lockedFile.CheckPassword(entered, m_record.m_strPassword);
}

bool CNoteTextStore::LoadLockedText(INoteEditor& editor) {
    std::vector<BYTE> rtf;
    CString token;
    if (!m_lockedFile.Read(GetPath(), rtf, token)) return false;
    if (!editor.LoadRtfBytes(rtf.data(), rtf.size())) return false;
    m_record.m_strPassword = token;
    editor.SetTextModified(false);
    m_textLoaded = true;
    return true;
}

void CNoteTextStore::RemoveOldFile(const CString& oldName, const CString& newName) {
    if (!IsSafeFileName(oldName) || oldName.CompareNoCase(newName) == 0) return;
    ::DeleteFileW(m_memoFolder + oldName);
}

CNoteTextStore::LockResult CNoteTextStore::Lock(INoteEditor& editor, const CString& password, const CString& title) {
    if (IsLocked()) return LockResult::Done;
    if (editor.IsOpenFailed() || m_openFailed) return LockResult::ReadFailed;
    CString token = m_lockedFile.EncryptPassword(password);
    if (token.IsEmpty()) return LockResult::NoToken;
    CString newName = MakeMemoFileNameAt(m_clock(), L".rtx", m_memoFolder);
    if (!WriteTo(m_memoFolder + newName, editor, true, token)) return LockResult::WriteFailed;
    CString oldName = m_record.m_strFileName;
    m_record.m_strFileName = newName;
    m_record.m_bLocked = 1;
    m_record.m_strPassword = token;
    m_record.m_strTitle = title;
    m_textLoaded = true;
    RemoveOldFile(oldName, newName);
    editor.SetTextModified(false);
    return LockResult::Done;
}

CNoteTextStore::LockResult CNoteTextStore::Unlock(INoteEditor& editor, const CString& entered) {
    if (!IsLocked()) return LockResult::Done;
    if (m_openFailed) return LockResult::ReadFailed;
    if (!CheckPassword(entered)) return LockResult::WrongPassword;
    if (!m_textLoaded && !LoadLockedText(editor)) return LockResult::ReadFailed;
    CString newName = MakeMemoFileNameAt(m_clock(), L".rtf", m_memoFolder);
    if (!WriteTo(m_memoFolder + newName, editor, false, CString())) return LockResult::WriteFailed;
    CString oldName = m_record.m_strFileName;
    m_record.m_strFileName = newName;
    m_record.m_bLocked = 0;
    m_record.m_strPassword.Empty();
    RemoveOldFile(oldName, newName);
    editor.SetTextModified(false);
    return LockResult::Done;
}
