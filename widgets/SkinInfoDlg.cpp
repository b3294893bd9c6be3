#include "widgets/SkinInfoDlg.h"

#include "fw/Convert.h"
#include "shell/ActionSystem.h"
#include "shell/LanguageTable.h"
#include "shell/SafeFileWriter.h"
#include "shell/ZMsgBox.h"

#include <vector>

BEGIN_MESSAGE_MAP(CSkinInfoDlg, CDialog)
    ON_COMMAND(CSkinInfoDlg::IDC_OPEN_FOLDER, OnOpenFolder)
END_MESSAGE_MAP()

namespace {
const int kTextSaveFailed = 39900;
}

CSkinInfoDlg::CSkinInfoDlg(const CString& skinFile, CWnd* parent) : CDialog(IDD, parent), m_path(skinFile) {}

CString CSkinInfoDlg::ToEditText(const std::string& bytes, UINT codePage) {
    CString text = MultiByteToString(bytes.data(), (int)bytes.size(), codePage);
    text.Replace(L"\r\n", L"\n");
    text.Replace(L"\r", L"\n");
    text.Replace(L"\n", L"\r\n");
    return text;
}

std::string CSkinInfoDlg::ToFileBytes(const CString& text, UINT codePage) {
    CString lines = text;
    lines.Replace(L"\r\n", L"\n");
    lines.TrimRight(L"\n");
    lines.Replace(L"\n", L"\r\n");
    CStringA bytes = StringToMultiByte(lines, lines.GetLength(), codePage);
    return std::string(bytes.GetString(), (size_t)bytes.GetLength());
}

namespace {
const char kUtf8Mark[] = "\xEF\xBB\xBF";
}

UINT CSkinInfoDlg::FileCodePage(const std::string& bytes) {
    if (bytes.compare(0, 3, kUtf8Mark) == 0) return CP_UTF8;
    bool beyondAscii = false;
    for (size_t i = 0; i < bytes.size();) {
        unsigned char c = (unsigned char)bytes[i];
        int extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
        if (extra < 0 || i + (size_t)extra >= bytes.size()) return CP_THREAD_ACP;
        for (int k = 1; k <= extra; ++k)
            if (((unsigned char)bytes[i + k] & 0xC0) != 0x80) return CP_THREAD_ACP;
        if (extra > 0) beyondAscii = true;
        i += extra + 1;
    }
    return beyondAscii ? CP_UTF8 : CP_THREAD_ACP;
}

bool CSkinInfoDlg::SaveSkinText(const CString& path, const CString& text, UINT codePage, bool byteOrderMark) {
    // Written beside the skin and put in its place: a failed write keeps
    // the skin as it was.
    std::string bytes = (byteOrderMark ? std::string(kUtf8Mark) : std::string()) + ToFileBytes(text, codePage);
    return CSafeFileWriter::WriteFile(path, bytes.data(), bytes.size());
}

BOOL CSkinInfoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    int slash = m_path.ReverseFind(L'\\');
    SetWindowText(g_LanguageTable[1500] + L" - " + m_path.Mid(slash + 1));
    SetDlgItemText(IDC_OPEN_FOLDER, g_LanguageTable[1501]);
    SetDlgItemText(IDOK, g_LanguageTable[23]);
    SetDlgItemText(IDCANCEL, g_LanguageTable[26]);
    // A skin that cannot be read shows an empty editor.
    std::vector<BYTE> data;
    if (CSafeFileWriter::ReadFile(m_path, data, CSafeFileWriter::MaxListFileBytes)) {
        std::string bytes(data.begin(), data.end());
        m_codePage = FileCodePage(bytes);
        m_byteOrderMark = bytes.compare(0, 3, kUtf8Mark) == 0;
        m_text = ToEditText(m_byteOrderMark ? bytes.substr(3) : bytes, m_codePage);
    }
    SetDlgItemText(IDC_TEXT, m_text);
    return TRUE;
}

void CSkinInfoDlg::OnOpenFolder() {
    int slash = m_path.ReverseFind(L'\\');
    GetActionSystem().ShellOpen(slash >= 0 ? m_path.Left(slash + 1) : m_path);
}

void CSkinInfoDlg::OnOK() {
    GetDlgItemText(IDC_TEXT, m_text);
    if (!SaveSkinText(m_path, m_text, m_codePage, m_byteOrderMark)) {
        // The dialog stays open with the user's text.
        ShowMessageBox(g_LanguageTable[kTextSaveFailed], -1);
        return;
    }
    EndDialog(IDOK);
}
