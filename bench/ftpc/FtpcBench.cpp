// Delivering a 1 MB note to the program's own server on 127.0.0.1 (log-in,
// passive data connection, upload, the server storing the file), against a
// plain loopback send of the same bytes into a file, in alternating rounds
// so that a busy machine slows both sides alike. Prints medians and ratios.
#include <winsock2.h>

#include "BenchSupport.h"
#include "ScratchFolder.h"
#include "net/FTPd.h"
#include "net/FtpClient.h"
#include "shell/CryptoText.h"

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

class CQuietOwner : public IFtpdOwner {
public:
    void QueueReceivedMessage(const CString&, const CStringA&) override { ++received; }
    void RequestSyncDialog() override {}
    std::atomic<int> received{0};
};

// The baseline: one connection carries the bytes into a file.
bool PlainSend(const std::vector<BYTE>& bytes, const CString& target) {
    SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener, (sockaddr*)&address, sizeof(address));
    listen(listener, 1);
    int size = sizeof(address);
    getsockname(listener, (sockaddr*)&address, &size);
    std::thread receiver([&] {
        SOCKET s = accept(listener, nullptr, nullptr);
        std::vector<BYTE> got;
        char block[65536];
        int n;
        while ((n = recv(s, block, sizeof(block), 0)) > 0) got.insert(got.end(), block, block + n);
        RawWrite(target, got);
        closesocket(s);
    });
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    bool ok = connect(s, (sockaddr*)&address, sizeof(address)) == 0;
    for (size_t done = 0; ok && done < bytes.size(); done += 8192) {
        int length = (int)std::min<size_t>(8192, bytes.size() - done);
        ok = send(s, (const char*)bytes.data() + done, length, 0) == length;
    }
    closesocket(s);
    receiver.join();
    closesocket(listener);
    return ok;
}

}  // namespace

int wmain() {
    const int kRounds = 11;
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    CScratchFolder folder(L"bench-ftpc");
    folder.MakeFolder(L"share");
    folder.MakeFolder(L"memo_data");
    std::vector<BYTE> bytes(1 << 20);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = (BYTE)(i * 31 % 251);
    CString note = folder + L"note.rtf";
    if (!RawWrite(note, bytes)) return 1;

    FtpdOptions options;
    options.port = 0;
    options.bindAddress = htonl(INADDR_LOOPBACK);
    options.password = L"secret";
    options.dataSend = true;
    options.homeDirectory = folder + L"share";
    options.programFolder = folder.Path();
    options.memoFolder = folder + L"memo_data\\";
    CQuietOwner owner;
    CFTPd* server = new CFTPd(&owner, options);
    server->Start();
    if (!server->IsListening()) return 1;
    CStringA password = EncryptString("secret");

    std::vector<double> deliver, plain;
    for (int r = 0; r < kRounds; ++r) {
        double t0 = NowMs();
        CFtpClient client("127.0.0.1", server->GetListenPort(), "transfer", password);
        int code = client.Put(note, "SEND_MEMO 10 20 300 200|bench");
        double t1 = NowMs();
        if (code != 0) {
            printf("delivery failed: %d %s\n", code, client.GetLastError().GetString());
            return 1;
        }
        if (!PlainSend(bytes, folder + L"plain.bin")) return 1;
        double t2 = NowMs();
        deliver.push_back(t1 - t0);
        plain.push_back(t2 - t1);
    }
    double d = Median(deliver), p = Median(plain);
    printf("1 MB note delivered: %.1f ms (median of %d)\n", d, kRounds);
    printf("plain loopback send into a file: %.1f ms\n", p);
    printf("ratio delivery / plain send: %.2f\n", p > 0 ? d / p : 0.0);
    server->Stop(1);
    WSACleanup();
    return 0;
}
