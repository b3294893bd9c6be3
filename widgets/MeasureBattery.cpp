#include "widgets/MeasureBattery.h"

#include "widgets/WidgetEnvironment.h"

bool CMeasureBattery::Update() {
    if (!BeginUpdate()) return false;
    SYSTEM_POWER_STATUS status = {};
    if (GetWidgetEnvironment().GetPowerStatus(status)) {
        // 255 means the system does not know; show a full battery then.
        int percent = status.BatteryLifePercent;
        m_Value = percent > 100 ? 100.0 : (double)percent;
    }
    return EndUpdate();
}

CString CMeasureBattery::GetStringValue(bool, double, int, bool) {
    CString text;
    text.Format(L"%d", (int)(GetRelativeValue() * 100.0));
    return text;
}
