// An edit box meter: a standard edit control the user can type into, at the
// meter's rectangle of the widget. A skinned window is presented with
// UpdateLayeredWindow, which never paints child windows, so the control is
// a borderless window owned by the widget (owned windows always stay above
// their owner), kept over the meter's rectangle in screen coordinates and
// shown and hidden with the widget. It has no keys of its own; nothing
// reads or keeps its text.
#pragma once

#include "widgets/Meter.h"

#include "fw/Afx.h"

class CMeterEditBox : public CMeter {
public:
    explicit CMeterEditBox(ISkinHost* owner) : CMeter(owner) { m_Kind = METER_EDITBOX; }
    ~CMeterEditBox() override;

    void Initialize() override;
    bool Update() override { return false; }

    // Puts the control over the meter's rectangle of the owner window where
    // that is now, shown when the owner is shown.
    void FollowOwner();

    HWND GetEditWindow() const { return m_hEdit; }
    // The owner window, when the meter's host is a window.
    HWND GetOwnerWindow() const;

    static void ConvertXml(const TiXmlElement* element, CInfoSection& section);

private:
    HWND m_hEdit = nullptr;
};
