#include "uninstall/UninstallTexts.h"

#include "setup/SetupTexts.h"

namespace {

const BilingualText kRows[] = {
    {1, L"Uninstall Success.", L"프로그램이 정상적으로 제거되었습니다."},
    {2, L"Failed to end the Zorel\nTry it again after ending the programe.",
     L"Zorel 프로그램을 종료하는데 실패하였습니다\n프로그램을 종료하신 후에 다시 시도하세요."},
    {3, L"Ending Zorel.", L"실행되어 있는 Zorel 프로그램을 종료중 입니다."},
    {4, L"Zorel Uninstall", L"Zorel 프로그램 제거"},
    {5, L"Uninstall", L"제거"},
    {6, L"Cancel", L"취소"},
    {7, L"Data Files [All Memos, Schedule Data]", L"데이터 파일 [메모, 스케쥴 데이터]"},
    {8, L"Leave Data Files", L"데이터 파일은 남겨둡니다."},
    {9, L"Delete All Data Files Without Restoration.", L"데이터 파일도 모두 제거합니다."},
    {10, L"Do you want to delete All Data Files?", L"프로그램과 함께 모든 데이터 파일을 제거하시겠습니까?"},
    {11, L"There is no \"Zorel.exe\" file",
     L"실행 파일 [Zorel.exe] 이 없습니다. 정상적으로 제거 되었으면 설치 폴더를 삭제하시면 됩니다."},
    {12, L"Uninstall Success.",
     L"프로그램이 정상적으로 제거되었습니다.\n모든 데이터를 지우기를 원하신다면\n[확인] 후 설치 폴더를 삭제하세요."},
    // What could not be removed is named, never passed over as a success.
    {13, L"Zorel was not removed completely. These items are still in the folder:\n",
     L"Zorel 프로그램이 완전히 제거되지 않았습니다. 다음 항목이 폴더에 남아 있습니다:\n"},
};

}  // namespace

CString GetUninstallText(int id, int languageOffset) {
    static const CBilingualTexts texts(kRows, sizeof kRows / sizeof kRows[0]);
    return texts.Get(id, languageOffset);
}
