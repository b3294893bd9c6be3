#include "ScratchFolder.h"
#include "ui/BmpReader.h"
#include "ui/GroupListLogic.h"
#include "ui/HistoryComboLogic.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class MemoryProfile : public IProfileStore {
public:
    CString Read(LPCTSTR section, LPCTSTR entry) override {
        auto it = values.find(Key(section, entry));
        return it == values.end() ? CString() : it->second;
    }
    void Write(LPCTSTR section, LPCTSTR entry, LPCTSTR value) override { values[Key(section, entry)] = value; }
    bool Delete(LPCTSTR section, LPCTSTR entry) override { return values.erase(Key(section, entry)) != 0; }
    static CString Key(LPCTSTR s, LPCTSTR e) { return CString(s) + _T("\\") + e; }
    bool Has(LPCTSTR entry) { return values.count(Key(_T("HistoryRun"), entry)) != 0; }
    std::map<CString, CString> values;
};


}  // namespace

TEST(HistoryComboLogic, AddTrimsAndReplacesAnOlderEntryIgnoringCase) {
    CHistoryComboLogic h;
    h.AddToHistory(_T("first"));
    h.AddToHistory(_T("ABC"));
    h.AddToHistory(_T("last"));
    EXPECT_EQ(0, h.AddToHistory(_T("  abc  ")));
    ASSERT_EQ(3u, h.m_items.size());
    EXPECT_EQ(CString(_T("abc")), h.m_items[0]);
    EXPECT_EQ(CString(_T("last")), h.m_items[1]);
    EXPECT_EQ(CString(_T("first")), h.m_items[2]);
    EXPECT_EQ(0, h.m_nSelected);
}

TEST(HistoryComboLogic, KeepsAtMostTheHistorySize) {
    CHistoryComboLogic h;
    for (int i = 0; i < 15; ++i) {
        CString s;
        s.Format(_T("cmd%d"), i);
        h.AddToHistory(s);
    }
    ASSERT_EQ(10u, h.m_items.size());
    EXPECT_EQ(CString(_T("cmd14")), h.m_items[0]);
}

TEST(HistoryComboLogic, SavingFewerItemsDeletesTheRest) {
    MemoryProfile store;
    for (int i = 0; i < 10; ++i) {
        CString k, v;
        k.Format(_T("Script%d"), i);
        v.Format(_T("old%d"), i);
        store.Write(_T("HistoryRun"), k, v);
    }
    CHistoryComboLogic h(&store);
    h.LoadHistory(_T("HistoryRun"), _T("Script"));
    ASSERT_EQ(10u, h.m_items.size());
    h.m_items.resize(3);
    h.m_strText.Empty();
    h.SaveHistory(TRUE);
    EXPECT_TRUE(store.Has(_T("Script0")));
    EXPECT_TRUE(store.Has(_T("Script2")));
    for (int i = 3; i < 10; ++i) {
        CString k;
        k.Format(_T("Script%d"), i);
        EXPECT_FALSE(store.Has(k)) << i;
    }
    EXPECT_TRUE(store.Has(_T("Script")));  // the last selection, under the prefix
}

TEST(HistoryComboLogic, LoadRestoresTheLastSelection) {
    MemoryProfile store;
    store.Write(_T("HistoryRun"), _T("Script0"), _T("notepad"));
    store.Write(_T("HistoryRun"), _T("Script1"), _T("calc"));
    store.Write(_T("HistoryRun"), _T("Script3"), _T("after a gap"));
    store.Write(_T("HistoryRun"), _T("Script"), _T("CALC"));
    CHistoryComboLogic h(&store);
    EXPECT_EQ(CString(_T("CALC")), h.LoadHistory(_T("HistoryRun"), _T("Script")));
    ASSERT_EQ(2u, h.m_items.size());  // stops at the first empty entry
    EXPECT_EQ(1, h.m_nSelected);
    store.Write(_T("HistoryRun"), _T("Script"), _T("unknown"));
    h.LoadHistory(_T("HistoryRun"), _T("Script"));
    EXPECT_EQ(-1, h.m_nSelected);
    EXPECT_EQ(CString(_T("unknown")), h.m_strText);
    // Without a section nothing changes.
    EXPECT_EQ(CString(), h.LoadHistory(_T(""), _T("Script")));
    EXPECT_EQ(2u, h.m_items.size());
}

TEST(HistoryComboLogic, ClearDeletesStoredEntries) {
    MemoryProfile store;
    CHistoryComboLogic h(&store);
    h.LoadHistory(_T("HistoryRun"), _T("Script"));
    h.AddToHistory(_T("a"));
    h.AddToHistory(_T("b"));
    h.SaveHistory(FALSE);
    EXPECT_TRUE(store.Has(_T("Script1")));
    h.ClearHistory(TRUE);
    EXPECT_TRUE(h.m_items.empty());
    EXPECT_TRUE(store.values.empty());
}

TEST(HistoryComboLogic, ArchiveRoundTrip) {
    CHistoryComboLogic h;
    h.AddToHistory(_T("one"));
    h.AddToHistory(_T("two"));
    h.m_strText = _T("three");
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        h.Store(ar);
    }
    file.SeekToBegin();
    CHistoryComboLogic back;
    {
        CArchive ar(&file, CArchive::load);
        back.Load(ar);
    }
    ASSERT_EQ(3u, back.m_items.size());
    EXPECT_EQ(CString(_T("three")), back.m_items[0]);
    EXPECT_EQ(0, back.m_nSelected);
}

TEST(GroupListLogic, Labels) {
    struct Case { const wchar_t* file; int count; const wchar_t* label; } cases[] = {
        {L"Work.zrd", 12, L"Work (12)"},
        {L"Work.zrd", 0xFFFF, L"Work (?)"},
        {L"Work.zrd", -1, L"Work (0)"},
        {L"RecycleBin.zrr", 0xFFFF, L"Temporary Storage (?)"},
        {L"RecycleBin.zrr", 3, L"Temporary Storage (3)"},
        {L".zrd", 1, L".zrd"},              // ".zr" at the start: kept as it is
        {L"My.zrd.txt", 1, L"My.zrd.txt"},  // not four characters before the end
        {L"Plain", 5, L"Plain"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.label), CGroupListLogic::Label(c.file, c.count, _T("Temporary Storage"))) << c.file;
    EXPECT_EQ(RGB(224, 104, 62), CGroupListLogic::TextColor(true, false, false, false));
    EXPECT_EQ(RGB(0, 156, 0), CGroupListLogic::TextColor(false, true, false, false));
    EXPECT_EQ(RGB(96, 96, 96), CGroupListLogic::TextColor(false, false, false, false));
}

namespace {

// A 2 x 2 bitmap of the given bit count, written as a file would be.
std::vector<BYTE> MakeBmp(int bits, int width = 2, int height = 2) {
    int colors = bits <= 8 ? (1 << bits) : 0;
    int stride = ((width * bits + 31) / 32) * 4;
    int bitsOffset = 14 + 40 + colors * 4;
    int size = bitsOffset + stride * height;
    std::vector<BYTE> b(size);
    BITMAPFILEHEADER fh = {};
    fh.bfType = 19778;
    fh.bfSize = size;
    fh.bfOffBits = bitsOffset;
    memcpy(b.data(), &fh, 14);
    BITMAPINFOHEADER ih = {};
    ih.biSize = 40;
    ih.biWidth = width;
    ih.biHeight = height;
    ih.biPlanes = 1;
    ih.biBitCount = (WORD)bits;
    memcpy(b.data() + 14, &ih, 40);
    return b;
}

void Patch(std::vector<BYTE>& b, size_t at, LONG value) { memcpy(b.data() + at, &value, 4); }

}  // namespace

TEST(BmpReader, AcceptsTruthfulHeaders) {
    for (int bits : {1, 4, 8, 24, 32}) {
        CBmpReader::Layout layout;
        ASSERT_TRUE(CBmpReader::Parse(MakeBmp(bits), &layout)) << bits;
        EXPECT_EQ(14u + 40u + (bits <= 8 ? (1u << bits) * 4 : 0u), layout.bitsOffset);
    }
}

TEST(BmpReader, RefusesHeadersThatLie) {
    auto good = MakeBmp(24);
    std::vector<std::vector<BYTE>> bad;
    auto b = good; b[0] = 'X'; bad.push_back(b);                  // not "BM"
    b = good; Patch(b, 18, 4000); bad.push_back(b);                // wider than the pixels there
    b = good; Patch(b, 22, 100000); bad.push_back(b);              // taller than allowed
    b = good; Patch(b, 14, 4000); bad.push_back(b);                // information header past the end
    b = MakeBmp(8); Patch(b, 46, 0x7FFFFFFF); bad.push_back(b);    // colours used beyond the palette
    b = good; b.resize(30); bad.push_back(b);                      // truncated
    b = good; Patch(b, 18, -5); bad.push_back(b);                  // negative width
    b = good; b[28] = 7; bad.push_back(b);                         // bit count 7
    for (size_t i = 0; i < bad.size(); ++i)
        EXPECT_FALSE(CBmpReader::Parse(bad[i], nullptr)) << i;
}

TEST(BmpReader, LoadsAFileAndRefusesAMissingOne) {
    auto bytes = MakeBmp(24, 32, 32);
    CScratchFolder folder(L"controls");
    CString path = folder.Write(L"a.bmp", std::string(bytes.begin(), bytes.end()));
    HBITMAP bmp = CBmpReader::LoadBitmapFile(path);
    ASSERT_NE(nullptr, bmp);
    BITMAP info;
    GetObject(bmp, sizeof(info), &info);
    EXPECT_EQ(32, info.bmWidth);
    DeleteObject(bmp);
    DeleteFileW(path);
    EXPECT_EQ(nullptr, CBmpReader::LoadBitmapFile(path));
}
