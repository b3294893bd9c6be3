// CSkinInfoDlg: the skin-file editor every skinned window opens from its
// context menu. The skin's text is shown with CR LF line ends; OK writes it
// back in the code page it was read in (the ANSI code page, or UTF-8 for a
// skin written in it), replacing the file whole, and the window reloads the
// skin. "Open Skin Folder" opens the skin's folder.
#pragma once

#include "fw/AfxWin.h"

#include <string>

class CSkinInfoDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = 226, IDC_TEXT = 1134, IDC_OPEN_FOLDER = 1136 };

    CSkinInfoDlg(const CString& skinFile, CWnd* parent);
    BOOL OnInitDialog() override;

    // The file's bytes (ANSI code page) as the editor shows them: every
    // line end, LF, CR LF or a lone CR, becomes CR LF.
    static CString ToEditText(const std::string& bytes, UINT codePage);
    // The editor's text as the file holds it: lines ended by CR LF, no line
    // end after the last line (trailing empty lines are dropped), each line
    // in the code page.
    static std::string ToFileBytes(const CString& text, UINT codePage);
    // The code page a skin's bytes are in: UTF-8 for a file that starts
    // with its byte-order mark or holds nothing but well-formed UTF-8 beyond
    // ASCII (the skins' own declaration), the ANSI code page otherwise, so a
    // round trip through the editor loses no character.
    static UINT FileCodePage(const std::string& bytes);
    // Replaces the skin with the text in the code page (UTF-8 with its mark
    // when asked); on false the old file is untouched.
    static bool SaveSkinText(const CString& path, const CString& text, UINT codePage = CP_THREAD_ACP,
                             bool byteOrderMark = false);

    const CString& GetText() const { return m_text; }

protected:
    void OnOK() override;
    void OnOpenFolder();

private:
    CString m_path;
    CString m_text;
    UINT m_codePage = CP_THREAD_ACP;
    bool m_byteOrderMark = false;
};
