// A skin whose picture the local web server serves: the real image meter and
// the real web client, end to end. Runs only where a server was started
// around the program (ZOREL_TEST_HTTP_PORT).
#include "SkinHostTestSupport.h"

#include "ScreenPicture.h"

#include "shell/FileUtil.h"

#include <cstdlib>
#include <string>

TEST_F(SkinHostTest, SkinPictureFromTheWebReplacesTheLoadingIndicator) {
    const char* port = std::getenv("ZOREL_TEST_HTTP_PORT");
    if (!port) GTEST_SKIP() << "no local web server";
    // The program's own picture kind, not the test stand-in.
    SetMeterMaker(METER_IMAGE, savedMakers[METER_IMAGE]);
    CGDIDialog::SetDownloadStarter(savedStarter);
    ASSERT_TRUE(WritePng(folder + L"web\\back.png", 120, 80, 0xFF202020));
    std::string skin = "[WINDOW]\nBackground=back.png\n"
                       "[Picture]\nDrawType=IMAGE\nX=20\nY=20\nIndicator=1\nCacheID=7\n"
                       "ImageUrl=http://127.0.0.1:" + std::string(port) + "/web.png\n";
    TestSkinWindow* w = Open(Skin(L"web\\web.ini", skin), CPoint(140, 140));
    ASSERT_TRUE(w->GetBackBuffer());
    ASSERT_TRUE(PumpUntil([&] { return Pixel(w, 30, 30) == 0xFF2080C0u; }, 10000))
        << std::hex << Pixel(w, 30, 30);
    EXPECT_EQ(w->GetPendingDownloads(), 0);
    // The picture took its own size (40 x 30) and the background shows around it.
    EXPECT_EQ(Pixel(w, 59, 49), 0xFF2080C0u);
    EXPECT_EQ(Pixel(w, 61, 51), 0xFF202020u);
    // Kept under its cache key, so the next run needs no download.
    EXPECT_TRUE(FileExists(folder + L"system\\caches\\10000007"));
    PumpFor(100);
    SaveScreenPicture(L"skinhost-web-picture", {w->m_hWnd});
}
