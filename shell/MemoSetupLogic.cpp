#include "shell/MemoSetupLogic.h"

#include <algorithm>

int ClampTransparency(int value) { return std::min(std::max(value, (int)TRANSPARENCY_MIN), (int)TRANSPARENCY_MAX); }

CString TransparencyPercentText(int value) {
    // value / 2.55 in whole numbers; 255 * 100 / 255 gives exactly 100 where
    // the floating division might land a hair below it.
    CString text;
    text.Format(L"%d %%", value * 100 / 255);
    return text;
}

const int CMemoSetupLogic::kTextSizes[TEXT_SIZE_COUNT] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
const int CMemoSetupLogic::kCheckIntervals[CHECK_INTERVAL_COUNT] = {5, 10, 15, 30, 60, 120, 180, 300};

namespace {
int Clamp(int value, int low, int high) { return std::min(std::max(value, low), high); }
int Flag(int value) { return value ? 1 : 0; }
}  // namespace

int CMemoSetupLogic::SizeIndex(int stored, int first, int items) {
    return Clamp(stored / 10 - first / 10, 0, items - 1);
}

int CMemoSetupLogic::SizeValue(int index, int first, int items) { return first + 10 * Clamp(index, 0, items - 1); }

int CMemoSetupLogic::CheckIntervalIndex(int minutes) {
    for (int i = 0; i < CHECK_INTERVAL_COUNT; ++i)
        if (kCheckIntervals[i] == minutes) return i;
    return 0;
}

int CMemoSetupLogic::CheckIntervalMinutes(int index) {
    int i = index % CHECK_INTERVAL_COUNT;
    return kCheckIntervals[i < 0 ? i + CHECK_INTERVAL_COUNT : i];
}

int CMemoSetupLogic::TextSizeIndex(int size) {
    for (int i = 0; i < TEXT_SIZE_COUNT; ++i)
        if (kTextSizes[i] == size) return i;
    return 2;  // 10
}

int CMemoSetupLogic::ClampMonitor(int index, int monitorCount) { return Clamp(index, 0, std::max(monitorCount, 1) - 1); }

int CMemoSetupLogic::ClampZPosition(int value, bool desktopEnabled) { return Clamp(value, 0, desktopEnabled ? 2 : 1); }

void CMemoSetupLogic::Load(const CSettings::GeneralSection& g, int monitorCount, bool desktopEnabled) {
    startDX = SizeIndex(g.StartDX, START_DX_FIRST, START_DX_ITEMS);
    startDY = SizeIndex(g.StartDY, START_DY_FIRST, START_DY_ITEMS);
    contractDX = SizeIndex(g.ContractDX, CONTRACT_DX_FIRST, CONTRACT_DX_ITEMS);
    maxTrans = ClampTransparency(g.MaxTransVal);
    minTrans = ClampTransparency(g.MinTransVal);
    zPosition = ClampZPosition(g.MemoZPosition, desktopEnabled);
    fontName = g.FontName;
    textSize = kTextSizes[TextSizeIndex(g.TextSize)];
    textColor = g.TextColor;
    bold = Flag(g.Bold);
    italic = Flag(g.Italic);
    underLine = Flag(g.UnderLine);
    skinType = Clamp(g.SkinType, 0, SKIN_TYPE_COUNT - 1);
    fitTitleWidth = Flag(g.FitTitleWidth);
    workMonitor = ClampMonitor(g.WorkMonitor, monitorCount);
    tipMode = Clamp(g.MemoTipMode, 0, TIP_MODE_COUNT - 1);
    mouseOverHiding = tipMode > 0 ? 0 : Flag(g.MouseOverHiding);
    tipAutoHeight = Flag(g.TipAutoHeight);
    simpleMemoInactive = Flag(g.SimpleMemoInactive);
    viewEditTime = Flag(g.ViewEditTime);
    inactiveTitleCol = g.InactiveTitleCol;
    restoreScrollPos = Flag(g.RestoreScrollPos);
    hyperLink = Flag(g.HyperLink);
    autoMemoHeight = Flag(g.AutoMemoHeight);
    checkInterval = CheckIntervalIndex(g.CheckInterval);
}

bool CMemoSetupLogic::Store(CSettings::GeneralSection& g, int monitorCount) const {
    g.StartDX = SizeValue(startDX, START_DX_FIRST, START_DX_ITEMS);
    g.StartDY = SizeValue(startDY, START_DY_FIRST, START_DY_ITEMS);
    g.ContractDX = SizeValue(contractDX, CONTRACT_DX_FIRST, CONTRACT_DX_ITEMS);
    g.MaxTransVal = ClampTransparency(maxTrans);
    g.MinTransVal = ClampTransparency(minTrans);
    g.MemoZPosition = zPosition;
    g.Bold = bold;
    g.UnderLine = underLine;
    g.Italic = italic;
    g.TextColor = textColor;
    g.FontName = fontName;
    g.TextSize = kTextSizes[TextSizeIndex(textSize)];
    g.SkinType = skinType;
    g.FitTitleWidth = fitTitleWidth;
    g.WorkMonitor = ClampMonitor(workMonitor, monitorCount);
    g.MemoTipMode = tipMode;
    g.MouseOverHiding = tipMode == 0 ? mouseOverHiding : 0;
    g.TipAutoHeight = tipAutoHeight;
    g.InactiveTitleCol = inactiveTitleCol;
    g.RestoreScrollPos = restoreScrollPos;
    g.HyperLink = hyperLink;
    g.AutoMemoHeight = autoMemoHeight;
    int minutes = CheckIntervalMinutes(checkInterval);
    if (minutes == g.CheckInterval) return false;
    g.CheckInterval = minutes;
    return true;
}

void CMemoSetupLogic::SetDefaults() {
    startDX = 8;
    startDY = 4;
    contractDX = 12;
    maxTrans = minTrans = 255;
    zPosition = 0;
    textSize = 10;
    skinType = 0;
    fitTitleWidth = 1;
    tipMode = 4;
    mouseOverHiding = 0;
    tipAutoHeight = 1;
    inactiveTitleCol = 0x804000;
    restoreScrollPos = 1;
    hyperLink = 1;
    autoMemoHeight = 0;
    checkInterval = 2;
}
