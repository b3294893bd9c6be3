// The program's settings record g_Settings: one field per key of
// "ZorelConfig.xml", grouped by section, plus the run-time values that every
// part of the program shares with it. It is filled once at start-up by
// LoadConfig and written back by SaveConfig.
#pragma once

#include "fw/Afx.h"
#include "shell/HotKeyInfo.h"

class CSettingsStore;

enum {
    HOTKEY_COUNT = 38,      // global hot keys, ids 0 to 37
    COLOR_TYPE_COUNT = 12,  // note colour types of section Color
};

// The factory colours of the note palette (section Color, Type00 to Type11).
extern const COLORREF g_ColorTypeDefaults[COLOR_TYPE_COUNT];

class CSettings {
public:
    struct SystemSection {
        CString language;  // name of the language file laid over the built-in texts
        int languageID = 0;  // 1: every text shows its number; read, never written
    };

    struct GeneralSection {
        CString MemoDBFile;
        COLORREF BackgroundColor = 0;  // the default note background colour
        int DefaultColorType = 0;
        int SkinType = 0;
        int StartDX = 0, StartDY = 0;
        int AutoMemoHeight = 0;
        int MemoZPosition = 0;
        int Bold = 0, UnderLine = 0, Italic = 0;
        COLORREF TextColor = 0;
        int TextSize = 0;
        CString FontName;
        CString TitleFont;
        int ViewMemoOnStart = 0;
        int ContractDX = 0;
        int FitTitleWidth = 0;
        int MinTransVal = 0, MaxTransVal = 0;
        int Docking = 0, DockingSize = 0;
        int MouseOverHiding = 0;
        int HotKeyClockViewTime = 0;
        int UseRestore = 0;
        int CaptureAlwaysTop = 0;
        int SimpleMemoInactive = 0;
        int ViewEditTime = 0;
        COLORREF InactiveTitleCol = 0;
        int TrayIconClickRun = 0;
        int ShowTrayIcon = 0;
        int MemoTipMode = 0;
        int TipAutoHeight = 0;
        int WorkMonitor = 0;
        int ScrollMode = 0;
        int RestoreScrollPos = 0;
        int HotKeyToggle = 0;
        int EnableHotKey = 0;
        int HyperLink = 0;
        int HistoryLevel = 0;
        int WidgetShowEffect = 0;
        int RevisionPosition = 0;
        int EnableDesktop = 0;
        COLORREF LastMemoBackColor = 0;
        CString DefaultFontFace;
        int DefaultFontSize = 0;
        CString FriendIP;
        int FriendPort = 0;
        CString FriendPwd;
        int CheckInterval = 0;
        int PwdCursor = 0;
        int FirstRun = 0;
        int ActiveMemoCount = 0;
        // Read but never written: the file keeps what the user put there.
        int SortStart = 0;
        COLORREF ColMemoTipArround = 0;
        COLORREF SimpleMemoColor = 0;
        int MemoScrollSize = 0;
        int PMCountDown = 0;
        int MaxMemoSize = 0;
    };

    struct ColorSection {
        COLORREF Type[COLOR_TYPE_COUNT] = {};  // background colour of each colour type
        int RandomColor = 0;
    };

    // What the clock, calendar, schedule and quick-menu windows share.
    struct WindowSection {
        int TransVal = 0;
        int MouseOverHiding = 0;
        int ZPosition = 0;
        int AllowMove = 0;
        CString SkinFile;    // SkinFileXML (SkinFileXML2 of QuickMenu), expanded
        CString SkinFolder;  // the section's skin folder; not stored
        int WinX = 0, WinY = 0;  // WinSXSY
    };

    struct ClockSection : WindowSection {
        int ViewMode = 0;
        CString AlarmSoundFile;
        int AlarmSoundDefault = 0;
        int SpecialTime[5] = {};  // SpecialTime_0, SpecialTime_30, SpecialTime_2 to _4
        int ViewingBeforeTime = 0;
        int ViewingAfterTime = 0;
        int StartView = 0;
    };

    struct CalendarSection : WindowSection {
        int AutoStart = 0;
        int AlertType = 0;
        int MemorialDayCheck = 0;
        int ShowAlarmMarks = 0;  // set to 1 by every load; not stored
        // Which alarm kinds the calendar marks; read, never written.
        int TargetDay = 0, DayOfWeek = 0, DayOfMonth = 0, Period = 0, TargetWeek = 0, Repeat = 0;
    };

    struct ScheduleSection : WindowSection {
        int StartMode = 0;
        int ShowDDay = 0;
        int SortByTime = 1;
        int ShowChecked = 0;
    };

    struct QuickMenuSection : WindowSection {
        int AutoStart2 = 0;
        int DockMode = 0;
        int DockXOffset = 0;
        int ShowTooltip = 0;
        int MenuDelay = 0;
        int WideMenu = 0;
        int Minimize = 0;
        int SlideEffect = 0;
    };

    struct WidgetSection {
        int ZPosition = 0;
        int TransVal = 0;
        int MouseOverHiding = 0;
    };

    struct AlarmSection {
        int DefaultType = 0;
        int BeforeAlarm = 0;
        int AlertType = 0;
        int AutoCloseTime = 0;
        CString Sound;
        int BeforeAlarmType = 0;  // read, never written
    };

    struct CaptureSection {
        int CaptureOut = 0;
        int ShowSideGuide = 0;
        int ShowCenterGuide = 0;
        int Animation = 0;
        int Sound = 0;
        CString ImgFormat;
        CString CaptureFolder;
    };

    struct FileShareSection {
        int Port = 0;
        int Download = 0, Upload = 0, List = 0, Admin = 0;
        int FtpConnect = 0;
        int DataSync = 0;
        int DataSend = 0;
        int ReceiveSound = 0;
        int AutoStart = 0;
        CString Password;
        CString HomeDirectory;
        // Read, never written.
        int MaxConnect = 0;
        int ConnectTimeOut = 0;
        int CommandTimeOut = 0;
    };

    struct UserSection {
        int Enable = 0;              // g_Settings.User.Enable
        int ShowTodayInfo = 0;       // g_Settings.User.ShowTodayInfo
        int JusoCursor = 0;          // g_Settings.User.JusoCursor
        int JusoDetailCursor = 0;    // g_Settings.User.JusoDetailCursor
        CString woeid;               // g_Settings.User.woeid
        CString city;                // g_Settings.User.city
    };

    SystemSection System;
    GeneralSection General;
    ColorSection Color;
    ClockSection Clock;
    CalendarSection Calendar;
    ScheduleSection Schedule;
    QuickMenuSection QuickMenu;
    WidgetSection Widget;
    AlarmSection Alarm;
    CaptureSection Capture;
    FileShareSection FileShare;
    UserSection User;
    HotKeyInfo HotKeyTable[HOTKEY_COUNT];

    // Run-time values, not stored in the file.
    CString MemoFolder;         // program folder + "memo_data\"
    CString ScheduleFolder;     // program folder + "schedule_data\"
    CString AlarmFilePath;      // set by the alarm store
    COLORREF DefaultTitleColor = 0;
    int MemoMinWidth = 0, MemoMinHeight = 0;  // smallest size a note can be dragged to
    int FoldedHeight = 0;       // height of a folded note
    int ConfigLoaded = 0;       // 1 once LoadConfig has run; nothing is written before
    CString RecentMemo;         // the note last used; kept in the registry
    int CheckInterval = 0;      // seconds between two web checks
    int ReportErrors = 0;       // 1: save failures are shown to the user
    int FirstRunCheck = 0;      // the web check's first-run request
    int ForceCheck = 0;         // the web check's forced request
    RECT LastCaptureRect = {};  // the last captured region
    CString CaptureSaveFolder;  // where the capture saves files
    CString DefaultFontFace;    // default note font face
    int DefaultFontSize = 0;    // default note font size
    int MemoLimit = 0;          // most notes one memo group may hold

    // The user profile of the today's-information widgets; not stored here.
    CString UserName;
    int BirthYear = 0, BirthMonth = 0, BirthDay = 0, BirthHour = 0, BirthMinute = 0;
    int BirthTimeKnown = 0;
    int BirthCalendar = 0;  // 0 solar, 1 lunar, 2 lunar leap month
    int UserSex = 0;        // 0 man, else woman
};

extern CSettings g_Settings;

// Sets the run-time values that do not come from the file; called once at
// start-up before LoadConfig.
void SetDefaultSettings();

// How a load went. A damaged file is kept as a dated copy before anything is
// written over it; the caller tells the user.
enum ConfigLoadResult {
    CONFIG_LOADED = 0,     // the file was read
    CONFIG_MISSING = 1,    // no file yet: every setting took its default
    CONFIG_DAMAGED = 2,    // the file did not parse (or could not be read); see the store
};

// Reads the settings file into the store's document (once) and runs the
// section readers; from then on SaveConfig writes the file.
ConfigLoadResult LoadConfig(CSettingsStore& store);

// Runs the section writers and, once the settings were loaded, writes the
// file atomically. True when the file was written, or when nothing was to be
// written; false when writing failed (the old file is left as it was).
bool SaveConfig(CSettingsStore& store);

// The application's own store, and SaveConfig on it.
CSettingsStore& AppConfigStore();
bool SaveAppConfig();

// True when the language setting, upper-cased, is "KOREAN" or "KOREA".
bool IsKoreanLanguage();

// The settings file's path: the program folder followed by "ZorelConfig.xml".
CString GetConfigFilePath();
