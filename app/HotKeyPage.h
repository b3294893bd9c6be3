// CHotKeyPage: the sheet's "Shortcut" tab. A tab control switches between
// the program slots and the web slots; above them a direct-input line runs
// any command or address and remembers it in a history list.
#pragma once

#include "app/HotKeyRunPage.h"
#include "app/HotKeyWebPage.h"
#include "app/SettingsPage.h"
#include "fw/TabCtrl.h"
#include "ui/HistoryCombo.h"

#include <memory>

class CHotKeyPage : public CSettingsPage {
    DECLARE_MESSAGE_MAP()
public:
    explicit CHotKeyPage(CSetupMemo& sheet);
    ~CHotKeyPage() override;

    void Apply() override;
    // The shortcut tab has no factory values (the sheet disables Default).
    void SetDefaults() override {}
    void ApplyTexts() override;
    BOOL OnInitDialog() override;

    // 0-8 a run slot, 100-108 a web slot (slot - 100); negative: nothing.
    void SelectSlot(int slot);

    // The slot asked for before the page was made; selected when it is.
    int m_nRequestedSlot = -1;
    CHotKeyRunPage* GetRunPage() const { return m_pRunPage.get(); }
    CHotKeyWebPage* GetWebPage() const { return m_pWebPage.get(); }
    CHistoryCombo& GetHistory() { return m_history; }
    // Where the history is kept: the application's profile unless a test
    // gives its own (null puts the profile back).
    static void UseHistoryStore(IProfileStore* store);

protected:
    void OnTabChanged(NMHDR* header, LRESULT* result);
    void OnGo();
    void OnClearHistory();

private:
    void ShowSubPage(int subPage);

    CHistoryCombo m_history;
    CTabCtrl m_tabs;
    std::unique_ptr<CHotKeyRunPage> m_pRunPage;
    std::unique_ptr<CHotKeyWebPage> m_pWebPage;
};
