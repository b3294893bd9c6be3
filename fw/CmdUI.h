// CCmdUI: what an update-UI handler receives to enable, check or rename the
// menu item (or control) of one command before the user sees it.
#pragma once

#include "MessageMap.h"

class CCmdUI {
public:
    virtual ~CCmdUI() = default;
    virtual void Enable(BOOL on = TRUE);
    virtual void SetCheck(int check = 1);  // 0 clear, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL on = TRUE);
    virtual void SetText(LPCTSTR text);

    UINT m_nID = 0;
    UINT m_nIndex = 0;     // position in m_pMenu
    UINT m_nIndexMax = 0;
    CMenu* m_pMenu = nullptr;
    CWnd* m_pOther = nullptr;  // a control instead of a menu item
    BOOL m_bEnableChanged = FALSE;
};
