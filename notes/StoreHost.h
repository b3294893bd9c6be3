// IStoreHost: what the note and alarm stores need from the program around
// them: the clock, the user's attention and the frame's commands. The main
// frame implements it; tests record the calls.
#pragma once

#include "fw/Afx.h"

class IStoreHost {
public:
    virtual ~IStoreHost() = default;
    // The present local time.
    virtual SYSTEMTIME Now() = 0;
    // A file could not be written (the shared save-failure report).
    virtual void ReportSaveFailure(const CString& path) = 0;
    // A file was written: a later failure of it is reported again.
    virtual void ReportSaveSucceeded(const CString& path) {}
    // A message for the user in the standard system message box.
    virtual void ShowMessage(const CString& text) = 0;
    // A memo list was found damaged or empty: offer the memo restore dialog
    // (the frame's command 129).
    virtual void OfferMemoRestore() = 0;
};
