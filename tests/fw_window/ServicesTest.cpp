// File dialog helpers, URL parsing, the internet classes without a network,
// and PNG resources through GDI+.
#include "TestSupport.h"

#include "fw/FileDialog.h"
#include "fw/GdiPlusImage.h"
#include "fw/HttpConnection.h"
#include "fw/HttpFile.h"
#include "fw/InternetException.h"
#include "fw/InternetSession.h"
#include "fw/InternetUrl.h"

#include <gtest/gtest.h>

#include <memory>

TEST(FileDialog, FilterAndMultipleSelection) {
    std::vector<wchar_t> filter = CFileDialog::MakeFilter(L"Text (*.txt)|*.txt|All (*.*)|*.*||");
    const wchar_t expected[] = L"Text (*.txt)\0*.txt\0All (*.*)\0*.*\0\0";
    ASSERT_GE(filter.size(), sizeof(expected) / sizeof(wchar_t));
    EXPECT_EQ(memcmp(filter.data(), expected, sizeof(expected)), 0);

    const wchar_t one[] = L"C:\\dir\\file.rtf\0";
    CStringArray single = CFileDialog::SplitSelection(one, sizeof(one) / sizeof(wchar_t));
    ASSERT_EQ(single.GetSize(), 1);
    EXPECT_EQ(single[0], L"C:\\dir\\file.rtf");

    const wchar_t many[] = L"C:\\dir\0a.png\0b.png\0\0";
    CStringArray paths = CFileDialog::SplitSelection(many, sizeof(many) / sizeof(wchar_t));
    ASSERT_EQ(paths.GetSize(), 2);
    EXPECT_EQ(paths[0], L"C:\\dir\\a.png");
    EXPECT_EQ(paths[1], L"C:\\dir\\b.png");

    CFileDialog dlg(TRUE, L"txt", L"C:\\notes\\memo.backup.txt");
    EXPECT_EQ(dlg.GetPathName(), L"C:\\notes\\memo.backup.txt");
    EXPECT_EQ(dlg.GetFileName(), L"memo.backup.txt");
    EXPECT_EQ(dlg.GetFileTitle(), L"memo.backup");
    EXPECT_EQ(dlg.GetFileExt(), L"txt");
    EXPECT_EQ(dlg.GetFolderPath(), L"C:\\notes");
}

TEST(InternetUrl, SplitsServerObjectAndPort) {
    struct Case {
        const wchar_t* url;
        BOOL ok;
        DWORD service;
        const wchar_t* server;
        const wchar_t* object;
        INTERNET_PORT port;
    } cases[] = {
        {L"http://www.example.com/check/check.php", TRUE, AFX_INET_SERVICE_HTTP, L"www.example.com", L"/check/check.php", 80},
        {L"http://example.com", TRUE, AFX_INET_SERVICE_HTTP, L"example.com", L"/", 80},
        {L"http://example.com:8080/a?b=c&d=e#top", TRUE, AFX_INET_SERVICE_HTTP, L"example.com", L"/a?b=c&d=e", 8080},
        {L"https://user:pw@example.com/x", TRUE, AFX_INET_SERVICE_HTTPS, L"example.com", L"/x", 443},
        {L"HTTP://127.0.0.1:5330", TRUE, AFX_INET_SERVICE_HTTP, L"127.0.0.1", L"/", 5330},
        {L"ftp://files.example.com/pub", TRUE, AFX_INET_SERVICE_FTP, L"files.example.com", L"/pub", 21},
        {L"example.com/path", FALSE, AFX_INET_SERVICE_UNK, L"", L"", 0},
        {L"http://", FALSE, AFX_INET_SERVICE_HTTP, L"", L"", 0},
        {L"http://example.com:0/", FALSE, AFX_INET_SERVICE_HTTP, L"", L"", 0},
        {L"http://example.com:99999/", FALSE, AFX_INET_SERVICE_HTTP, L"", L"", 0},
        {L"http://example.com:80x/", FALSE, AFX_INET_SERVICE_HTTP, L"", L"", 0},
        {L"gopher://example.com/", FALSE, AFX_INET_SERVICE_UNK, L"", L"", 0},
    };
    for (const Case& c : cases) {
        DWORD service = 0;
        CString server = L"junk", object = L"junk";
        INTERNET_PORT port = 1;
        BOOL ok = AfxParseURL(c.url, service, server, object, port);
        EXPECT_EQ(ok, c.ok) << CString(c.url);
        if (!c.ok) continue;
        EXPECT_EQ(service, c.service) << CString(c.url);
        EXPECT_EQ(server, c.server) << CString(c.url);
        EXPECT_EQ(object, c.object) << CString(c.url);
        EXPECT_EQ(port, c.port) << CString(c.url);
    }
}

TEST(Internet, RequestToAClosedPortThrowsAndCleansUp) {
    CInternetSession session(L"Zorel test agent");
    ASSERT_NE(session.m_hSession, nullptr);
    std::unique_ptr<CHttpConnection> connection(session.GetHttpConnection(L"127.0.0.1", (INTERNET_PORT)1));
    std::unique_ptr<CHttpFile> request(connection->OpenRequest(CHttpConnection::HTTP_VERB_POST, L"/check"));
    request->AddRequestHeaders(L"Content-Type: application/x-www-form-urlencoded\r\n");
    char body[] = "a=1";
    bool threw = false;
    try {
        request->SendRequest(nullptr, 0, body, 3);
    } catch (const CInternetException& e) {
        threw = true;
        EXPECT_NE(e.m_dwError, 0u);
        EXPECT_FALSE(e.GetErrorMessage().IsEmpty());
    }
    EXPECT_TRUE(threw);
}

TEST(GdiPlusImage, PngResourceKeepsItsPixelsAndAlpha) {
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    ASSERT_EQ(Gdiplus::GdiplusStartup(&token, &input, nullptr), Gdiplus::Ok);
    {
        std::unique_ptr<Gdiplus::Bitmap> image = LoadImageResource(300);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->GetWidth(), 4u);
        EXPECT_EQ(image->GetHeight(), 2u);
        Gdiplus::Color c;
        image->GetPixel(0, 0, &c);
        EXPECT_EQ(c.GetValue(), Gdiplus::Color(255, 255, 0, 0).GetValue());
        image->GetPixel(1, 0, &c);
        EXPECT_EQ(c.GetA(), 128);
        EXPECT_EQ(c.GetG(), 255);
        image->GetPixel(2, 0, &c);
        EXPECT_EQ(c.GetA(), 0);
        image->GetPixel(3, 1, &c);
        EXPECT_EQ(c.GetB(), 255);

        EXPECT_EQ(LoadImageResource(301), nullptr);
        const char junk[] = "not an image";
        EXPECT_EQ(LoadImageFromMemory(junk, sizeof(junk)), nullptr);
    }
    Gdiplus::GdiplusShutdown(token);
}
