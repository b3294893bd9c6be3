// What a desktop widget window asks of the frame that keeps the list of
// open widgets. The frame implements it; tests give a fake.
#pragma once

#include "fw/Afx.h"

class CWidgetDialog;

class IWidgetHost {
public:
    virtual ~IWidgetHost() = default;
    // True when a listed widget shows this skin file (full path, exact).
    virtual bool IsWidgetOpen(const CString& skinFile) = 0;
    // Opens the skin file as a new listed widget; null when it does not load.
    virtual CWidgetDialog* OpenWidget(const CString& skinFile) = 0;
    // Closes the first listed widget showing this skin file.
    virtual void CloseWidgetBySkin(const CString& skinFile) = 0;
    // A widget the user closed finished fading out: take it off the list,
    // destroy it and write the list.
    virtual void RemoveWidget(CWidgetDialog* widget) = 0;
};
