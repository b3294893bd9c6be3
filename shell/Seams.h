// Small interfaces in front of the system effects the shared services cause:
// the standard message box, the shell's folder picker, the monitor list and
// the session (shutdown, restart, log-off). The program runs on the real
// implementations; tests install their own so that no box appears, no picker
// waits for a click and the session is never touched.
#pragma once

#include "fw/Afx.h"

#include <vector>

// The system's standard message box (MessageBoxW). Returns the button id.
class ISystemMessageBox {
public:
    virtual ~ISystemMessageBox() = default;
    virtual int Show(HWND owner, const CString& text, const CString& caption, UINT type) = 0;
};

// The shell's folder picker. Returns 1 with the chosen folder in path, 0 when
// the user cancelled, -1 when an item was chosen but gave no file-system path.
class IFolderPicker {
public:
    virtual ~IFolderPicker() = default;
    virtual int Browse(HWND owner, const CString& title, UINT flags, const CString& startFolder,
                       CString& path) = 0;
};

// The display monitors as the window manager reports them.
class IMonitorSource {
public:
    virtual ~IMonitorSource() = default;
    // The number of monitors the system reports (SM_CMONITORS).
    virtual int GetSystemCount() = 0;
    // Every monitor of the desktop, in the window manager's order.
    virtual std::vector<HMONITOR> Enumerate() = 0;
    virtual bool GetInfo(HMONITOR monitor, MONITORINFO& info) = 0;
    // The monitor nearest to the point.
    virtual HMONITOR FromPoint(POINT pt) = 0;
};

// Ending the session. The real one asks for the shutdown privilege first.
class ISessionControl {
public:
    virtual ~ISessionControl() = default;
    virtual void AbortShutdown() = 0;
    virtual void InitiateShutdown(DWORD timeoutSeconds, bool force, bool reboot) = 0;
    virtual BOOL LogOff(bool force) = 0;
};

// The seams in use. Setting null puts the real implementation back.
ISystemMessageBox& GetSystemMessageBox();
void SetSystemMessageBox(ISystemMessageBox* box);
IFolderPicker& GetFolderPicker();
void SetFolderPicker(IFolderPicker* picker);
IMonitorSource& GetMonitorSource();
void SetMonitorSource(IMonitorSource* source);
ISessionControl& GetSessionControl();
void SetSessionControl(ISessionControl* control);

// String values of the registry, as RegUtil.h reads and writes them: 1 on
// success, 0 on failure, nothing shown.
class IRegistryValues {
public:
    virtual ~IRegistryValues() = default;
    virtual int Read(HKEY root, const CString& subkey, const CString& name, CString& text) = 0;
    virtual int Write(HKEY root, const CString& subkey, const CString& name, const CString& text) = 0;
    virtual int Delete(HKEY root, const CString& subkey, const CString& name) = 0;
};
IRegistryValues& GetRegistryValues();
void SetRegistryValues(IRegistryValues* values);

// The system's colour dialog, fully open, starting from a colour. True with
// the chosen colour when the user pressed OK.
class IColorChooser {
public:
    virtual ~IColorChooser() = default;
    virtual bool Choose(HWND owner, COLORREF start, COLORREF& chosen) = 0;
};
IColorChooser& GetColorChooser();
void SetColorChooser(IColorChooser* chooser);
