// The internet classes against a local HTTP server serving this folder.
#include "fw/Afx.h"
#include "fw/HttpConnection.h"
#include "fw/HttpFile.h"
#include "fw/InternetException.h"
#include "fw/InternetFile.h"
#include "fw/InternetSession.h"
#include "fw/InternetUrl.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

INTERNET_PORT Port() {
    const char* port = getenv("ZOREL_TEST_HTTP_PORT");
    return port ? (INTERNET_PORT)atoi(port) : 0;
}

CString Url(const wchar_t* path) {
    CString url;
    url.Format(L"http://127.0.0.1:%u%s", (unsigned)Port(), path);
    return url;
}

class InternetTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!Port()) GTEST_SKIP() << "no test server (run through run-with-server.sh)";
    }
};

TEST_F(InternetTest, OpenUrlReadsLinesWhateverTheirEnds) {
    CInternetSession session(L"Zorel test agent");
    std::unique_ptr<CInternetFile> file(session.OpenURL(Url(L"/lines.txt"), 1,
                                                        INTERNET_FLAG_TRANSFER_BINARY | INTERNET_FLAG_RELOAD,
                                                        L"Accept: */*\r\n\r\n"));
    ASSERT_NE(file, nullptr);
    file->SetReadBufferSize(5);  // lines longer than the buffer
    CStringA line;
    ASSERT_TRUE(file->ReadString(line));
    EXPECT_EQ(line, "first line");
    ASSERT_TRUE(file->ReadString(line));
    EXPECT_EQ(line, "second line");
    CString wide;
    ASSERT_TRUE(file->ReadString(wide));
    EXPECT_EQ(wide, L"third line without end");
    EXPECT_FALSE(file->ReadString(line));
}

TEST_F(InternetTest, ReadGetsEveryByteOfABinaryFile) {
    CInternetSession session;
    std::unique_ptr<CInternetFile> file(
        session.OpenURL(Url(L"/blob.bin"), 1, INTERNET_FLAG_TRANSFER_BINARY | INTERNET_FLAG_RELOAD));
    std::string got;
    char buffer[4082];
    for (UINT n; (n = file->Read(buffer, sizeof(buffer))) > 0;) got.append(buffer, n);
    EXPECT_EQ(got.size(), 10000u);
    // The first bytes are a mix of a line read and a block read.
    std::unique_ptr<CInternetFile> again(
        session.OpenURL(Url(L"/blob.bin"), 1, INTERNET_FLAG_TRANSFER_BINARY | INTERNET_FLAG_RELOAD));
    CStringA first;
    again->ReadString(first);
    std::string mixed(first.GetString(), (size_t)first.GetLength());
    mixed += '\n';
    for (UINT n; (n = again->Read(buffer, sizeof(buffer))) > 0;) mixed.append(buffer, n);
    if (got.size() > mixed.size()) mixed.insert(first.GetLength(), "\r");  // a CR before the LF was dropped
    EXPECT_EQ(mixed, got);
}

TEST_F(InternetTest, RequestsReportTheirStatus) {
    CInternetSession session(L"Zorel agent");
    std::unique_ptr<CHttpConnection> connection(session.GetHttpConnection(L"127.0.0.1", Port()));
    std::unique_ptr<CHttpFile> get(connection->OpenRequest(CHttpConnection::HTTP_VERB_GET, L"/lines.txt", nullptr,
                                                           1, nullptr, nullptr, INTERNET_FLAG_RELOAD));
    ASSERT_TRUE(get->SendRequest());
    DWORD status = 0;
    ASSERT_TRUE(get->QueryInfoStatusCode(status));
    EXPECT_EQ(status, 200u);
    CString length;
    ASSERT_TRUE(get->QueryInfo(HTTP_QUERY_CONTENT_LENGTH, length));
    EXPECT_EQ(length, L"46");

    std::unique_ptr<CHttpFile> missing(connection->OpenRequest(L"GET", L"/missing.txt", nullptr, 1, nullptr,
                                                               nullptr, INTERNET_FLAG_RELOAD));
    missing->SendRequest();
    missing->QueryInfoStatusCode(status);
    EXPECT_EQ(status, 404u);

    // The plain file server takes no form posts: a status, not success.
    std::unique_ptr<CHttpFile> post(connection->OpenRequest(CHttpConnection::HTTP_VERB_POST, L"/check.php", nullptr,
                                                            1, nullptr, nullptr, INTERNET_FLAG_MAKE_PERSISTENT));
    post->AddRequestHeaders(L"Content-Type: application/x-www-form-urlencoded\r\n");
    char body[] = "name=Zorel&mode=1";
    post->SendRequest(nullptr, 0, body, (DWORD)strlen(body));
    post->QueryInfoStatusCode(status);
    EXPECT_NE(status, 200u);
    EXPECT_GE(status, 400u);
}

}  // namespace
