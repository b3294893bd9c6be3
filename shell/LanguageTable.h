// The numbered text table: every text the program shows is looked up here.
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
