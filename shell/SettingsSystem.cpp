// Sections System, Alarm, Capture, FileShare and User.
#include "Settings.h"
#include "SettingsEnvironment.h"
#include "SettingsSections.h"
#include "SettingsStore.h"

#include <climits>

namespace {
const wchar_t kSystem[] = L"System";
const wchar_t kAlarm[] = L"Alarm";
const wchar_t kCapture[] = L"Capture";
const wchar_t kFileShare[] = L"FileShare";
const wchar_t kUser[] = L"User";
const wchar_t kSeoul[] = L"\uC11C\uC6B8";
const int kCityCount = 38;  // cities the user-information dialog lists per province
}  // namespace

void ReadSystemSettings(CSettingsStore& store) {
    g_Settings.System.language = store.GetConfigString(kSystem, L"language", L"english");
    g_Settings.System.languageID = store.GetConfigInt(kSystem, L"languageID", 0);
}

void WriteSystemSettings(CSettingsStore& store) {
    store.WriteConfigString(kSystem, L"language", g_Settings.System.language);
}

void ReadAlarmSettings(CSettingsStore& store) {
    CSettings::AlarmSection& s = g_Settings.Alarm;
    s.DefaultType = ReadClampedInt(store, kAlarm, L"DefaultType", 0, 0, 7);
    s.BeforeAlarm = ReadClampedInt(store, kAlarm, L"BeforeAlarm", 0, 0, INT_MAX);
    s.BeforeAlarmType = store.GetConfigInt(kAlarm, L"BeforeAlarmType", 0);
    s.AlertType = ReadClampedInt(store, kAlarm, L"AlertType", 0, -1, 3);
    s.AutoCloseTime = ReadClampedInt(store, kAlarm, L"AutoCloseTime", 5, 0, INT_MAX / 1000);
    s.Sound = store.GetConfigString(kAlarm, L"Sound", L"");
}

void WriteAlarmSettings(CSettingsStore& store) {
    const CSettings::AlarmSection& s = g_Settings.Alarm;
    store.WriteConfigInt(kAlarm, L"DefaultType", s.DefaultType);
    store.WriteConfigInt(kAlarm, L"BeforeAlarm", s.BeforeAlarm);
    store.WriteConfigInt(kAlarm, L"AlertType", s.AlertType);
    store.WriteConfigInt(kAlarm, L"AutoCloseTime", s.AutoCloseTime);
    store.WriteConfigString(kAlarm, L"Sound", s.Sound);
}

void ReadCaptureSettings(CSettingsStore& store) {
    CSettings::CaptureSection& s = g_Settings.Capture;
    s.CaptureOut = ReadClampedInt(store, kCapture, L"CaptureOut", 0, 0, 3);
    s.ShowSideGuide = store.GetConfigInt(kCapture, L"ShowSideGuide", 1);
    s.ShowCenterGuide = store.GetConfigInt(kCapture, L"ShowCenterGuide", 1);
    s.Animation = store.GetConfigInt(kCapture, L"Animation", 1);
    s.Sound = store.GetConfigInt(kCapture, L"Sound", 0);
    s.ImgFormat = store.GetConfigString(kCapture, L"ImgFormat", L"png");
    s.CaptureFolder = store.GetConfigString(kCapture, L"CaptureFolder", L"");
}

void WriteCaptureSettings(CSettingsStore& store) {
    const CSettings::CaptureSection& s = g_Settings.Capture;
    store.WriteConfigInt(kCapture, L"CaptureOut", s.CaptureOut);
    store.WriteConfigInt(kCapture, L"ShowSideGuide", s.ShowSideGuide);
    store.WriteConfigInt(kCapture, L"ShowCenterGuide", s.ShowCenterGuide);
    store.WriteConfigInt(kCapture, L"Animation", s.Animation);
    store.WriteConfigInt(kCapture, L"Sound", s.Sound);
    store.WriteConfigString(kCapture, L"ImgFormat", s.ImgFormat);
    store.WriteConfigString(kCapture, L"CaptureFolder", s.CaptureFolder);
}

void ReadFileShareSettings(CSettingsStore& store) {
    CSettings::FileShareSection& s = g_Settings.FileShare;
    int port = store.GetConfigInt(kFileShare, L"Port", 5330);
    s.Port = port >= 1 && port <= 65535 ? port : 5330;
    // The server waits and counts with these: at least one of each.
    s.MaxConnect = ReadClampedInt(store, kFileShare, L"MaxConnect", 5, 1, 1000);
    s.ConnectTimeOut = ReadClampedInt(store, kFileShare, L"ConnectTimeOut", 10, 1, 3600);
    s.CommandTimeOut = ReadClampedInt(store, kFileShare, L"CommandTimeOut", 5, 1, 3600);
    s.Download = store.GetConfigInt(kFileShare, L"Download", 1);
    s.Upload = store.GetConfigInt(kFileShare, L"Upload", 1);
    s.List = store.GetConfigInt(kFileShare, L"List", 1);
    s.Admin = store.GetConfigInt(kFileShare, L"Admin", 0);
    s.FtpConnect = store.GetConfigInt(kFileShare, L"FtpConnect", 1);
    s.DataSync = store.GetConfigInt(kFileShare, L"DataSync", 1);
    s.DataSend = store.GetConfigInt(kFileShare, L"DataSend", 1);
    s.ReceiveSound = store.GetConfigInt(kFileShare, L"ReceiveSound", 1);
    s.AutoStart = store.GetConfigInt(kFileShare, L"AutoStart", 0);
    s.Password = store.GetConfigString(kFileShare, L"Password", L"");
    // A share is never left without a password; the new one reaches the
    // file with the next save and stays from then on.
    if (s.Password.IsEmpty()) s.Password = GetSettingsEnvironment().MakeSharePassword();
    s.HomeDirectory = store.GetConfigString(kFileShare, L"HomeDirectory", L"");
}

void WriteFileShareSettings(CSettingsStore& store) {
    const CSettings::FileShareSection& s = g_Settings.FileShare;
    store.WriteConfigInt(kFileShare, L"Port", s.Port);
    store.WriteConfigInt(kFileShare, L"Download", s.Download);
    store.WriteConfigInt(kFileShare, L"Upload", s.Upload);
    store.WriteConfigInt(kFileShare, L"List", s.List);
    store.WriteConfigInt(kFileShare, L"Admin", s.Admin);
    store.WriteConfigInt(kFileShare, L"FtpConnect", s.FtpConnect);
    store.WriteConfigInt(kFileShare, L"DataSync", s.DataSync);
    store.WriteConfigInt(kFileShare, L"DataSend", s.DataSend);
    store.WriteConfigInt(kFileShare, L"ReceiveSound", s.ReceiveSound);
    store.WriteConfigInt(kFileShare, L"AutoStart", s.AutoStart);
    store.WriteConfigString(kFileShare, L"Password", s.Password);
    store.WriteConfigString(kFileShare, L"HomeDirectory", s.HomeDirectory);
}

void ReadUserSettings(CSettingsStore& store) {
    CSettings::UserSection& s = g_Settings.User;
    s.Enable = store.GetConfigInt(kUser, L"Enable", 1);
    s.ShowTodayInfo = store.GetConfigInt(kUser, L"ShowTodayInfo", 1);
    s.JusoCursor = ReadClampedInt(store, kUser, L"JusoCursor", 0, 0, INT_MAX);
    // An index into the city list of the chosen province.
    s.JusoDetailCursor = ReadClampedInt(store, kUser, L"JusoDetailCursor", 0, 0, kCityCount - 1);
    s.woeid = store.GetConfigString(kUser, L"woeid", L"20069923");
    s.city = store.GetConfigString(kUser, L"city", kSeoul);
}

void WriteUserSettings(CSettingsStore& store) {
    const CSettings::UserSection& s = g_Settings.User;
    store.WriteConfigInt(kUser, L"Enable", s.Enable);
    store.WriteConfigInt(kUser, L"ShowTodayInfo", s.ShowTodayInfo);
    store.WriteConfigInt(kUser, L"JusoCursor", s.JusoCursor);
    store.WriteConfigInt(kUser, L"JusoDetailCursor", s.JusoDetailCursor);
    store.WriteConfigString(kUser, L"woeid", s.woeid);
    store.WriteConfigString(kUser, L"city", s.city);
}
