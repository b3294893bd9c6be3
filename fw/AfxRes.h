// The framework's standard command ids, as the classic framework numbers
// them (menus and rich-edit commands use these numbers).
#pragma once

#define ID_FILE_NEW 0xE100            // 57600
#define ID_FILE_OPEN 0xE101           // 57601
#define ID_FILE_CLOSE 0xE102          // 57602
#define ID_FILE_SAVE 0xE103           // 57603
#define ID_FILE_SAVE_AS 0xE104        // 57604
#define ID_FILE_PAGE_SETUP 0xE105     // 57605
#define ID_FILE_PRINT_SETUP 0xE106    // 57606
#define ID_FILE_PRINT 0xE107          // 57607

#define ID_EDIT_CLEAR 0xE120          // 57632
#define ID_EDIT_CLEAR_ALL 0xE121      // 57633
#define ID_EDIT_COPY 0xE122           // 57634
#define ID_EDIT_CUT 0xE123            // 57635
#define ID_EDIT_FIND 0xE124           // 57636
#define ID_EDIT_PASTE 0xE125          // 57637
#define ID_EDIT_PASTE_LINK 0xE126     // 57638
#define ID_EDIT_PASTE_SPECIAL 0xE127  // 57639
#define ID_EDIT_REPEAT 0xE128         // 57640
#define ID_EDIT_REPLACE 0xE129        // 57641
#define ID_EDIT_SELECT_ALL 0xE12A     // 57642
#define ID_EDIT_UNDO 0xE12B           // 57643
#define ID_EDIT_REDO 0xE12C           // 57644

#define ID_APP_ABOUT 0xE140           // 57664
#define ID_APP_EXIT 0xE141            // 57665
#define ID_HELP_INDEX 0xE142          // 57666
#define ID_HELP 0xE146                // 57670
