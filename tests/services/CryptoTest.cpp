#include "TestSupport.h"

#include "shell/AesCipher.h"
#include "shell/CryptoText.h"
#include "shell/Scrambler.h"
#include "shell/Sha256.h"

#include <wincrypt.h>

#include <cstring>
#include <string>

namespace {

std::vector<BYTE> FromHex(const char* hex) {
    std::vector<BYTE> bytes;
    for (size_t i = 0; hex[i] && hex[i + 1]; i += 2) bytes.push_back((BYTE)std::stoi(std::string(hex + i, 2), nullptr, 16));
    return bytes;
}

std::string ToHex(const BYTE* bytes, size_t n) {
    std::string hex;
    char two[3];
    for (size_t i = 0; i < n; ++i) {
        snprintf(two, sizeof(two), "%02x", bytes[i]);
        hex += two;
    }
    return hex;
}

std::string Sha256Hex(const void* data, size_t length) {
    Sha256Context context;
    Sha256Init(&context);
    Sha256Update(&context, data, length);
    uint8_t digest[32];
    Sha256Final(digest, &context);
    return ToHex(digest, 32);
}

// The NIST SP 800-38A CBC-AES128 example; the second block is the padding
// block, as `openssl enc -aes-128-cbc` writes it.
const char kNistKey[] = "2b7e151628aed2a6abf7158809cf4f3c";
const char kNistIv[] = "000102030405060708090a0b0c0d0e0f";
const char kNistPlain[] = "6bc1bee22e409f96e93d7e117393172a";
const char kNistCipher[] = "7649abac8119b246cee98e9b12e9197d8964e0b149c10b7b682e6e39aaeb731c";

class NistCipher : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(aes.IsAcquired());
        ASSERT_TRUE(aes.SetKeyWithIv(key.data(), 16, iv.data(), 16));
    }
    std::vector<BYTE> key = FromHex(kNistKey), iv = FromHex(kNistIv);
    AesCipher aes{nullptr, AesCipher::CreateContainer | AesCipher::TemporaryContainer};
};

}  // namespace

TEST(Sha256, PublishedDigests) {
    struct Case {
        std::string message;
        const char* digest;  // from sha256sum
    };
    const Case cases[] = {
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(200, 'x'), "aa20c23e3201834050679e1d88941b9a6fed0557c9a705cb2c315e2e63fd486d"},
    };
    for (const Case& c : cases) EXPECT_EQ(Sha256Hex(c.message.data(), c.message.size()), c.digest);

    // Fed in pieces it gives the same digest.
    const std::string& m = cases[3].message;
    Sha256Context context;
    Sha256Init(&context);
    for (size_t at = 0; at < m.size(); at += 37) Sha256Update(&context, m.data() + at, std::min<size_t>(37, m.size() - at));
    uint8_t digest[32];
    Sha256Final(digest, &context);
    EXPECT_EQ(ToHex(digest, 32), cases[3].digest);
    // The context is wiped.
    Sha256Context zero = {};
    EXPECT_EQ(memcmp(&context, &zero, sizeof(zero)), 0);
}

TEST(Sha256, AgreesWithTheSystemAtEveryPaddingLength) {
    HCRYPTPROV provider = 0;
    ASSERT_TRUE(CryptAcquireContextW(&provider, nullptr, nullptr, PROV_RSA_AES, CRYPT_VERIFYCONTEXT));
    std::string message;
    for (int length = 0; length <= 140; ++length) {
        HCRYPTHASH hash = 0;
        ASSERT_TRUE(CryptCreateHash(provider, CALG_SHA_256, 0, 0, &hash));
        CryptHashData(hash, (const BYTE*)message.data(), (DWORD)message.size(), 0);
        BYTE digest[32];
        DWORD size = sizeof(digest);
        CryptGetHashParam(hash, HP_HASHVAL, digest, &size, 0);
        CryptDestroyHash(hash);
        EXPECT_EQ(Sha256Hex(message.data(), message.size()), ToHex(digest, 32)) << length;
        message += (char)('a' + length % 26);
    }
    CryptReleaseContext(provider, 0);
}

TEST(HashPassword, IsTheSha256OfTheAnsiBytes) {
    EXPECT_EQ(HashPassword(L"abc", false), L"ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(HashPassword(L"", false), L"e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    // With the salt "Tz%8pN&3jY*5bQ!e" appended.
    EXPECT_EQ(HashPassword(L"abc", true), L"390327ffa48830cc29cac82697e4073b2d70ae199fcedb23744400e44ece7a0a");
    if (GetACP() == 949) {
        // The code page 949 bytes of the text, as iconv gives them.
        EXPECT_EQ(HashPassword(L"비밀번호", false),
                  L"1a45877f899e84f8da66269f2dc0adfb2b904e34a0c29feb65930a7d58560d85");
    }
}

TEST_F(NistCipher, KnownAnswerInPlaceAndIntoAnotherBuffer) {
    std::vector<BYTE> plain = FromHex(kNistPlain);
    BYTE buffer[32] = {};
    memcpy(buffer, plain.data(), 16);
    DWORD produced = 0;
    ASSERT_TRUE(aes.Encrypt(buffer, sizeof(buffer), 16, produced));
    EXPECT_EQ(produced, 32u);
    EXPECT_EQ(ToHex(buffer, 32), kNistCipher);
    ASSERT_TRUE(aes.Decrypt(buffer, sizeof(buffer), 32, produced));
    EXPECT_EQ(produced, 16u);
    EXPECT_EQ(ToHex(buffer, 16), kNistPlain);

    // Again, through separate buffers: the key starts from the IV each time.
    BYTE cipher[48] = {};
    DWORD cipherSize = sizeof(cipher);
    ASSERT_TRUE(aes.Encrypt(plain.data(), 16, cipher, cipherSize));
    EXPECT_EQ(cipherSize, 32u);
    EXPECT_EQ(ToHex(cipher, 32), kNistCipher);
    BYTE back[32] = {};
    DWORD backSize = sizeof(back);
    ASSERT_TRUE(aes.Decrypt(cipher, cipherSize, back, backSize));
    EXPECT_EQ(backSize, 16u);
    EXPECT_EQ(ToHex(back, 16), kNistPlain);
}

TEST(AesCipher, Sizes) {
    DWORD size = 0;
    struct Case {
        DWORD plain, cipher;
    };
    for (Case c : {Case{0, 16}, Case{15, 16}, Case{16, 32}, Case{17, 32}}) {
        EXPECT_TRUE(AesCipher::GetCipherTextSize(c.plain, size));
        EXPECT_EQ(size, c.cipher);
    }
    EXPECT_FALSE(AesCipher::GetPlainTextSize(20, size));
    EXPECT_TRUE(AesCipher::GetPlainTextSize(32, size));
    EXPECT_EQ(size, 32u);
}

TEST_F(NistCipher, RefusesBadSizesWithoutTouchingMemoryOutside) {
    struct Case {
        DWORD bufferSize, dataSize;
        DWORD error;
    };
    // Decrypting in place: whole blocks, and all of them inside the buffer.
    const Case cases[] = {
        {32, 0, (DWORD)NTE_BUFFER_TOO_SMALL},
        {32, 20, (DWORD)NTE_BAD_DATA},
        {17, 32, (DWORD)NTE_BUFFER_TOO_SMALL},
        {31, 32, (DWORD)NTE_BUFFER_TOO_SMALL},
    };
    for (const Case& c : cases) {
        BYTE buffer[64];
        memset(buffer, 0xEE, sizeof(buffer));
        DWORD produced = 99;
        SetLastError(0);
        EXPECT_FALSE(aes.Decrypt(buffer, c.bufferSize, c.dataSize, produced)) << c.bufferSize << "/" << c.dataSize;
        EXPECT_EQ(GetLastError(), c.error);
        EXPECT_EQ(produced, 0u);
        for (BYTE b : buffer) ASSERT_EQ(b, 0xEE);
    }
    // Encrypting needs room for the padding.
    BYTE small[16] = {};
    DWORD produced = 99;
    EXPECT_FALSE(aes.Encrypt(small, 16, 16, produced));
    EXPECT_EQ(GetLastError(), (DWORD)NTE_BUFFER_TOO_SMALL);
    EXPECT_EQ(produced, 0u);

    // Into a plain buffer that is too small: refused, nothing written past it.
    BYTE cipher[32];
    memcpy(cipher, FromHex(kNistCipher).data(), 32);
    BYTE plain[64];
    memset(plain, 0xEE, sizeof(plain));
    DWORD plainSize = 31;
    EXPECT_FALSE(aes.Decrypt(cipher, 32, plain, plainSize));
    EXPECT_EQ(plainSize, 0u);
    for (BYTE b : plain) ASSERT_EQ(b, 0xEE);
    // Overlapping (even touching) buffers are refused.
    BYTE shared[64] = {};
    DWORD sharedSize = 32;
    EXPECT_FALSE(aes.Encrypt(shared, 16, shared + 16, sharedSize));
    EXPECT_EQ(GetLastError(), (DWORD)NTE_BUFFERS_OVERLAP);
    // A damaged last block fails to decrypt and reports why.
    cipher[31] ^= 0x5A;
    plainSize = sizeof(plain);
    EXPECT_FALSE(aes.Decrypt(cipher, 32, plain, plainSize));
    EXPECT_EQ(plainSize, 0u);
}

TEST(AesCipher, ErrorsAreResultsUnlessExceptionsAreAsked) {
    AesCipher quiet(nullptr, AesCipher::CreateContainer | AesCipher::TemporaryContainer);
    BYTE buffer[32] = {};
    DWORD produced = 0;
    EXPECT_FALSE(quiet.Encrypt(buffer, 32, 16, produced));  // no key yet
    EXPECT_EQ(GetLastError(), (DWORD)NTE_BAD_KEY);
    EXPECT_FALSE(quiet.SetKey(buffer, 15));
    EXPECT_FALSE(quiet.SetKey(nullptr, 16));
    EXPECT_TRUE(quiet.SetKey(buffer, 32));
    EXPECT_FALSE(quiet.Encrypt(buffer, 32, 16, produced));  // no IV yet
    EXPECT_EQ(GetLastError(), (DWORD)NTE_INVALID_PARAMETER);
    EXPECT_FALSE(quiet.SetIv(buffer, 8));
    EXPECT_TRUE(quiet.SetIv(buffer, 16));
    EXPECT_TRUE(quiet.Encrypt(buffer, 32, 16, produced));

    AesCipher loud(nullptr, AesCipher::ThrowExceptions);
    try {
        loud.SetKey(nullptr, 16);
        FAIL() << "no exception";
    } catch (const AesCipherException& e) {
        EXPECT_STREQ(e.what(), "SetKey: Key buffer is NULL");
    }
    loud.SetKey(buffer, 16);
    try {
        loud.Decrypt(buffer, 32, 0, produced);
        FAIL() << "no exception";
    } catch (const AesCipherException& e) {
        EXPECT_STREQ(e.what(), "Decrypt(1): Buffer is too small");
        EXPECT_EQ(GetLastError(), (DWORD)NTE_BUFFER_TOO_SMALL);
    }

    EXPECT_STREQ(GetCryptErrorName(0x80090028), "NTE_BUFFER_TOO_SMALL");
    EXPECT_STREQ(GetCryptErrorName(87), "ERROR_INVALID_PARAMETER");
    EXPECT_STREQ(GetCryptErrorName(1234), "Unknown");
}

TEST(AesCipher, ApplicationKeyComesFromTheScrambler) {
    AesCipher aes(nullptr, 9);
    EXPECT_EQ(ToHex(aes.LoadAppKey(), 16), "99988ba688bd885b93b994a1c6c09288");
}

TEST(EncryptString, MatchesOpenssl) {
    // Expected digits: `openssl enc -aes-128-cbc -K <application key> -iv <text IV>`
    // over the text, each output byte written as three decimal digits.
    struct Case {
        const char *text, *digits;
    };
    const Case cases[] = {
        {"hello", "246060069055134098177113214190173127026252131125"},
        {"exactly16bytes!!",
         "090244152233119155100128016242179181209010168134250188072223061185146250072212015109242051179130"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncryptString(c.text), c.digits);
        EXPECT_EQ(DecryptString(c.digits), c.text);
    }
    // Written by openssl, read by us.
    EXPECT_EQ(DecryptString("207082094136201184248225145124039013119019054061077106051177001085189008129186233095088058"
                            "115171"),
              "Note password 1234");
}

TEST(EncryptString, DigitLayoutAndLimits) {
    EXPECT_EQ(EncryptString(""), "");
    EXPECT_EQ(DecryptString(""), "");
    EXPECT_EQ(EncryptString(CStringA('a', 15)).GetLength(), 48);
    EXPECT_EQ(EncryptString(CStringA('a', 16)).GetLength(), 96);
    for (int length = 1; length < 80; ++length) {
        CStringA text;
        for (int i = 0; i < length; ++i) text += (char)('!' + (i * 7 + length) % 90);
        CStringA digits = EncryptString(text);
        ASSERT_EQ(digits.GetLength(), 48 * (length / 16 + 1));
        ASSERT_EQ(digits.SpanIncluding("0123456789"), digits);
        ASSERT_EQ(DecryptString(digits), text) << length;
    }
    // 80 bytes give 288 digits, more than the reader takes.
    CStringA eighty('z', 80);
    EXPECT_EQ(EncryptString(eighty).GetLength(), 288);
    EXPECT_EQ(DecryptString(EncryptString(eighty)), "");
    // At most 255 bytes are encrypted.
    EXPECT_EQ(EncryptString(CStringA('q', 400)).GetLength(), 48 * 16);
    // Not whole blocks, or not a valid cipher text: empty.
    EXPECT_EQ(DecryptString("123"), "");
    EXPECT_EQ(DecryptString(CStringA('9', 48)), "");
}

TEST(Scrambler, RoundTripsAndKeepsItsFormat) {
    EXPECT_STREQ(ScrambleText(""), "\x07");
    EXPECT_EQ(ToHex((const BYTE*)ScrambleText("hello"), 6), "8ba2919f8507");
    // A byte that comes out as zero is escaped: 7 in its place, its position, then the trailer.
    EXPECT_EQ(ToHex((const BYTE*)ScrambleText("a\x07" "b"), 5), "92079b0108");
    const char* texts[] = {"", "hello", "a\x07" "b", "ab\xFD" "c\x0B", "http://www.example.com/zorel/home.html",
                           "\xB8\xDE\xB8\xF0 memo"};
    for (const char* text : texts) {
        std::string scrambled = ScrambleText(text);
        EXPECT_STREQ(UnscrambleText(scrambled.c_str()), text);
    }
    std::string longest(kMaxScrambleLength, 'k');
    std::string scrambled = ScrambleText(longest.c_str());
    EXPECT_EQ(UnscrambleText(scrambled.c_str()), longest);
    EXPECT_STREQ(ScrambleText(std::string(kMaxScrambleLength + 1, 'k').c_str()), "");
    // A first byte that would come out as zero cannot be kept in the format.
    EXPECT_STREQ(ScrambleText("\xF3" "abc"), "");
}

TEST(Scrambler, RejectsADamagedTrailer) {
    std::string good = ScrambleText("a\x07" "b");  // 92 07 9b 01 08
    struct Case {
        std::string text;
    };
    const std::string damaged[] = {
        good.substr(0, 4) + "\x06",           // trailer below 7
        good.substr(0, 4) + "\x30",           // more escapes than bytes
        good.substr(0, 3) + "\x05" + "\x08",  // escaped position past the text
    };
    for (const std::string& d : damaged) EXPECT_STREQ(UnscrambleText(d.c_str()), "") << ToHex((const BYTE*)d.data(), d.size());
    EXPECT_STREQ(UnscrambleText(""), "");
    EXPECT_STREQ(UnscrambleText(nullptr), "");
}

TEST(Scrambler, IntoTheCallersBuffer) {
    char buffer[16];
    memset(buffer, 'x', sizeof(buffer));
    ScrambleTextToBuffer("hello", buffer, sizeof(buffer));
    EXPECT_EQ(ToHex((const BYTE*)buffer, 7), "8ba2919f850700");
    // Too small for the worst case: only zeroed.
    memset(buffer, 'x', sizeof(buffer));
    ScrambleTextToBuffer("seven!!", buffer, 15);
    for (int i = 0; i < 15; ++i) EXPECT_EQ(buffer[i], 0);
    EXPECT_EQ(buffer[15], 'x');
}
