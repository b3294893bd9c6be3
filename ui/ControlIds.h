// Ids of the dialog controls: bitmaps, icons, texts, commands and messages.
#pragma once

// Image strips of the shared image buttons.
const unsigned IDB_SHARE_BUTTON_STRIP = 327;  // 12 x 11 cells, four per image
const unsigned IDB_SHARE_CHECK_STRIP = 328;   // 12 x 12 cells, three per image
// The TrueType mark of the font list and the grid's sort arrows.
const unsigned IDB_TRUETYPE_MARK = 163;
const unsigned IDB_GRID_SORT_ARROWS = 228;
// Icons of the list boxes.
const unsigned IDI_MEMO_GROUP = 322;
const unsigned IDI_MEMO_GROUP_CURRENT = 323;
const unsigned IDI_ICON_LIST_ITEM = 287;

// Texts.
const int TEXT_TEMPORARY_STORAGE = 10060;  // "Temporary Storage"

// Enter pressed in a history combo, posted to its parent.
const unsigned IDC_HISTORY_ENTER = 10011;
// The framework's "select all" command, taken by the grid.
const unsigned ID_GRID_SELECT_ALL = 57642;
// The grid's in-place editor.
const unsigned IDC_GRID_INPLACE_EDIT = 8;
