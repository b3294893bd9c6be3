// Written by res/make_images.py: ids of the built-in images. Do not edit by hand.
#pragma once

#define IDB_FRIENDS                      134  // friend list, 16 x 16 cells
#define IDB_TRUETYPE                     163  // TrueType mark, 15 pixels wide, white transparent
#define IDB_TAB_BASIC                    171  // settings tab Basic, 24 x 24, magenta transparent
#define IDB_TAB_COLOR                    181  // settings tab Color, 24 x 24, magenta transparent
#define IDB_TAB_SHORTCUT                 185  // settings tab Shortcut, 24 x 24, magenta transparent
#define IDB_TAB_CLOCK                    197  // settings tab Clock, 24 x 24, magenta transparent
#define IDB_LISTEN                       199  // listen button: normal, hover, down, disabled, 20 x 20
#define IDB_ALARM_KINDS                  201  // alarm kinds, 25 cells of 24 x 20
#define IDB_RESTORE_FILES                202  // restore list, 14 x 16 cells
#define IDB_TAB_MEMO                     204  // settings tab Memo, 24 x 24, magenta transparent
#define IDB_TAB_CALENDAR                 216  // settings tab Calendar, 24 x 24, magenta transparent
#define IDB_DAY_KINDS                    222  // anniversary kinds, 20 x 20 cells
#define IDB_SORT_ARROWS                  228  // sort arrows, 15 x 9: ascending, descending
#define IDB_DATE_DROP_UP                 234  // date picker drop button
#define IDB_DATE_DROP_DOWN               235  // date picker drop button
#define IDB_TRAY_DATE                    243  // tray date picture, 16 x 16 (the day is drawn on it)
#define IDB_TAB_WIDGETS                  244  // settings tab Widgets, 24 x 24, magenta transparent
#define IDB_TAB_SHARE                    250  // settings tab Share, 24 x 24, magenta transparent
#define IDB_SHARE_START                  284  // file server start: normal, hover, pressed, 88 x 48
#define IDB_SHARE_STOP                   285  // file server stop: normal, hover, pressed, 71 x 38
#define IDB_VAULT_KEY                    305  // change master password: normal, hover, down, disabled, 26 x 26
#define IDB_VAULT_RESTART                306  // restart countdown: normal, hover, down, disabled, 30 x 30
#define IDB_DONE_CHECK                   307  // done check: clear, checked, hover, 16 x 16
#define IDB_TICKS                        324  // grid ticks, 24 x 20: unticked, ticked
#define IDB_SHARE_BUTTONS                327  // note push buttons, 12 x 11 cells, four per picture (pressed, normal, hover, disabled): menu, new, unfold, fold, next colour, delete, title, unfold locked, fold locked
#define IDB_SHARE_CHECKS                 328  // note check buttons, 12 x 12 cells, three per picture (unchecked, checked, disabled): always on top, formatting bar, bold, italic, underline
#define IDB_GREY_NOISE                   367  // spotlight texture, 126 x 126 grey noise
#define IDC_CURSOR_HAND                  249  // hand over links
#define IDC_CURSOR_CAPTURE_CROSS         250  // capture cross-hair
#define IDC_CURSOR_PICKER_X2             251  // colour picker at zoom 2
#define IDC_CURSOR_ZOOM                  252  // zoom and ruler
#define IDC_CURSOR_PICKER_X16            253  // colour picker at zoom 16
#define IDC_CURSOR_PICKER_X8             254  // colour picker at zoom 8
#define IDC_CURSOR_PICKER_X4             255  // colour picker at zoom 4
#define IDI_ZOREL                        128  // the program's icon
#define IDI_FRIEND                       287  // friend list item
#define IDI_GROUP                        322  // memo group
#define IDI_GROUP_CURRENT                323  // current memo group
#define IDP_CLOCK_FACE                   205  // analogue clock background, 130 x 130
#define IDP_CLOCK_KNOB                   207  // analogue clock centre knob, 8 x 8
#define IDP_CLOCK_GLOSS                  208  // analogue clock gloss, 110 x 50
#define IDP_CLOCK_DIGITS                 211  // analogue clock day digits, 10 cells of 5 x 6
#define IDP_CLOCK_WEEKDAYS               212  // analogue clock weekdays, 7 cells of 10 x 6
#define IDP_NO_SKIN                      239  // window without a skin, 160 x 80
#define IDP_NOTICE                       241  // pop-up and slide-up notice background, 260 x 110
#define IDP_SKIN_IMAGE_242               242  // skin image, 64 x 64
#define IDP_NOTICE_NOTE                  246  // note-coloured notice background, 260 x 110
#define IDP_SKIN_IMAGE_247               247  // skin image, 64 x 64
#define IDP_SKIN_IMAGE_259               259  // skin image, 64 x 64
#define IDP_SKIN_IMAGE_260               260  // skin image, 64 x 64
#define IDP_ABOUT                        262  // About box background, 264 x 338
#define IDP_ALERT_1                      264  // alert background SYS_ALERT_1, 260 x 110
#define IDP_CLOCK_HOUR                   267  // analogue clock hour hand, 38 x 12, pivot (0, 6), pointing right
#define IDP_CLOCK_MINUTE                 268  // analogue clock minute hand, 54 x 12, pivot (0, 6), pointing right
#define IDP_CLOCK_SECOND                 269  // analogue clock second hand, 128 x 128, centre (64, 64), pointing up
#define IDP_ALERT_2                      270  // alert background SYS_ALERT_2, 260 x 110
#define IDP_ABOUT_SHORT                  279  // About box short form, 307 x 307
#define IDP_LABEL_BUBBLE                 280  // capture label bubble, 15 x 15
#define IDP_SKIN_IMAGE_281               281  // skin image, 64 x 64
#define IDP_RADIO                        283  // capture radio: selected, unselected, 14 x 14 each
#define IDP_DONATE                       289  // donation button: normal, hover, 108 x 39 each
#define IDP_LOADING                      290  // loading indicator, 8 frames of 30 x 30
#define IDP_SKIN_IMAGE_291               291  // skin image, 64 x 64
#define IDP_SKIN_IMAGE_292               292  // skin image, 64 x 64
#define IDP_SKIN_IMAGE_293               293  // skin image, 64 x 64
#define IDP_SKIN_IMAGE_294               294  // skin image, 64 x 64
#define IDP_SKIN_IMAGE_295               295  // skin image, 64 x 64
#define IDP_SKIN_IMAGE_296               296  // skin image, 64 x 64
#define IDP_CLOSE                        297  // close button: normal, hover, 26 x 26 each
#define IDP_EMPTY_PROGRAM_SLOT           299  // empty program slot, 32 x 32
#define IDP_TOUCH_HIGHLIGHT              300  // touch highlight, 48 x 48
#define IDP_FILE                         301  // file without an icon, 32 x 32
#define IDP_CAPTURE_ENTRIES              308  // capture entry icons, 16 x 16 each (the right one: preferences)
#define IDP_ACTION_SHUTDOWN              309  // action icon, 32 x 32
#define IDP_WEB_SITE                     310  // web site without an icon, 32 x 32
#define IDP_EMPTY_WEB_SLOT               311  // empty web slot, 32 x 32
#define IDP_ACTION_CAPTURE               312  // action icon, 32 x 32
#define IDP_ACTION_SETTINGS              313  // action icon, 32 x 32
#define IDP_ACTION_ANNIVERSARY           314  // action icon, 32 x 32
#define IDP_ACTION_SCHEDULE              315  // action icon, 32 x 32
#define IDP_ACTION_TOOLTIP_WIDGET        316  // action icon, 32 x 32
#define IDP_ACTION_VAULT                 317  // action icon, 32 x 32
#define IDP_ACTION_CALENDAR              318  // action icon, 32 x 32
#define IDP_ACTION_CLOCK                 319  // action icon, 32 x 32
#define IDP_ACTION_NEW_NOTE              320  // action icon, 32 x 32
#define IDP_ACTION_LOCK                  321  // action icon, 32 x 32
#define IDP_SKIN_ICON_330                330  // skin icon, 32 x 32
#define IDP_SKIN_ICON_333                333  // skin icon, 32 x 32
#define IDP_SKIN_ICON_334                334  // skin icon, 32 x 32
#define IDP_SKIN_ICON_335                335  // skin icon, 32 x 32
#define IDP_SKIN_ICON_337                337  // skin icon, 32 x 32
#define IDP_SKIN_ICON_338                338  // skin icon, 32 x 32
#define IDP_SKIN_ICON_339                339  // skin icon, 32 x 32
#define IDP_SKIN_ICON_340                340  // skin icon, 32 x 32
#define IDP_SKIN_TILE_341                341  // skin image, 48 x 48
#define IDP_SKIN_TILE_342                342  // skin image, 48 x 48
#define IDP_SKIN_TILE_343                343  // skin image, 48 x 48
#define IDP_SKIN_TILE_344                344  // skin image, 48 x 48
#define IDP_SKIN_TILE_345                345  // skin image, 48 x 48
#define IDP_SKIN_TILE_346                346  // skin image, 48 x 48
#define IDP_SKIN_TILE_347                347  // skin image, 48 x 48
#define IDP_SKIN_TILE_348                348  // skin image, 48 x 48
#define IDP_SKIN_TILE_349                349  // skin image, 48 x 48
#define IDP_SKIN_TILE_350                350  // skin image, 48 x 48
#define IDP_SKIN_TILE_351                351  // skin image, 48 x 48
#define IDP_SKIN_TILE_352                352  // skin image, 48 x 48
#define IDP_SKIN_TILE_353                353  // skin image, 48 x 48
#define IDP_SKIN_TILE_354                354  // skin image, 48 x 48
#define IDP_SKIN_TILE_355                355  // skin image, 48 x 48
#define IDP_SKIN_TILE_356                356  // skin image, 48 x 48
#define IDP_SKIN_TILE_357                357  // skin image, 48 x 48
#define IDP_SKIN_TILE_358                358  // skin image, 48 x 48
#define IDP_SKIN_TILE_359                359  // skin image, 48 x 48
#define IDP_SKIN_TILE_360                360  // skin image, 48 x 48
#define IDP_SKIN_TILE_361                361  // skin image, 48 x 48
#define IDP_SKIN_TILE_362                362  // skin image, 48 x 48
#define IDP_SKIN_TILE_363                363  // skin image, 48 x 48
#define IDP_SKIN_TILE_364                364  // skin image, 48 x 48
#define IDP_QUICK_MENU_HIGHLIGHT         366  // quick-menu icons highlighted, 467 x 26
#define IDP_QUICK_MENU_STRIP             368  // quick-menu slide strip, 12 frames of 493 x 26
