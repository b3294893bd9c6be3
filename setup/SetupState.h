// What the installer knows for its whole run: the language, the folders and
// paths it works with, the folder page's checks and how far the copy got.
#pragma once

#include "fw/Afx.h"

// How far the copy got: the step it was in when it stopped (0 done). An
// exception in a step adds kErrorStepException.
enum SetupErrorStep {
    ERRSTEP_DONE = 0,
    ERRSTEP_CLOSE_PROGRAM = 1,
    ERRSTEP_COPY_STARTED = 2,
    ERRSTEP_BASE_FOLDER = 3,
    ERRSTEP_INSTALL_FOLDER = 4,
    ERRSTEP_EXTRACT = 5,
    ERRSTEP_MIGRATE = 6,
};
const int kErrorStepException = 100;

struct SetupState {
    int languageOffset = 0;  // 0 English, 100000 Korean
    CString baseFolder;
    CString installFolder;    // base + "\" + sub-folder
    CString mainProgramPath;  // set by the copy step
    CString uninstallerPath;  // set by the copy step
    CString previousFolder;   // the earlier installation found through the Run value
    int errorStep = ERRSTEP_DONE;
    bool startWithWindows = true;
    bool startMenu = true;

    bool IsKorean() const { return languageOffset != 0; }
};
