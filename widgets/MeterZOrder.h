// A Z-order button: each click moves its window one step along normal,
// always on top, pinned to the desktop (when allowed) and back to normal.
// Its picture is a strip of (normal, pressed) pairs for the positions
// normal, on top, desktop and bottom.
#pragma once

#include "widgets/MeterButton.h"

class CMeterZOrder : public CMeterButton {
public:
    explicit CMeterZOrder(ISkinHost* owner);

    void ReadConfig(const CInfoSection& section) override;
    bool Draw() override;
    CString GetCommand() override;

    // The frame of the strip for a Z position and the pressed look.
    static int FrameFor(int zPosition, bool pressed) { return 2 * zPosition + (pressed ? 1 : 0); }
    // The position command that moves a window on from the Z position.
    static CString NextPositionCommand(int zPosition, bool enableDesktop);

    static void ConvertXml(const TiXmlElement* element, CInfoSection& section);

private:
    bool m_SizeGiven = false;
};
