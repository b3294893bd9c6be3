// CMenu: a menu or popup menu. The wrapper destroys a menu it holds unless
// the menu was detached (a menu bar set on a window is destroyed with it).
#pragma once

#include "StringT.h"
#include "TempMap.h"

class CWnd;
class CBitmap;

class CMenu {
public:
    CMenu() = default;
    virtual ~CMenu() { DestroyMenu(); }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;
    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return m_hMenu; }

    BOOL Attach(HMENU menu) {
        if (!menu || m_hMenu) return FALSE;
        m_hMenu = menu;
        return TRUE;
    }
    HMENU Detach() {
        HMENU menu = m_hMenu;
        m_hMenu = nullptr;
        return menu;
    }
    static CMenu* FromHandle(HMENU menu);

    BOOL CreateMenu() { return Attach(::CreateMenu()); }
    BOOL CreatePopupMenu() { return Attach(::CreatePopupMenu()); }
    BOOL LoadMenu(UINT id);
    BOOL LoadMenu(LPCTSTR name);
    BOOL DestroyMenu() { return m_hMenu ? ::DestroyMenu(Detach()) : FALSE; }

    int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
    UINT GetMenuItemID(int pos) const { return ::GetMenuItemID(m_hMenu, pos); }
    UINT GetMenuState(UINT id, UINT flags) const { return ::GetMenuState(m_hMenu, id, flags); }
    int GetMenuString(UINT id, CString& text, UINT flags) const;
    CString GetMenuString(UINT id, UINT flags) const {
        CString text;
        GetMenuString(id, text, flags);
        return text;
    }
    CMenu* GetSubMenu(int pos) const { return FromHandle(::GetSubMenu(m_hMenu, pos)); }
    BOOL GetMenuItemInfo(UINT item, LPMENUITEMINFOW info, BOOL byPos = FALSE) const {
        return ::GetMenuItemInfoW(m_hMenu, item, byPos, info);
    }
    BOOL SetMenuItemInfo(UINT item, LPCMENUITEMINFOW info, BOOL byPos = FALSE) {
        return ::SetMenuItemInfoW(m_hMenu, item, byPos, info);
    }

    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, LPCTSTR text = nullptr) {
        return ::AppendMenuW(m_hMenu, flags, id, text);
    }
    BOOL AppendMenu(UINT flags, UINT_PTR id, const CBitmap* bitmap);
    BOOL InsertMenu(UINT pos, UINT flags, UINT_PTR id = 0, LPCTSTR text = nullptr) {
        return ::InsertMenuW(m_hMenu, pos, flags, id, text);
    }
    BOOL ModifyMenu(UINT pos, UINT flags, UINT_PTR id = 0, LPCTSTR text = nullptr) {
        return ::ModifyMenuW(m_hMenu, pos, flags, id, text);
    }
    BOOL RemoveMenu(UINT pos, UINT flags) { return ::RemoveMenu(m_hMenu, pos, flags); }
    BOOL DeleteMenu(UINT pos, UINT flags) { return ::DeleteMenu(m_hMenu, pos, flags); }
    UINT CheckMenuItem(UINT id, UINT check) { return (UINT)::CheckMenuItem(m_hMenu, id, check); }
    UINT EnableMenuItem(UINT id, UINT enable) { return (UINT)::EnableMenuItem(m_hMenu, id, enable); }
    BOOL CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags) {
        return ::CheckMenuRadioItem(m_hMenu, first, last, item, flags);
    }
    BOOL SetDefaultItem(UINT item, BOOL byPos = FALSE) { return ::SetMenuDefaultItem(m_hMenu, item, byPos); }
    BOOL SetMenuItemBitmaps(UINT pos, UINT flags, const CBitmap* unchecked, const CBitmap* checked);

    // The command goes to owner as WM_COMMAND, unless TPM_RETURNCMD asks
    // for it as the result.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr);
    BOOL TrackPopupMenuEx(UINT flags, int x, int y, CWnd* owner, LPTPMPARAMS params);

    // Owner-drawn items.
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}
    virtual void MeasureItem(LPMEASUREITEMSTRUCT) {}
};
