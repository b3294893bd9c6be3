// CWidgetDialog: a desktop widget, the skinned window of one skin file under
// the widgets folder. Besides the skinned window it keeps its entry of the
// widget list, closes itself through the frame, and rewrites its skin file
// when the user sets up a countdown or a weather location.
#pragma once

#include "widgets/GDIDialog.h"
#include "widgets/WidgetDialogRewrite.h"
#include "widgets/WidgetHost.h"
#include "widgets/WidgetIds.h"
#include "widgets/WidgetList.h"

#include <functional>
#include <memory>

const unsigned ID_WIDGET_CLOSE = 32898;
const unsigned ID_WIDGET_MOUSE_OVER_HIDING = 32895;
const unsigned WM_WIDGET_COUNTDOWN_SETUP = 0x0400 + 30;  // WM_USER + 30
const unsigned WM_WIDGET_WEATHER_SETUP = 0x0400 + 31;    // WM_USER + 31, wParam the meter ID
// The widget's context menu: the skinned windows' items, mouse-over hiding,
// a copy of the skin, Close, and every installed widget skin.
const unsigned IDR_WIDGET_MENU = 258;

class CWidgetDialog : public CGDIDialog {
    DECLARE_MESSAGE_MAP()
public:
    // entry: the list entry the window comes from, or null for a widget the
    // user opens now (its skin file is set with SetSkinFile).
    CWidgetDialog(IWidgetHost& host, const WidgetListEntry* entry, CWnd* parent = nullptr);
    ~CWidgetDialog() override;

    BOOL Create(UINT templateId = IDD_SKIN_WINDOW, CWnd* parent = nullptr) override;
    BOOL OnInitDialog() override;
    int ExecuteCommand(const CString& command) override;
    CPoint GetTopLeft() override;
    void OnSkinLoaded() override;
    void SelectSkin(UINT id) override;
    void OnFadeOutDone() override;
    HMENU BuildContextMenu() override;

    // The window's entry as the list writes it.
    WidgetListEntry GetListEntry() const;
    bool IsSkinLoaded() const { return m_bSkinLoaded; }
    const CString& GetRelativePath() const { return m_strRelativePath; }
    const CString& GetCountdownSection() const { return m_strCountdownSection; }
    bool IsClosedByUser() const { return m_bClosedByUser; }
    bool IsEditable() const { return m_bEditable; }
    void SetEditable(bool editable) { m_bEditable = editable; }
    bool IsChanged() const { return m_bChanged != 0; }
    void ClearChanged() { m_bChanged = 0; }

    // The countdown and weather set-up dialogs. Each is handed the values
    // the skin holds and gives the user's; false when cancelled. Without a
    // dialog set, nothing is asked and nothing changes.
    typedef std::function<bool(CWnd* parent, CountdownSetting& setting)> CountdownAsker;
    typedef std::function<bool(CWnd* parent, CString& woeid, bool& fahrenheit)> WeatherAsker;
    static void SetCountdownAsker(CountdownAsker asker);
    static void SetWeatherAsker(WeatherAsker asker);

    // The folder of widget skins under the program folder, with a backslash.
    static CString WidgetsFolder();

    void RunCountdownSetup();
    void RunWeatherSetup(int meterId);

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCountdownSetup(WPARAM, LPARAM);
    LRESULT OnWeatherSetup(WPARAM meterId, LPARAM);
    void OnWindowPosChanged(WINDOWPOS* pos);

private:
    void CloseByUser();

    IWidgetHost& m_host;
    std::unique_ptr<WidgetListEntry> m_pEntry;
    bool m_bSkinLoaded = false;
    bool m_bEditable = true;
    bool m_bClosedByUser = false;
    CString m_strRelativePath;
    CString m_strCountdownSection;
};
