#include "NoticeTestSupport.h"

#include "shell/LanguageTable.h"

#include <cstdlib>

namespace {
GdiplusSession g_Gdiplus;
CFloatingOptions Options() { return CFloatingOptions(); }
}  // namespace

const CRect NoticeWindowTest::kWork(0, 0, 800, 600);

void NoticeWindowTest::SetUp() {
    for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
    SetFloatingOptionsProvider(&Options);
    SetZDialogOwner(&owner);
    SetNoticeWorkArea(kWork);
    NoticeEditors editors;
    editors.editAlarm = [this](int id) { edited.push_back({'A', id}); };
    editors.editAnniversary = [this](int id) { edited.push_back({'N', id}); };
    SetNoticeEditors(std::move(editors));
    ResetSlideSlots();
    ::SetCursorPos(5, 5);
    registeredBefore = (int)GetRegisteredDialogs().size();
}

void NoticeWindowTest::TearDown() {
    CloseNoticeWindows();
    PumpWaiting();
    SetNoticeEditors(NoticeEditors());
    SetNoticeWorkArea(CRect());
    SetZDialogOwner(nullptr);
    SetFloatingOptionsProvider(nullptr);
}

DWORD NoticeWindowTest::Pixel(Gdiplus::Bitmap* bitmap, int x, int y) {
    if (!bitmap) return 0xDEADBEEF;
    Gdiplus::Color c;
    bitmap->GetPixel(x, y, &c);
    return c.GetValue();
}

bool NoticeWindowTest::Differs(Gdiplus::Bitmap* a, Gdiplus::Bitmap* b, const CRect& area) {
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (Pixel(a, x, y) != Pixel(b, x, y)) return true;
    return false;
}

CPoint NoticeWindowTest::TopLeft(CWnd* window) {
    CRect r;
    ::GetWindowRect(window->m_hWnd, &r);
    return r.TopLeft();
}

CString SourceFolder() {
    const char* value = getenv("ZOREL_SOURCE_DIR");
    if (!value || !*value) return CString();
    CString folder(value);
    folder.Replace(L'/', L'\\');
    if (folder[0] == L'\\') folder = L"Z:" + folder;
    if (folder.Right(1) != L"\\") folder += L"\\";
    return folder;
}
