#include "widgets/RegUserDlgRegions.h"

#include "shell/LanguageTable.h"

#include <iterator>

namespace {
const wchar_t* const kProvinceNames[CRegUserDlgRegions::kCustomProvince] = {
    L"서울 특별시", L"광역시", L"강원도", L"경기도", L"경상남도", L"경상북도", L"전라남도", L"전라북도", L"제주도", L"충청남도", L"충청북도"};

// Display name and location id. The service's ids for Seoul, Jeju, Incheon,
// Ulsan and Danyang are fixed; the others are the program's own, one per city.
struct CityRow {
    const wchar_t* name;
    const wchar_t* woeid;
};

const CityRow kCities0[] = {
    {L"서울", L"20069923"},
};
const CityRow kCities1[] = {
    {L"광주 광역시", L"30001001"},
    {L"대구 광역시", L"30001002"},
    {L"대전 광역시", L"30001003"},
    {L"부산 광역시", L"30001004"},
    {L"울산 광역시", L"23701285"},
    {L"인천 광역시", L"20069922"},
    {L"세종 특별자치구", L"30001007"},
};
const CityRow kCities2[] = {
    {L"홍천군", L"30002001"},
    {L"인제군", L"30002002"},
    {L"평창군", L"30002003"},
    {L"양양군", L"30002004"},
    {L"춘천시", L"30002005"},
    {L"횡성군", L"30002006"},
    {L"양구군", L"30002007"},
    {L"속초시", L"30002008"},
    {L"강릉시", L"30002009"},
    {L"원주시", L"30002010"},
    {L"화천군", L"30002011"},
    {L"정선군", L"30002012"},
    {L"고성군", L"30002013"},
    {L"영월군", L"30002014"},
    {L"동해시", L"30002015"},
    {L"철원군", L"30002016"},
    {L"태백시", L"30002017"},
    {L"삼척시", L"30002018"},
};
const CityRow kCities3[] = {
    {L"구리시", L"30003001"},
    {L"남양주시", L"30003002"},
    {L"하남시", L"30003003"},
    {L"의정부시", L"30003004"},
    {L"성남시", L"30003005"},
    {L"과천시", L"30003006"},
    {L"광주시", L"30003007"},
    {L"양주시", L"30003008"},
    {L"안양시", L"30003009"},
    {L"의왕시", L"30003010"},
    {L"가평군", L"30003011"},
    {L"고양시", L"30003012"},
    {L"광명시", L"30003013"},
    {L"군포시", L"30003014"},
    {L"부천시", L"30003015"},
    {L"양평군", L"30003016"},
    {L"동두천시", L"30003017"},
    {L"수원시", L"30003018"},
    {L"용인시", L"30003019"},
    {L"안산시", L"30003020"},
    {L"시흥시", L"30003021"},
    {L"포천시", L"30003022"},
    {L"파주시", L"30003023"},
    {L"여주군", L"30003024"},
    {L"김포시", L"30003025"},
    {L"오산시", L"30003026"},
    {L"이천시", L"30003027"},
    {L"화성시", L"30003028"},
    {L"연천군", L"30003029"},
    {L"안성시", L"30003030"},
    {L"평택시", L"30003031"},
    {L"강화", L"30003032"},
};
const CityRow kCities4[] = {
    {L"함안군", L"30004001"},
    {L"의령군", L"30004002"},
    {L"마산시", L"30004003"},
    {L"창녕군", L"30004004"},
    {L"창원시", L"30004005"},
    {L"진주시", L"30004006"},
    {L"합천군", L"30004007"},
    {L"진해시", L"30004008"},
    {L"고성군", L"30004009"},
    {L"밀양시", L"30004010"},
    {L"김해시", L"30004011"},
    {L"사천시", L"30004012"},
    {L"산청군", L"30004013"},
    {L"통영시", L"30004014"},
    {L"거제시", L"30004015"},
    {L"양산시", L"30004016"},
    {L"거창군", L"30004017"},
    {L"하동군", L"30004018"},
    {L"함양군", L"30004019"},
    {L"남해군", L"30004020"},
};
const CityRow kCities5[] = {
    {L"의성군", L"30005001"},
    {L"군위군", L"30005002"},
    {L"안동시", L"30005003"},
    {L"청송군", L"30005004"},
    {L"구미시", L"30005005"},
    {L"예천군", L"30005006"},
    {L"영천시", L"30005007"},
    {L"칠곡군", L"30005008"},
    {L"영양군", L"30005009"},
    {L"영덕군", L"30005010"},
    {L"상주시", L"30005011"},
    {L"경산시", L"30005012"},
    {L"영주시", L"30005013"},
    {L"포항시", L"30005014"},
    {L"문경시", L"30005015"},
    {L"성주군", L"30005016"},
    {L"김천시", L"30005017"},
    {L"봉화군", L"30005018"},
    {L"청도군", L"30005019"},
    {L"경주시", L"30005020"},
    {L"울진군", L"30005021"},
    {L"고령군", L"30005022"},
    {L"울릉도", L"30005023"},
};
const CityRow kCities6[] = {
    {L"화순군", L"30006001"},
    {L"보성군", L"30006002"},
    {L"장흥군", L"30006003"},
    {L"나주시", L"30006004"},
    {L"영암군", L"30006005"},
    {L"강진군", L"30006006"},
    {L"고흥군", L"30006007"},
    {L"순천시", L"30006008"},
    {L"담양군", L"30006009"},
    {L"곡성군", L"30006010"},
    {L"함평군", L"30006011"},
    {L"목포시", L"30006012"},
    {L"무안군", L"30006013"},
    {L"장성군", L"30006014"},
    {L"해남군", L"30006015"},
    {L"구례군", L"30006016"},
    {L"영광군", L"30006017"},
    {L"여수시", L"30006018"},
    {L"광양시", L"30006019"},
    {L"완도군", L"30006020"},
    {L"신안군", L"30006021"},
    {L"진도군", L"30006022"},
};
const CityRow kCities7[] = {
    {L"전주시", L"30007001"},
    {L"임실군", L"30007002"},
    {L"완주군", L"30007003"},
    {L"정읍시", L"30007004"},
    {L"김제시", L"30007005"},
    {L"진안군", L"30007006"},
    {L"장수군", L"30007007"},
    {L"순창군", L"30007008"},
    {L"익산시", L"30007009"},
    {L"남원시", L"30007010"},
    {L"부안군", L"30007011"},
    {L"군산시", L"30007012"},
    {L"무주군", L"30007013"},
    {L"고창군", L"30007014"},
};
const CityRow kCities8[] = {
    {L"제주", L"2345963"},
};
const CityRow kCities9[] = {
    {L"청양군", L"30009001"},
    {L"예산군", L"30009002"},
    {L"공주시", L"30009003"},
    {L"홍성군", L"30009004"},
    {L"보령시", L"30009005"},
    {L"부여군", L"30009006"},
    {L"아산시", L"30009007"},
    {L"연기군", L"30009008"},
    {L"천안시", L"30009009"},
    {L"계룡시", L"30009010"},
    {L"논산시", L"30009011"},
    {L"서산시", L"30009012"},
    {L"당진군", L"30009013"},
    {L"서천군", L"30009014"},
    {L"태안군", L"30009015"},
    {L"금산군", L"30009016"},
};
const CityRow kCities10[] = {
    {L"괴산군", L"30010001"},
    {L"보은군", L"30010002"},
    {L"청원군", L"30010003"},
    {L"청주시", L"30010004"},
    {L"충주시", L"30010005"},
    {L"옥천군", L"30010006"},
    {L"음성군", L"30010007"},
    {L"제천시", L"30010008"},
    {L"진천군", L"30010009"},
    {L"영동군", L"30010010"},
    {L"단양군", L"28289144"},
};

std::vector<RegionCity> MakeCities(const CityRow* rows, size_t count) {
    std::vector<RegionCity> cities;
    for (size_t i = 0; i < count; ++i)
        cities.push_back({rows[i].name, CRegUserDlgRegions::ShortName(rows[i].name), rows[i].woeid});
    return cities;
}


const wchar_t kDefaultWoeid[] = L"20069923";

}  // namespace

CString CRegUserDlgRegions::ProvinceName(int province) {
    if (province == kCustomProvince) {
        CString text = g_LanguageTable[30009];
        return text.IsEmpty() ? CString(L"Input") : text;
    }
    if (province < 0 || province >= kCustomProvince) return CString();
    return kProvinceNames[province];
}

const std::vector<RegionCity>& CRegUserDlgRegions::Cities(int province) {
    static const std::vector<RegionCity> lists[kCustomProvince] = {
        MakeCities(kCities0, std::size(kCities0)), MakeCities(kCities1, std::size(kCities1)),
        MakeCities(kCities2, std::size(kCities2)), MakeCities(kCities3, std::size(kCities3)),
        MakeCities(kCities4, std::size(kCities4)), MakeCities(kCities5, std::size(kCities5)),
        MakeCities(kCities6, std::size(kCities6)), MakeCities(kCities7, std::size(kCities7)),
        MakeCities(kCities8, std::size(kCities8)), MakeCities(kCities9, std::size(kCities9)),
        MakeCities(kCities10, std::size(kCities10))};
    static const std::vector<RegionCity> none;
    if (province < 0 || province >= kCustomProvince) return none;
    return lists[province];
}

CString CRegUserDlgRegions::ShortName(const CString& name) {
    int blank = name.Find(L' ');
    if (blank > 0) return name.Left(blank);
    int n = name.GetLength();
    // Every name the table holds is at least two syllables before the cut.
    if (n > 2 && (name[n - 1] == L'\uC2DC' || name[n - 1] == L'\uAD70')) return name.Left(n - 1);
    return name;
}

void CRegUserDlgRegions::Apply(const RegUserChoice& choice, CSettings::UserSection& user) {
    user.Enable = choice.useUserInfo;
    user.ShowTodayInfo = choice.showTodayInfoAtStart;
    if (choice.province == kCustomProvince) {
        if (choice.customWoeid.IsEmpty()) {
            user.JusoCursor = 0;
            user.JusoDetailCursor = 0;
            user.city = Cities(0)[0].shortName;
            user.woeid = kDefaultWoeid;
        } else {
            user.JusoCursor = kCustomProvince;
            user.JusoDetailCursor = 0;
            user.city = choice.customName;
            user.woeid = choice.customWoeid;
        }
        return;
    }
    const std::vector<RegionCity>& cities = Cities(choice.province);
    if (choice.city < 0 || choice.city >= (int)cities.size()) return;
    user.woeid = cities[choice.city].woeid;
    user.city = cities[choice.city].shortName;
    user.JusoCursor = choice.province;
    user.JusoDetailCursor = choice.city;
}
