// A console host for the client, so scripted servers can check what it
// sends and how it reads their replies. Uploads one file and prints
// "result CODE" and the last error text on one line each.
//
// Usage: ftpc_host HOST PORT USER PASSWORD LOCALFILE REMOTENAME [port] [timeout=MS]
// "port" switches to port mode; the password is sent as given.
//    or: ftpc_host friends OUTFILE   writes a friend list with awkward values
#include <winsock2.h>

#include "net/FriendInfo.h"
#include "net/FtpClient.h"
#include "shell/SafeFileWriter.h"

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wstring(argv[1]) == L"friends") {
        std::string bytes = WriteFriendList({{L"10.0.0.2", L"5330", L"pw", L"Office"},
                                             {L"10.0.0.3", L"21", L"a&b<c>\"d", L"Tom & \"Jerry\""}});
        return CSafeFileWriter::WriteFile(argv[2], bytes.data(), bytes.size()) ? 0 : 1;
    }
    if (argc < 7) {
        fputs("usage: ftpc_host HOST PORT USER PASSWORD LOCALFILE REMOTENAME [port] [timeout=MS]\n", stderr);
        return 2;
    }
    CFtpClient client(CStringA(argv[1]), _wtoi(argv[2]), CStringA(argv[3]), CStringA(argv[4]));
    for (int i = 7; i < argc; ++i) {
        std::wstring arg = argv[i];
        if (arg == L"port") client.SetPassive(false);
        else if (arg.rfind(L"timeout=", 0) == 0) client.SetTimeout(_wtoi(arg.c_str() + 8));
    }
    int code = client.Put(argv[5], CStringA(argv[6]));
    CStringA text = client.GetLastError();
    text.Replace("\n", "\\n");
    printf("result %d\n%s\n", code, code ? text.GetString() : "");
    fflush(stdout);
    return 0;
}
