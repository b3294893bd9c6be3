// A combo box that remembers what the user typed, in the application's
// profile (one value per entry: Script0, Script1, ... and the last one).
#pragma once

#include "ui/ControlBase.h"
#include "ui/ControlIds.h"
#include "ui/HistoryComboLogic.h"


class CHistoryCombo : public CControlBase {
    DECLARE_MESSAGE_MAP()
public:
    explicit CHistoryCombo(BOOL allowSort = FALSE);

    CString LoadHistory(LPCTSTR section, LPCTSTR keyPrefix, BOOL restoreLast = TRUE, LPCTSTR lastKey = nullptr);
    void SaveHistory(BOOL addCurrent = TRUE);
    void ClearHistory(BOOL deleteStored = TRUE);
    int AddToHistory(LPCTSTR text);
    void AddCurrentText(BOOL onlyWhenNotEmpty = TRUE);
    void Serialize(CArchive& ar);
    void SetMaxHistoryItems(int n) { m_logic.m_nMaxHistory = n; }
    void SetStore(IProfileStore* store) { m_logic.SetStore(store); }
    const CHistoryComboLogic& Logic() const { return m_logic; }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

private:
    // The window and the model agree before and after every operation.
    void PullText();
    void Push();
    CHistoryComboLogic m_logic;
    BOOL m_bAllowSort;
};
