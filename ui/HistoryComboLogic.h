// The list rules of the history combo box, on a plain model of its items,
// its selection and its edit text; the window mirrors the model.
#pragma once

#include "fw/Afx.h"

#include <tchar.h>
#include "ui/ProfileStore.h"

#include <vector>

class CHistoryComboLogic {
public:
    explicit CHistoryComboLogic(IProfileStore* store = nullptr) : m_pStore(store) {}
    void SetStore(IProfileStore* store) { m_pStore = store; }

    CString LoadHistory(LPCTSTR section, LPCTSTR keyPrefix, BOOL restoreLast = TRUE, LPCTSTR lastKey = nullptr);
    void SaveHistory(BOOL addCurrent = TRUE);
    void ClearHistory(BOOL deleteStored = TRUE);
    int AddToHistory(const CString& text);
    void AddCurrentText(BOOL onlyWhenNotEmpty = TRUE);

    // Archive form: a 16-bit count, the items and the edit text.
    void Store(CArchive& ar);
    void Load(CArchive& ar);

    // The name of entry i: the prefix and the number.
    CString EntryKey(int i) const;
    CString LastSelectionKey() const;

    // The model the window shows.
    std::vector<CString> m_items;
    int m_nSelected = -1;
    CString m_strText;        // what the edit field shows
    bool m_bDropDown = true;  // a drop-down (editable) combo may show text that is no item

    CString m_strSection;
    CString m_strKeyPrefix;
    CString m_strLastKey;
    BOOL m_bRestoreLast = TRUE;
    int m_nMaxHistory = 10;

private:
    int FindExactNoCase(const CString& text, int after) const;
    void SelectOrShow(const CString& text, bool ignoreCase);
    IProfileStore* m_pStore;
};
