// The small text skins of the notice windows: a title, a body text and their
// buttons, built in memory.
#pragma once

#include "widgets/SkinDefinition.h"

struct NoticeText {
    CString title;
    COLORREF titleColor = RGB(133, 146, 181);
    int titleSize = 9;
    CString body;
    COLORREF bodyColor = RGB(10, 36, 106);
    int bodySize = 8;
};

// The sliding notice's skin: [Title], [Body], an [Info] button that runs
// SCHEDULE_INFO and a [Close] button that runs Hide.
void BuildSlideSkinText(SkinDefinition& skin, const NoticeText& text);
// The note-coloured pop-up's skin: [Title], [Body] and a [Close] button.
void BuildPopupSkinText(SkinDefinition& skin, const NoticeText& text);
