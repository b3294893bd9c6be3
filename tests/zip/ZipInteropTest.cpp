// Archives of other tools read by ours, and archives of ours left for other
// tools: check_ours.py runs unzip, zipinfo and Python's zipfile over them.
#include "tools/zip/ZipArchive.h"

#include "ZipTestUtil.h"

#include <gtest/gtest.h>

using namespace ziptest;

namespace {

CString TheirsFolder() {
    CString data = EnvPath(L"ZOREL_ZIP_DATA");
    return data.IsEmpty() ? CString() : data + L"\\theirs";
}

std::map<CString, Bytes> FilesOnly(const std::map<CString, Bytes>& tree) {
    std::map<CString, Bytes> files;
    for (const auto& kv : tree)
        if (kv.first.Right(1) != L"\\") files.insert(kv);
    return files;
}

// Writes the tree into out\name.src and the archive of it into out\name.zip.
void WriteOurs(const CString& out, const CString& name, const std::map<CString, Bytes>& tree, int level = -1,
               const char* password = nullptr) {
    CString src = out + L"\\" + name + L".src";
    DeleteFolderTree(src);
    MakeFolders(src);
    std::vector<CString> paths;
    for (const auto& kv : tree) {
        if (kv.first.Right(1) == L"\\")
            MakeFolders(src + L"\\" + kv.first);
        else
            WriteBytes(src + L"\\" + kv.first, kv.second);
        paths.push_back(kv.first.Right(1) == L"\\" ? kv.first.Left(kv.first.GetLength() - 1) : kv.first);
    }
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(src);
    CZipArchive zip;
    zip.Open(out + L"\\" + name + L".zip", CZipArchive::create);
    if (password) zip.SetPassword(password);
    for (const CString& p : paths) EXPECT_TRUE(zip.AddNewFile(p, level)) << StringToUtf8(p).GetString();
    zip.Close();
    SetCurrentDirectoryW(previous);
    if (password) WriteText(out + L"\\" + name + L".pwd", password);
}

}  // namespace

TEST(ZipInterop, OursForOtherTools) {
    CString out = EnvPath(L"ZOREL_ZIP_OURS");
    if (out.IsEmpty()) GTEST_SKIP() << "ZOREL_ZIP_OURS is not set";
    DeleteFolderTree(out);
    ASSERT_TRUE(MakeFolders(out));
    CStringA oem;
    oem.Format("%u\n", GetOEMCP());
    WriteText(out + L"\\oemcp.txt", oem);

    WriteOurs(out, L"empty", {{L"empty.txt", Bytes()}});
    WriteOurs(out, L"random1mb", {{L"random.bin", RandomBytes(1 << 20, 11)}});
    WriteOurs(out, L"level0", {{L"a.txt", Bytes(5000, 'a')}, {L"b.bin", RandomBytes(70000, 12)}}, 0);
    WriteOurs(out, L"nested", {{L"top\\", {}},
                               {L"top\\mid\\", {}},
                               {L"top\\mid\\bottom\\", {}},
                               {L"top\\mid\\bottom\\leaf.txt", Bytes(3000, 'x')},
                               {L"top\\mid\\note.txt", Bytes{'h', 'i'}},
                               {L"top\\empty\\", {}}});
    std::map<CString, Bytes> many;
    for (int i = 0; i < 1000; ++i) {
        CString name;
        name.Format(L"d%02d\\file%04d.txt", i / 100, i);
        CStringA text;
        text.Format("entry %d\n", i);
        many[name] = Bytes(text.GetString(), text.GetString() + text.GetLength());
    }
    WriteOurs(out, L"many", many);
    WriteOurs(out, L"encrypted", {{L"secret.txt", Bytes(20000, 's')}, {L"r.bin", RandomBytes(9000, 13)}}, -1,
              "pa55word");
    // Names no single code page holds, in either locale.
    WriteOurs(out, L"unicode", {{L"a\u2014b.txt", Bytes{'d'}},
                                {L"price\u20ac.txt", Bytes{'e'}},
                                {L"caf\u00e9.txt", Bytes{'c'}},
                                {L"\u0416\u0443\u0440\u043d\u0430\u043b.txt", Bytes{'l'}},
                                {L"\u2500box.txt", Bytes{'b'}},
                                {L"\uD55C\uAE00\\", {}},
                                {L"\uD55C\uAE00\\\uBA54\uBAA8 caf\u00e9.txt", Bytes{'m'}}});
    if (GetACP() == 949) {
        WriteOurs(out, L"korean", {{L"\uD55C\uAE00\\", {}},
                                   {L"\uD55C\uAE00\\\uBA54\uBAA8.txt", Bytes(100, 'k')},
                                   {L"\uC77C\uC815 2014.dat", RandomBytes(1000, 14)}});
    }

    // Appending to an archive of ours keeps it valid for the others.
    WriteOurs(out, L"appended", {{L"first.txt", Bytes(100, '1')}});
    {
        CString src = out + L"\\appended.src";
        WriteBytes(src + L"\\second.bin", RandomBytes(20000, 15));
        wchar_t previous[MAX_PATH];
        GetCurrentDirectoryW(MAX_PATH, previous);
        SetCurrentDirectoryW(src);
        CZipArchive zip;
        zip.Open(out + L"\\appended.zip", CZipArchive::open);
        EXPECT_TRUE(zip.AddNewFile(L"second.bin"));
        zip.Close();
        SetCurrentDirectoryW(previous);
    }

    // A spanned archive that fit on one volume, converted to an ordinary one
    // (an encrypted entry keeps its data descriptor).
    for (const char* password : {(const char*)nullptr, "span"}) {
        CString name = password ? L"spanned_encrypted" : L"spanned";
        CString src = out + L"\\" + name + L".src";
        MakeFolders(src);
        WriteBytes(src + L"\\s.bin", RandomBytes(200000, 16));
        WriteText(src + L"\\t.txt", "spanned");
        wchar_t previous[MAX_PATH];
        GetCurrentDirectoryW(MAX_PATH, previous);
        SetCurrentDirectoryW(src);
        CZipArchive zip;
        zip.Open(out + L"\\" + name + L".zip", CZipArchive::createSpan, 50000000);
        if (password) zip.SetPassword(password);
        EXPECT_TRUE(zip.AddNewFile(L"s.bin"));
        EXPECT_TRUE(zip.AddNewFile(L"t.txt"));
        zip.Close();
        SetCurrentDirectoryW(previous);
        if (password) WriteText(out + L"\\" + name + L".pwd", password);
    }

    CZipArchive none;
    none.Open(out + L"\\noentries.zip", CZipArchive::create);
    none.Close();
}

TEST(ZipInterop, TheirsAreReadAndExtracted) {
    CString theirs = TheirsFolder();
    if (theirs.IsEmpty()) GTEST_SKIP() << "ZOREL_ZIP_DATA is not set";
    auto src = FilesOnly(ReadTree(theirs + L"\\src"));
    ASSERT_EQ(6u, src.size());
    for (const wchar_t* name : {L"zipr", L"zip0", L"comment", L"stream", L"stub", L"stub_adjusted", L"python",
                                L"pystream"}) {
        SCOPED_TRACE(StringToUtf8(name).GetString());
        TempFolder out(L"theirs");
        CZipArchive zip;
        try {
            zip.Open(theirs + L"\\" + name + L".zip", CZipArchive::openReadOnly);
            for (WORD i = 0; i < zip.GetEntryCount(); ++i) EXPECT_TRUE(zip.ExtractFile(i, out.Path())) << i;
            zip.Close();
        } catch (const CException& e) {
            zip.Close(true);
            ADD_FAILURE() << StringToUtf8(e.GetErrorMessage()).GetString();
            continue;
        }
        auto got = FilesOnly(ReadTree(out.Path()));
        EXPECT_EQ(src.size(), got.size());
        for (const auto& kv : src) {
            auto it = got.find(kv.first);
            if (it == got.end())
                ADD_FAILURE() << "missing " << StringToUtf8(kv.first).GetString();
            else
                EXPECT_TRUE(it->second == kv.second) << StringToUtf8(kv.first).GetString();
        }
        if (CString(name) != L"python" && CString(name) != L"pystream") {
            EXPECT_TRUE(FolderExists(out / L"empty_folder"));
        }
        // Unix mode bits are dropped; the read-only bit Info-ZIP sets for
        // a file without write permission is kept.
        DWORD ro = GetFileAttributesW(out / L"docs\\readonly.txt");
        DWORD rw = GetFileAttributesW(out / L"bin\\run.sh");
        EXPECT_FALSE(rw & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DEVICE)) << rw;
        EXPECT_FALSE(ro & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) << ro;
        if (CString(name).Left(3) == L"zip" || CString(name).Left(4) == L"stub" || CString(name) == L"comment" ||
            CString(name) == L"stream") {
            EXPECT_TRUE(ro & FILE_ATTRIBUTE_READONLY) << ro;
        }
    }
}

TEST(ZipInterop, TheirUnicodeNamesAreKept) {
    CString theirs = TheirsFolder();
    if (theirs.IsEmpty()) GTEST_SKIP() << "ZOREL_ZIP_DATA is not set";
    auto want = FilesOnly(ReadTree(theirs + L"\\usrc"));
    ASSERT_EQ(5u, want.size());
    TempFolder out(L"theirs_unicode");
    CZipArchive zip;
    zip.Open(theirs + L"\\unicode.zip", CZipArchive::openReadOnly);
    for (WORD i = 0; i < zip.GetEntryCount(); ++i) EXPECT_TRUE(zip.ExtractFile(i, out.Path())) << i;
    zip.Close();
    auto got = FilesOnly(ReadTree(out.Path()));
    EXPECT_EQ(want, got);
    EXPECT_TRUE(got.count(L"\uD55C\uAE00\\\uBA54\uBAA8.txt"));
}

TEST(ZipInterop, TheirCommentAndStubAreFound) {
    CString theirs = TheirsFolder();
    if (theirs.IsEmpty()) GTEST_SKIP() << "ZOREL_ZIP_DATA is not set";
    CZipArchive zip;
    zip.Open(theirs + L"\\comment.zip", CZipArchive::openReadOnly);
    const CZipAutoBuffer& c = zip.GetCentralDir().m_pszComment;
    EXPECT_EQ("A comment made by Info-ZIP", std::string(c.GetBuffer(), c.GetSize()));
    zip.Close();
    zip.Open(theirs + L"\\stub.zip", CZipArchive::openReadOnly);
    EXPECT_EQ(4096u, zip.GetCentralDir().m_uBytesBeforeZip);
    zip.Close();
    zip.Open(theirs + L"\\stub_adjusted.zip", CZipArchive::openReadOnly);
    EXPECT_EQ(0u, zip.GetCentralDir().m_uBytesBeforeZip);
    zip.Close();
}

TEST(ZipInterop, TheirEncryptedEntriesFailWithoutThePassword) {
    CString theirs = TheirsFolder();
    if (theirs.IsEmpty()) GTEST_SKIP() << "ZOREL_ZIP_DATA is not set";
    TempFolder out(L"theirs_enc");
    CZipArchive zip;
    zip.Open(theirs + L"\\encrypted.zip", CZipArchive::openReadOnly);
    ASSERT_EQ(2, zip.GetEntryCount());
    CZipFileHeader h;
    zip.GetEntryInfo(h, 0);
    EXPECT_TRUE(h.IsEncrypted());
    EXPECT_FALSE(zip.ExtractFile(0, out.Path()));
    EXPECT_FALSE(IsFile(out / L"hello.txt"));
    // A wrong password passes the one-byte check one time in 256 and then
    // fails on the data instead; each must fail, and nearly all by the check.
    int badPasswordCount = 0;
    for (const char* wrong : {"not it", "nope", "guess", "letmein", "0000", "password", "zorel", "x"}) {
        zip.SetPassword(wrong);
        int cause = 0;
        try {
            zip.ExtractFile(0, out.Path());
        } catch (const CZipException& e) {
            cause = e.m_iCause;
        }
        EXPECT_NE(0, cause) << wrong;
        EXPECT_FALSE(IsFile(out / L"hello.txt")) << wrong;
        if (cause == CZipException::badPassword) ++badPasswordCount;
    }
    EXPECT_GE(badPasswordCount, 1);
    zip.SetPassword("secret");
    EXPECT_TRUE(zip.ExtractFile(0, out.Path()));
    EXPECT_TRUE(zip.ExtractFile(1, out.Path()));
    zip.Close();
    EXPECT_TRUE(ReadBytes(theirs + L"\\src\\hello.txt") == ReadBytes(out / L"hello.txt"));
    EXPECT_TRUE(ReadBytes(theirs + L"\\src\\docs\\deep\\er\\text.txt") == ReadBytes(out / L"docs\\deep\\er\\text.txt"));
}
