// The installer's own text table: English at the id, Korean at id + 100000.
// "%s" in a title is the version, filled in once.
#pragma once

#include "fw/Afx.h"

const int kSetupKoreanOffset = 100000;
extern const wchar_t* const kSetupVersion;  // "3.1.1"

#include <cstddef>
#include <map>

struct BilingualText {
    int id;
    const wchar_t* english;
    const wchar_t* korean;
};

// A fixed table of texts with English at the id and Korean at id +
// kSetupKoreanOffset, built once. With a version, "%s" in a text becomes it.
class CBilingualTexts {
public:
    CBilingualTexts(const BilingualText* rows, size_t count, const wchar_t* version = nullptr);
    // The text of id + languageOffset; empty for an id the table does not hold.
    CString Get(int id, int languageOffset) const;

private:
    std::map<int, CString> m_texts;
};

// The text of id + languageOffset; empty for an id the table does not hold.
CString GetSetupText(int id, int languageOffset);
