// Registers the common control classes (list view, tree view, date-time
// picker, ...) once per process, before any window or template needs them.
#pragma once

void AfxInitCommonControls();
// Loads the rich edit 2.0 library (class "RichEdit20W"); FALSE when missing.
int AfxInitRichEdit2();
