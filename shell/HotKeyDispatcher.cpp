#include "shell/HotKeyDispatcher.h"

#include "shell/ActionIds.h"
#include "shell/ActionSystem.h"
#include "shell/HotKeyHost.h"
#include "shell/HotKeyTable.h"
#include "shell/HotKeyView.h"
#include "shell/LanguageTable.h"
#include "shell/Settings.h"
#include "shell/SettingsStore.h"

#include <climits>

bool g_DirectHotKeyboardOpen = false;

void CHotKeyDispatcher::OnHotKey(int id, DWORD now) {
    if (id < 0 || id >= HOTKEY_COUNT) return;
    if (id == m_lastId && now - m_lastTick < REPEAT_MS) {
        // A repeat: the time of the first press stays, so every press within
        // half a second of it is a repeat as well.
        if (!g_DirectHotKeyboardOpen) {
            g_DirectHotKeyboardOpen = true;
            m_host.CloseSpotlight();
            // A keyboard that could not be created must not keep every later
            // repeat from opening one.
            if (!m_host.OpenDirectHotKeyboard(id)) g_DirectHotKeyboardOpen = false;
        }
        return;
    }
    m_lastId = id;
    m_lastTick = now;
    RunOperation(id);
}

void CHotKeyDispatcher::RunOperation(int id) {
    switch (id) {
    case 0: m_host.NewMemo(); break;
    case 1: m_host.ShowAllMemos(true); break;
    case 2: m_host.ShowAllMemos(false); break;
    case 11: m_host.OpenSettings(SETTINGS_PAGE_DEFAULT, -1); break;
    case 12:
        m_host.ShowQuickMenu(1);
        if (g_Settings.QuickMenu.DockMode == 0)
            if (IHotKeyView* menu = m_host.GetQuickMenu()) menu->ShowWithEffect();
        break;
    case 13: m_host.OpenScheduleManager(); break;
    case 14:
        if (IHotKeyView* clock = m_host.GetClock()) ShowClock(*clock);
        break;
    case 15:
        if (IHotKeyView* calendar = m_host.GetCalendar()) ShowCalendar(*calendar);
        break;
    case 16: m_host.StartCapture(CAPTURE_MODE_REGION); break;
    case 17: ShowDaySchedule(); break;
    case 18: m_host.NewMemoFromClipboard(); break;
    case 19: m_system.ShowDesktop(true); break;
    case 20: m_host.OpenMemoSearch(); break;
    case 21: m_host.ShowAllWidgets(true); break;
    case 22: m_host.ShowAllWidgets(false); break;
    case 23: m_host.StartCapture(CAPTURE_MODE_WINDOW); break;
    case 34: m_host.ExitProgram(); break;
    case 35: m_host.ShowRecentMemo(g_Settings.General.ActiveMemoCount); break;
    case 36: m_host.OpenPasswordManager(0); break;
    case 37: m_host.ExecuteAction(L"TODAY_INFO"); break;
    default:
        switch (GetHotKeySlotKind(id)) {
        case HOTKEY_SLOT_PROGRAM: RunSlot(id, true); break;
        case HOTKEY_SLOT_WEB: RunSlot(id, false); break;
        case HOTKEY_SLOT_NONE: break;
        }
        break;
    }
}

CString CHotKeyDispatcher::ExpandProgramTarget(const CString& target) {
    if (wcsncmp(target, L"%SYSTEM%", 8) == 0) return m_system.GetSystemFolder() + L"\\" + target.Mid(8);
    if (wcsncmp(target, L"%WINDOWS%", 9) == 0) {
        CString windows = m_system.GetWindowsFolder();
        if (!windows.IsEmpty()) return windows + L"\\" + target.Mid(9);
    }
    return target;
}

void CHotKeyDispatcher::RunSlot(int id, bool program) {
    CString target = AppConfigStore().GetConfigString(L"HotKey", GetHotKeySlotKey(id), L"");
    if (program) target = ExpandProgramTarget(target);
    if (target.IsEmpty()) {
        m_host.ShowMessageBox(g_LanguageTable[program ? IDS_ACTION_INPUT_PROGRAM : IDS_ACTION_INPUT_WEB_ADDRESS]);
        m_host.OpenSettings(SETTINGS_PAGE_HOTKEY, GetHotKeySlotItem(id));
        return;
    }
    // A slot may hold an action string ("NEW_MEMO"); anything else is started.
    if (!m_host.RunAction(target)) m_system.ShellOpen(target);
}

void CHotKeyDispatcher::Raise(IHotKeyView& view, bool fadeIn) {
    if (fadeIn) view.ArmAutoHide(1, IHotKeyView::STAY);
    switch (view.GetLevel()) {
    case 1:
        view.SetZPosition(1, true);
        view.SetForeground();
        break;
    case 0:
        view.SetForeground();
        break;
    default:
        break;
    }
}

void CHotKeyDispatcher::ShowClock(IHotKeyView& clock) {
    if (g_Settings.Clock.ViewMode != 0) {
        long long ms = (long long)g_Settings.General.HotKeyClockViewTime * 1000;
        if (ms < 0) ms = 0;
        if (ms > INT_MAX) ms = INT_MAX;
        clock.ArmAutoHide(1, (int)ms);
        if (clock.GetLevel() == 0) clock.SetForeground();
        clock.AddToSpotlightIfActive();
    } else if (clock.IsVisible() && g_Settings.General.HotKeyToggle) {
        clock.FadeOut();
        clock.AddToSpotlightIfActive();
    } else {
        Raise(clock, true);
        clock.ShowWithEffect();
        clock.AddToSpotlightIfActive();
    }
}

void CHotKeyDispatcher::ShowCalendar(IHotKeyView& calendar) {
    if (calendar.IsVisible() && g_Settings.General.HotKeyToggle) {
        calendar.FadeOut();
        return;
    }
    Raise(calendar, true);
    calendar.ShowWithEffect();
}

void CHotKeyDispatcher::ShowDaySchedule() {
    IHotKeyView* schedule = m_host.GetDaySchedule();
    if (schedule && schedule->IsVisible() && g_Settings.General.HotKeyToggle) {
        schedule->FadeOut();
        return;
    }
    m_host.ShowDaySchedule(1);
    if ((schedule = m_host.GetDaySchedule()) != nullptr) {
        Raise(*schedule, false);
        schedule->ShowWithEffect();
    }
}
