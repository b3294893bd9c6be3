#include "notes/MemoStore.h"

#include "notes/NoteIds.h"
#include "notes/NoteLogic.h"
#include "shell/LanguageTable.h"
#include "shell/SafeFileWriter.h"

#include <cwctype>

const wchar_t* const CMemoStore::Signature = L"250MEMO SIGNATURE";
const wchar_t* const CMemoStore::RecycleBinFile = L"RecycleBin.zrr";
const wchar_t* const CMemoStore::DefaultGroupFile = L"DefaultMemo.zrd";

namespace {
const wchar_t* const kOlderSignature = L"150MEMO SIGNATURE";
const wchar_t* const kOldestSignature = L"MEMO SIGNATURE";
const UINT kNoCount = 0x0FFFFFFF;

CString FirstGroupFile(const CString& folder) {
    WIN32_FIND_DATAW data;
    HANDLE h = FindFirstFileW(folder + L"*.zrd", &data);
    if (h == INVALID_HANDLE_VALUE) return CString();
    CString name;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            name = data.cFileName;
            break;
        }
    } while (FindNextFileW(h, &data));
    FindClose(h);
    return name;
}

// The archive's buffer while a list is read from or written to its file: a
// few calls for a list of a thousand notes, and small enough to come from
// the heap's own pages rather than fresh ones.
const int kListBufferBytes = 32 << 10;

// An open stream as the file an archive stores into.
class CStreamFile : public CFile {
public:
    explicit CStreamFile(FILE* file) : m_stream(file) {}
    void Write(const void* buffer, UINT count) override {
        if (fwrite(buffer, 1, count, m_stream) != count) throw CFileException(CFileException::hardIO);
    }

private:
    FILE* m_stream;
};

// Opens a list file for reading and tells its size; false when it cannot be
// opened or its size cannot be known.
bool OpenList(const CString& path, CFile& file, ULONGLONG& size) {
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite)) return false;
    try {
        size = file.GetLength();
        return true;
    } catch (const CFileException&) {
        file.Abort();
        return false;
    }
}

bool PointInRect(const CRect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }
}  // namespace

CMemoStore::CMemoStore(IStoreHost& host, const CString& memoFolder)
    : m_host(host), m_folder(memoFolder), m_currentGroup(DefaultGroupFile) {}

std::wstring CMemoStore::Key(const CString& groupFile) {
    std::wstring key = (const wchar_t*)groupFile;
    for (auto& c : key) c = (wchar_t)towlower(c);
    return key;
}

void CMemoStore::Hold(const CString& groupFile) {
    m_held.insert(Key(groupFile));
    m_heldReported.erase(Key(groupFile));
    m_heldCopies.erase(Key(groupFile));
}

bool CMemoStore::IsHeld(const CString& groupFile) const { return m_held.count(Key(groupFile)) != 0; }

void CMemoStore::ReleaseHold(const CString& groupFile) {
    m_held.erase(Key(groupFile));
    m_heldReported.erase(Key(groupFile));
    m_heldCopies.erase(Key(groupFile));
}

void CMemoStore::StoreList(CArchive& ar, const CArray<CMemoInfo>& memos) {
    ar << CString(Signature) << (DWORD)memos.GetSize();
    for (int i = 0; i < memos.GetSize(); ++i) memos[i].Store(ar);
    ar.Close();
}

std::vector<BYTE> CMemoStore::BuildListBytes(const CArray<CMemoInfo>& memos) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        StoreList(ar, memos);
    }
    return file.Detach();
}

CMemoStore::ParseResult CMemoStore::ParseList(const BYTE* data, size_t size, CArray<CMemoInfo>& memos,
                                              const CString& memoFolder) {
    CArchive ar(data, size);
    return ParseList(ar, memos, memoFolder);
}

CMemoStore::ParseResult CMemoStore::ParseList(CArchive& ar, CArray<CMemoInfo>& memos, const CString& memoFolder) {
    ParseResult result;
    memos.RemoveAll();
    UINT count;
    try {
        CString signature = ar.ReadString();
        if (signature == Signature) {
            result.form = FormCurrent;
            count = ar.ReadPod<UINT32>();
            result.announced = count;
        } else if (signature == kOlderSignature || signature == kOldestSignature) {
            result.form = FormOlder;
            count = kNoCount;
        } else {
            return result;
        }
    } catch (const CException&) {
        return result;
    }
    UINT read = 0;
    try {
        // Room for every announced record that the bytes left could hold, so
        // that the list does not grow step by step; a damaged count reserves no
        // more than the file can fill.
        const ULONGLONG kSmallestRecord = 57;
        memos.vec().reserve((size_t)std::min<ULONGLONG>(count, ar.BytesLeft() / kSmallestRecord));
        while (read < count) {
            // An older list has no count: it ends where the bytes end, between
            // two records. Anything else that stops the reading is damage.
            if (result.form == FormOlder && ar.IsAtEnd()) {
                result.complete = true;
                break;
            }
            // Read in its place in the list: no record is built twice.
            memos.vec().emplace_back();
            if (!memos.vec().back().Serialize(ar, memoFolder)) {
                memos.vec().pop_back();
                break;
            }
            if (memos.vec().back().HasUnsafeFileName()) ++result.unsafe;
            ++read;
        }
    } catch (const CException&) {
        // The file failed under the reading (the records read stay): damage.
    }
    if (result.form == FormCurrent) result.complete = read == count;
    return result;
}

bool CMemoStore::CorrectPosition(CMemoInfo& memo, const MemoPlacement& p) {
    if (!p.revisionPosition || p.workMonitor != 0) return false;
    CRect& r = memo.m_rcWindow;
    if (!(r.left < 0 || r.top < 0 || r.left + 10 > p.screenWidth || r.top + 10 > p.screenHeight)) return false;
    int cx = (r.left + r.right) / 2;
    int cy = (r.top + r.bottom) / 2;
    for (const CRect& area : p.workAreas)
        if (PointInRect(area, cx, cy)) return false;
    if (r.left < 0) {
        r.right -= r.left;
        r.left = 0;
    }
    if (r.top < 0) {
        r.bottom -= r.top;
        r.top = 0;
    }
    if (r.right > p.screenWidth) {
        r.left -= r.right - p.screenWidth;
        r.right = p.screenWidth;
    }
    if (r.bottom > p.screenHeight) {
        r.top -= r.bottom - p.screenHeight;
        r.bottom = p.screenHeight;
    }
    return true;
}

void CMemoStore::PlaceOnScreen(CMemoInfo& memo, const MemoPlacement& p) {
    std::vector<CRect> areas = p.workAreas;
    if (areas.empty()) areas.push_back(CRect(0, 0, p.screenWidth, p.screenHeight));
    memo.m_rcWindow = NoteLogic::FitOnScreen(memo.m_rcWindow, areas);
    // Unfolding keeps the top right corner and takes the expanded size: that
    // must fit too.
    CRect expanded = NoteLogic::ExpandedRect(memo.m_rcWindow, memo.m_nExpandedWidth, memo.m_nExpandedHeight);
    expanded = NoteLogic::FitOnScreen(expanded, areas);
    memo.m_nExpandedWidth = expanded.Width();
    memo.m_nExpandedHeight = expanded.Height();
}

int CMemoStore::ReadMemoList(CArray<CMemoInfo>& memos, bool create) {
    m_converted = false;
    CString path = m_folder + m_currentGroup;
    bool conversionDue = false;
    // The list is opened straight away; only when that fails is the folder
    // asked why, so that an ordinary load costs the file calls of one read.
    CFile file;
    ULONGLONG size = 0;
    bool opened = OpenList(path, file, size);
    if (!opened && !CSafeFileWriter::FileExists(path)) {
        if (!create) return 0;
        CString first = FirstGroupFile(m_folder);
        if (!first.IsEmpty()) {
            m_currentGroup = first;
            path = m_folder + first;
        } else {
            m_currentGroup = DefaultGroupFile;
            conversionDue = true;
            if (CSafeFileWriter::FileExists(m_folder + L"memolist160"))
                path = m_folder + L"memolist160";
            else if (CSafeFileWriter::FileExists(m_folder + L"memolist"))
                path = m_folder + L"memolist";
            else
                return 0;
        }
        opened = OpenList(path, file, size);
    }

    if (opened && size == 0) {
        // An empty file holds nothing to lose: give the group a proper empty
        // list and let the user look for an earlier copy.
        file.Abort();
        memos.RemoveAll();
        CArray<CMemoInfo> none;
        if (!CSafeFileWriter::WriteFile(m_folder + m_currentGroup, BuildListBytes(none)))
            m_host.ShowMessage(g_LanguageTable[IDS_CANNOT_OPEN_MEMO]);
        ReleaseHold(m_currentGroup);
        m_host.OfferMemoRestore();
        return 1;
    }

    if (!opened) {
        // Locked by another program, say: keep away from it until it reads.
        Hold(m_currentGroup);
        m_host.ShowMessage(g_LanguageTable[IDS_CANNOT_OPEN_MEMO] + L"\n" + path);
        return 1;
    }

    // The records are read through the archive's buffer straight from the
    // file: the whole list in fresh memory would cost as much again as the
    // records themselves. A list larger than any list can be is not read.
    bool tooLarge = size > CSafeFileWriter::MaxListFileBytes;
    ParseResult parsed;
    if (tooLarge) {
        memos.RemoveAll();
    } else {
        CArchive ar(&file, CArchive::load, kListBufferBytes);
        parsed = ParseList(ar, memos, m_folder);
    }
    file.Abort();
    bool damaged = tooLarge || !parsed.complete;
    if (m_hasPlacement) {
        for (auto& memo : memos) {
            // Every name was looked at while the list was read: a list
            // without unsafe names is not looked through again.
            if (parsed.unsafe && memo.HasUnsafeFileName()) continue;
            // The places in a damaged list may be noise: every note read
            // from it is put where the user can see it.
            if (damaged)
                PlaceOnScreen(memo, m_placement);
            else
                CorrectPosition(memo, m_placement);
        }
    }
    if (parsed.unsafe)
        ReportUnsafeNames(memos, path);
    else
        m_unsafeReported.erase(Key(m_currentGroup));

    if (damaged) {
        CString copy = CSafeFileWriter::KeepDatedCopy(path, m_host.Now());
        Hold(m_currentGroup);
        m_heldCopies[Key(m_currentGroup)] = copy;
        CString text = g_LanguageTable[IDS_CANNOT_READ_MEMO] + L"\n" + path;
        if (!copy.IsEmpty()) text += L"\n" + copy;
        m_host.ShowMessage(text);
        m_host.OfferMemoRestore();
        return 1;
    }

    ReleaseHold(m_currentGroup);
    if (conversionDue) {
        // The old list stays where it is; the group file now exists.
        m_converted = true;
        WriteMemoList(memos);
    }
    return 1;
}

void CMemoStore::ReportUnsafeNames(const CArray<CMemoInfo>& memos, const CString& path) {
    // A list from another computer may name files outside the memo folder or
    // devices: those records stay in the list as they are, their files are
    // never touched, and the user hears of them once.
    const int kNamesShown = 10;
    CString names;
    int unsafe = 0;
    for (int i = 0; i < memos.GetSize(); ++i) {
        if (!memos[i].HasUnsafeFileName()) continue;
        if (unsafe++ < kNamesShown) names += L"\n" + memos[i].m_strFileName;
    }
    if (unsafe > kNamesShown) names += L"\n...";
    std::wstring key = Key(m_currentGroup);
    if (unsafe == 0) {
        m_unsafeReported.erase(key);
        return;
    }
    if (!m_unsafeReported.insert(key).second) return;
    m_host.ShowMessage(g_LanguageTable[IDS_CANNOT_READ_MEMO] + L"\n" + path + names);
}

bool CMemoStore::WriteMemoList(const CArray<CMemoInfo>& memos) {
    CString path = m_folder + m_currentGroup;
    if (IsHeld(m_currentGroup)) {
        // Not a fault of the disk: the list is kept from being written over
        // because it did not read whole.
        if (m_heldReported.insert(Key(m_currentGroup)).second) {
            CString text = g_LanguageTable[IDS_MEMO_LIST_HELD] + L"\n" + path;
            auto copy = m_heldCopies.find(Key(m_currentGroup));
            if (copy != m_heldCopies.end() && !copy->second.IsEmpty())
                text += L"\n" + g_LanguageTable[IDS_DAMAGED_LIST_KEPT] + L"\n" + copy->second;
            m_host.ShowMessage(text);
        }
        return false;
    }
    // The records go through the archive's buffer straight into the file
    // being saved: a copy of the whole list would be fresh memory that
    // every save fills and throws away.
    bool written = CSafeFileWriter::WriteStream(path, [&memos](FILE* file) {
        try {
            CStreamFile out(file);
            CArchive ar(&out, CArchive::store, kListBufferBytes);
            StoreList(ar, memos);
            return true;
        } catch (const CException&) {
            return false;
        }
    });
    if (!written) {
        m_writeRetryDue = true;
        m_host.ReportSaveFailure(path);
        return false;
    }
    m_writeRetryDue = false;
    m_host.ReportSaveSucceeded(path);
    return true;
}

int CMemoStore::SerializeGroupFile(const CString& groupFile, CArray<CMemoInfo>& memos, int mode) {
    CString current = m_currentGroup;
    bool hadPlacement = m_hasPlacement;
    m_currentGroup = groupFile;
    int result;
    if (mode == 0) {
        // Another group's notes are not on screen: leave their places alone.
        m_hasPlacement = false;
        result = ReadMemoList(memos, false);
        m_hasPlacement = hadPlacement;
    } else {
        result = WriteMemoList(memos) ? 1 : 0;
    }
    m_currentGroup = current;
    return result;
}

UINT CMemoStore::CountMemosInFile(const CString& groupFile) const {
    // Only the head of the list is read.
    CFile file;
    ULONGLONG size = 0;
    if (!OpenList(m_folder + groupFile, file, size) || size > CSafeFileWriter::MaxListFileBytes) return 0;
    CArchive ar(&file, CArchive::load, 256);
    try {
        if (ar.ReadString() != Signature) return 65535;
        return ar.ReadPod<UINT32>();
    } catch (const CException&) {
        return 0;
    }
}

bool CMemoStore::EnsureRecycleBin() {
    if (CSafeFileWriter::FileExists(m_folder + RecycleBinFile)) return true;
    CArray<CMemoInfo> none;
    return SerializeGroupFile(RecycleBinFile, none, 1) == 1;
}
