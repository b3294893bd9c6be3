// The maker's addresses: the web site and the support page that the menus
// open, the site the About box links to, and the contact of its mail link.
// The web addresses are kept scrambled in the program and turned back into
// text only when they are used; each has a Korean and an international form.
#pragma once

#include "fw/Afx.h"

enum MakerLink {
    MAKER_HOMEPAGE,   // "Homepage..." and the About box's site link
    MAKER_DONATION,   // "Make a Donation..."
};

// The address, unscrambled and read in the thread's ANSI code page.
CString GetMakerAddress(MakerLink link, bool korean);

// The site as the About box names it, and its contact.
extern const wchar_t kMakerSiteName[];
extern const wchar_t kMakerContactName[];
extern const wchar_t kMakerContactMail[];
