// CMemoSortInfo: a note and the column it stands in, for arranging notes by
// their present position.
#pragma once

#include "notes/MemoInfo.h"

class CMemoSortInfo {
public:
    CMemoSortInfo() = default;
    virtual ~CMemoSortInfo() = default;
    // The key is the note's right edge divided by the default note width
    // (General/StartDX); a width below 1 counts as 1.
    void Init(CMemoInfo* memo, int startDX) {
        m_pMemo = memo;
        m_nKey = memo ? memo->m_rcWindow.right / (startDX > 0 ? startDX : 1) : 0;
    }

    CMemoInfo* m_pMemo = nullptr;
    int m_nKey = 0;
};
