#include "widgets/MeterZOrder.h"

#include "widgets/SkinHost.h"

#include "shell/Settings.h"

#include <objidl.h>
#include <gdiplus.h>

CMeterZOrder::CMeterZOrder(ISkinHost* owner) : CMeterButton(owner) { m_Kind = METER_ZORDER; }

void CMeterZOrder::ReadConfig(const CInfoSection& section) {
    CMeterButton::ReadConfig(section);
    m_SizeGiven = section.HasKey(L"W") && section.HasKey(L"H");
}

CString CMeterZOrder::NextPositionCommand(int zPosition, bool enableDesktop) {
    if (zPosition == 0) return L"POSITION_TOPMOST";
    if (zPosition == 1 && enableDesktop) return L"POSITION_DESKTOP";
    return L"POSITION_NORMAL";
}

CString CMeterZOrder::GetCommand() {
    int z = m_Owner ? m_Owner->GetZPosition() : 0;
    return NextPositionCommand(z, g_Settings.General.EnableDesktop != 0);
}

bool CMeterZOrder::Draw() {
    // Drawn whatever Hidden says, and without the common background.
    Gdiplus::Bitmap* buffer = m_Owner ? m_Owner->GetBackBuffer() : nullptr;
    Gdiplus::Image* image = Picture().Get();
    if (!buffer || !image) return true;
    Gdiplus::Graphics graphics(buffer);
    if (m_SizeGiven) graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQuality);
    int z = m_Owner->GetZPosition();
    int frame = FrameFor(z, GetState() == STATE_PRESSED);
    graphics.DrawImage(image, Gdiplus::Rect(GetX(), GetY(), m_W, m_H), m_W * frame, 0, m_W, m_H, Gdiplus::UnitPixel);
    return true;
}

void CMeterZOrder::ConvertXml(const TiXmlElement* element, CInfoSection& section) {
    CMeterButton::ConvertXml(element, section);
    section.SetValue(L"DrawType", L"ZORDER");
}
