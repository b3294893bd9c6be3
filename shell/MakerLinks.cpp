#include "shell/MakerLinks.h"

#include "fw/Convert.h"
#include "shell/Scrambler.h"

#include <cstring>

namespace {

// Korean first, then the international form of each address.
const char* const kScrambled[2][2] = {
    {
        // http://www.example.com/ko/zorel/
        "\x8b\x93\x89\x9b\xba\xdc\xc8\x58\x81\x95\xcb\xaa\xb2\xaa\x8a\x91\x87\xa5\xc5\xa4\xc0\x99\xc3\x9a\x80"
        "\xa5\x79\x98\x8b\xa6\x88\xdc\x07",
        // http://www.example.com/zorel/
        "\x8b\x93\x89\x9b\xba\xdc\xc8\x58\x81\x95\xcb\xaa\xb2\xaa\x8a\x91\x87\xa5\xc5\xa4\xc0\x99\xc3\x8b\x80"
        "\x62\x8e\x9b\xce\x07",
    },
    {
        // http://www.example.com/ko/zorel/donate/
        "\x8b\x93\x89\x9b\xba\xdc\xc8\x58\x81\x95\xcb\xaa\xb2\xaa\x8a\x91\x87\xa5\xc5\xa4\xc0\x99\xc3\x9a\x80"
        "\xa5\x79\x98\x8b\xa6\x88\xdc\x93\x60\x8a\xab\x85\xaa\xfb\x07",
        // http://www.example.com/zorel/donate/
        "\x8b\x93\x89\x9b\xba\xdc\xc8\x58\x81\x95\xcb\xaa\xb2\xaa\x8a\x91\x87\xa5\xc5\xa4\xc0\x99\xc3\x8b\x80"
        "\x62\x8e\x9b\xce\xa7\x85\x9d\x96\x5b\x93\xdd\x07",
    },
};

}  // namespace

const wchar_t kMakerSiteName[] = L"www.example.com/zorel";
const wchar_t kMakerContactName[] = L"Zorel Support";
const wchar_t kMakerContactMail[] = L"zorel@example.com";

CString GetMakerAddress(MakerLink link, bool korean) {
    int which = link == MAKER_DONATION ? 1 : 0;
    const char* text = UnscrambleText(kScrambled[which][korean ? 0 : 1]);
    return MultiByteToString(text, (int)strlen(text), CP_THREAD_ACP);
}
