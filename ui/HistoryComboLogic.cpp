#include "ui/HistoryComboLogic.h"

CString CHistoryComboLogic::EntryKey(int i) const {
    CString key;
    key.Format(_T("%s%d"), m_strKeyPrefix.GetString(), i);
    return key;
}

CString CHistoryComboLogic::LastSelectionKey() const {
    if (!m_strLastKey.IsEmpty()) return m_strLastKey;
    if (!m_strKeyPrefix.IsEmpty()) return m_strKeyPrefix;
    return _T("Last");
}

int CHistoryComboLogic::FindExactNoCase(const CString& text, int after) const {
    for (int i = after + 1; i < (int)m_items.size(); ++i)
        if (m_items[i].CompareNoCase(text) == 0)
            return i;
    return -1;
}

void CHistoryComboLogic::SelectOrShow(const CString& text, bool ignoreCase) {
    int found = -1;
    for (int i = 0; i < (int)m_items.size(); ++i) {
        if (ignoreCase ? m_items[i].CompareNoCase(text) == 0 : m_items[i].Compare(text) == 0) {
            found = i;
            break;
        }
    }
    if (found >= 0) {
        m_nSelected = found;
        m_strText = m_items[found];
    } else if (m_bDropDown) {
        m_nSelected = -1;
        m_strText = text;
    }
}

CString CHistoryComboLogic::LoadHistory(LPCTSTR section, LPCTSTR keyPrefix, BOOL restoreLast, LPCTSTR lastKey) {
    if (!section || !*section || !keyPrefix || !m_pStore)
        return CString();
    m_items.clear();
    m_nSelected = -1;
    m_strSection = section;
    m_strKeyPrefix = keyPrefix;
    m_strLastKey = lastKey ? lastKey : _T("");
    m_bRestoreLast = restoreLast;
    CString value;
    for (int i = 0; i < m_nMaxHistory; ++i) {
        value = m_pStore->Read(m_strSection, EntryKey(i));
        if (value.IsEmpty())
            break;
        m_items.push_back(value);
    }
    if (m_bRestoreLast) {
        value = m_pStore->Read(m_strSection, LastSelectionKey());
        SelectOrShow(value, true);
    }
    return value;
}

int CHistoryComboLogic::AddToHistory(const CString& textIn) {
    CString text = textIn;
    text.Trim(_T(" "));
    m_items.insert(m_items.begin(), text);
    int dup = FindExactNoCase(text, 0);
    if (dup >= 0)
        m_items.erase(m_items.begin() + dup);
    int maxSize = m_nMaxHistory < 0 ? 0 : m_nMaxHistory;
    while ((int)m_items.size() > maxSize && m_items.size() > 1)
        m_items.pop_back();
    m_nSelected = 0;
    m_strText = m_items[0];
    return 0;
}

void CHistoryComboLogic::AddCurrentText(BOOL onlyWhenNotEmpty) {
    if (onlyWhenNotEmpty && m_strText.IsEmpty())
        return;
    AddToHistory(m_strText);
}

void CHistoryComboLogic::SaveHistory(BOOL addCurrent) {
    if (m_strSection.IsEmpty() || !m_pStore)
        return;
    if (addCurrent)
        AddCurrentText(TRUE);
    int n = (int)m_items.size();
    if (n > m_nMaxHistory + 1)
        n = m_nMaxHistory + 1;
    for (int i = 0; i < n; ++i)
        m_pStore->Write(m_strSection, EntryKey(i), m_items[i]);
    for (int i = n; i <= 999; ++i)
        if (!m_pStore->Delete(m_strSection, EntryKey(i)))
            break;
    if (m_bRestoreLast)
        m_pStore->Write(m_strSection, LastSelectionKey(), m_strText);
}

void CHistoryComboLogic::ClearHistory(BOOL deleteStored) {
    m_items.clear();
    m_nSelected = -1;
    if (m_strSection.IsEmpty() || !deleteStored || !m_pStore)
        return;
    for (int i = 0; i <= 999; ++i)
        if (!m_pStore->Delete(m_strSection, EntryKey(i)))
            break;
    m_pStore->Delete(m_strSection, LastSelectionKey());
}

void CHistoryComboLogic::Store(CArchive& ar) {
    AddCurrentText(TRUE);
    WORD count = (WORD)(m_items.size() > 0xFFFF ? 0xFFFF : m_items.size());
    ar << count;
    for (int i = 0; i < count; ++i)
        ar << m_items[i];
    ar << m_strText;
}

void CHistoryComboLogic::Load(CArchive& ar) {
    m_items.clear();
    m_nSelected = -1;
    WORD count = 0;
    ar >> count;
    for (int i = 0; i < count; ++i) {
        CString item;
        ar >> item;
        m_items.push_back(item);
    }
    CString text;
    ar >> text;
    SelectOrShow(text, false);
}
