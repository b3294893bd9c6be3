// Registers the common control classes (list view, tree view, date-time
// picker, ...) once per process, before any window or template needs them;
// and what the control wrappers share.
#pragma once

#include <windows.h>

void AfxInitCommonControls();
// Loads the rich edit 2.0 library (class "RichEdit20W"); FALSE when missing.
int AfxInitRichEdit2();
// Sends a date range message (DTM_SETRANGE, MCM_SETRANGE); either end may
// be missing.
BOOL AfxSendTimeRange(HWND control, UINT message, const SYSTEMTIME* minTime, const SYSTEMTIME* maxTime);
