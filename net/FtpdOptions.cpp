#include "net/FtpdOptions.h"

#include "shell/ProgramFolder.h"
#include "shell/Settings.h"

FtpdOptions FtpdOptionsFromSettings() {
    const auto& s = g_Settings.FileShare;
    FtpdOptions o;
    o.port = s.Port;
    o.maxConnect = s.MaxConnect;
    o.connectTimeOut = s.ConnectTimeOut;
    o.commandTimeOut = s.CommandTimeOut;
    o.dataSync = s.DataSync != 0;
    o.dataSend = s.DataSend != 0;
    o.ftpConnect = s.FtpConnect != 0;
    o.download = s.Download != 0;
    o.upload = s.Upload != 0;
    o.list = s.List != 0;
    o.admin = s.Admin != 0;
    o.password = s.Password;
    o.homeDirectory = s.HomeDirectory;
    o.programFolder = g_ProgramFolder;
    o.memoFolder = g_Settings.MemoFolder;
    return o;
}
