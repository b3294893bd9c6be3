// Carries out one action string on the main frame (through IActionHost) and
// the system (through IActionSystem).
#pragma once

#include "fw/Afx.h"

class IActionHost;
class IActionSystem;
struct ActionKeyword;

class CActionExecutor {
public:
    CActionExecutor(IActionHost& host, IActionSystem& system) : m_host(host), m_system(system) {}

    // 0 for a text that names nothing this executor runs, for a number
    // argument that is refused, for a program start of a downloaded file, and for "ALIGN_ALL", "BACKUP" and
    // "GROUP_MANAGER"; 1 otherwise.
    int ExecuteAction(const CString& text);

private:
    int Shutdown(const ActionKeyword& k, const CString& text, bool force, bool restart);

    IActionHost& m_host;
    IActionSystem& m_system;
};

// True when a program start names something in "system\caches\" of the
// program folder, where the web check's downloads land: those files are
// never started by the program.
bool IsDownloadedTarget(const CString& target);

// The target of a program start with "$(TARGETPATH)\" replaced by the
// program folder.
CString ExpandActionTarget(const CString& target);
