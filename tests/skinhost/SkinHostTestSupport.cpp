#include "SkinHostTestSupport.h"

#include "widgets/MeterFactory.h"
#include "widgets/WidgetIds.h"

#include "shell/ProgramFolder.h"
#include "ui/ZDialogList.h"

#include <objidl.h>
#include <gdiplus.h>

GdiplusSession g_Gdiplus;
MeterLog g_MeterLog;
CountingEnvironment* g_CountingEnvironment = nullptr;
CFloatingOptions SkinHostTest::s_options;

namespace {
template <class T>
CMeter* Make(ISkinHost* owner) {
    return new T(owner);
}
}  // namespace

void SkinHostTest::SetUp() {
    s_options = CFloatingOptions();
    SetFloatingOptionsProvider(&SkinHostTest::Options);
    SetZDialogOwner(&owner);
    SetActionSystem(&system);
    g_CountingEnvironment = &environment;
    g_MeterLog.Clear();
    for (MeterKind kind : kTestKinds) savedMakers[kind] = GetMeterMaker(kind);
    savedStarter = CGDIDialog::GetDownloadStarter();
    SetMeterMaker(METER_STRING, Make<TestBoxMeter>);
    SetMeterMaker(METER_BUTTON, Make<TestButtonMeter>);
    SetMeterMaker(METER_IMAGE, Make<TestWebMeter>);
    SetMeterMaker(METER_WEATHER, Make<TestWeatherMeter>);
    savedProgramFolder = g_ProgramFolder;
    g_ProgramFolder = folder.Path();
    CGDIDialog::SetDownloadStarter(nullptr);
}

void SkinHostTest::TearDown() {
    for (TestSkinWindow* w : windows) {
        if (w->m_hWnd) w->DestroyWindow();
        w->Release();
    }
    windows.clear();
    PumpWaiting();
    // The program's own kinds and web client come back for the next test.
    CGDIDialog::SetDownloadStarter(savedStarter);
    for (MeterKind kind : kTestKinds) SetMeterMaker(kind, savedMakers[kind]);
    g_ProgramFolder = savedProgramFolder;
    g_CountingEnvironment = nullptr;
    SetActionSystem(nullptr);
    SetZDialogOwner(nullptr);
    SetFloatingOptionsProvider(nullptr);
    ClearDialogRegistry();
}

TestSkinWindow* SkinHostTest::Open(const CString& skinFile, CPoint at) {
    TestSkinWindow* w = new TestSkinWindow();
    windows.push_back(w);
    w->SetSkinFile(skinFile);
    w->SetPosition(at.x, at.y);
    EXPECT_TRUE(w->Create(IDD_SKIN_WINDOW, nullptr));
    if (w->m_hWnd) w->ShowWindow(SW_SHOWNOACTIVATE);
    return w;
}

DWORD SkinHostTest::Pixel(CGDIDialog* window, int x, int y) {
    Gdiplus::Bitmap* buffer = window->GetBackBuffer();
    if (!buffer) return 0xDEADBEEF;
    Gdiplus::Color c;
    buffer->GetPixel(x, y, &c);
    return c.GetValue();
}

bool SkinHostTest::WritePng(const CString& path, int width, int height, DWORD argb) {
    int slash = path.ReverseFind(L'\\');
    if (slash > 0) ::CreateDirectoryW(path.Left(slash), nullptr);
    UINT count = 0, size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    if (size == 0) return false;
    std::vector<BYTE> bytes(size);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(bytes.data());
    Gdiplus::GetImageEncoders(count, size, encoders);
    for (UINT i = 0; i < count; ++i) {
        if (wcscmp(encoders[i].MimeType, L"image/png") != 0) continue;
        Gdiplus::Bitmap bitmap(width, height, PixelFormat32bppARGB);
        Gdiplus::Graphics g(&bitmap);
        g.Clear(Gdiplus::Color(argb));
        return bitmap.Save(path, &encoders[i].Clsid, nullptr) == Gdiplus::Ok;
    }
    return false;
}
