// How the program shows a notice: the window for each notice style, the
// stacking offsets of the sliding notices, the menu of a notice's right
// click, and the editors a notice opens for its alarm or anniversary.
#pragma once

#include "notes/LifecycleHost.h"

#include <functional>

class CGDIDialog;
class CWnd;

// One stacking offset per slide placement 0-7: notices of one batch stack
// along the edge instead of overlapping. Set back to 0 after each new
// minute's check.
extern int g_SlideSlots[8];
void ResetSlideSlots();

// The frame's editors for what a notice is about; either may be empty.
struct NoticeEditors {
    std::function<void(int id)> editAlarm;
    std::function<void(int id)> editAnniversary;
};
void SetNoticeEditors(NoticeEditors editors);
// Opens the editor of the notice's item: ids from kFirstAnniversaryId are
// anniversaries, lower ids alarms; nothing for a negative id.
void OpenNoticeSchedule(int id);

// The work area the notices slide in (the primary monitor's, without the
// task bar). Tests set their own; an empty rectangle restores the system's.
CRect NoticeWorkArea();
void SetNoticeWorkArea(const CRect& area);

// The right-click menu of a notice: the skinned windows' position, hide,
// arrange, fix-location and transparency items and "Edit schedule". The
// caller tracks and destroys it; null when the menu is missing.
HMENU BuildNoticeMenu(CGDIDialog& window);

// Shows the notice: style 0 slides up at the request's placement and the
// placement's stacking offset, styles 1-3 pop up at the request's point.
// Returns the window (which frees itself when it has gone), or null when
// none was shown (another style, or the window could not be made).
CGDIDialog* ShowNoticeWindow(CWnd* parent, const NoticeRequest& notice);

// The notice windows alive on this thread.
int CountNoticeWindows();
// Destroys every notice window of this thread (the program is ending).
void CloseNoticeWindows();
