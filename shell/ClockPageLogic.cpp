#include "shell/ClockPageLogic.h"

#include "shell/MemoSetupLogic.h"

#include <algorithm>

namespace {
int Clamp(int value, int low, int high) { return std::min(std::max(value, low), high); }
int Flag(int value) { return value ? 1 : 0; }
// A folder holds only so many skins worth listing; the walk stops there.
const int kMaxSkinEntries = 4096;
}  // namespace

int CClockPageLogic::SecondsIndex(int seconds, int items) { return Clamp(seconds - 1, 0, items - 1); }

int CClockPageLogic::MinuteIndex(int minute) { return (minute >= 1 && minute < MINUTE_ITEMS) ? minute : 0; }

int CClockPageLogic::MinuteValue(int index) { return (index >= 1 && index < MINUTE_ITEMS) ? index : -1; }

int CClockPageLogic::SoundItem(int basic, const CString& file) {
    if (basic) return SOUND_BASIC;
    return file.IsEmpty() ? SOUND_NONE : SOUND_FILE;
}

void CClockPageLogic::ChooseSound(int item) {
    switch (item) {
    case SOUND_NONE:
        soundFile.Empty();
        soundBasic = 0;
        break;
    case SOUND_BASIC:
        soundFile.Empty();
        soundBasic = 1;
        break;
    default:
        soundBasic = 0;
        break;
    }
}

void CClockPageLogic::ChooseSoundFile(const CString& path) {
    soundFile = path;
    soundBasic = 0;
}

void CClockPageLogic::Load(const CSettings& s, bool desktopEnabled) {
    const CSettings::ClockSection& c = s.Clock;
    viewTime = SecondsIndex(s.General.HotKeyClockViewTime, VIEW_TIME_ITEMS);
    viewMode = Clamp(c.ViewMode, 0, VIEW_MODE_COUNT - 1);
    everyHour = c.SpecialTime[0] == 0 ? 1 : 0;
    everyHalfHour = c.SpecialTime[1] == 30 ? 1 : 0;
    for (int i = 0; i < 3; ++i) userMinute[i] = MinuteIndex(c.SpecialTime[2 + i]);
    before = SecondsIndex(c.ViewingBeforeTime, SECONDS_ITEMS);
    after = SecondsIndex(c.ViewingAfterTime, SECONDS_ITEMS);
    soundBasic = Flag(c.AlarmSoundDefault);
    soundFile = soundBasic ? CString() : c.AlarmSoundFile;
    transVal = ClampTransparency(c.TransVal);
    mouseOverHiding = Flag(c.MouseOverHiding);
    zPosition = Clamp(c.ZPosition, 0, desktopEnabled ? 2 : 1);
    startView = Flag(c.StartView);
}

void CClockPageLogic::Store(CSettings& s) const {
    CSettings::ClockSection& c = s.Clock;
    s.General.HotKeyClockViewTime = viewTime + 1;
    c.MouseOverHiding = mouseOverHiding;
    c.ViewMode = viewMode;
    c.StartView = startView;
    int item = SoundItem(soundBasic, soundFile);
    c.AlarmSoundDefault = item == SOUND_BASIC ? 1 : 0;
    c.AlarmSoundFile = item == SOUND_FILE ? soundFile : CString();
    c.SpecialTime[0] = everyHour ? 0 : -1;
    c.SpecialTime[1] = everyHalfHour ? 30 : -1;
    for (int i = 0; i < 3; ++i) c.SpecialTime[2 + i] = MinuteValue(userMinute[i]);
    c.ViewingBeforeTime = before + 1;
    c.ViewingAfterTime = after + 1;
}

void CClockPageLogic::SetDefaults() {
    viewTime = 2;
    viewMode = 2;
    everyHour = everyHalfHour = 1;
    for (int& m : userMinute) m = 0;
    before = 2;
    after = 0;
    soundBasic = 0;
    soundFile.Empty();
    transVal = 255;
    mouseOverHiding = 0;
    zPosition = 1;
    startView = 1;
}

std::vector<ClockSkinEntry> ListClockSkins(const CString& skinFolder) {
    std::vector<ClockSkinEntry> skins;
    WIN32_FIND_DATAW folder;
    HANDLE folders = ::FindFirstFileW(skinFolder + L"*", &folder);
    if (folders == INVALID_HANDLE_VALUE) return skins;
    do {
        if (!(folder.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        CString sub = folder.cFileName;
        if (sub == L"." || sub == L"..") continue;
        CString subPath = skinFolder + sub + L"\\";
        WIN32_FIND_DATAW file;
        HANDLE files = ::FindFirstFileW(subPath + L"*.xml", &file);
        if (files == INVALID_HANDLE_VALUE) continue;
        do {
            if (file.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            CString name = file.cFileName;
            if (name.GetLength() <= 4) continue;
            skins.push_back({name.Left(name.GetLength() - 4), subPath + name});
        } while ((int)skins.size() < kMaxSkinEntries && ::FindNextFileW(files, &file));
        ::FindClose(files);
    } while ((int)skins.size() < kMaxSkinEntries && ::FindNextFileW(folders, &folder));
    ::FindClose(folders);
    return skins;
}

int FindClockSkinItem(const std::vector<ClockSkinEntry>& skins, const CString& current) {
    for (size_t i = 0; i < skins.size(); ++i)
        if (skins[i].path.CompareNoCase(current) == 0) return (int)i + 1;
    return 0;
}
