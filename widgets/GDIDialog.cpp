#include "widgets/GDIDialog.h"

#include "widgets/Measure.h"
#include "widgets/MeasureCountDown.h"
#include "widgets/MeasureFactory.h"
#include "widgets/Meter.h"
#include "widgets/MeterFaces.h"
#include "widgets/MeterFactory.h"
#include "widgets/SkinCommands.h"
#include "widgets/SkinMenu.h"
#include "widgets/WidgetIds.h"
#include "widgets/AboutSkin.h"

#include "net/HTTPRequest.h"

#include "ui/FloatingOptions.h"
#include "ui/UiIds.h"
#include "ui/ZDialogOwner.h"

#include "shell/ActionSystem.h"
#include "shell/AppGlobals.h"
#include "shell/ColorUtil.h"
#include "shell/FileTreeOp.h"
#include "shell/FileUtil.h"
#include "shell/InputStringDlg.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"

#include "fw/Menu.h"
#include "fw/PaintDC.h"
#include "fw/ToolTipCtrl.h"

#include <objidl.h>
#include <shlwapi.h>
#include <gdiplus.h>

#include <algorithm>
#include <map>

BEGIN_MESSAGE_MAP(CGDIDialog, CZDialog)
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONUP()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_NCRBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_SETCURSOR()
    ON_WM_MOVE()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_TIMER()
    ON_WM_PAINT()
    ON_MESSAGE(WM_RUN_QUEUE, OnRunQueuedCommand)
    ON_MESSAGE(WM_DOWNLOAD_DONE, OnImageDownloaded)
    ON_MESSAGE(WM_WEATHER_DATA, OnWeatherData)
    ON_COMMAND(ID_SKIN_DEFAULT, OnSkinDefault)
    ON_COMMAND(ID_SKIN_EDIT, OnEditSkin)
    ON_COMMAND(ID_SKIN_INFO, OnSkinInfo)
    ON_COMMAND(ID_SKIN_MAKE_COPY, OnMakeSkinCopy)
    ON_COMMAND_RANGE(ID_SKIN_CHOICE_FIRST, ID_SKIN_CHOICE_LAST, OnSkinChoice)
    ON_COMMAND_RANGE(ID_WIDGET_FIRST, ID_WIDGET_LAST, OnOpenWidgetRange)
    ON_COMMAND_RANGE(ID_TRANSPARENCY_FIRST, ID_TRANSPARENCY_LAST, OnOpacity)
END_MESSAGE_MAP()

int g_DownloadCounter = 0;

namespace {

// Pictures come from the program's web client; the request releases itself
// once it has told the window.
bool StartWebDownload(CWnd* owner, int key, const CString& url, const CString& fileName) {
    CZDialog* window = dynamic_cast<CZDialog*>(owner);
    return window && (new HTTPRequest(window))->DownloadFile(key, url, fileName) == 1;
}

CGDIDialog::DownloadStarter s_downloadStarter = StartWebDownload;

// Images larger than this are not skin pictures; a window of that size
// would only exhaust memory.
const int kMaxSkinSide = 8192;
// Above this a meter's CacheID names a file that survives runs.
const int kCacheKeyBase = 10000000;

// A bitmap of its own decoded from the bytes: nothing keeps the bytes or a
// stream alive behind it, and it is in the premultiplied format the window
// is presented in.
std::unique_ptr<Gdiplus::Bitmap> DecodeImage(const void* bytes, DWORD size) {
    if (!bytes || size == 0) return nullptr;
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return nullptr;
    void* p = ::GlobalLock(memory);
    if (!p) {
        ::GlobalFree(memory);
        return nullptr;
    }
    memcpy(p, bytes, size);
    ::GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (::CreateStreamOnHGlobal(memory, TRUE, &stream) != S_OK) {
        ::GlobalFree(memory);
        return nullptr;
    }
    std::unique_ptr<Gdiplus::Bitmap> result;
    {
        std::unique_ptr<Gdiplus::Bitmap> decoded(Gdiplus::Bitmap::FromStream(stream));
        if (decoded && decoded->GetLastStatus() == Gdiplus::Ok) {
            int w = (int)decoded->GetWidth(), h = (int)decoded->GetHeight();
            if (w > 0 && h > 0 && w <= kMaxSkinSide && h <= kMaxSkinSide) {
                result.reset(new Gdiplus::Bitmap(w, h, PixelFormat32bppPARGB));
                Gdiplus::Graphics g(result.get());
                g.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
                g.DrawImage(decoded.get(), Gdiplus::Rect(0, 0, w, h), 0, 0, w, h, Gdiplus::UnitPixel);
            }
        }
    }
    stream->Release();
    if (result && result->GetLastStatus() != Gdiplus::Ok) result.reset();
    return result;
}

std::unique_ptr<Gdiplus::Bitmap> LoadImageFromFile(const CString& path) {
    std::vector<BYTE> bytes;
    if (!ReadImageFileBytes(path, bytes)) return nullptr;
    return DecodeImage(bytes.data(), (DWORD)bytes.size());
}

std::unique_ptr<Gdiplus::Bitmap> BlankBitmap(int width, int height) {
    if (width <= 0 || height <= 0 || width > kMaxSkinSide || height > kMaxSkinSide) return nullptr;
    std::unique_ptr<Gdiplus::Bitmap> bitmap(new Gdiplus::Bitmap(width, height, PixelFormat32bppPARGB));
    if (bitmap->GetLastStatus() != Gdiplus::Ok) return nullptr;
    // A new bitmap is fully transparent; clear it anyway, as no pixel may
    // carry what the memory held before.
    Gdiplus::Graphics g(bitmap.get());
    g.Clear(Gdiplus::Color(0, 0, 0, 0));
    return bitmap;
}

// The measure's value is kept by the measure itself; the stopped countdown
// shows no time left.
struct MeasureValueAccess : CMeasure {
    static double CMeasure::*Value() { return &MeasureValueAccess::m_Value; }
};

// Tells a meter how its picture's download ended. A meter that leaves its
// state at loading is moved on, so a repeated report finds nobody waiting.
void TellLoaded(CMeter* meter, bool success) {
    meter->OnImageDownloaded(success);
    if (meter->GetImageState() == IMAGE_STATE_LOADING)
        meter->SetImageState(success ? IMAGE_STATE_LOADED : IMAGE_STATE_NONE);
}

IButtonMeter* AsButton(CMeter* meter) {
    return meter && meter->IsButton() ? dynamic_cast<IButtonMeter*>(meter) : nullptr;
}

CString WithSlash(const CString& folder) {
    if (folder.IsEmpty() || folder.Right(1) == L"\\" || folder.Right(1) == L"/") return folder;
    return folder + L"\\";
}

void SetItemText(HMENU menu, UINT position, int textId) {
    CString text = g_LanguageTable[textId];
    if (text.IsEmpty()) return;
    MENUITEMINFOW item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = const_cast<wchar_t*>(text.GetString());
    ::SetMenuItemInfoW(menu, position, TRUE, &item);
}

}  // namespace

void CGDIDialog::SetDownloadStarter(DownloadStarter starter) { s_downloadStarter = std::move(starter); }
CGDIDialog::DownloadStarter CGDIDialog::GetDownloadStarter() { return s_downloadStarter; }

CGDIDialog::CGDIDialog(CWnd* parent) : CZDialog(0, parent) {}
CGDIDialog::CGDIDialog(UINT templateId, CWnd* parent) : CZDialog(templateId, parent) {}

CGDIDialog::~CGDIDialog() {
    if (m_pToolTip && m_pToolTip->m_hWnd) m_pToolTip->DestroyWindow();
    ClearSkin();
}

// ---- Life ----

BOOL CGDIDialog::Create(UINT templateId, CWnd* parent) { return CZDialog::Create(templateId, parent); }

BOOL CGDIDialog::OnInitDialog() {
    CZDialog::OnInitDialog();
    ::SetWindowPos(m_hWnd, nullptr, m_ptPosition.x, m_ptPosition.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    LoadSkin(m_strSkinFile);
    SetZPosition(m_nZPosition, TRUE);
    SetTimer(TIMER_SKIN_DOWNLOADS, SKIN_DOWNLOADS_DELAY_MS);
    return FALSE;
}

// ---- Skins ----

BOOL CGDIDialog::LoadSkin(const CString& path) {
    if (path.IsEmpty()) {
        LoadDefaultSkin();
        return TRUE;
    }
    // The process's current folder stays as it is (other threads use it);
    // relative names of the skin resolve against the skin file's folder.
    SetSkinFile(path);
    ClearSkin();
    SetRegionFromImage(TRUE);
    if (!m_Skin.LoadFile(path) || !BuildSkin(-1)) LoadDefaultSkin();
    return TRUE;
}

BOOL CGDIDialog::LoadSkinFromText(const TiXmlElement* root) {
    ClearSkin();
    SetRegionFromImage(TRUE);
    if (!m_Skin.LoadXmlElement(root) || !BuildSkin(-1)) LoadDefaultSkin();
    return TRUE;
}

void CGDIDialog::LoadDefaultSkin() {
    m_strSkinFile.Empty();
    ClearSkin();
    SetRegionFromImage(TRUE);
    m_Skin.LoadNoSkin();
    BuildSkin(IDP_NO_SKIN);
}

void CGDIDialog::ReloadSkinIfHotkeyButtons() {
    for (CMeter* meter : m_Meters) {
        if (meter->GetKind() == METER_SHORTCUT || meter->GetKind() == METER_WEBURL) {
            LoadSkin(m_strSkinFile);
            return;
        }
    }
}

BOOL CGDIDialog::BuildSkin(int forcedResourceId) {
    for (int i = 0; i < m_Skin.GetSectionCount(); ++i) {
        CInfoSection* section = m_Skin.GetSection(i);
        const CString& name = section->GetName();
        if (name == L"BACKGROUND" || name == L"WINDOW") {
            m_strDblClkCommand = section->GetString(L"LBtnDoubleClick", L"");
            CString background = section->GetString(L"Background", L"");
            if (forcedResourceId >= 1) {
                LoadBackgroundResource(forcedResourceId);
            } else if (background.IsEmpty()) {
                if (!CreateBlankBackground(section->GetInt(L"WindowWidth", 100), section->GetInt(L"WindowHeight", 100)))
                    return FALSE;
            } else if (background == L"SYS_ALERT_1") {
                LoadBackgroundResource(IDP_ALERT_1);
            } else if (background == L"SYS_ALERT_2") {
                LoadBackgroundResource(IDP_ALERT_2);
            } else if (!LoadBackgroundFile(background)) {
                return FALSE;
            }
        } else if (name == L"Command") {
            m_strDblClkCommand = section->GetString(L"LButtonDblClk", L"");
        } else if (name == L"SYSTEM") {
            m_strAboutSkin = section->GetString(L"AboutSkin", L"");
            m_nUpdateCycle = UpdateCycleMs(section->GetDouble(L"UpdateCycle", 0.0));
        } else {
            CString measureType = section->GetString(L"MeasureType", L"");
            if (!measureType.IsEmpty()) {
                if (CMeasure* measure = CreateMeasure(measureType)) {
                    measure->SetOwner(this);
                    measure->SetName(name);
                    measure->ReadConfig(*section);
                    m_Measures.push_back(measure);
                }
                continue;
            }
            CString drawType = section->GetString(L"DrawType", L"");
            if (CMeter* meter = CreateMeter(drawType, this)) {
                meter->SetMeasureSection(section->GetString(L"MeasureSection", L""));
                meter->ReadConfig(*section);
                meter->Initialize();
                m_Meters.push_back(meter);
            }
        }
    }
    BindMeasures();
    FitWindowToSkin();
    OnSkinLoaded();
    return m_pBackBuffer != nullptr;
}

void CGDIDialog::BindMeasures() {
    for (CMeter* meter : m_Meters) {
        for (CMeasure* measure : m_Measures) {
            if (measure->GetName().CompareNoCase(meter->GetMeasureSection()) == 0) {
                meter->SetMeasure(measure);
                break;
            }
        }
    }
}

void CGDIDialog::ClearSkin() {
    ClearMeters();
    ClearMeasures();
}

void CGDIDialog::ClearMeters() {
    m_pBackground.reset();
    m_pBackBuffer.reset();
    for (CMeter* meter : m_Meters) delete meter;
    m_Meters.clear();
    // Nobody waits for the downloads of the old meters any more; their late
    // reports find no meter and count nothing.
    m_nPendingDownloads = 0;
    if (m_hWnd) KillTimer(TIMER_SKIN_LOADING);
}

void CGDIDialog::ClearMeasures() {
    for (CMeasure* measure : m_Measures) delete measure;
    m_Measures.clear();
}

void CGDIDialog::SetBackBufferSize(int width, int height) {
    m_szSize = CSize(width, height);
    m_pBackBuffer = BlankBitmap(width, height);
    m_bLayeredPending = 1;
}

BOOL CGDIDialog::LoadBackgroundResource(int id) {
    HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), L"PNG");
    if (!found) return FALSE;
    DWORD size = ::SizeofResource(module, found);
    HGLOBAL loaded = ::LoadResource(module, found);
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    std::unique_ptr<Gdiplus::Bitmap> image = DecodeImage(bytes, size);
    if (!image) return FALSE;
    int w = (int)image->GetWidth(), h = (int)image->GetHeight();
    m_pBackground = std::move(image);
    if (m_hWnd) ::SetWindowPos(m_hWnd, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetBackBufferSize(w, h);
    return m_pBackBuffer != nullptr;
}

BOOL CGDIDialog::CreateBlankBackground(int width, int height) {
    std::unique_ptr<Gdiplus::Bitmap> blank = BlankBitmap(width, height);
    if (!blank) return FALSE;
    m_pBackground = std::move(blank);
    if (m_hWnd) ::SetWindowPos(m_hWnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetBackBufferSize(width, height);
    return m_pBackBuffer != nullptr;
}

CString CGDIDialog::ResolveSkinPath(const CString& path) const {
    return ResolveBesideSkin(m_strSkinFile, path);
}

bool CGDIDialog::LoadBackgroundFile(const CString& path) {
    m_pBackground.reset();
    m_pBackBuffer.reset();
    if (!path.IsEmpty())
        m_pBackground = LoadImageFromFile(ResolveSkinPath(path));
    else
        m_pBackground = BlankBitmap(m_szSize.cx, m_szSize.cy);
    if (!m_pBackground) return false;
    int w = (int)m_pBackground->GetWidth(), h = (int)m_pBackground->GetHeight();
    if (w == 0 || h == 0) return false;
    SetBackBufferSize(w, h);
    return m_pBackBuffer != nullptr;
}

void CGDIDialog::FitWindowToSkin() {
    if (!m_hWnd) return;
    CRect current = GetRect();
    CRect proposed(current.TopLeft(), m_szSize);
    CRect result = KeepOnScreen(proposed);
    Redraw();
    m_ptPosition = result.TopLeft();
    ::SetWindowPos(m_hWnd, nullptr, result.left, result.top, result.Width(), result.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

CMeter* CGDIDialog::DetachMeter(int id) {
    for (auto it = m_Meters.begin(); it != m_Meters.end(); ++it) {
        if ((*it)->GetID() == id) {
            CMeter* meter = *it;
            m_Meters.erase(it);
            return meter;
        }
    }
    return nullptr;
}

CMeasure* CGDIDialog::FindMeasureByKind(int kind) {
    for (CMeasure* measure : m_Measures)
        if ((int)measure->GetKind() == kind) return measure;
    return nullptr;
}

CMeter* CGDIDialog::FindMeter(int kind, int id) {
    for (CMeter* meter : m_Meters)
        if ((int)meter->GetKind() == kind && meter->GetID() == id) return meter;
    return nullptr;
}

void CGDIDialog::SetRegionFromImage(BOOL remove) {
    if (!m_hWnd) return;
    if (remove) {
        ::SetWindowRgn(m_hWnd, nullptr, TRUE);
        return;
    }
    if (!m_pBackBuffer) return;
    HBITMAP bitmap = nullptr;
    if (m_pBackBuffer->GetHBITMAP(Gdiplus::Color(255, 255, 255, 255), &bitmap) != Gdiplus::Ok || !bitmap) return;
    HRGN region = CreateRegionFromBitmap(bitmap, RGB(255, 0, 255), RGB(16, 16, 16), 0, 0);
    if (region && !::SetWindowRgn(m_hWnd, region, TRUE)) ::DeleteObject(region);
    ::DeleteObject(bitmap);
}

// ---- Drawing ----

void CGDIDialog::Redraw() {
    if (!m_pBackBuffer) return;
    for (CMeasure* measure : m_Measures) measure->Update();
    {
        Gdiplus::Graphics g(m_pBackBuffer.get());
        g.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
        if (m_pBackground)
            g.DrawImage(m_pBackground.get(), Gdiplus::Rect(0, 0, m_szSize.cx, m_szSize.cy), 0, 0, m_szSize.cx,
                        m_szSize.cy, Gdiplus::UnitPixel);
    }
    for (CMeter* meter : m_Meters) {
        meter->Update();
        meter->Draw();
    }
    DrawOverlay();
    UpdateLayered();
}

void CGDIDialog::Repaint() {
    if (!m_pBackBuffer) return;
    {
        Gdiplus::Graphics g(m_pBackBuffer.get());
        g.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
        if (m_pBackground)
            g.DrawImage(m_pBackground.get(), Gdiplus::Rect(0, 0, m_szSize.cx, m_szSize.cy), 0, 0, m_szSize.cx,
                        m_szSize.cy, Gdiplus::UnitPixel);
    }
    for (CMeter* meter : m_Meters) meter->Draw();
    DrawOverlay();
    UpdateLayered();
}

CPoint CGDIDialog::GetTopLeft() { return GetRect().TopLeft(); }

void CGDIDialog::UpdateLayered() {
    if (!m_hWnd || !m_pBackBuffer) return;
    if (m_bLayeredPending) {
        ModifyStyleEx(0, WS_EX_LAYERED);
        m_bLayeredPending = 0;
    }
    typedef BOOL(WINAPI * UpdateLayeredFn)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);
    HMODULE user32 = g_hUser32 ? g_hUser32 : ::GetModuleHandleW(L"user32.dll");
    UpdateLayeredFn update = user32 ? (UpdateLayeredFn)(void*)::GetProcAddress(user32, "UpdateLayeredWindow") : nullptr;
    if (!update) return;
    HBITMAP bitmap = nullptr;
    if (m_pBackBuffer->GetHBITMAP(Gdiplus::Color(0, 0, 0, 0), &bitmap) != Gdiplus::Ok || !bitmap) return;
    HDC windowDC = ::GetDC(m_hWnd);
    HDC memoryDC = ::CreateCompatibleDC(windowDC);
    HGDIOBJ previous = ::SelectObject(memoryDC, bitmap);
    POINT destination = GetTopLeft();
    SIZE size = {m_szSize.cx, m_szSize.cy};
    POINT source = {0, 0};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, (BYTE)m_nConstantAlpha, AC_SRC_ALPHA};
    update(m_hWnd, windowDC, &destination, &size, memoryDC, &source, 0, &blend, ULW_ALPHA);
    ++m_nPresentCount;
    m_nLastPresentedAlpha = m_nConstantAlpha;
    ::SelectObject(memoryDC, previous);
    ::DeleteDC(memoryDC);
    ::ReleaseDC(m_hWnd, windowDC);
    ::DeleteObject(bitmap);
}

BOOL CGDIDialog::SetLayeredAlpha(COLORREF, BYTE alpha, DWORD) {
    m_nConstantAlpha = alpha;
    UpdateLayered();
    return TRUE;
}

void CGDIDialog::FadeIn() {
    CZDialog::FadeIn();
    Redraw();
}

// ---- Commands and the queue ----

BOOL CGDIDialog::PostCommand(const CString& command) {
    AddRef();
    QueueCommand(command);
    if (!m_hWnd || !PostMessage(WM_RUN_QUEUE)) {
        // Nothing will run it: take it back with its reference.
        m_CommandQueue.RemoveAt(m_CommandQueue.GetCount() - 1);
        Release();
        return FALSE;
    }
    return TRUE;
}

LRESULT CGDIDialog::OnRunQueuedCommand(WPARAM, LPARAM) {
    if (m_CommandQueue.GetCount() == 0) return 0;
    // Taken off before it runs: a command that pumps messages (a dialog)
    // must not find itself still at the head of the queue.
    CString command = m_CommandQueue[0];
    m_CommandQueue.RemoveAt(0);
    ExecuteCommand(command);
    Release();
    return 0;
}

void CGDIDialog::StopCountdown() {
    CMeasure* measure = FindMeasureByKind(MEASURE_COUNTDOWN);
    if (!measure) return;
    static_cast<CMeasureCountDown*>(measure)->Pause();
    measure->*MeasureValueAccess::Value() = 0.0;
}

int CGDIDialog::ExecuteCommand(const CString& text) {
    SkinCommand command = ParseSkinCommand(text);
    CZDialogOwner& owner = GetZDialogOwner();
    switch (command.kind) {
    case SKIN_CMD_CHANGE_SKIN:
        LoadSkin(GetFolderOfPath(m_strSkinFile) + command.argument);
        m_bChanged = 1;
        owner.RequestSaveSoon();
        break;
    case SKIN_CMD_JUMP_SKIN:
        LoadSkin(WithSlash(m_strSkinFolder) + command.argument);
        break;
    case SKIN_CMD_TOOLTIP_WIDGET:
        ShowToolTipWidget(command.argument);
        break;
    case SKIN_CMD_HIDE:
        FadeOut();
        break;
    case SKIN_CMD_HIDE_OTHERS:
        owner.ShowAllWidgets(FALSE, this);
        break;
    case SKIN_CMD_SHUTDOWN:
        if (command.closeAfterFade) {
            StopCountdown();
            m_bCloseAfterFade = 1;
            FadeOut();
            owner.ForgetShutdownCountdown(this);
        } else {
            if (command.saveNotes) owner.AutoSaveMemos(TRUE);
            StopCountdown();
        }
        GetActionSystem().StartSystemShutdown((DWORD)command.seconds, command.force, command.restart);
        break;
    case SKIN_CMD_CANCEL_SHUTDOWN_AND_CLOSE:
        m_bCloseAfterFade = 1;
        FadeOut();
        owner.ForgetShutdownCountdown(this);
        GetActionSystem().AbortShutdown();
        break;
    case SKIN_CMD_WEATHER_DETAIL:
        if (!command.argument.IsEmpty()) {
            CMeter* meter = FindMeter(METER_WEATHER, CInfoSection::ParseInt(command.argument));
            IWeatherMeter* weather = dynamic_cast<IWeatherMeter*>(meter);
            CString link = weather ? weather->GetDetailLink() : CString();
            // A feed names the page; only a web page is opened from it.
            if (!link.IsEmpty() && IsWebLink(link)) GetActionSystem().ShellOpen(link);
        }
        break;
    case SKIN_CMD_REG_USER:
        owner.OpenUserInformation();
        break;
    case SKIN_CMD_POSITION:
        SetZPosition(command.level, TRUE);
        Repaint();
        break;
    case SKIN_CMD_OTHER:
        return owner.ExecuteAction(text);
    }
    return 1;
}

void CGDIDialog::ShowToolTipWidget(const CString& name) {
    CPoint cursor;
    ::GetCursorPos(&cursor);
    CPoint anchor = cursor;
    CPoint client = cursor;
    ScreenToClient(&client);
    CRect window = GetRect();
    for (auto it = m_Meters.rbegin(); it != m_Meters.rend(); ++it) {
        CMeter* meter = *it;
        if (meter->IsButton() && meter->HitTest(client.x, client.y))
            anchor = CPoint(window.left + meter->GetX(false) + meter->GetW() / 2,
                            window.top + meter->GetY(false) + meter->GetH() / 2);
    }
    CZDialogOwner& owner = GetZDialogOwner();
    if (name.IsEmpty()) {
        owner.ShowToolTipWidget(anchor.x, anchor.y, L"SYSTEM", this);
    } else if (name == L"DEFAULT") {
        owner.ShowToolTipWidget(anchor.x, anchor.y, L"DEFAULT", this);
    } else if (name == L"ZORELMENU") {
        CRect bar;
        if (owner.GetQuickMenuRect(bar)) owner.ShowToolTipWidget(bar.left + 258, bar.top + 14, L"DEFAULT", this);
    } else {
        owner.ShowToolTipWidget(anchor.x, anchor.y, GetFolderOfPath(m_strSkinFile) + name, this);
    }
}

void CGDIDialog::SelectSkin(UINT id) {
    int n = (int)id - (int)ID_SKIN_CHOICE_FIRST;
    if (n < 0 || n >= m_SkinList.GetCount()) return;
    m_bChanged = 1;
    GetZDialogOwner().RequestSaveSoon();
    CString path = m_SkinList[n];
    LoadSkin(path);
}

void CGDIDialog::OnOpenWidget(UINT id) { GetZDialogOwner().OnOpenWidgetMenu(id); }

void CGDIDialog::SetOpacityByCommand(UINT id) {
    int alpha = OpacityForCommand(id);
    if (alpha >= 0) SetAlpha(alpha);
}

void CGDIDialog::OnSkinChoice(UINT id) { SelectSkin(id); }
void CGDIDialog::OnOpenWidgetRange(UINT id) { OnOpenWidget(id); }
void CGDIDialog::OnOpacity(UINT id) { SetOpacityByCommand(id); }

void CGDIDialog::OnSkinDefault() {
    LoadDefaultSkin();
    m_bChanged = 1;
    GetZDialogOwner().RequestSaveSoon();
}

void CGDIDialog::OnEditSkin() {
    if (m_strSkinFile.IsEmpty()) {
        CString text = g_LanguageTable[TEXT_SKIN_CANNOT_MODIFY];
        ShowSkinNotice(text.IsEmpty() ? CString(L"Current skin cannot be modified.") : text);
        return;
    }
    if (GetZDialogOwner().EditSkinFile(m_strSkinFile, this)) LoadSkin(m_strSkinFile);
}

void CGDIDialog::OnSkinInfo() {
    if (m_strAboutSkin.IsEmpty()) return;
    CString path = GetFolderOfPath(m_strSkinFile) + m_strAboutSkin;
    if (!FileExists(path)) return;
    CAboutSkin about(path, this);
    about.DoModal();
}

void CGDIDialog::OnMakeSkinCopy() {
    if (m_strSkinFile.IsEmpty()) return;
    CString title = GetTitleOfPath(m_strSkinFile);
    CString entered;
    if (!AskSkinCopyName(title + L"_copy", entered)) return;
    CString name = AcceptSkinCopyName(entered, title);
    if (name.IsEmpty()) return;
    CString target = GetFolderOfPath(m_strSkinFile) + name + L".xml";
    CFileTreeOp copy;
    copy.m_bOverwriteMode = true;
    if (copy.Copy(m_strSkinFile, target)) GetZDialogOwner().OpenWidget(target);
}

bool CGDIDialog::AskSkinCopyName(const CString& proposed, CString& entered) {
    CString prompt = g_LanguageTable[TEXT_SKIN_COPY_PROMPT];
    if (prompt.IsEmpty()) prompt = L"Input new widget name.";
    CInputStringDlg dialog(prompt, proposed, this);
    if (dialog.DoModal() != IDOK) return false;
    entered = dialog.GetText();
    return true;
}

void CGDIDialog::ShowSkinNotice(const CString& text) { ::MessageBoxW(m_hWnd, text, L"Zorel", MB_OK); }

// ---- The context menu ----

HMENU CGDIDialog::BuildContextMenu() {
    static const WindowMenuLayout kLayout = {
        IDR_SKIN_WINDOW_MENU,
        {{0, 11000}, {1, 11001}, {2, 27306}, {3, 11002}, {4, 11003}, {5, 11004}, {7, 11006}, {8, 11007}, {9, 11008}},
        0, 3, 5, 7};
    return BuildWindowMenu(kLayout);
}

HMENU CGDIDialog::BuildWindowMenu(const WindowMenuLayout& layout) {
    HMENU bar = ::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(layout.menuId));
    if (!bar) return nullptr;
    HMENU popup = ::GetSubMenu(bar, 0);
    // Taken off the bar, the popup outlives it.
    ::RemoveMenu(bar, 0, MF_BYPOSITION);
    ::DestroyMenu(bar);
    if (!popup) return nullptr;

    // Texts first, while the positions are still those of the resource.
    for (const auto& t : layout.texts) SetItemText(popup, t.first, t.second);
    int last = ::GetMenuItemCount(popup) - 1;
    if (last >= 0) SetItemText(popup, (UINT)last, 11014);

    CZDialogOwner& owner = GetZDialogOwner();
    HMENU levels = ::GetSubMenu(popup, layout.levelPos);
    owner.TranslateWindowMenu(CMenu::FromHandle(levels), CMenu::FromHandle(::GetSubMenu(popup, layout.arrangePos)),
                              CMenu::FromHandle(::GetSubMenu(popup, layout.opacityPos)));

    WindowMenuState state;
    state.level = m_nZPosition;
    state.movable = m_bMovable != 0;
    state.enableDesktop = GetFloatingOptions().EnableDesktop != 0;
    state.hasAboutSkin = !m_strAboutSkin.IsEmpty();
    WindowMenuPlan plan = PlanWindowMenu(state);
    if (levels && plan.checkedLevelId) ::CheckMenuItem(levels, plan.checkedLevelId, MF_BYCOMMAND | MF_CHECKED);
    if (levels && plan.removeDesktopLevel) ::DeleteMenu(levels, ID_POS_DESKTOP, MF_BYCOMMAND);
    if (plan.checkFixLocation) ::CheckMenuItem(popup, ID_FIX_LOCATION, MF_BYCOMMAND | MF_CHECKED);

    HMENU skins = ::GetSubMenu(popup, layout.skinPos);
    if (skins) {
        ::DeleteMenu(skins, ID_SKIN_PLACEHOLDER, MF_BYCOMMAND);
        BuildSkinMenu(CMenu::FromHandle(skins));
    }
    HMENU expanded = ::GetSubMenu(popup, ::GetMenuItemCount(popup) - 1);
    if (plan.removeSkinInfo) ::DeleteMenu(popup, ID_SKIN_INFO, MF_BYCOMMAND);
    if (expanded) {
        // The frame fills an empty submenu with its own menu.
        while (::GetMenuItemCount(expanded) > 0) ::DeleteMenu(expanded, 0, MF_BYPOSITION);
        owner.FillExpandedMenu(CMenu::FromHandle(expanded));
    }
    return popup;
}

void CGDIDialog::BuildSkinMenu(CMenu* menu) {
    m_SkinList.RemoveAll();
    std::vector<SkinMenuItem> items = ListSkinMenu(m_strSkinFolder, m_strSkinFile);
    UINT id = ID_SKIN_CHOICE_FIRST;
    for (const SkinMenuItem& item : items) {
        m_SkinList.Add(item.path);
        if (menu) menu->AppendMenu(MF_STRING | (item.checked ? MF_CHECKED : 0), id, item.text);
        ++id;
    }
}

void CGDIDialog::OnNcRButtonDown(UINT hitTest, CPoint point) {
    HMENU popup = BuildContextMenu();
    if (popup) {
        ::TrackPopupMenu(popup, 0, point.x, point.y, 0, m_hWnd, nullptr);
        ::DestroyMenu(popup);
    }
    CZDialog::OnNcRButtonDown(hitTest, point);
}

// ---- Mouse and keyboard ----

LRESULT CGDIDialog::OnNcHitTest(CPoint) {
    bool ctrl = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    return IsMouseOverHiding() && !ctrl ? HTCLIENT : HTCAPTION;
}

void CGDIDialog::OnNcLButtonDown(UINT hitTest, CPoint point) {
    m_bPressed = 1;
    m_bClickArmed = 1;
    GetZDialogOwner().HideToolTipWidget(this);
    CPoint client = point;
    ScreenToClient(&client);
    bool changed = false;
    for (CMeter* meter : m_Meters)
        if (IButtonMeter* button = AsButton(meter))
            if (button->UpdateButtonState(true, client)) changed = true;
    if (changed) Redraw();
    // The system's caption drag runs inside the call below and takes the
    // button-up with it. A press that has ended when it returns is a
    // finished click (or drag), settled now rather than on the next move.
    const int button = ::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    AddRef();
    CZDialog::OnNcLButtonDown(hitTest, point);
    if (hitTest == HTCAPTION && m_hWnd && m_bPressed && !(::GetAsyncKeyState(button) & 0x8000)) {
        CPoint at;
        ::GetCursorPos(&at);
        EndNcClick(at.x, at.y);
    }
    Release();
}

void CGDIDialog::FinishClick(CPoint point) {
    m_bPressed = 0;
    CPoint client = point;
    ScreenToClient(&client);
    for (auto it = m_Meters.rbegin(); it != m_Meters.rend(); ++it) {
        IButtonMeter* button = AsButton(*it);
        if (!button || !button->UpdateButtonState(false, client)) continue;
        if (m_bClickArmed && (*it)->HitTest(client.x, client.y)) PostCommand(button->GetCommand());
        Redraw();
        break;
    }
}

void CGDIDialog::OnNcLButtonUp(UINT hitTest, CPoint point) {
    FinishClick(point);
    CZDialog::OnNcLButtonUp(hitTest, point);
}

void CGDIDialog::EndNcClick(int x, int y) {
    // The caption drag swallowed the button-up: finish the click here.
    FinishClick(CPoint(x, y));
    m_ptDrag = CPoint(x, y);
    m_rcDrag = GetRect();
}

void CGDIDialog::OnNcLButtonDblClk(UINT hitTest, CPoint point) {
    if (!m_strDblClkCommand.IsEmpty()) PostCommand(m_strDblClkCommand);
    CZDialog::OnNcLButtonDblClk(hitTest, point);
}

void CGDIDialog::OnMouseMove(UINT flags, CPoint point) {
    for (CMeter* meter : m_Meters) {
        IButtonMeter* button = AsButton(meter);
        if (button && button->UpdateButtonState(flags == MK_LBUTTON, point)) {
            Redraw();
            break;
        }
    }
    CZDialog::OnMouseMove(flags, point);
}

BOOL CGDIDialog::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    CPoint client;
    ::GetCursorPos(&client);
    ScreenToClient(&client);
    bool hit = false;
    for (auto it = m_Meters.rbegin(); it != m_Meters.rend(); ++it) {
        IButtonMeter* button = AsButton(*it);
        if (!button || !button->HitTestToolTip(client)) continue;
        ShowToolTip(button->GetToolTipText(), TRUE);
        m_bToolTipShown = 1;
        hit = true;
        if (button->GetHyperLink()) {
            ::SetCursor(::LoadCursorW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_CURSOR_HAND)));
            return TRUE;
        }
        break;
    }
    if (m_bToolTipShown && !hit) {
        m_bToolTipShown = 0;
        ActivateToolTip(FALSE);
    }
    return CZDialog::OnSetCursor(wnd, hitTest, message);
}

void CGDIDialog::EnsureToolTip() {
    if (m_pToolTip && m_pToolTip->m_hWnd) return;
    if (!m_hWnd) return;
    if (!m_pToolTip) m_pToolTip.reset(new CToolTipCtrl);
    if (!m_pToolTip->Create(this)) return;
    m_pToolTip->Activate(FALSE);
    m_pToolTip->SetMaxTipWidth(400);
}

void CGDIDialog::ShowToolTip(const CString& text, BOOL activate) {
    if (text == m_strToolTipText) return;
    m_strToolTipText = text;
    EnsureToolTip();
    if (!m_pToolTip || !m_pToolTip->m_hWnd) return;
    if (!m_bToolTipHasTool) {
        CRect client;
        GetClientRect(&client);
        m_bToolTipHasTool = m_pToolTip->AddTool(this, text, &client, 1) ? 1 : 0;
    }
    m_pToolTip->UpdateTipText(text, this, 1);
    m_pToolTip->Activate(activate);
}

void CGDIDialog::ActivateToolTip(BOOL activate) {
    if (!m_pToolTip || !m_pToolTip->m_hWnd) return;
    if (!activate) m_strToolTipText.Empty();
    if (m_bToolTipHasTool) m_pToolTip->Activate(activate);
}

BOOL CGDIDialog::PreTranslateMessage(MSG* msg) {
    EnsureToolTip();
    if (m_pToolTip && m_pToolTip->m_hWnd) m_pToolTip->RelayEvent(msg);
    if (msg->message == WM_NCMOUSEMOVE && msg->wParam == HTCAPTION && m_bPressed)
        EndNcClick((short)LOWORD(msg->lParam), (short)HIWORD(msg->lParam));
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) {
        bool shift = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
        PostCommand(shift ? L"HIDE_OTHERS" : L"HIDE");
    }
    return CZDialog::PreTranslateMessage(msg);
}

void CGDIDialog::OnMove(int x, int y) {
    CZDialog::OnMove(x, y);
    if (m_pBackBuffer && m_bSavePosition) {
        GetZDialogOwner().RequestSaveSoon();
        m_bChanged = 1;
    }
    m_bClickArmed = 0;
}

void CGDIDialog::OnWindowPosChanging(WINDOWPOS* pos) {
    CZDialog::OnWindowPosChanging(pos);
    // Pinned into the desktop, the window keeps its place among the icons.
    if (m_nZPosition == ZPOS_DESKTOP) pos->flags |= SWP_NOZORDER;
}

// ---- Timers and worker messages ----

void CGDIDialog::OnTimer(UINT_PTR id) {
    if (id == TIMER_SKIN_UPDATE) {
        Redraw();
    } else if (id == TIMER_SKIN_DOWNLOADS) {
        KillTimer(TIMER_SKIN_DOWNLOADS);
        StartImageDownloads();
        return;
    } else if (id == TIMER_SKIN_LOADING) {
        m_nLoadingFrame = m_nLoadingFrame >= 7 ? 0 : m_nLoadingFrame + 1;
        Repaint();
    }
    CZDialog::OnTimer(id);
}

void CGDIDialog::OnPaint() {
    {
        CPaintDC dc(this);
    }
    Redraw();
}

void CGDIDialog::StartImageDownloads() {
    CString cache = g_ProgramFolder + WIDGET_CACHE_FOLDER;
    EnsureFolder(cache);
    int indicators = 0;
    bool loaded = false;
    // Which URL each file of this round is being downloaded from.
    std::map<int, CString> started;
    std::vector<CMeter*> failed;
    const size_t count = m_Meters.size();
    for (size_t i = 0; i < count; ++i) {
        CMeter* meter = m_Meters[i];
        CString url = meter->GetImageUrl();
        if (url.IsEmpty() || meter->GetImageState() == IMAGE_STATE_LOADING) continue;
        if (url == L"__CLEAR_CACHE__") {
            DeleteFolderTree(cache);
            EnsureFolder(cache);
            continue;
        }
        int n = g_DownloadCounter++;
        int key = meter->GetCacheKey(n);
        // Two meters that share a CacheID but name different pictures must
        // not write one file at the same time: the later one downloads into
        // a file of its own.
        auto same = started.find(key);
        if (same != started.end() && same->second != url) key = n;
        meter->SetDownloadNumber(key);
        meter->SetImageState(IMAGE_STATE_LOADING);
        CString fileName;
        fileName.Format(L"%d", key);
        CString cacheFile = cache + fileName;
        if (key > kCacheKeyBase && started.find(key) == started.end() && FileExists(cacheFile)) {
            loaded = true;
            TellLoaded(meter, true);
            for (size_t j = i + 1; j < count; ++j) {
                CMeter* other = m_Meters[j];
                if (other->GetImageState() != IMAGE_STATE_NONE || other->GetImageUrl() != url) continue;
                other->SetDownloadNumber(key);
                TellLoaded(other, true);
            }
            continue;
        }
        // A file of an earlier run under a plain number is never shown.
        if (key <= kCacheKeyBase) DeleteFileQuiet(cacheFile);
        std::vector<CMeter*> sharing{meter};
        for (size_t j = i + 1; j < count; ++j) {
            CMeter* other = m_Meters[j];
            if (other->GetImageState() != IMAGE_STATE_NONE || other->GetImageUrl() != url) continue;
            other->SetDownloadNumber(key);
            other->SetImageState(IMAGE_STATE_LOADING);
            sharing.push_back(other);
        }
        bool running = s_downloadStarter && s_downloadStarter(this, key, url, fileName);
        if (!running) {
            failed.insert(failed.end(), sharing.begin(), sharing.end());
            continue;
        }
        started[key] = url;
        for (CMeter* m : sharing) {
            indicators += m->GetIndicator();
            ++m_nPendingDownloads;
        }
    }
    // Downloads that could not start count as failed at once.
    for (CMeter* meter : failed) TellLoaded(meter, false);
    if (indicators > 0 && m_nPendingDownloads > 0) SetTimer(TIMER_SKIN_LOADING, SKIN_LOADING_FRAME_MS);
    if (loaded || !failed.empty()) Redraw();
}

LRESULT CGDIDialog::OnImageDownloaded(WPARAM key, LPARAM success) {
    for (CMeter* meter : m_Meters) {
        // Only a meter still waiting is told, so a repeated report cannot
        // count twice.
        if (meter->GetDownloadNumber() != (int)key || meter->GetImageState() != IMAGE_STATE_LOADING) continue;
        TellLoaded(meter, success != 0);
        if (m_nPendingDownloads > 0) --m_nPendingDownloads;
    }
    if (m_nPendingDownloads == 0) KillTimer(TIMER_SKIN_LOADING);
    Redraw();
    return 0;
}

LRESULT CGDIDialog::OnWeatherData(WPARAM wParam, LPARAM) {
    WeatherDataRecord* record = reinterpret_cast<WeatherDataRecord*>(wParam);
    if (!record) return 0;
    // The skin may have been loaded again since the request: only a meter
    // still in the list, and the very one that asked, gets the feed.
    if (std::find(m_Meters.begin(), m_Meters.end(), record->meter) != m_Meters.end()) {
        IWeatherMeter* weather = dynamic_cast<IWeatherMeter*>(record->meter);
        if (weather && weather->GetReplySerial() == record->serial)
            weather->ParseWeatherFeed(record->buffer, record->length);
    }
    delete[] record->buffer;
    delete record;
    return 0;
}
