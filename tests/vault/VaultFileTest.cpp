// The vault file without windows: its exact bytes, the key rule, records of
// every length, files of other tools and damaged files, history copies.
#include "ScratchFolder.h"
#include "VaultTestUtil.h"
#include "fw/Archive.h"
#include "shell/AesCipher.h"
#include "tools/PwdVault.h"

#include <gtest/gtest.h>

using namespace vaulttest;

namespace {

std::string ArchiveString(const std::wstring& text) {
    std::string out = "\xFF\xFE\xFF";
    out += (char)text.size();
    for (wchar_t c : text) {
        out += (char)(c & 0xFF);
        out += (char)(c >> 8);
    }
    return out;
}

std::string Int32(int v) { return std::string((const char*)&v, 4); }

class VaultFile : public ::testing::Test {
protected:
    void SetUp() override {
        vault = CPwdVault(scratch.Path());
        vault.m_clock = [this] { return now; };
    }
    CScratchFolder scratch{L"vault"};
    CPwdVault vault;
    SYSTEMTIME now = At(2014, 2, 9, 15, 30, 45);
};

}  // namespace

TEST_F(VaultFile, AVaultWithoutEntriesIsItsHeaderVerifierAndTwoZeros) {
    ASSERT_TRUE(vault.WriteEmptyVault(L"Ours2024pw"));
    std::string expected = ArchiveString(L"HEADER:ZOREL_PWDMGR_FILE") +
                           ArchiveString(L"f4667faa90014eb5be97ac74ef2b08117d5a55b954129e41ea60ad59affe7436") +
                           std::string("\xFF\xFE\xFF\x00", 4) + Int32(0) + Int32(0);
    std::string bytes = ReadBytes(vault.GetFilePath());
    EXPECT_EQ(bytes.size(), 196u);
    EXPECT_EQ(bytes, expected);
    // Saving no entries writes the same file: no cipher text at all.
    ASSERT_TRUE(vault.Save(L"Ours2024pw", {}));
    EXPECT_EQ(ReadBytes(vault.GetFilePath()), expected);
    EXPECT_EQ(vault.ReadStoredVerifier(), L"f4667faa90014eb5be97ac74ef2b08117d5a55b954129e41ea60ad59affe7436");
}

TEST(VaultKey, IsTheAnsiPasswordCutAt16AndFilledWithIPlus32) {
    const struct {
        const wchar_t* password;
        const char* key;
    } cases[] = {
        {L"", " !\"#$%&'()*+,-./"},
        {L"abc", "abc#$%&'()*+,-./"},
        {L"Ours2024pw", "Ours2024pw*+,-./"},
        {L"0123456789abcdef", "0123456789abcdef"},
        {L"0123456789abcdefGHIJ", "0123456789abcdef"},
    };
    for (const auto& c : cases) {
        BYTE key[16];
        CPwdVault::MakeKey(c.password, key);
        EXPECT_EQ(std::string((const char*)key, 16), std::string(c.key, 16)) << CStringA(c.password).GetString();
    }
}

TEST_F(VaultFile, LongPasswordsAgreeingIn16BytesShareTheKeyButNotTheVerifier) {
    const CString a = L"abcdefghijklmnop-first", b = L"abcdefghijklmnop-second";
    EXPECT_NE(CPwdVault::MakeVerifier(a), CPwdVault::MakeVerifier(b));
    std::vector<CPwdInfo> entries = {Entry(L"Mail", L"kim", L"pw")};
    ASSERT_TRUE(vault.Save(a, entries));
    std::vector<CPwdInfo> read;
    EXPECT_EQ(vault.Load(b, read), CPwdVault::loadWrongPassword);
    EXPECT_TRUE(read.empty());
    // The cipher text alone does not tell them apart: b's key decrypts it.
    std::vector<BYTE> cipher;
    ASSERT_TRUE(CPwdVault::EncryptRecords(entries, a, cipher));
    EXPECT_EQ(CPwdVault::DecryptRecords(1, cipher.data(), cipher.size(), b, read), CPwdVault::decryptOk);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0], entries[0]);
}

TEST_F(VaultFile, EntriesOfEveryLengthComeBackWholeAndInOrder) {
    std::vector<CPwdInfo> entries;
    for (int length : {0, 1, 254, 255, 300, 65533, 65534, 70000}) {
        CString text;
        for (int i = 0; i < length; ++i) text += (wchar_t)(L'a' + i % 26);
        CPwdInfo e = Entry(L"", L"id", L"pw");
        e.m_szTitle.Format(L"entry %d", length);
        e.m_szMemo = text;
        e.m_szURL = L"\xD55C\xAE00 caf\xE9";  // beyond any single code page
        entries.push_back(e);
    }
    // The spare fields travel with the record.
    entries[1].m_szReserved[2] = L"kept";
    entries[1].m_nReserved[3] = 7;
    ASSERT_TRUE(vault.Save(L"Ours2024pw", entries));
    std::vector<CPwdInfo> read;
    ASSERT_EQ(vault.Load(L"Ours2024pw", read), CPwdVault::loadOk);
    ASSERT_EQ(read.size(), entries.size());
    for (size_t i = 0; i < entries.size(); ++i) EXPECT_TRUE(read[i] == entries[i]) << i;
}

TEST_F(VaultFile, CipherTextIsOneToSixteenBytesOfPaddingLonger) {
    for (int length : {0, 5, 6, 7, 20}) {
        std::vector<CPwdInfo> entries = {Entry(L"t")};
        for (int i = 0; i < length; ++i) entries[0].m_szID += L'x';
        CMemFile plain;
        {
            CArchive ar(&plain, CArchive::store);
            CPwdInfo copy = entries[0];
            copy.Serialize(ar);
            ar.Close();
        }
        std::vector<BYTE> cipher;
        ASSERT_TRUE(CPwdVault::EncryptRecords(entries, L"pw", cipher));
        EXPECT_EQ(cipher.size(), (plain.GetLength() / 16 + 1) * 16) << length;
    }
}

TEST_F(VaultFile, AByteAfterTheLastRecordIsIgnored) {
    std::vector<CPwdInfo> entries = {Entry(L"One", L"a"), Entry(L"Two", L"b")};
    CMemFile plain;
    {
        CArchive ar(&plain, CArchive::store);
        for (CPwdInfo e : entries) e.Serialize(ar);
        ar << (BYTE)0;
        ar.Close();
    }
    std::vector<BYTE> bytes = plain.Detach();
    BYTE key[16];
    CPwdVault::MakeKey(L"pw", key);
    AesCipher aes(nullptr, 9);
    ASSERT_TRUE(aes.SetKeyWithIv(key, 16, (const BYTE*)"q7!Lm#2vR@9xK$4w", 16));
    DWORD size = 0;
    AesCipher::GetCipherTextSize((DWORD)bytes.size(), size);
    std::vector<BYTE> cipher(size);
    ASSERT_TRUE(aes.Encrypt(bytes.data(), (DWORD)bytes.size(), cipher.data(), size));
    std::vector<CPwdInfo> read;
    EXPECT_EQ(CPwdVault::DecryptRecords(2, cipher.data(), size, L"pw", read), CPwdVault::decryptOk);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1].m_szTitle, L"Two");
}

// Files that are not this password's vault give no entries; files that are
// but do not read whole give what could be read and say so.
TEST_F(VaultFile, DamagedAndForeignFiles) {
    std::vector<CPwdInfo> entries = {Entry(L"One", L"a"), Entry(L"Two", L"b"), Entry(L"Three", L"c")};
    ASSERT_TRUE(vault.Save(L"pw", entries));
    const std::string good = ReadBytes(vault.GetFilePath());
    const size_t countAt = 52 + 132 + 4 + 4;
    auto withCount = [&](int n) {
        std::string s = good;
        memcpy(&s[countAt], &n, 4);
        return s;
    };
    std::string otherHeader = good;
    otherHeader[4] = 'X';
    const struct {
        const char* name;
        std::string bytes;
        const wchar_t* password;
        CPwdVault::LoadStatus status;
        size_t entries;
    } cases[] = {
        {"whole", good, L"pw", CPwdVault::loadOk, 3},
        {"wrong password", good, L"pw2", CPwdVault::loadWrongPassword, 0},
        {"other header", otherHeader, L"pw", CPwdVault::loadOtherHeader, 0},
        {"cut in the header", good.substr(0, 30), L"pw", CPwdVault::loadUnreadable, 0},
        {"cut before the count", good.substr(0, countAt + 2), L"pw", CPwdVault::loadDamaged, 0},
        {"cut in the cipher text", good.substr(0, good.size() - 5), L"pw", CPwdVault::loadDamaged, 0},
        {"a huge count", withCount(0x7FFFFFFF), L"pw", CPwdVault::loadDamaged, 3},
        {"a negative count", withCount(-1), L"pw", CPwdVault::loadDamaged, 3},
        {"fewer counted", withCount(2), L"pw", CPwdVault::loadOk, 2},
        {"a count without cipher text", good.substr(0, countAt + 4), L"pw", CPwdVault::loadDamaged, 0},
    };
    for (const auto& c : cases) {
        WriteBytes(vault.GetFilePath(), c.bytes);
        std::vector<CPwdInfo> read;
        EXPECT_EQ(vault.Load(c.password, read), c.status) << c.name;
        EXPECT_EQ(read.size(), c.entries) << c.name;
        for (size_t i = 0; i < read.size(); ++i) EXPECT_TRUE(read[i] == entries[i]) << c.name;
    }
    std::vector<CPwdInfo> read;
    ::DeleteFileW(vault.GetFilePath());
    EXPECT_EQ(vault.Load(L"pw", read), CPwdVault::loadMissing);
}

TEST_F(VaultFile, StoredVerifierOfMissingForeignAndCutFiles) {
    bool failed = true;
    EXPECT_EQ(vault.ReadStoredVerifier(&failed), L"");
    EXPECT_FALSE(failed);
    ASSERT_TRUE(vault.WriteEmptyVault(L"pw"));
    std::string good = ReadBytes(vault.GetFilePath());
    EXPECT_EQ(vault.ReadStoredVerifier(&failed), CPwdVault::MakeVerifier(L"pw"));
    EXPECT_FALSE(failed);
    std::string other = good;
    other[4] = 'X';
    WriteBytes(vault.GetFilePath(), other);
    EXPECT_EQ(vault.ReadStoredVerifier(&failed), L"");
    EXPECT_FALSE(failed);
    WriteBytes(vault.GetFilePath(), good.substr(0, 100));
    EXPECT_EQ(vault.ReadStoredVerifier(&failed), L"");
    EXPECT_TRUE(failed);
}

TEST_F(VaultFile, HistoryCopiesByLevel) {
    const struct {
        int level;
        std::vector<const wchar_t*> copies;
    } cases[] = {
        {0, {}},
        {1, {L"2014_02_09.xbak"}},
        {2, {L"2014_02_09_15_30_45.xbak", L"2014_02_09_15_30_46.xbak"}},
    };
    for (const auto& c : cases) {
        CScratchFolder folder(L"vault-history");
        CPwdVault v(folder.Path());
        v.m_historyLevel = c.level;
        SYSTEMTIME t = At(2014, 2, 9, 15, 30, 44);
        v.m_clock = [&t] { return t; };
        ASSERT_TRUE(v.Save(L"pw", {Entry(L"first")}));  // nothing to copy yet
        const std::string first = ReadBytes(v.GetFilePath());
        t.wSecond = 45;
        ASSERT_TRUE(v.Save(L"pw", {Entry(L"first"), Entry(L"second")}));
        const std::string second = ReadBytes(v.GetFilePath());
        t.wSecond = 46;
        ASSERT_TRUE(v.Save(L"pw", {Entry(L"first"), Entry(L"second"), Entry(L"third")}));
        std::vector<CString> names = folder.List(L"history");
        ASSERT_EQ(names.size(), c.copies.size()) << c.level;
        for (size_t i = 0; i < names.size(); ++i) EXPECT_EQ(names[i], c.copies[i]) << c.level;
        // One a day holds the file as it was before the day's last save.
        if (c.level == 1) { EXPECT_EQ(ReadBytes(folder + L"history\\2014_02_09.xbak"), second); }
        if (c.level == 2) { EXPECT_EQ(ReadBytes(folder + L"history\\2014_02_09_15_30_45.xbak"), first); }
    }
}

TEST_F(VaultFile, ResetMovesTheVaultIntoHistoryOrDeletesIt) {
    ASSERT_TRUE(vault.Save(L"pw", {Entry(L"kept")}));
    const std::string bytes = ReadBytes(vault.GetFilePath());
    vault.m_historyLevel = 1;
    ASSERT_TRUE(vault.Reset());
    EXPECT_FALSE(vault.Exists());
    EXPECT_EQ(ReadBytes(scratch + L"history\\2014_02_09.xbak"), bytes);

    ASSERT_TRUE(vault.Save(L"pw", {Entry(L"gone")}));
    vault.m_historyLevel = 0;
    ASSERT_TRUE(vault.Reset());
    EXPECT_FALSE(vault.Exists());
    EXPECT_EQ(scratch.List(L"history").size(), 1u);
}

// The old file stays whole when the new one cannot be put in its place.
TEST_F(VaultFile, AFailedSaveKeepsTheOldVault) {
    ASSERT_TRUE(vault.Save(L"pw", {Entry(L"old")}));
    const std::string old = ReadBytes(vault.GetFilePath());
    HANDLE lock = CreateFileW(vault.GetFilePath(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(vault.Save(L"pw", {Entry(L"old"), Entry(L"new")}));
    CloseHandle(lock);
    EXPECT_EQ(ReadBytes(vault.GetFilePath()), old);
    EXPECT_TRUE(scratch.List(L"", L"*.tmp").empty());
    // A folder that is not there cannot take a new vault either.
    CPwdVault nowhere(scratch + L"missing\\deeper");
    EXPECT_FALSE(nowhere.WriteEmptyVault(L"pw"));
}

// Files that openssl encrypted (vault_peer.py make) open here; the file
// written here is checked by openssl and sha256sum (vault_peer.py check).
TEST(VaultInterop, TheirsOpensAndOursIsLeftForThem) {
    CString data = EnvPath(L"ZOREL_VAULT_DATA");
    if (data.IsEmpty()) GTEST_SKIP() << "ZOREL_VAULT_DATA is not set";
    CPwdVault theirs(data);
    CString path = theirs.GetFolder() + L"theirs.pmd";
    ASSERT_TRUE(CopyFileW(path, theirs.GetFilePath(), FALSE));
    std::vector<CPwdInfo> read;
    ASSERT_EQ(theirs.Load(L"Theirs2024pw", read), CPwdVault::loadOk);
    CString longNotes(L'n', 300);
    std::vector<CPwdInfo> expected = {
        Entry(L"Mail", L"kim", L"pa55-Word", L"www.example.com", L"kim@example.com", L"010-1234-5678",
              L"first line\r\nsecond"),
        Entry(L"Bank", L"lee", L"S3cret!", L"https://bank.example.com", L"", L"", longNotes),
    };
    ASSERT_EQ(read.size(), 2u);
    for (size_t i = 0; i < 2; ++i) EXPECT_TRUE(read[i] == expected[i]) << i;
    DeleteFileW(theirs.GetFilePath());

    CString longMemo(L'L', 260);
    std::vector<CPwdInfo> ours = {
        Entry(L"Forum", L"park", L"x9!Kq", L"www.example.org", L"park@example.org", L"02-555-0100", L"notes"),
        Entry(L"Shop", L"choi", L"Zz8#", L"http://shop.example.com", L"", L"", longMemo),
    };
    CPwdVault out(data);
    out.m_historyLevel = 0;
    ASSERT_TRUE(out.Save(L"Ours2024pw", ours));
    DeleteFileW(data + L"\\ours.pmd");
    ASSERT_TRUE(MoveFileW(out.GetFilePath(), data + L"\\ours.pmd"));
}
