#include "widgets/AboutDlg.h"

#include "res/images.h"
#include "shell/LanguageTable.h"
#include "shell/MakerLinks.h"
#include "shell/Settings.h"
#include "shell/ShellIds.h"
#include "shell/SystemUtil.h"
#include "ui/UiIds.h"

BEGIN_MESSAGE_MAP(CAboutDlg, CGDIDialog)
    ON_WM_NCRBUTTONDOWN()
END_MESSAGE_MAP()

namespace {
const int kTextUser = 30000;
}  // namespace

CAboutDlg::CAboutDlg(CWnd* parent) : CGDIDialog(IDD_ABOUT, parent) {}

BOOL CAboutDlg::OnInitDialog() {
    CZDialog::OnInitDialog();
    m_bCtrlAtOpening = (::GetKeyState(VK_CONTROL) & 0x8000) ? 1 : 0;
    LoadBackgroundResource(m_bCtrlAtOpening ? IDP_ABOUT_SHORT : IDP_ABOUT);
    BuildAboutSkin();
    SetZPosition(ZPOS_TOPMOST, TRUE);
    SetForegroundWindow();
    CenterDialog(m_hWnd);
    Redraw();
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return TRUE;
}

CString CAboutDlg::UserLine(const CString& userWord, const CString& userName) {
    // The word may come with its colon already (a language file's or the
    // built-in "User: "); the line has exactly one.
    CString word = userWord;
    word.TrimRight(L' ');
    word.TrimRight(L':');
    return word + L": " + userName;
}

void CAboutDlg::WriteAboutSkin(SkinDefinition& skin, bool shortForm, bool korean, const CString& userName) {
    if (shortForm) {
        skin.AddLine(L"[Close]");
        skin.AddLine(L"DrawType=BUTTON");
        skin.AddLine(L"X=0");
        skin.AddLine(L"Y=0");
        skin.AddLine(L"W = 307");
        skin.AddLine(L"H = 307");
        skin.AddLine(L"Command = Hide");
        return;
    }
    skin.AddLine(L"[Version]");
    skin.AddLine(L"DrawType=STRING");
    skin.AddLine(L"FontColor = 49,116,196,255");
    skin.AddLineFormat(L"FontSize = %d", 11);
    skin.AddLine(L"ClipString = 1");
    skin.AddLine(L"StringVAlign = CENTER");
    skin.AddLine(L"StringAlign = LEFT");
    skin.AddLine(L"X = 180");
    skin.AddLine(L"Y = 215");
    skin.AddLine(L"W = 180");
    skin.AddLine(L"H = 20");
    skin.AddLine(L"OffsetX = 101");
    skin.AddLine(L"OffsetY = 101");
    skin.AddLine(L"ShadowColor = 255,255,255,96");
    skin.AddLineFormat(L"Text = v%s", ZOREL_SHORT_VERSION);

    skin.AddLine(L"[RegUser]");
    skin.AddLine(L"DrawType=STRING");
    skin.AddLine(L"FontColor = 0,0,0,255");
    skin.AddLine(L"FontSize = 9");
    skin.AddLine(L"ClipString = 1");
    skin.AddLine(L"StringVAlign = CENTER");
    skin.AddLine(L"StringAlign = RIGHT");
    skin.AddLine(L"X = 250");
    skin.AddLine(L"Y = 245");
    skin.AddLine(L"W = 200");
    skin.AddLine(L"H = 20");
    skin.AddLine(L"OffsetX = 101");
    skin.AddLine(L"OffsetY = 101");
    skin.AddLine(L"ShadowColor = 255,255,255,128");
    // The formatted line is cut to the line buffer, however long the name.
    skin.AddLineFormat(L"Text = %s", (LPCWSTR)UserLine(g_LanguageTable[kTextUser], userName));

    CString site = GetMakerAddress(MAKER_HOMEPAGE, korean);
    skin.AddLine(L"[Havrond]");
    skin.AddLine(L"DrawType=BUTTON");
    skin.AddLine(L"LabelNormalColor = 2,45,156,255");
    skin.AddLine(L"LabelSelectColor = 0,156,156,255");
    skin.AddLine(L"LabelFontSize = 10");
    skin.AddLine(L"LabelStyle = BOLD");
    skin.AddLineFormat(L"Label = %s", kMakerSiteName);
    skin.AddLine(L"HyperLink = 1");
    skin.AddLine(L"ClipString = 1");
    skin.AddLine(L"LabelVAlign = CENTER");
    skin.AddLine(L"LabelAlign = LEFT");
    skin.AddLine(L"LabelAntiAlias = 0");
    skin.AddLine(L"LabelRelativeX = 0");
    skin.AddLine(L"LabelRelativeY = 0");
    skin.AddLine(L"X = 122");
    skin.AddLine(L"Y = 265");
    skin.AddLine(L"W = 250");
    skin.AddLine(L"H = 16");
    skin.AddLineFormat(L"Command = SHELLEXECUTE:%s", (LPCWSTR)site);

    skin.AddLine(L"[Email]");
    skin.AddLine(L"DrawType=BUTTON");
    skin.AddLine(L"LabelNormalColor = 2,45,255,255");
    skin.AddLine(L"LabelSelectColor = 0,156,156,255");
    if (korean) {
        skin.AddLine(L"X = 46");
        skin.AddLine(L"Y = 302");
        skin.AddLine(L"LabelStyle = NORMAL");
        skin.AddLine(L"LabelFontSize = 9");
    } else {
        skin.AddLine(L"X = 9");
        skin.AddLine(L"Y = 300");
        skin.AddLine(L"LabelFontSize = 8");
        skin.AddLine(L"LabelStyle = BOLD");
    }
    skin.AddLineFormat(L"Label = %s", kMakerContactName);
    skin.AddLine(L"HyperLink = 1");
    skin.AddLine(L"ClipString = 1");
    skin.AddLine(L"LabelVAlign = CENTER");
    skin.AddLine(L"LabelAlign = LEFT");
    skin.AddLine(L"LabelAntiAlias = 0");
    skin.AddLine(L"LabelRelativeX = 0");
    skin.AddLine(L"LabelRelativeY = 0");
    skin.AddLine(L"W = 100");
    skin.AddLine(L"H = 20");
    skin.AddLineFormat(L"Command = SHELLEXECUTE:mailto:%s", kMakerContactMail);
    skin.AddLineFormat(L"ToolTip = %s", kMakerContactMail);

    skin.AddLine(L"[Close]");
    skin.AddLine(L"DrawType=BUTTON");
    skin.AddLine(L"X=221");
    skin.AddLine(L"Y=38");
    skin.AddLine(L"W = 26");
    skin.AddLine(L"H = 26");
    skin.AddLineFormat(L"ImageID = %d", IDP_CLOSE);
    skin.AddLine(L"Command = Hide");

    skin.AddLine(L"[Donate]");
    skin.AddLine(L"DrawType=BUTTON");
    skin.AddLine(L"X=21");
    skin.AddLine(L"Y=110");
    skin.AddLine(L"W = 108");
    skin.AddLine(L"H = 39");
    skin.AddLine(L"LabelNormalColor = 255,255,255,255");
    skin.AddLine(L"LabelSelectColor = 196,255,255,255");
    skin.AddLine(L"LabelRelativeY = 2");
    skin.AddLine(L"LabelStyle = BOLD");
    skin.AddLine(L"LabelFontSize = 11");
    skin.AddLine(L"LabelID = 23202");
    skin.AddLine(L"HyperLink = 1");
    skin.AddLineFormat(L"ImageID = %d", IDP_DONATE);
    skin.AddLine(L"Command = Donate");
}

void CAboutDlg::BuildAboutSkin() {
    m_Skin.Clear();
    WriteAboutSkin(m_Skin, m_bCtrlAtOpening != 0, IsKoreanLanguage(), g_Settings.UserName);
    m_Skin.ParseLines();
    BuildSkin(-1);
}

void CAboutDlg::OnFadeOutDone() {
    if (CWnd* main = AfxGetMainWnd())
        if (main->GetSafeHwnd()) main->PostMessage(WM_ABOUT_CLOSED, 0, 0);
}

// The default window procedure: the box has no skin menu.
void CAboutDlg::OnNcRButtonDown(UINT, CPoint) { Default(); }
