// A web-address button: opens an address given by the skin (WebUrl) or
// taken from one of the user's web hot-key slots, and shows the site's icon
// and name. An address that is no web address makes it a button that opens
// the slot's set-up.
#pragma once

#include "widgets/MeterButton.h"

class CMeterWebUrl : public CMeterButton {
public:
    explicit CMeterWebUrl(ISkinHost* owner);

    void ReadConfig(const CInfoSection& section) override;

    static void ConvertXml(const TiXmlElement* element, CInfoSection& section);
};

// At least 8 characters beginning with "HTTP" in any case.
bool IsLauncherWebAddress(const CString& address);
