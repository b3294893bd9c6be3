// The name a note travels under: the upload of a note carries the note's
// place on the screen and the sender's message in the name the receiving
// server gets, "SEND_MEMO l t w h|message" ("SEND_MENC" for a locked note).
#pragma once

#include "fw/Afx.h"

// The longest message that travels; longer ones are cut.
const int kMaxTransferMessage = 156;

// The name in the ANSI code page. width and height are the note's expanded
// size. Without a message the name ends with its "|".
CStringA MemoTransferName(bool locked, int left, int top, int width, int height, const CString& message);
