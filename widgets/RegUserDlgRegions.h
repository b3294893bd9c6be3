// The regions the user-information dialog offers for the weather and the
// today's-information widgets: twelve province entries, each with its cities
// (a display name, the short name stored as the region name, and the
// location id of the weather service), the last entry being the region the
// user types in. Also how the dialog's choice becomes the stored settings.
#pragma once

#include "fw/Afx.h"
#include "shell/Settings.h"

#include <vector>

struct RegionCity {
    CString name;       // as the city list shows it
    CString shortName;  // stored as the region name
    CString woeid;      // decimal, at most eight digits
};

// What the dialog holds when Apply is pressed.
struct RegUserChoice {
    int useUserInfo = 0;
    int showTodayInfoAtStart = 0;
    int province = 0;
    int city = -1;        // -1: no city selected
    CString customName;   // the custom region's city name edit
    CString customWoeid;  // the custom region's location id edit
};

class CRegUserDlgRegions {
public:
    static constexpr int kProvinceCount = 12;
    static constexpr int kCustomProvince = 11;
    static constexpr int kMaxCities = 38;

    // The province list's text of an entry; the custom entry's comes from
    // the language table.
    static CString ProvinceName(int province);
    // The cities of an entry in list order; empty for the custom entry and
    // for an index out of range.
    static const std::vector<RegionCity>& Cities(int province);
    // The city list is hidden where there is nothing to choose.
    static bool IsCityListHidden(int province) { return province == 0 || province == 8 || province == kCustomProvince; }
    // The display name without its last syllable 시 or 군; for the
    // metropolitan cities the part before the blank.
    static CString ShortName(const CString& name);

    // Apply: the options, then the region. A custom region without a
    // location id falls back to the program's default region; without a
    // selected city the region stays as it was.
    static void Apply(const RegUserChoice& choice, CSettings::UserSection& user);
};
