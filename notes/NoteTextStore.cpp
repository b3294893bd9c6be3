#include "notes/NoteTextStore.h"

#include "notes/MemoInfo.h"
#include "notes/RtfCheck.h"
#include "shell/FileUtil.h"
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
    CString path = GetPath();
    // No file yet: the note starts empty and its first save makes it.
    if (::GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES) return true;
    // Anything else that is not a whole note text (a folder, a file that
    // cannot be read, is too large, empty, cut off, not RTF or nested too
    // deeply for the control) is damaged: it never reaches the control and
    // is never written over.
    std::vector<BYTE> bytes;
    m_openFailed = !CSafeFileWriter::ReadFile(path, bytes, CSafeFileWriter::MaxNoteFileBytes) ||
                   CheckNoteRtf(bytes.data(), bytes.size()) != RtfShape::Whole ||
                   !editor.LoadRtfBytes(bytes.data(), bytes.size());
    return !m_openFailed;
}

bool CNoteTextStore::StartAfresh(INoteEditor& editor) {
    if (!m_openFailed || m_record.HasUnsafeFileName() || IsLocked()) return false;
    CString path = GetPath();
    DWORD attributes = ::GetFileAttributesW(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        // A folder stands where the note's file belongs: it stays untouched
        // and the note takes a name of its own.
        m_record.m_strFileName = MakeMemoFileNameAt(m_clock(), L".rtf", m_memoFolder);
    } else if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (CSafeFileWriter::KeepDatedCopy(path, m_clock()).IsEmpty()) return false;
    }
    m_openFailed = false;
    m_textLoaded = true;
    editor.EmptyText();
    editor.SetTextModified(true);
    // A failed write is reported and tried again by autosave like any other.
    Save(editor);
    return true;
}

bool CNoteTextStore::WriteTo(const CString& path, INoteEditor& editor, bool locked, const CString& token) {
    std::vector<BYTE> rtf;
    bool written = editor.GetRtfBytes(rtf) && (locked ? m_lockedFile.Write(path, token, rtf.data(), rtf.size())
                                                      : CSafeFileWriter::WriteFile(path, rtf));
    // Autosave tries a failed note again at its next pass; the user hears
    // of the file once until it saves again.
    if (written)
        ReportSaveSucceeded(path);
    else
        ReportSaveFailure(path);
    return written;
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
    if (!IsRtfDepthSafe(rtf.data(), rtf.size())) return false;
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
