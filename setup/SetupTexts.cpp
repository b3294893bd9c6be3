#include "setup/SetupTexts.h"

const wchar_t* const kSetupVersion = L"3.1.1";

namespace {

const BilingualText kRows[] = {
    {1, L"Zorel %s Setup", L"Zorel %s 설치"},
    {2, L"I Agree", L"동의함"},
    {3, L"< Back", L"< 이전"},
    {4, L"Install", L"설치"},
    {5, L"Finish", L"마침"},
    {10, L"Cancel", L"취소"},
    {101, L"License Agreement", L"사용권 계약"},
    {111, L"Please review the license terms before installing Zorel",
     L"Zorel를 설치하기 전에 사용권 계약 내용을 살펴 보기시 바랍니다."},
    {202,
     L"If you accept the terms of the agreement, click I Agree to continue. You must accept the agreement to "
     L"install Zorel.",
     L"내용에 동의하셨다면 '동의함'을 눌러 주세요. Zorel를 설치하기 위해서는 반드시 내용에 동의하셔야 합니다."},
    {301, L"Copying files...", L"파일 복사중..."},
    {302, L"Copying data from previous version of Zorel...", L"이전 설치버전 데이터 가져오는 중..."},
    {701, L"Choose Install Location", L"설치 위치 선택"},
    {703, L"Destination Folder", L"설치 폴더"},
    {705, L"Browse...", L"찾아 보기..."},
    {707, L"Install Zorel in the selected folder.", L"선택한 폴더에 프로그램을 새로 설치합니다."},
    {709, L"Selected folder have restrictions for editing data files. \nSelect another folder.",
     L"선택하신 폴더는 프로그램이 데이터 파일을 쓰는데 제약이 있습니다. \n다른 폴더를 선택해 주세요."},
    {710, L"The program will be updated to selected folder. Existing data will not be changed.",
     L"선택한 폴더에 프로그램을 업데이트 합니다. 기존 데이터는 유지 됩니다."},
    {711, L"Choose the folder in which to install Zorel.", L"Zorel를 설치할 폴더를 선택하세요."},
    {712, L"Start With Windows", L"시작 프로그램으로 등록"},
    {713, L"Create the Start Menu Folder", L"시작 메뉴 폴더 생성"},
    {801, L"Installing", L"설치중"},
    {803, L"Run Zorel", L"Zorel를 시작합니다"},
    {804, L"Show Menu Widget", L"메뉴 위젯 보기"},
    {811, L"Please wait while Zorel is being installed.", L"프로그램 설치가 끝날때까지 기다려 주세요."},
    {901, L"Completing the Zorel Setup Wizard", L"Zorel 설치 완료"},
    {902, L"Failed to setup Zorel %s", L"Zorel %s 설치에 실패하였습니다."},
    {911, L"Zorel %s has been successfully installed on your computer.", L"Zorel %s 이 정상적으로 설치되었습니다."},
    {912, L"Failed to setup Zorel %s", L"Zorel %s 설치에 실패하였습니다."},
    {1001, L"Ending Zorel.", L"실행되어 있는 Zorel 프로그램을 종료중 입니다."},
    {1002, L"Failed to end the Zorel\nTry it again after ending the programe.",
     L"Zorel 프로그램을 종료하는데 실패하였습니다\n프로그램을 종료하신 후에 다시 시도하세요."},
    {1006, L"Are you sure you want to quit Zorel Setup?", L"프로그램 설치를 취소하시겠습니까?"},
    {24001, L"Program Optimization", L"프로그램 최적화"},
    {24002, L"Optimize for Memo and Schedule (default)", L"메모와 스케쥴관리에 최적화 (기본)"},
    {24003, L"Optimize for Memo", L"메모에 최적화"},
    {24004, L"Optimize for Schedule", L"스케쥴 관리에 최적화"},
    {24005, L"Using the Last Options (default)", L"이전 설정 사용 (기본)"},
    {24006, L"Optimize for Memo and Schedule", L"메모와 스케쥴관리에 최적화"},
    // The self-installing backup.
    {3001, L"Zorel Backup", L"Zorel 백업"},
    {3002, L"This file holds no Zorel backup, or it is damaged.", L"Zorel 백업이 없거나 손상된 파일입니다."},
    {3003, L"Choose the Zorel folder to restore the backup into.", L"백업을 복원할 Zorel 폴더를 선택하세요."},
    {3004, L"Restore the backup of #DATE# into\n#FOLDER#?\nFiles of the same name are replaced.",
     L"#DATE# 백업을 다음 폴더에 복원하시겠습니까?\n#FOLDER#\n같은 이름의 파일은 바뀝니다."},
    {3005, L"The backup has been restored.", L"백업이 복원되었습니다."},
    {3006, L"The backup could not be restored completely.", L"백업을 모두 복원하지 못했습니다."},
};

}  // namespace

CBilingualTexts::CBilingualTexts(const BilingualText* rows, size_t count, const wchar_t* version) {
    for (size_t i = 0; i < count; ++i) {
        CString english = rows[i].english, korean = rows[i].korean;
        if (version && english.Find(L"%s") >= 0) english.Format(rows[i].english, version);
        if (version && korean.Find(L"%s") >= 0) korean.Format(rows[i].korean, version);
        m_texts[rows[i].id] = english;
        m_texts[rows[i].id + kSetupKoreanOffset] = korean;
    }
}

CString CBilingualTexts::Get(int id, int languageOffset) const {
    auto found = m_texts.find(id + languageOffset);
    return found == m_texts.end() ? CString() : found->second;
}

CString GetSetupText(int id, int languageOffset) {
    static const CBilingualTexts texts(kRows, sizeof kRows / sizeof kRows[0], kSetupVersion);
    return texts.Get(id, languageOffset);
}
