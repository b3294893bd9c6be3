#include "Seams.h"

#include "RegUtil.h"
#include "SystemUtil.h"
#include "fw/ColorDialog.h"

#include <shlobj.h>

namespace {

class RealMessageBox : public ISystemMessageBox {
public:
    int Show(HWND owner, const CString& text, const CString& caption, UINT type) override {
        // A box is owned by the window that asks, this thread's active one
        // when none is named, and comes to the top: under an always-on-top
        // dialog it could be reached neither by mouse nor by keyboard.
        if (!owner) owner = ::GetActiveWindow();
        type |= MB_SETFOREGROUND;
        if (owner && (::GetWindowLongPtrW(owner, GWL_EXSTYLE) & WS_EX_TOPMOST)) type |= MB_TOPMOST;
        return MessageBoxW(owner, text, caption, type);
    }
};

int CALLBACK BrowseCallback(HWND wnd, UINT msg, LPARAM, LPARAM data) {
    const CString* start = reinterpret_cast<const CString*>(data);
    if (msg == BFFM_INITIALIZED && start && !start->IsEmpty())
        SendMessageW(wnd, BFFM_SETSELECTIONW, TRUE, (LPARAM)start->GetString());
    return 0;
}

class RealFolderPicker : public IFolderPicker {
public:
    int Browse(HWND owner, const CString& title, UINT flags, const CString& startFolder, CString& path) override {
        IMalloc* shellMalloc = nullptr;
        if (FAILED(SHGetMalloc(&shellMalloc)) || !shellMalloc) return 0;
        wchar_t displayName[MAX_PATH] = {};
        BROWSEINFOW bi = {};
        bi.hwndOwner = owner;
        bi.pszDisplayName = displayName;
        bi.lpszTitle = title;
        bi.ulFlags = flags;
        bi.lpfn = BrowseCallback;
        bi.lParam = (LPARAM)&startFolder;
        int result = 0;
        LPITEMIDLIST item = SHBrowseForFolderW(&bi);
        if (item) {
            wchar_t buffer[MAX_PATH] = {};
            if (SHGetPathFromIDListW(item, buffer) && buffer[0]) {
                path = buffer;
                result = 1;
            } else {
                result = -1;
            }
            shellMalloc->Free(item);
        }
        shellMalloc->Release();
        return result;
    }
};

class RealMonitorSource : public IMonitorSource {
public:
    int GetSystemCount() override { return GetSystemMetrics(SM_CMONITORS); }
    std::vector<HMONITOR> Enumerate() override {
        std::vector<HMONITOR> list;
        EnumDisplayMonitors(nullptr, nullptr, &RealMonitorSource::Add, (LPARAM)&list);
        return list;
    }
    bool GetInfo(HMONITOR monitor, MONITORINFO& info) override {
        info.cbSize = sizeof(info);
        return monitor && GetMonitorInfoW(monitor, &info);
    }
    HMONITOR FromPoint(POINT pt) override { return MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST); }

private:
    static BOOL CALLBACK Add(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
        reinterpret_cast<std::vector<HMONITOR>*>(data)->push_back(monitor);
        return TRUE;
    }
};

class RealSessionControl : public ISessionControl {
public:
    void AbortShutdown() override {
        EnableShutdownPrivilege();
        AbortSystemShutdownW(nullptr);
    }
    void InitiateShutdown(DWORD timeoutSeconds, bool force, bool reboot) override {
        EnableShutdownPrivilege();
        InitiateSystemShutdownExW(nullptr, nullptr, timeoutSeconds, force, reboot, SHTDN_REASON_MAJOR_APPLICATION);
    }
    BOOL LogOff(bool force) override {
        return ExitWindowsEx(EWX_LOGOFF | (force ? EWX_FORCE : 0), SHTDN_REASON_MAJOR_APPLICATION);
    }
};

RealMessageBox g_realMessageBox;
RealFolderPicker g_realFolderPicker;
RealMonitorSource g_realMonitorSource;
RealSessionControl g_realSessionControl;
ISystemMessageBox* g_messageBox = &g_realMessageBox;
IFolderPicker* g_folderPicker = &g_realFolderPicker;
IMonitorSource* g_monitorSource = &g_realMonitorSource;
ISessionControl* g_sessionControl = &g_realSessionControl;

}  // namespace

ISystemMessageBox& GetSystemMessageBox() { return *g_messageBox; }
void SetSystemMessageBox(ISystemMessageBox* box) { g_messageBox = box ? box : &g_realMessageBox; }
IFolderPicker& GetFolderPicker() { return *g_folderPicker; }
void SetFolderPicker(IFolderPicker* picker) { g_folderPicker = picker ? picker : &g_realFolderPicker; }
IMonitorSource& GetMonitorSource() { return *g_monitorSource; }
void SetMonitorSource(IMonitorSource* source) { g_monitorSource = source ? source : &g_realMonitorSource; }
ISessionControl& GetSessionControl() { return *g_sessionControl; }
void SetSessionControl(ISessionControl* control) { g_sessionControl = control ? control : &g_realSessionControl; }

namespace {

class RealRegistryValues : public IRegistryValues {
public:
    int Read(HKEY root, const CString& subkey, const CString& name, CString& text) override {
        return ReadRegString(root, subkey, name, text);
    }
    int Write(HKEY root, const CString& subkey, const CString& name, const CString& text) override {
        return WriteRegString(root, subkey, name, text);
    }
    int Delete(HKEY root, const CString& subkey, const CString& name) override {
        return DeleteRegValue(root, subkey, name);
    }
};

class RealColorChooser : public IColorChooser {
public:
    bool Choose(HWND owner, COLORREF start, COLORREF& chosen) override {
        CHOOSECOLORW cc = {};
        cc.lStructSize = sizeof(cc);
        cc.hwndOwner = owner;
        cc.rgbResult = start;
        cc.lpCustColors = CColorDialog::GetSavedCustomColors();
        cc.Flags = CC_FULLOPEN | CC_RGBINIT;
        if (!::ChooseColorW(&cc)) return false;
        chosen = cc.rgbResult;
        return true;
    }
};

RealRegistryValues g_realRegistryValues;
RealColorChooser g_realColorChooser;
IRegistryValues* g_registryValues = &g_realRegistryValues;
IColorChooser* g_colorChooser = &g_realColorChooser;

}  // namespace

IRegistryValues& GetRegistryValues() { return *g_registryValues; }
void SetRegistryValues(IRegistryValues* values) { g_registryValues = values ? values : &g_realRegistryValues; }
IColorChooser& GetColorChooser() { return *g_colorChooser; }
void SetColorChooser(IColorChooser* chooser) { g_colorChooser = chooser ? chooser : &g_realColorChooser; }
