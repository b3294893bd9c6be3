// Ids the widget engine shares with the resource script.
#pragma once

// Built-in PNG images that skins name by number from 100001 (see MapImageId).
const int kFirstSkinImageId = 100001;
// The web-link meter's icon when no site icon matches.
const int IDR_PNG_WEBICON_DEFAULT = 310;

// Folders under the program folder.
#define WIDGET_WEBICON_FOLDER L"system\\webicon\\"
