#include "ColorDialog.h"

#include "Dialog.h"
#include "Wnd.h"

COLORREF* CColorDialog::GetSavedCustomColors() {
    static COLORREF custom[16] = {RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
    return custom;
}

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent) {
    m_cc = {};
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.hwndOwner = parent ? parent->m_hWnd : nullptr;
    m_cc.rgbResult = initial;
    m_cc.lpCustColors = GetSavedCustomColors();
    m_cc.Flags = flags | (initial != 0 ? CC_RGBINIT : 0);
}

INT_PTR CColorDialog::DoModal() {
    if (!m_cc.hwndOwner) m_cc.hwndOwner = CDialog::GetSafeOwner(nullptr);
    return ::ChooseColorW(&m_cc) ? IDOK : IDCANCEL;
}
