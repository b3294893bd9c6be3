// The vault dialogs' decisions, without windows: the master-password rules,
// the password generator, the address a site opens at and the countdown
// that closes the vault window.
#pragma once

#include "fw/Afx.h"

#include <functional>

namespace PwdRules {

// Text numbers of the master-password refusals, in the order they are checked.
enum {
    TXT_TOO_SHORT = 27003,
    TXT_NO_DIGIT = 27004,
    TXT_NO_LETTER = 27005,
    TXT_MISMATCH = 27006,
};
// 0 when the password may be the master password, else the text number
// that says why not.
int CheckMasterPassword(const CString& password, const CString& confirmation);

// The generator's alphabet (92 characters; the square brackets twice).
extern const wchar_t kAlphabet[];
// 13 characters of the alphabet, then a lower-case letter, an upper-case
// letter and a digit, so a generated password always passes the rules.
// random(bound) gives a number below bound.
CString GeneratePassword(const std::function<UINT(UINT bound)>& random);
// The same, drawn from the system's cryptographic generator; empty when
// that cannot be had.
CString GeneratePassword();

// The address to open: "www..." in any letter case gets the scheme.
CString SiteAddress(const CString& url);

// The vault window's countdown.
class CCountdown {
public:
    explicit CCountdown(int total) : m_total(total), m_secondsLeft(total) {}

    // Off for a total of 0 or less: no counter, no timer, no closing.
    bool Enabled() const { return m_total > 0; }
    enum Tick { tickNothing, tickShow, tickClose };
    // One second: nothing while paused or off; tickClose once the seconds
    // run out; else tickShow with Shown() to show.
    Tick OnSecond();
    // Back to the full time (when on), and the pause ends.
    void Restart();
    void Pause() { m_paused = true; }
    bool Paused() const { return m_paused; }
    int SecondsLeft() const { return m_secondsLeft; }
    // What the counter shows: the seconds left kept between 0 and the total.
    int Shown() const;
    // The last ten seconds are shown red.
    bool Red() const { return m_red; }
    int Total() const { return m_total; }

private:
    int m_total;
    int m_secondsLeft;
    bool m_paused = false;
    bool m_red = false;
};

}  // namespace PwdRules
