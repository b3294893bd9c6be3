// The window half of the framework in one include (the core is Afx.h).
//
// How the pieces behave, where it matters to the code built on them:
// - A window class declares DECLARE_MESSAGE_MAP() and lists its handlers
//   between BEGIN_MESSAGE_MAP(CMine, CBase) and END_MESSAGE_MAP() in its
//   source, by bare name (ON_COMMAND(ID_X, OnX)). Handlers have the classic
//   signatures (see the ON_WM_ entries in MessageMap.h); a handler that wants
//   the default calls its base class's handler, which calls Default().
// - WM_COMMAND goes: the control's own object (ON_CONTROL_REFLECT), the
//   window's table, then (for menu commands and buttons, not for other
//   control notifications) each owner's table and the application's table.
// - Owner-draw, colour, scroll and WM_NOTIFY messages are offered to the
//   child control's object first (ON_WM_DRAWITEM_REFLECT,
//   ON_WM_CTLCOLOR_REFLECT, ON_NOTIFY_REFLECT, or the virtual DrawItem of
//   CButton, CStatic, CListBox, CComboBox); the parent's table gets what the
//   child does not take. Only objects bound to the control (DDX_Control,
//   SubclassDlgItem, Create) are asked.
// - Objects see their window's first messages (WM_NCCREATE, WM_CREATE).
//   After WM_NCDESTROY the handle leaves the table, then PostNcDestroy runs
//   (CFrameWnd deletes itself there; CWnd and CDialog do not). A window whose
//   WM_CREATE fails is destroyed inside Create, PostNcDestroy included.
// - FromHandle gives temporary wrappers for windows, DCs, GDI objects, menus
//   and image lists nobody owns; they last until the thread's message loop
//   is next idle, so never keep such a pointer. FromHandlePermanent never
//   makes one.
// - Dialogs without a parent are owned by the main window (a floating window
//   clears its owner in OnInitDialog). DoModal runs our own loop; the
//   application's PreTranslateMessage keeps running for every window.
// - Timers set from a worker thread are set by the window's thread when the
//   request arrives; worker threads otherwise only post messages.
// - Menus get update-UI calls (ON_UPDATE_COMMAND_UI) from the window that
//   tracks them, its owners and the application; items without a handler
//   stay as they are (nothing is greyed automatically).
#pragma once

#include "Afx.h"

#include "AfxRes.h"
#include "Bitmap.h"
#include "Brush.h"
#include "Button.h"
#include "ClientDC.h"
#include "CmdTarget.h"
#include "CmdUI.h"
#include "ColorDialog.h"
#include "ComboBox.h"
#include "CommonControls.h"
#include "DC.h"
#include "DataExchange.h"
#include "DateTimeCtrl.h"
#include "Dialog.h"
#include "Edit.h"
#include "Font.h"
#include "FileDialog.h"
#include "FrameWnd.h"
#include "GdiObject.h"
#include "ImageList.h"
#include "ListBox.h"
#include "ListCtrl.h"
#include "Menu.h"
#include "MessageMap.h"
#include "MonthCalCtrl.h"
#include "PaintDC.h"
#include "Pen.h"
#include "ProgressCtrl.h"
#include "RichEditCtrl.h"
#include "Rgn.h"
#include "ScrollBar.h"
#include "SliderCtrl.h"
#include "Static.h"
#include "TabCtrl.h"
#include "ToolTipCtrl.h"
#include "TreeCtrl.h"
#include "WinApp.h"
#include "WindowDC.h"
#include "Wnd.h"
