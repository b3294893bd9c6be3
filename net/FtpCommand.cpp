#include "net/FtpCommand.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool EqualNoCase(const std::string& a, const char* b) { return _stricmp(a.c_str(), b) == 0; }

}  // namespace

void SplitCommandLine(const std::string& line, std::string& word, std::string& argument) {
    size_t blank = line.find(' ');
    word = line.substr(0, blank);
    argument = blank == std::string::npos ? std::string() : line.substr(blank + 1);
}

std::string FtpUserGate(const std::string& name, const FtpAccountSwitches& switches) {
    if (_strnicmp(name.c_str(), "SYNC", 4) == 0) {
        long version = -1;
        if (name.size() >= 5) version = strtol(name.c_str() + 4, nullptr, 10);
        if (name.size() < 5 || version < 300) return "Unable to Sync Schedule. Please update your app.\r\n";
        if (version > 300) return "Unable to Sync Schedule. Please update your Zorel.\r\n";
    }
    if (EqualNoCase(name, "SYNC300") && !switches.dataSync) return "550 Sync permission denied.\r\n";
    if (EqualNoCase(name, "TRANSFER") && !switches.dataSend) return "550 Send permission denied.\r\n";
    if (EqualNoCase(name, "ZOREL") && !switches.ftpConnect) return "550 FTP Connection permission denied.\r\n";
    return std::string();
}

bool ParsePortArgument(const std::string& argument, unsigned char address[4], unsigned short& port) {
    int values[6];
    size_t i = 0;
    for (int k = 0; k < 6; ++k) {
        size_t j = argument.find(',', i);
        if ((k < 5) != (j != std::string::npos)) return false;
        std::string number = argument.substr(i, j == std::string::npos ? std::string::npos : j - i);
        // Each part a plain number of a byte; "1,2,3,4,5,6,7" and "a,b,..." are no address.
        if (number.empty() || number.size() > 3 || number.find_first_not_of("0123456789") != std::string::npos)
            return false;
        values[k] = atoi(number.c_str());
        if (values[k] > 255) return false;
        i = j + 1;
    }
    for (int k = 0; k < 4; ++k) address[k] = (unsigned char)values[k];
    port = (unsigned short)(values[4] * 256 + values[5]);
    return true;
}

FtpUploadKind ClassifyUpload(const std::string& argument) {
    FtpUploadKind kind;
    static const char* const words[] = {"ZOREL_SCHEDULE", "ZOREL_ANNIVERSARY", "IPHONE_ALL", "IPHONE_SCHEDULE",
                                        "IPHONE_ANNIVERSARY"};
    for (int k = 0; k < 5; ++k)
        if (EqualNoCase(argument, words[k])) {
            kind.syncKind = k;
            return kind;
        }
    // The prefixes come from the program's own client in capitals; any
    // other spelling is no note.
    bool memo = argument.compare(0, 9, "SEND_MEMO") == 0;
    bool locked = argument.compare(0, 9, "SEND_MENC") == 0;
    if (memo || locked) {
        kind.note = true;
        kind.extension = memo ? "rtf" : "rtx";
        if (argument.size() > 10) kind.senderText = argument.substr(10);
    }
    return kind;
}

std::string NoteFileName(const SYSTEMTIME& t, const char* extension) {
    char name[64];
    snprintf(name, sizeof name, "%2d%02d%02d%02d%02d%02d%03d.%s", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
             t.wSecond, t.wMilliseconds, extension);
    return name;
}

std::string SyncFileName(int kind, const SYSTEMTIME& t) {
    char name[64];
    snprintf(name, sizeof name, "%03d_%04d_%02d_%02d_%02d_%02d_%02d.sync", kind % 1000, t.wYear % 10000,
             t.wMonth % 100, t.wDay % 100, t.wHour % 100, t.wMinute % 100, t.wSecond % 100);
    return name;
}

SYSTEMTIME StepTime(const SYSTEMTIME& t, bool bySecond) {
    FILETIME ft;
    SYSTEMTIME result = t;
    if (!SystemTimeToFileTime(&t, &ft)) return result;
    ULARGE_INTEGER value;
    value.LowPart = ft.dwLowDateTime;
    value.HighPart = ft.dwHighDateTime;
    value.QuadPart += bySecond ? 10000000ULL : 10000ULL;
    ft.dwLowDateTime = value.LowPart;
    ft.dwHighDateTime = value.HighPart;
    FileTimeToSystemTime(&ft, &result);
    return result;
}
