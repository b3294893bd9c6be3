// Pictures from the web, the context menu, skin copies, the skin-information
// window and a picture of a skinned window.
#include "SkinHostTestSupport.h"

#include "ScreenPicture.h"
#include "widgets/AboutSkin.h"
#include "widgets/WidgetIds.h"

#include "shell/FileUtil.h"
#include "shell/ProgramFolder.h"
#include "shell/ShellIds.h"
#include "ui/UiIds.h"
#include "ui/ZDialogList.h"

#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>
#include <fstream>

namespace {

// Downloads as the web client makes them: the cache file is written and the
// window is told, later, by a posted message.
struct TestDownloads {
    struct Start {
        int key;
        CString url, fileName;
    };
    std::vector<Start> starts;
    bool succeed = true;
    bool refuse = false;
    bool report = true;  // false: the test reports later
    void Install() {
        CGDIDialog::SetDownloadStarter([this](CWnd* owner, int key, const CString& url, const CString& fileName) {
            if (refuse) return false;
            starts.push_back({key, url, fileName});
            std::ofstream(CStringA(g_ProgramFolder + WIDGET_CACHE_FOLDER + fileName).GetString()) << "png";
            if (report) ::PostMessageW(owner->m_hWnd, WM_DOWNLOAD_DONE, (WPARAM)key, succeed ? 1 : 0);
            return true;
        });
    }
};

std::vector<std::pair<int, bool>> Sorted(std::vector<std::pair<int, bool>> v) {
    std::sort(v.begin(), v.end());
    return v;
}

}  // namespace

TEST_F(SkinHostTest, MetersWithOneUrlShareOneDownload) {
    TestDownloads downloads;
    downloads.Install();
    TestSkinWindow* w = Open(Skin(L"web.ini",
                                  "[WINDOW]\nWindowWidth=100\n"
                                  "[P1]\nDrawType=IMAGE\nID=1\nURL=http://example.com/a.png\n"
                                  "[P2]\nDrawType=IMAGE\nID=2\nURL=http://example.com/a.png\n"));
    ASSERT_TRUE(PumpUntil([&] { return g_MeterLog.downloads.size() == 2; }));
    PumpWaiting();
    ASSERT_EQ(downloads.starts.size(), 1u);
    EXPECT_EQ(Sorted(g_MeterLog.downloads), (std::vector<std::pair<int, bool>>{{1, true}, {2, true}}));
    EXPECT_EQ(w->GetPendingDownloads(), 0);
    int frame = w->GetLoadingFrame();
    PumpFor(450);  // two animation steps, were the animation still running
    EXPECT_EQ(w->GetLoadingFrame(), frame);

    // A repeated report finds nobody waiting and counts nothing.
    ::SendMessageW(w->m_hWnd, WM_DOWNLOAD_DONE, (WPARAM)downloads.starts[0].key, 1);
    EXPECT_EQ(g_MeterLog.downloads.size(), 2u);
    EXPECT_EQ(w->GetPendingDownloads(), 0);
}

TEST_F(SkinHostTest, LoadingAnimationRunsWhileADownloadIsPending) {
    TestDownloads downloads;
    downloads.report = false;
    downloads.Install();
    TestSkinWindow* w = Open(Skin(L"slow.ini", "[WINDOW]\nWindowWidth=100\n[P]\nDrawType=IMAGE\nID=1\nURL=http://example.com/s.png\n"));
    ASSERT_TRUE(PumpUntil([&] { return downloads.starts.size() == 1; }));
    EXPECT_EQ(w->GetPendingDownloads(), 1);
    int presents = w->GetPresentCount();
    ASSERT_TRUE(PumpUntil([&] { return w->GetLoadingFrame() >= 2; }, 3000));
    EXPECT_GT(w->GetPresentCount(), presents);
    ::PostMessageW(w->m_hWnd, WM_DOWNLOAD_DONE, (WPARAM)downloads.starts[0].key, 0);
    ASSERT_TRUE(PumpUntil([&] { return !g_MeterLog.downloads.empty(); }));
    EXPECT_EQ(g_MeterLog.downloads, (std::vector<std::pair<int, bool>>{{1, false}}));
    EXPECT_EQ(w->GetPendingDownloads(), 0);
    int frame = w->GetLoadingFrame();
    PumpFor(450);
    EXPECT_EQ(w->GetLoadingFrame(), frame);
}

TEST_F(SkinHostTest, AnotherSkinForgetsTheDownloadsOfTheOldOne) {
    TestDownloads downloads;
    downloads.report = false;
    downloads.Install();
    TestSkinWindow* w = Open(Skin(L"slow.ini", "[WINDOW]\nWindowWidth=100\n[P]\nDrawType=IMAGE\nID=1\nURL=http://example.com/s.png\n"));
    ASSERT_TRUE(PumpUntil([&] { return downloads.starts.size() == 1; }));
    w->LoadSkin(Skin(L"still.ini", "[WINDOW]\nWindowWidth=30\n"));
    EXPECT_EQ(w->GetPendingDownloads(), 0);
    int frame = w->GetLoadingFrame();
    PumpFor(450);
    EXPECT_EQ(w->GetLoadingFrame(), frame);
    // The old download's late report changes nothing.
    ::SendMessageW(w->m_hWnd, WM_DOWNLOAD_DONE, (WPARAM)downloads.starts[0].key, 1);
    EXPECT_EQ(w->GetPendingDownloads(), 0);
    EXPECT_TRUE(g_MeterLog.downloads.empty());
}

TEST_F(SkinHostTest, CachedPicturesNeedNoDownloadAndSharedCacheIdsNeverShareAFile) {
    TestDownloads downloads;
    downloads.Install();
    folder.Write(L"system\\caches\\10000005", "png");
    TestSkinWindow* w = Open(Skin(L"cache.ini",
                                  "[WINDOW]\nWindowWidth=100\n"
                                  "[Kept]\nDrawType=IMAGE\nID=1\nCacheID=5\nURL=http://example.com/k.png\n"
                                  "[One]\nDrawType=IMAGE\nID=2\nCacheID=7\nURL=http://example.com/one.png\n"
                                  "[Two]\nDrawType=IMAGE\nID=3\nCacheID=7\nURL=http://example.com/two.png\n"));
    ASSERT_TRUE(PumpUntil([&] { return g_MeterLog.downloads.size() == 3; }));
    PumpWaiting();
    ASSERT_EQ(downloads.starts.size(), 2u);
    EXPECT_EQ(downloads.starts[0].fileName, CString(L"10000007"));
    EXPECT_NE(downloads.starts[1].fileName, downloads.starts[0].fileName);
    EXPECT_EQ(Sorted(g_MeterLog.downloads), (std::vector<std::pair<int, bool>>{{1, true}, {2, true}, {3, true}}));
    EXPECT_EQ(w->GetPendingDownloads(), 0);
}

TEST_F(SkinHostTest, DownloadsThatCannotStartFailAtOnce) {
    TestDownloads downloads;
    downloads.refuse = true;
    downloads.Install();
    TestSkinWindow* w = Open(Skin(L"refused.ini",
                                  "[WINDOW]\nWindowWidth=100\n"
                                  "[P1]\nDrawType=IMAGE\nID=1\nURL=http://example.com/a.png\n"
                                  "[P2]\nDrawType=IMAGE\nID=2\nURL=http://example.com/a.png\n"));
    ASSERT_TRUE(PumpUntil([&] { return g_MeterLog.downloads.size() == 2; }));
    EXPECT_EQ(Sorted(g_MeterLog.downloads), (std::vector<std::pair<int, bool>>{{1, false}, {2, false}}));
    EXPECT_EQ(w->GetPendingDownloads(), 0);
}

TEST_F(SkinHostTest, ClearCacheEmptiesTheCacheFolder) {
    folder.Write(L"system\\caches\\10000009", "old");
    folder.Write(L"system\\caches\\77", "old");
    Open(Skin(L"clear.ini", "[WINDOW]\nWindowWidth=100\n[Clear]\nDrawType=IMAGE\nURL=__CLEAR_CACHE__\n"));
    ASSERT_TRUE(PumpUntil([&] { return !folder.Has(L"system\\caches\\77"); }));
    EXPECT_FALSE(folder.Has(L"system\\caches\\10000009"));
    EXPECT_TRUE(folder.Has(L"system\\caches"));
}

TEST_F(SkinHostTest, ContextMenuFollowsTheWindow) {
    CString current = Skin(L"skins\\Clock\\Blue.xml", "<ZorelWidget><Window/></ZorelWidget>");
    Skin(L"skins\\Clock\\Red.xml", "<ZorelWidget><Window/></ZorelWidget>");
    Skin(L"skins\\Loose.xml", "<ZorelWidget><Window/></ZorelWidget>");
    TestSkinWindow* w = Open(current);
    w->SetSkinFolder(folder + L"skins");
    w->m_bMovable = 0;

    HMENU menu = w->BuildContextMenu();
    ASSERT_TRUE(menu);
    HMENU levels = ::GetSubMenu(menu, 0);
    EXPECT_TRUE(::GetMenuState(levels, ID_POS_NORMAL, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(::GetMenuState(levels, ID_POS_TOPMOST, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(::GetMenuState(levels, ID_POS_DESKTOP, MF_BYCOMMAND), (UINT)-1);  // desktop level off
    EXPECT_TRUE(::GetMenuState(menu, ID_FIX_LOCATION, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(::GetMenuState(menu, ID_SKIN_INFO, MF_BYCOMMAND), (UINT)-1);  // no AboutSkin
    EXPECT_NE(::GetMenuState(menu, ID_SKIN_EDIT, MF_BYCOMMAND), (UINT)-1);

    HMENU skins = ::GetSubMenu(menu, 7);
    ASSERT_EQ(::GetMenuItemCount(skins), 2);
    std::vector<CString> texts;
    for (int i = 0; i < 2; ++i) {
        wchar_t text[64] = {};
        ::GetMenuStringW(skins, (UINT)i, text, 64, MF_BYPOSITION);
        texts.push_back(text);
        UINT id = ::GetMenuItemID(skins, i);
        bool checked = (::GetMenuState(skins, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
        EXPECT_EQ(checked, CString(text) == L"Blue");
        EXPECT_EQ(w->GetSkinList()[(int)(id - ID_SKIN_CHOICE_FIRST)], folder + L"skins\\Clock\\" + text + L".xml");
    }
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (std::vector<CString>{L"Blue", L"Red"}));
    ::DestroyMenu(menu);

    // Choosing a skin loads it and marks the window changed.
    int red = w->GetSkinList()[0] == current ? 1 : 0;
    ::SendMessageW(w->m_hWnd, WM_COMMAND, ID_SKIN_CHOICE_FIRST + red, 0);
    EXPECT_EQ(w->GetSkinFile(), folder + L"skins\\Clock\\Red.xml");
    EXPECT_EQ(w->m_bChanged, 1);
    // An id past the list does nothing.
    ::SendMessageW(w->m_hWnd, WM_COMMAND, ID_SKIN_CHOICE_FIRST + 5, 0);
    EXPECT_EQ(w->GetSkinFile(), folder + L"skins\\Clock\\Red.xml");

    // Level 1, the desktop level allowed, a skin with its information.
    s_options.EnableDesktop = 1;
    w->m_nZPosition = 1;
    w->m_bMovable = 1;
    w->LoadSkin(Skin(L"skins\\Clock\\Info.ini", "[WINDOW]\nWindowWidth=100\n[SYSTEM]\nAboutSkin=about.png\n"));
    menu = w->BuildContextMenu();
    levels = ::GetSubMenu(menu, 0);
    EXPECT_TRUE(::GetMenuState(levels, ID_POS_TOPMOST, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_NE(::GetMenuState(levels, ID_POS_DESKTOP, MF_BYCOMMAND), (UINT)-1);
    EXPECT_FALSE(::GetMenuState(menu, ID_FIX_LOCATION, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_NE(::GetMenuState(menu, ID_SKIN_INFO, MF_BYCOMMAND), (UINT)-1);
    ::DestroyMenu(menu);
}

TEST_F(SkinHostTest, SkinCopyAsksAndOpensTheCopy) {
    CString skin = Skin(L"skins\\Clock\\Clock.xml", "<ZorelWidget><Window/></ZorelWidget>");
    TestSkinWindow* w = Open(skin);
    struct {
        const wchar_t* entered;
        bool ok;
        const wchar_t* created;  // null: nothing
    } cases[] = {
        {L"Mine", true, L"skins\\Clock\\Mine.xml"},
        {L"", true, nullptr},
        {L"Clock", true, nullptr},
        {L"..\\..\\Escape", true, nullptr},
        {L"Other", false, nullptr},  // cancelled
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(CStringA(c.entered).GetString());
        owner.opened.clear();
        w->answer = c.entered;
        w->answerOk = c.ok;
        ::SendMessageW(w->m_hWnd, WM_COMMAND, ID_SKIN_MAKE_COPY, 0);
        EXPECT_EQ(w->askedWith, CString(L"Clock_copy"));
        if (c.created) {
            EXPECT_TRUE(folder.Has(c.created));
            EXPECT_EQ(owner.opened, (std::vector<CString>{folder + c.created}));
        } else {
            EXPECT_TRUE(owner.opened.empty());
        }
    }
    EXPECT_FALSE(folder.Has(L"Escape.xml"));
    EXPECT_FALSE(folder.Has(L"skins\\Other.xml"));
}

TEST_F(SkinHostTest, EditingNeedsASkinFile) {
    TestSkinWindow* w = Open(CString());
    ::SendMessageW(w->m_hWnd, WM_COMMAND, ID_SKIN_EDIT, 0);
    EXPECT_EQ(w->notices, (std::vector<CString>{L"Current skin cannot be modified."}));
}

TEST_F(SkinHostTest, AboutSkinShowsItsPictureCentredOnTopAndClosesOnAClick) {
    ASSERT_TRUE(WritePng(folder + L"about.png", 64, 48, 0xC0FF8800));
    CAboutSkin about(folder + L"about.png", nullptr);
    CRect shown;
    bool topmost = false;
    DWORD pixel = 0;
    WhenShown([&] {
        ::GetWindowRect(about.m_hWnd, &shown);
        topmost = (::GetWindowLongPtrW(about.m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        pixel = Pixel(&about, 10, 10);
        SaveScreenPicture(L"skinhost-about-skin", {about.m_hWnd});
        ::SendMessageW(about.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    });
    EXPECT_EQ(about.DoModal(), IDOK);
    EXPECT_EQ(shown.Size(), CSize(64, 48));
    CRect work;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs(shown.CenterPoint().x - work.CenterPoint().x), 1);
    EXPECT_LE(std::abs(shown.CenterPoint().y - work.CenterPoint().y), 1);
    EXPECT_TRUE(topmost);
    EXPECT_EQ(pixel >> 24, 0xC0u);  // the picture's own alpha
}

TEST_F(SkinHostTest, SkinInformationCommandOpensThePictureBesideTheSkin) {
    ASSERT_TRUE(WritePng(folder + L"Info\\about.png", 30, 20, 0xFF102030));
    TestSkinWindow* w = Open(Skin(L"Info\\info.ini", "[WINDOW]\nWindowWidth=40\n[SYSTEM]\nAboutSkin=about.png\n"));
    CSize shown;
    WhenShown([&] {
        for (CZDialog* d : GetRegisteredDialogs()) {
            if (!dynamic_cast<CAboutSkin*>(d)) continue;
            CRect r;
            ::GetWindowRect(d->m_hWnd, &r);
            shown = r.Size();
            ::SendMessageW(d->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        }
    });
    ::SendMessageW(w->m_hWnd, WM_COMMAND, ID_SKIN_INFO, 0);
    EXPECT_EQ(shown, CSize(30, 20));

    // Without the picture nothing opens.
    w->LoadSkin(Skin(L"Info\\none.ini", "[WINDOW]\nWindowWidth=40\n[SYSTEM]\nAboutSkin=missing.png\n"));
    ::SendMessageW(w->m_hWnd, WM_COMMAND, ID_SKIN_INFO, 0);
    EXPECT_EQ(GetRegisteredDialogs().size(), 1u);
}

TEST_F(SkinHostTest, ScreenshotOfATestSkin) {
    ASSERT_TRUE(WritePng(folder + L"shot\\back.png", 160, 90, 0xE0304060));
    TestSkinWindow* w = Open(Skin(L"shot\\shot.ini",
                                  "[WINDOW]\nBackground=back.png\n"
                                  "[Panel]\nDrawType=STRING\nX=12\nY=12\nW=60\nH=40\nSolidColor=200,200,120,255\nBevelType=1\n"
                                  "[Go]\nDrawType=BUTTON\nX=100\nY=30\nW=40\nH=24\nSolidColor=40,160,60,255\nBevelType=2\n"
                                  "Command=HIDE\nToolTip=Hide\n"),
                             CPoint(120, 120));
    ASSERT_TRUE(w->GetBackBuffer());
    w->Redraw();
    // Background, the bevelled panel's light edge and face, the button.
    EXPECT_EQ(Pixel(w, 30, 30), 0xFFC8C878u);
    EXPECT_EQ(Pixel(w, 10, 30), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(w, 120, 40), 0xFF28A03Cu);
    EXPECT_EQ(Pixel(w, 2, 2) >> 24, 0xE0u);
    PumpFor(100);
    SaveScreenPicture(L"skinhost-test-skin", {w->m_hWnd});
}
