// Ids the widget engine shares with the resource script.
#pragma once

// Built-in PNG images that skins name by number from 100001 (see MapImageId).
const int kFirstSkinImageId = 100001;
// The web-link meter's icon when no site icon matches.
const int IDR_PNG_WEBICON_DEFAULT = 310;

// Folders under the program folder.
#define WIDGET_WEBICON_FOLDER L"system\\webicon\\"

// ---- The skinned window host ----
// Timers of every skinned window (derived windows use other ids).
const unsigned TIMER_SKIN_UPDATE = 3200;      // the skin's update cycle
const unsigned TIMER_SKIN_DOWNLOADS = 3201;   // one shot, 100 ms after creation
const unsigned TIMER_SKIN_LOADING = 3202;     // loading animation, 200 ms
const unsigned SKIN_DOWNLOADS_DELAY_MS = 100;
const unsigned SKIN_LOADING_FRAME_MS = 200;

// Dialog templates and the context menu of skinned windows.
const unsigned IDD_SKIN_WINDOW = 1080;
const unsigned IDD_ABOUT_SKIN = 230;
const unsigned IDR_SKIN_WINDOW_MENU = 199;

// Commands of the skinned windows' context menu besides the floating
// windows' ones.
const unsigned ID_SKIN_DEFAULT = 32805;
const unsigned ID_SKIN_PLACEHOLDER = 32821;
const unsigned ID_SKIN_EDIT = 32833;
const unsigned ID_SKIN_INFO = 32836;
const unsigned ID_SKIN_MAKE_COPY = 32946;
const unsigned ID_SKIN_CHOICE_FIRST = 5024;   // 5024 .. 5223
const unsigned ID_SKIN_CHOICE_LAST = 5223;
const unsigned ID_TRANSPARENCY_LAST = 32853;

// Messages: the queue runs one command per WM_RUN_QUEUE (shell); weather
// data from the weather request thread.
const unsigned WM_WEATHER_DATA = 0x0400 + 1007;  // WM_USER + 1007

// Texts of the skinned windows.
const int TEXT_SKIN_CANNOT_MODIFY = 10135;    // "Current skin cannot be modified."
const int TEXT_SKIN_COPY_PROMPT = 23105;      // "Input new widget name."

// The cache of images that skins show from the web, under the program folder.
#define WIDGET_CACHE_FOLDER L"system\\caches\\"
