#include "shell/SmallDialogLogic.h"

#include "shell/ShellIds.h"

#include <ctime>

MsgBoxLayout GetMsgBoxLayout(int type) {
    if (type == MSGBOX_NOTICE) return {false, IDI_WARNING, TXT_OK, 0};
    return {true, IDI_QUESTION, TXT_YES, TXT_NO};
}

int GetMsgBoxResult(UINT commandId) { return commandId == IDOK ? IDYES : IDNO; }

int MakeFindFlags(bool down, bool wholeWord, bool matchCase) {
    return (down ? FIND_DOWN : 0) | (wholeWord ? FIND_WHOLE_WORD : 0) | (matchCase ? FIND_MATCH_CASE : 0);
}

POINT PlaceBelowOwner(const RECT& desktop, const RECT& owner, int width, int height) {
    POINT pt;
    pt.x = desktop.right - width < owner.left ? desktop.right - width : owner.left;
    pt.y = desktop.bottom - height < owner.bottom ? desktop.bottom - height : owner.bottom;
    return pt;
}

CellColors GetHourCellColors(bool selected) {
    if (selected) return {0x00FFFFE6, 0x00FF3232, true};
    return {0x00FF3232, 0x00FFFFC8, false};
}

CellColors GetMinuteCellColors(int minute, bool selected) {
    if (selected) return {0x00C80000, 0x0096FA96, true};
    if (minute % 5 == 0) return {0x000000FF, 0x00DCFFFF, false};
    return {0x00323232, 0x00DCFFFF, false};
}

void GetLocalHourMinute(time_t now, int& hour, int& minute) {
    struct tm* local = localtime(&now);
    if (!local) {
        hour = minute = -1;
        return;
    }
    hour = local->tm_hour;
    minute = local->tm_min;
}
