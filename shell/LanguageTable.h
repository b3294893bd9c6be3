// The numbered text table: every text the program shows is looked up here.
// It is filled with the built-in English texts, then a language file is laid
// over them.
#pragma once

#include "fw/Afx.h"

#include <map>

class CLanguageTable {
public:
    // The text stored under id, or an empty text. A lookup never inserts, so
    // reading the table from any thread is safe once it has been filled.
    CString operator[](int id) const {
        auto it = m_texts.find(id);
        return it == m_texts.end() ? CString() : it->second;
    }
    void SetAt(int id, const CString& text) { m_texts[id] = text; }
    bool Contains(int id) const { return m_texts.count(id) != 0; }
    int GetCount() const { return (int)m_texts.size(); }
    void RemoveAll() { m_texts.clear(); }
    const std::map<int, CString>& Texts() const { return m_texts; }
    std::map<int, CString>& Texts() { return m_texts; }

private:
    std::map<int, CString> m_texts;
};

extern CLanguageTable g_LanguageTable;

// One built-in English text.
struct BuiltinText {
    int id;
    const wchar_t* text;
};
extern const BuiltinText g_BuiltinTexts[];
extern const int g_BuiltinTextCount;

// Stores every built-in text (overwriting those numbers, keeping numbers only
// a language file brought in), lays the language file of the language
// setting over them and, when languageID is 1, puts "[N] " in front of every
// text.
void LoadLanguageTexts();

// Lays "system\language\<language>.txt" of the program folder over the
// table. False when the file cannot be opened (or the name is no plain file
// name); the table keeps what it has.
bool LoadLanguageFile(const CString& language);

// Lays the lines of a language file, in the ANSI code page, over the table.
void ApplyLanguageText(const char* bytes, size_t length);

// Month 1-12 and weekday 1-7 (1 = Sunday) names; empty outside the ranges.
CString GetMonthName(int month);
CString GetShortMonthName(int month);
CString GetWeekdayName(int weekday);
CString GetShortWeekdayName(int weekday);
