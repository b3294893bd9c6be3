// The decisions of the file-share server's command interpreter that need no
// socket: splitting a command line, the USER name gates, PORT arguments and
// what an upload by the program's own clients becomes.
#pragma once

#include <windows.h>

#include <string>

// The command word is the text before the first blank, the argument all of
// the text after it.
void SplitCommandLine(const std::string& line, std::string& word, std::string& argument);

// The account switches the server was started with.
struct FtpAccountSwitches {
    bool dataSync = false;    // "sync300": the phone's schedule exchange
    bool dataSend = false;    // "transfer": notes from other copies
    bool ftpConnect = false;  // "zorel": ordinary FTP clients
};

// The reply USER gives before any password is looked at, or empty when the
// name may go on. The version lines of the phone app carry no reply code.
std::string FtpUserGate(const std::string& name, const FtpAccountSwitches& switches);

// Six comma-separated numbers: the data address. False on anything else.
bool ParsePortArgument(const std::string& argument, unsigned char address[4], unsigned short& port);

// What a STORSYNC argument asks for.
struct FtpUploadKind {
    bool note = false;        // a note sent by another copy of the program
    const char* extension = "";  // of a note: "rtf", or "rtx" when locked
    int syncKind = 0;         // of a synchronisation file
    std::string senderText;   // of a note: geometry and message after the prefix
};
FtpUploadKind ClassifyUpload(const std::string& argument);

// The file names of received notes and synchronisation files, from the
// local time; a synchronisation file's name is always 28 characters.
std::string NoteFileName(const SYSTEMTIME& t, const char* extension);
std::string SyncFileName(int kind, const SYSTEMTIME& t);

// The time one step later: a millisecond for notes, a second for
// synchronisation files, so two uploads never share a name.
SYSTEMTIME StepTime(const SYSTEMTIME& t, bool bySecond);
