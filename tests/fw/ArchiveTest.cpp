#include "ScratchFolder.h"
#include "fw/Afx.h"
#include "fw/ReadOnlyMemFile.h"

#include <gtest/gtest.h>

namespace {

std::vector<BYTE> Store(const CString& s) {
    CMemFile f;
    CArchive ar(&f, CArchive::store);
    ar << s;
    ar.Close();
    return f.Data();
}

CString LoadString(const std::vector<BYTE>& bytes) {
    CMemFile f(bytes.data(), bytes.size());
    CArchive ar(&f, CArchive::load);
    CString s;
    ar >> s;
    return s;
}

std::vector<BYTE> Header(std::initializer_list<BYTE> b) { return std::vector<BYTE>(b); }

}  // namespace

TEST(Archive, StringLengthPrefixesAtEachBoundary) {
    struct Case {
        int length;
        std::vector<BYTE> header;
    } cases[] = {
        {0, Header({0xFF, 0xFE, 0xFF, 0x00})},
        {1, Header({0xFF, 0xFE, 0xFF, 0x01})},
        {254, Header({0xFF, 0xFE, 0xFF, 0xFE})},
        {255, Header({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00})},
        {0xFFFD, Header({0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF})},
        {0xFFFE, Header({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
    };
    for (const Case& c : cases) {
        CString s;
        for (int i = 0; i < c.length; ++i) s += (wchar_t)(L'a' + i % 26);
        std::vector<BYTE> bytes = Store(s);
        ASSERT_EQ(bytes.size(), c.header.size() + 2 * (size_t)c.length) << c.length;
        EXPECT_TRUE(std::equal(c.header.begin(), c.header.end(), bytes.begin())) << c.length;
        if (c.length) {
            EXPECT_EQ(bytes[c.header.size()], 'a');
            EXPECT_EQ(bytes[c.header.size() + 1], 0);
        }
        EXPECT_EQ(LoadString(bytes), s) << c.length;
    }
}

TEST(Archive, MemoListSignatureBytes) {
    CMemFile f;
    CArchive ar(&f, CArchive::store);
    ar << CString(L"250MEMO SIGNATURE") << (DWORD)3;
    ar.Close();
    std::vector<BYTE> expect = {0xFF, 0xFE, 0xFF, 0x11};
    for (char c : std::string("250MEMO SIGNATURE")) {
        expect.push_back((BYTE)c);
        expect.push_back(0);
    }
    for (BYTE b : {3, 0, 0, 0}) expect.push_back(b);
    EXPECT_EQ(f.Data(), expect);
}

TEST(Archive, ReadsTheAnsiFormWithoutMarker) {
    EXPECT_EQ(LoadString({3, 'a', 'b', 'c'}), CString(L"abc"));
    EXPECT_EQ(LoadString({0}), CString());
    // 300 bytes: 0xFF then a 16-bit length.
    std::vector<BYTE> longer = {0xFF, 0x2C, 0x01};
    longer.insert(longer.end(), 300, 'x');
    EXPECT_EQ(LoadString(longer).GetLength(), 300);
}

TEST(Archive, IntegersAreLittleEndian) {
    CMemFile f;
    CArchive ar(&f, CArchive::store);
    ar << (int)0x01020304 << (BYTE)0xAB << (WORD)0x0506 << (DWORD)0xFFFFFFFE << (LONG)-2;
    ar.Close();
    std::vector<BYTE> expect = {4, 3, 2, 1, 0xAB, 6, 5, 0xFE, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(f.Data(), expect);

    f.SeekToBegin();
    CArchive in(&f, CArchive::load);
    int i;
    BYTE b;
    WORD w;
    DWORD d;
    LONG l;
    in >> i >> b >> w >> d >> l;
    EXPECT_EQ(i, 0x01020304);
    EXPECT_EQ(b, 0xAB);
    EXPECT_EQ(w, 0x0506);
    EXPECT_EQ(d, 0xFFFFFFFEu);
    EXPECT_EQ(l, -2);
}

TEST(Archive, ShortReadsThrowEndOfFile) {
    const std::vector<std::vector<BYTE>> truncated = {
        {},                                   // nothing at all
        {0xFF, 0xFE},                         // marker cut short
        {0xFF, 0xFE, 0xFF, 0x02, 'a', 0},     // one of two characters
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF}, // 32-bit length missing
    };
    for (const auto& bytes : truncated) {
        try {
            LoadString(bytes);
            ADD_FAILURE() << "no exception for " << bytes.size() << " bytes";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
        }
    }
    CMemFile f(std::vector<BYTE>{1, 2}.data(), 2);
    CArchive ar(&f, CArchive::load);
    DWORD d;
    EXPECT_THROW(ar >> d, CArchiveException);
}

TEST(Archive, HugeDeclaredLengthFailsWithoutAllocating) {
    // Claims 0xFFFFFFF0 characters (8 GB) but holds four bytes.
    std::vector<BYTE> bytes = {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF, 'a', 0, 'b', 0};
    EXPECT_THROW(LoadString(bytes), CArchiveException);
}

TEST(Archive, RoundTripThroughARealFileWithSmallBuffer) {
    CScratchFolder folder(L"archive");
    const CString path = folder + L"a.bin";
    {
        CFile f(path, CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&f, CArchive::store, 32);
        for (int i = 0; i < 200; ++i) ar << i << CString(L"메모 ") + CString(L"x", 1);
        ar.Close();
        f.Close();
    }
    CFile f(path, CFile::modeRead);
    CArchive ar(&f, CArchive::load, 32);
    for (int i = 0; i < 200; ++i) {
        int v;
        CString s;
        ar >> v >> s;
        ASSERT_EQ(v, i);
        ASSERT_EQ(s, CString(L"메모 x"));
    }
    BYTE b;
    EXPECT_THROW(ar >> b, CArchiveException);
    f.Close();
}

TEST(Archive, CountsUseSixteenOrThirtyTwoBits) {
    CMemFile f;
    CArchive ar(&f, CArchive::store);
    ar.WriteCount(5);
    ar.WriteCount(70000);
    ar.Close();
    EXPECT_EQ(f.Data(), (std::vector<BYTE>{5, 0, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}));
    f.SeekToBegin();
    CArchive in(&f, CArchive::load);
    EXPECT_EQ(in.ReadCount(), 5u);
    EXPECT_EQ(in.ReadCount(), 70000u);
}

// Bytes the caller holds are read in place, exactly as from a copy of them:
// the same values, the same end-of-file and length checks; writing fails.
TEST(Archive, ReadingBytesInPlaceMatchesReadingACopy) {
    std::vector<BYTE> good = Store(CString(L"in place \uBA54\uBAA8"));
    std::vector<BYTE> cut(good.begin(), good.end() - 3);
    std::vector<BYTE> huge = {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF, 'a', 0, 'b', 0};
    std::vector<BYTE> ansi = {3, 'a', 'b', 'c'};
    for (const std::vector<BYTE>* bytes : {&good, &cut, &huge, &ansi}) {
        CString fromCopy, inPlace;
        bool copyThrew = false, inPlaceThrew = false;
        try {
            fromCopy = LoadString(*bytes);
        } catch (const CArchiveException&) {
            copyThrew = true;
        }
        try {
            CReadOnlyMemFile f(bytes->data(), bytes->size());
            CArchive ar(&f, CArchive::load, 16);
            ar >> inPlace;
            EXPECT_EQ(0u, ar.BytesLeft());
        } catch (const CArchiveException&) {
            inPlaceThrew = true;
        }
        EXPECT_EQ(copyThrew, inPlaceThrew);
        EXPECT_EQ(fromCopy, inPlace);
        // The same through an archive over the bytes themselves, read into a
        // string that already holds a longer text: the text is replaced
        // whole, or kept as it was when the read fails.
        const CString before = L"an earlier, longer text than any of the above";
        CString direct = before;
        bool directThrew = false;
        try {
            CArchive ar(bytes->data(), bytes->size());
            ar >> direct;
            EXPECT_EQ(0u, ar.BytesLeft());
            BYTE past;
            EXPECT_EQ(0u, ar.Read(&past, 1));
        } catch (const CArchiveException& e) {
            directThrew = true;
            EXPECT_EQ(CArchiveException::endOfFile, e.m_cause);
        }
        EXPECT_EQ(copyThrew, directThrew);
        EXPECT_EQ(copyThrew ? before : fromCopy, direct);
    }
    {
        // Numbers and strings one after another, straight from the bytes.
        CMemFile f;
        CArchive out(&f, CArchive::store);
        out << (DWORD)0xA1B2C3D4 << CString(L"first") << (BYTE)7 << CString() << CString(L"third text");
        out.Close();
        CArchive in(f.Data().data(), f.Data().size());
        DWORD d;
        BYTE b;
        CString first = L"placeholder", empty = L"x", third;
        in >> d >> first >> b >> empty >> third;
        EXPECT_EQ(0xA1B2C3D4u, d);
        EXPECT_EQ(L"first", first);
        EXPECT_EQ(7, b);
        EXPECT_TRUE(empty.IsEmpty());
        EXPECT_EQ(L"third text", third);
        EXPECT_THROW(in >> b, CArchiveException);
    }
    EXPECT_FALSE(LoadString(good).IsEmpty());
    CReadOnlyMemFile f(good.data(), good.size());
    EXPECT_THROW(f.Write("x", 1), CFileException);
}
