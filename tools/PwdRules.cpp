#include "tools/PwdRules.h"

#include <wincrypt.h>

#include <algorithm>

namespace PwdRules {

const wchar_t kAlphabet[] =
    L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890-=!@#$%^&*()_+|[],./<>?;':[]{}";

int CheckMasterPassword(const CString& password, const CString& confirmation) {
    if (password.GetLength() < 8) return TXT_TOO_SHORT;
    bool digit = false, letter = false;
    for (int i = 0; i < password.GetLength(); ++i) {
        wchar_t c = password[i];
        if (c >= L'0' && c <= L'9') digit = true;
        else if (IsCharAlphaW(c)) letter = true;
    }
    if (!digit) return TXT_NO_DIGIT;
    if (!letter) return TXT_NO_LETTER;
    if (password != confirmation) return TXT_MISMATCH;
    return 0;
}

CString GeneratePassword(const std::function<UINT(UINT bound)>& random) {
    const UINT alphabetSize = (UINT)(sizeof kAlphabet / sizeof kAlphabet[0] - 1);
    CString password;
    for (int i = 0; i < 13; ++i) password += kAlphabet[random(alphabetSize) % alphabetSize];
    password += (wchar_t)(L'a' + random(26) % 26);
    password += (wchar_t)(L'A' + random(26) % 26);
    password += (wchar_t)(L'0' + random(10) % 10);
    return password;
}

CString GeneratePassword() {
    HCRYPTPROV provider = 0;
    if (!CryptAcquireContextW(&provider, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT | CRYPT_SILENT))
        return CString();
    bool failed = false;
    // Each draw rejects the top of the 32-bit range that does not divide
    // evenly, so every character is equally likely.
    CString password = GeneratePassword([&](UINT bound) -> UINT {
        for (int tries = 0; tries < 64 && !failed; ++tries) {
            UINT32 value = 0;
            if (!CryptGenRandom(provider, sizeof value, (BYTE*)&value)) {
                failed = true;
                break;
            }
            UINT32 limit = 0xFFFFFFFFu - 0xFFFFFFFFu % bound;
            if (value < limit) return value % bound;
        }
        failed = true;
        return 0;
    });
    CryptReleaseContext(provider, 0);
    return failed ? CString() : password;
}

CString SiteAddress(const CString& url) {
    if (url.GetLength() >= 3 && url.Left(3).CompareNoCase(L"www") == 0) return L"http://" + url;
    return url;
}

CCountdown::Tick CCountdown::OnSecond() {
    if (!Enabled() || m_paused) return tickNothing;
    int before = m_secondsLeft--;
    if (before == 10) m_red = true;
    return m_secondsLeft < 0 ? tickClose : tickShow;
}

void CCountdown::Restart() {
    if (!Enabled()) return;
    if (m_total > 10) m_red = false;
    m_secondsLeft = m_total;
    m_paused = false;
}

int CCountdown::Shown() const { return std::max(0, std::min(m_secondsLeft, m_total)); }

}  // namespace PwdRules
