#include "tools/Backup.h"
#include "tools/zip/ZipArchive.h"

#include "ZipTestUtil.h"

#include <gtest/gtest.h>

#include <set>

using namespace ziptest;

namespace {

typedef std::set<CString> Paths;

// A program folder with every kind of file a backup looks at.
class ProgramFolder {
public:
    ProgramFolder() : m_dir(L"backup") {
        for (const wchar_t* f : {L"Zorel.exe", L"Homepage.html", L"ZorelUninstall.exe", L"friendlist.xml",
                                 L"ZorelConfig.xml", L"unrelated.txt", L"memo_data\\1.rtf", L"memo_data\\.DS_Store",
                                 L"memo_data\\old\\2.rtf", L"schedule_data\\alarm.dat", L"schedule_data\\hist\\a1.dat",
                                 L"anniversary_data\\anniv.dat", L"anniversary_data\\hist\\b1.dat",
                                 L"pmanager_data\\vault.dat", L"pmanager_data\\hist\\v1.dat", L"skin\\clock\\clock.xml",
                                 L"system\\res\\a.wav", L"system\\language\\korean.txt", L"system\\skin\\cal\\c.xml",
                                 L"system\\webicon\\w.png", L"system\\other\\x.dat", L"system\\backup\\old.zip",
                                 L"skin\\hidden.sys"}) {
            CStringA text = StringToUtf8(f);
            WriteText(m_dir / f, text);
        }
        SetFileAttributesW(m_dir / L"skin\\hidden.sys", FILE_ATTRIBUTE_SYSTEM);
        m_root = m_dir.Path() + L"\\";
    }
    const CString& Root() const { return m_root; }
    CString operator/(const wchar_t* rel) const { return m_dir / rel; }

private:
    TempFolder m_dir;
    CString m_root;
};

void Prepare(CBackup& b, const ProgramFolder& folder) {
    b.m_szProgramFolder = folder.Root();
    b.m_szProgramFile = L"Zorel.exe";
    b.m_szLanguage = L"english";
    b.m_fnLoadSetupProgram = [](Bytes& data) {
        data = RandomBytes(5000, 21);
        data[0] = 'M';
        data[1] = 'Z';
        return true;
    };
}

Paths EntriesOf(const Bytes& zipBytes) {
    CMemFile mem(zipBytes.data(), zipBytes.size());
    CZipArchive zip;
    zip.Open(mem, CZipArchive::openReadOnly);
    Paths names;
    for (WORD i = 0; i < zip.GetEntryCount(); ++i) {
        CZipFileHeader h;
        zip.GetEntryInfo(h, i);
        names.insert(h.GetFileName());
    }
    zip.Close();
    return names;
}

DWORD Get32(const Bytes& b, size_t at) { return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | ((DWORD)b[at + 3] << 24); }

}  // namespace

TEST(Backup, ExtensionsAreNeverDoubled) {
    struct Case {
        const wchar_t* name;
        const wchar_t* archive;
        const wchar_t* setup;
    } cases[] = {
        {L"Zorel2014_02_09", L"Zorel2014_02_09.zip", L"Zorel2014_02_09.exe"},
        {L"mine.zip", L"mine.zip", L"mine.zip.exe"},
        {L"MINE.ZIP", L"MINE.ZIP", L"MINE.ZIP.exe"},
        {L"mine.exe", L"mine.exe.zip", L"mine.exe"},
        {L"Mine.Exe", L"Mine.Exe.zip", L"Mine.Exe"},
        {L"a.zipx", L"a.zipx.zip", L"a.zipx.exe"},
    };
    for (const Case& c : cases) {
        CBackup b;
        b.m_szName = c.name;
        EXPECT_STREQ(c.archive, b.GetArchiveName());
        EXPECT_STREQ(c.setup, b.GetSetupFileName());
    }
    struct tm t = {};
    t.tm_year = 114;
    t.tm_mon = 1;
    t.tm_mday = 9;
    t.tm_hour = 12;
    EXPECT_STREQ(L"Zorel2014_02_09", CBackup::DefaultName(mktime(&t)));
}

TEST(Backup, EntryListForEveryCombinationOfBoxes) {
    ProgramFolder folder;
    const Paths always = {L"Zorel.exe", L"Homepage.html", L"ZorelUninstall.exe", L"friendlist.xml",
                          L"system\\res\\a.wav", L"system\\language\\korean.txt", L"system\\skin\\cal",
                          L"system\\skin\\cal\\c.xml", L"system\\webicon\\w.png"};
    for (int mask = 0; mask < 128; ++mask) {
        CBackup b;
        Prepare(b, folder);
        b.m_bMemo = mask & 1;
        b.m_bSchedule = mask & 2;
        b.m_bAnniversary = mask & 4;
        b.m_bVault = mask & 8;
        b.m_bSkin = mask & 16;
        b.m_bHistory = mask & 32;
        b.m_bSettings = mask & 64;
        Paths expected = always;
        if (b.m_bSettings) expected.insert(L"ZorelConfig.xml");
        if (b.m_bMemo) expected.insert(L"memo_data\\1.rtf");
        if (b.m_bSchedule) expected.insert(L"schedule_data\\alarm.dat");
        if (b.m_bAnniversary) expected.insert(L"anniversary_data\\anniv.dat");
        if (b.m_bVault) expected.insert(L"pmanager_data\\vault.dat");
        if (b.m_bHistory) {
            if (b.m_bSchedule) expected.insert({L"schedule_data\\hist", L"schedule_data\\hist\\a1.dat"});
            if (b.m_bAnniversary) expected.insert({L"anniversary_data\\hist", L"anniversary_data\\hist\\b1.dat"});
            if (b.m_bVault) expected.insert({L"pmanager_data\\hist", L"pmanager_data\\hist\\v1.dat"});
        }
        if (b.m_bSkin) expected.insert({L"skin\\clock", L"skin\\clock\\clock.xml"});
        b.BuildFileList();
        Paths got;
        for (int i = 0; i < b.m_files.GetSize(); ++i) got.insert(b.m_files[i]);
        EXPECT_EQ((size_t)b.m_files.GetSize(), got.size()) << "mask " << mask;  // no path twice
        EXPECT_TRUE(expected == got) << "mask " << mask;
        ASSERT_GT(b.m_files.GetSize(), 0);
        EXPECT_STREQ(L"Zorel.exe", b.m_files[0]);
    }
}

TEST(Backup, SelfInstallingFileHasSetupArchiveAndTrailer) {
    ProgramFolder folder;
    CBackup b;
    Prepare(b, folder);
    b.m_szName = L"Zorel2026_12_10";
    b.m_szComment = L"before the upgrade";
    struct tm t = {};
    t.tm_year = 126;
    t.tm_mon = 11;
    t.tm_mday = 10;
    t.tm_hour = 13;
    t.tm_min = 14;
    t.tm_sec = 15;
    b.m_now = mktime(&t);
    bool saved = false;
    std::vector<int> progress;
    b.m_fnSaveData = [&] { saved = true; };
    b.m_fnProgress = [&](int p) { progress.push_back(p); };
    ASSERT_EQ(CBackup::resultDone, b.Backup());
    EXPECT_TRUE(saved);
    ASSERT_FALSE(progress.empty());
    for (size_t i = 0; i < progress.size(); ++i) {
        EXPECT_LT(progress[i], 100);
        if (i) {
            EXPECT_GE(progress[i], progress[i - 1]);
        }
    }
    CString exe = folder / L"system\\backup\\Zorel2026_12_10.exe";
    EXPECT_FALSE(IsFile(folder / L"system\\backup\\Zorel2026_12_10.zip"));  // only the setup file remains
    Bytes file = ReadBytes(exe);
    Bytes setup;
    b.m_fnLoadSetupProgram(setup);
    ASSERT_GT(file.size(), setup.size() + 1024);
    const BYTE* trailer = &file[file.size() - 1024];
    EXPECT_STREQ("ZOREL_BACKUP_AND_INSTALL", (const char*)trailer);
    for (int i = 24; i < 32; ++i) EXPECT_EQ(0, trailer[i]);
    Bytes tr(trailer, trailer + 1024);
    EXPECT_EQ(setup.size(), Get32(tr, 32));
    DWORD zipLength = Get32(tr, 36);
    EXPECT_EQ(file.size(), setup.size() + zipLength + 1024);
    EXPECT_TRUE(std::equal(setup.begin(), setup.end(), file.begin()));
    EXPECT_EQ(2026u, Get32(tr, 64));
    EXPECT_EQ(12u, Get32(tr, 68));
    EXPECT_EQ(10u, Get32(tr, 72));
    EXPECT_EQ(13u, Get32(tr, 76));
    EXPECT_EQ(14u, Get32(tr, 80));
    EXPECT_EQ(15u, Get32(tr, 84));
    EXPECT_STREQ("english", (const char*)trailer + 88);
    EXPECT_STREQ("before the upgrade", (const char*)trailer + 216);

    Bytes zipPart(file.begin() + setup.size(), file.begin() + setup.size() + zipLength);
    Paths entries = EntriesOf(zipPart);
    EXPECT_TRUE(entries.count(L"memo_data\\1.rtf"));
    EXPECT_TRUE(entries.count(L"skin\\clock\\"));
    EXPECT_FALSE(entries.count(L"system\\backup\\old.zip"));
    std::string raw(zipPart.begin(), zipPart.end());
    EXPECT_NE(std::string::npos, raw.find("memo_data/1.rtf"));

    // Left for unzip -t and Python's zipfile.
    CString out = EnvPath(L"ZOREL_ZIP_OURS");
    if (!out.IsEmpty() && MakeFolders(out)) WriteBytes(out + L"\\selfinstall.exe", file);

    // A second backup of the same name replaces the first.
    WriteText(folder / L"memo_data\\3.rtf", "new note");
    ASSERT_EQ(CBackup::resultDone, b.Backup());
    Bytes second = ReadBytes(exe);
    DWORD secondZip = Get32(Bytes(second.end() - 1024, second.end()), 36);
    EXPECT_TRUE(EntriesOf(Bytes(second.begin() + setup.size(), second.begin() + setup.size() + secondZip))
                    .count(L"memo_data\\3.rtf"));
}

TEST(Backup, TrailerEdgeCases) {
    CString longComment(L'c', 100);
    CString longLanguage(L'l', 200);
    Bytes t = CBackup::MakeTrailer(40000000000LL, longLanguage, longComment);  // beyond what localtime converts
    ASSERT_EQ(1024u, t.size());
    EXPECT_EQ(0u, Get32(t, 64));
    EXPECT_EQ(0u, Get32(t, 68));
    EXPECT_EQ(0u, Get32(t, 72));
    EXPECT_EQ(0xFFFFFFFFu, Get32(t, 76));
    EXPECT_EQ(0xFFFFFFFFu, Get32(t, 80));
    EXPECT_EQ(0xFFFFFFFFu, Get32(t, 84));
    EXPECT_EQ(std::string(128, 'l'), std::string((const char*)&t[88], 128));
    EXPECT_EQ(std::string(62, 'c'), std::string((const char*)&t[216]));
}

TEST(Backup, PlainArchiveWithEveryDataBoxOff) {
    ProgramFolder folder;
    CBackup b;
    Prepare(b, folder);
    b.m_bMemo = b.m_bSchedule = b.m_bAnniversary = b.m_bVault = b.m_bSkin = b.m_bSettings = false;
    b.m_bSetupFile = false;
    b.m_szName = L"plain";
    ASSERT_EQ(CBackup::resultDone, b.Backup());
    EXPECT_FALSE(IsFile(folder / L"system\\backup\\plain.exe"));
    Paths entries = EntriesOf(ReadBytes(folder / L"system\\backup\\plain.zip"));
    Paths expected = {L"Zorel.exe", L"Homepage.html", L"ZorelUninstall.exe", L"friendlist.xml",
                      L"system\\res\\a.wav", L"system\\language\\korean.txt", L"system\\skin\\cal\\",
                      L"system\\skin\\cal\\c.xml", L"system\\webicon\\w.png"};
    EXPECT_TRUE(expected == entries);
}

TEST(Backup, FailuresAreReportedAndLeaveNothingBehind) {
    // An empty name: nothing happens.
    {
        ProgramFolder folder;
        CBackup b;
        Prepare(b, folder);
        b.m_szName.Empty();
        EXPECT_EQ(CBackup::resultEmptyName, b.Backup());
        EXPECT_FALSE(FolderExists(folder / L"system\\backup\\x"));
    }
    // The backup folder cannot be made: reported, nothing written.
    {
        ProgramFolder folder;
        DeleteFolderTree(folder / L"system\\backup");
        WriteText(folder / L"system\\backup", "a file in the way");
        CBackup b;
        Prepare(b, folder);
        b.m_szName = L"x";
        std::vector<CString> reported;
        b.m_fnReportFailure = [&](const CString& p) { reported.push_back(p); };
        EXPECT_EQ(CBackup::resultFailed, b.Backup());
        ASSERT_EQ(1u, reported.size());
        EXPECT_STREQ(folder / L"system\\backup\\x.zip", reported[0]);
    }
    // No stored setup program: the plain archive is the backup, kept
    // quietly.
    {
        ProgramFolder folder;
        CBackup b;
        Prepare(b, folder);
        b.m_szName = L"nosetup";
        b.m_fnLoadSetupProgram = [](Bytes&) { return false; };
        std::vector<CString> reported;
        b.m_fnReportFailure = [&](const CString& p) { reported.push_back(p); };
        EXPECT_EQ(CBackup::resultDone, b.Backup());
        EXPECT_TRUE(IsFile(folder / L"system\\backup\\nosetup.zip"));
        EXPECT_FALSE(IsFile(folder / L"system\\backup\\nosetup.exe"));
        EXPECT_FALSE(IsFile(folder / L"system\\backup\\nosetup.exe.part"));
        EXPECT_TRUE(reported.empty());
    }
    // An older backup of the same name survives a failed one.
    {
        ProgramFolder folder;
        CBackup b;
        Prepare(b, folder);
        b.m_szName = L"keep";
        b.m_bSetupFile = false;
        ASSERT_EQ(CBackup::resultDone, b.Backup());
        Bytes before = ReadBytes(folder / L"system\\backup\\keep.zip");
        // The temporary archive's name is taken by a folder: creating it fails.
        MakeFolders(folder / L"system\\backup\\keep.zip.part");
        EXPECT_EQ(CBackup::resultFailed, b.Backup());
        EXPECT_EQ(before, ReadBytes(folder / L"system\\backup\\keep.zip"));
    }
}

TEST(Backup, ProgramFolderBackupLeavesOutItsOwnBackups) {
    ProgramFolder folder;
    ASSERT_TRUE(CBackup::BackupProgramFolder(folder.Root()));
    // Twice: the first backup.zip is not swallowed by the second.
    ASSERT_TRUE(CBackup::BackupProgramFolder(folder.Root()));
    Paths entries = EntriesOf(ReadBytes(folder / L"backup.zip"));
    EXPECT_FALSE(entries.count(L"backup.zip"));
    EXPECT_FALSE(entries.count(L"system\\backup\\"));
    EXPECT_FALSE(entries.count(L"system\\backup\\old.zip"));
    EXPECT_TRUE(entries.count(L"skin\\hidden.sys"));  // nothing skipped for its attributes
    EXPECT_TRUE(entries.count(L"system\\other\\x.dat"));
    EXPECT_TRUE(entries.count(L"memo_data\\.DS_Store"));
    EXPECT_TRUE(entries.count(L"memo_data\\old\\"));
    EXPECT_TRUE(entries.count(L"unrelated.txt"));
    EXPECT_EQ(22u + 17u, entries.size());  // every other file and folder

    // A program folder that cannot be written to is reported, not thrown.
    std::vector<CString> reported;
    EXPECT_FALSE(CBackup::BackupProgramFolder(folder / L"missing", [&](const CString& p) { reported.push_back(p); }));
    EXPECT_EQ(1u, reported.size());
}
