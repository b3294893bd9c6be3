// Whether bytes are a whole note text before the rich-edit control sees
// them. The control takes anything: random bytes show as a page of noise,
// a cut-off file as whatever came before the cut, and a file of very deeply
// nested groups overflows the control's stack and ends the program. A note
// text is what the control writes: one RTF group that closes again, so a
// file that is not exactly that is damaged and must never be saved over.
#pragma once

#include "fw/Afx.h"

#include <cstddef>

enum class RtfShape {
    Whole,    // one RTF group, closed, no deeper than the limit
    Empty,    // no bytes at all (the control never writes that)
    NotRtf,   // does not begin as RTF
    Cut,      // the outer group never closes
    TooDeep,  // groups nested beyond the limit
};

// The rich-edit control under Wine keeps 32 open groups and overruns its
// memory at the 33rd; what the control writes for a note (pictures, lists,
// fonts) stays within a handful.
const int kMaxRtfGroupDepth = 32;

RtfShape CheckNoteRtf(const BYTE* data, size_t size, int maxDepth = kMaxRtfGroupDepth);
// Only the nesting, for pieces of RTF that are not whole notes.
bool IsRtfDepthSafe(const BYTE* data, size_t size, int maxDepth = kMaxRtfGroupDepth);
