#include "notes/LockedMemoFile.h"

#include "StoreTestSupport.h"

#include <cstdio>
#include <string>

namespace {

MemoLockKeys TestKeys() {
    MemoLockKeys keys;
    for (int i = 0; i < 16; ++i) {
        keys.key[i] = (BYTE)(0x10 + i * 7);
        keys.tokenIv[i] = (BYTE)('a' + i);
    }
    return keys;
}

class LockedMemoFileTest : public ::testing::Test {
protected:
    LockedMemoFileTest() : file(cipher, TestKeys()) {}
    CMemoCipher cipher;
    CLockedMemoFile file;
    CScratchFolder folder;
    std::string rtf = "{\\rtf1\\ansi Secret note}";
};

}  // namespace

TEST_F(LockedMemoFileTest, TokenHasThreeDigitsPerCipherByteAndComesBack) {
    struct Case {
        const wchar_t* password;
        int digits;
    } cases[] = {{L"abc", 48}, {L"12345678901234", 48}, {L"123456789012345", 96}, {L"1234567890123456", 96}};
    for (const Case& c : cases) {
        CString token = file.EncryptPassword(c.password);
        EXPECT_EQ(token.GetLength(), c.digits) << (const wchar_t*)c.password;
        EXPECT_EQ(token.SpanIncluding(L"0123456789"), token);
        EXPECT_EQ(file.DecryptPassword(token), c.password);
        EXPECT_TRUE(file.CheckPassword(c.password, token));
        EXPECT_FALSE(file.CheckPassword(L"ABC", token));
    }
    EXPECT_TRUE(file.EncryptPassword(L"").IsEmpty());
    // A token that would not fit the file's trailer is refused.
    EXPECT_TRUE(file.EncryptPassword(CString(L'x', 31)).IsEmpty());
    EXPECT_TRUE(file.DecryptPassword(L"").IsEmpty());
    EXPECT_TRUE(file.DecryptPassword(L"12a").IsEmpty());
    EXPECT_TRUE(file.DecryptPassword(L"999000000000000000000000000000000000000000000000").IsEmpty());
}

TEST_F(LockedMemoFileTest, FileLayoutRoundTrips) {
    CString token = file.EncryptPassword(L"pw");
    CString path = folder + L"note.rtx";
    ASSERT_TRUE(file.Write(path, token, rtf.data(), rtf.size()));
    std::vector<BYTE> bytes = ReadAll(path);
    size_t body = (rtf.size() + 1) / 16 * 16 + 16;
    ASSERT_EQ(bytes.size(), body + 512);
    CStringA trailer((const char*)bytes.data() + body);
    EXPECT_EQ(CString(trailer), token);
    for (size_t i = body + token.GetLength(); i < bytes.size(); ++i) ASSERT_EQ(bytes[i], 0) << i;
    // The body is the text and its zero under the password as IV (spaces after it).
    MemoLockKeys keys = TestKeys();
    BYTE iv[16] = {'p', 'w', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    std::vector<BYTE> plain;
    ASSERT_TRUE(cipher.Decrypt(keys.key, iv, bytes.data(), body, plain));
    ASSERT_EQ(plain.size(), rtf.size() + 1);
    EXPECT_EQ(std::string(plain.begin(), plain.end() - 1), rtf);
    EXPECT_EQ(plain.back(), 0);

    std::vector<BYTE> text;
    CString found;
    ASSERT_TRUE(file.Read(path, text, found));
    EXPECT_EQ(std::string(text.begin(), text.end()), rtf);
    EXPECT_EQ(found, token);
    EXPECT_EQ(file.ReadToken(path), token);
}

TEST_F(LockedMemoFileTest, SixteenCharacterPasswordIsTheWholeIv) {
    CString token = file.EncryptPassword(L"ABCDEFGHIJKLMNOP");
    CString path = folder + L"n.rtx";
    ASSERT_TRUE(file.Write(path, token, rtf.data(), rtf.size()));
    std::vector<BYTE> bytes = ReadAll(path);
    MemoLockKeys keys = TestKeys();
    std::vector<BYTE> plain;
    EXPECT_TRUE(cipher.Decrypt(keys.key, (const BYTE*)"ABCDEFGHIJKLMNOP", bytes.data(), bytes.size() - 512, plain));
    // The body's bytes, as `openssl enc -aes-128-cbc -K <test key> -iv <the password>`
    // writes the text and its zero.
    std::string hex;
    for (size_t i = 0; i + 512 < bytes.size(); ++i) {
        char digits[3];
        snprintf(digits, sizeof digits, "%02x", bytes[i]);
        hex += digits;
    }
    EXPECT_EQ(hex, "15c1c1d5d7b3362d8387a5725ab8217d26dfa663b9000349fda4f6a2ebd11412");
}

TEST_F(LockedMemoFileTest, ShortOrDamagedFilesAreUnreadable) {
    CString token = file.EncryptPassword(L"pw");
    CString path = folder + L"n.rtx";
    std::vector<BYTE> text;
    CString found;
    EXPECT_FALSE(file.Read(folder + L"missing.rtx", text, found));

    std::vector<BYTE> trailerOnly(512, 0);
    CStringA ansi(token);
    memcpy(trailerOnly.data(), (const char*)ansi, ansi.GetLength());
    std::vector<BYTE> b511(trailerOnly.begin(), trailerOnly.end() - 1);
    WriteAll(path, b511);
    EXPECT_FALSE(file.Read(path, text, found));
    EXPECT_TRUE(file.ReadToken(path).IsEmpty());
    WriteAll(path, trailerOnly);  // exactly 512 bytes: an empty body does not decrypt
    EXPECT_FALSE(file.Read(path, text, found));
    EXPECT_EQ(file.ReadToken(path), token);
    EXPECT_TRUE(found.IsEmpty());

    ASSERT_TRUE(file.Write(path, token, rtf.data(), rtf.size()));
    std::vector<BYTE> bytes = ReadAll(path);
    bytes[5] ^= 0xFF;  // a damaged last block no longer unpads
    bytes[bytes.size() - 512 - 1] ^= 0x55;
    WriteAll(path, bytes);
    EXPECT_FALSE(file.Read(path, text, found));
    EXPECT_TRUE(text.empty());
}

TEST_F(LockedMemoFileTest, WrongPasswordReadsNothingAndChangesNothing) {
    CString token = file.EncryptPassword(L"right");
    CString path = folder + L"n.rtx";
    ASSERT_TRUE(file.Write(path, token, rtf.data(), rtf.size()));
    std::vector<BYTE> before = ReadAll(path);
    std::vector<BYTE> text;
    EXPECT_FALSE(file.Unlock(path, L"wrong", text));
    EXPECT_FALSE(file.Unlock(path, L"Right", text));
    EXPECT_TRUE(text.empty());
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_TRUE(file.Unlock(path, L"right", text));
    EXPECT_EQ(std::string(text.begin(), text.end()), rtf);
}

TEST_F(LockedMemoFileTest, EmptyTokenWritesNothing) {
    CString path = folder + L"n.rtx";
    WriteAll(path, {1, 2, 3});
    EXPECT_FALSE(file.Write(path, L"", rtf.data(), rtf.size()));
    EXPECT_FALSE(file.Write(path, L"123", rtf.data(), rtf.size()));
    EXPECT_EQ(ReadAll(path), (std::vector<BYTE>{1, 2, 3}));
}

TEST_F(LockedMemoFileTest, KoreanPasswordUsesTheAnsiCodePage) {
    if (GetACP() != 949) GTEST_SKIP() << "needs the Korean code page";
    CString password = L"\xBE44\xBC00";  // "비밀"
    CString token = file.EncryptPassword(password);
    EXPECT_EQ(token.GetLength(), 48);
    EXPECT_EQ(file.DecryptPassword(token), password);
    CString path = folder + L"k.rtx";
    ASSERT_TRUE(file.Write(path, token, rtf.data(), rtf.size()));
    std::vector<BYTE> text;
    EXPECT_TRUE(file.Unlock(path, password, text));
}
