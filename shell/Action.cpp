#include "shell/Action.h"

#include "shell/ActionQueue.h"
#include "shell/ActionVocabulary.h"
#include "shell/LanguageTable.h"

namespace {
bool StartsProgram(const CString& text) {
    return wcsncmp(text, L"SHELLEXECUTE:", 13) == 0 || wcsncmp(text, L"WINEXEC:", 8) == 0;
}
}  // namespace

bool RunAction(const CString& text) {
    if (CActionQueue* queue = CActionQueue::GetMain()) queue->Append(text);
    return StartsProgram(text) || IsAction(text);
}

bool IsAction(const CString& text) {
    const ActionKeyword* k = FindActionKeyword(text);
    return k && k->match != ACTION_MATCH_PREFIX_CASE;
}

int GetActionIcon(const CString& text) {
    const ActionKeyword* k = FindActionKeyword(text);
    return k ? k->icon : -1;
}

CString GetActionText(const CString& text) {
    const ActionKeyword* k = FindActionKeyword(text);
    return k && k->text ? g_LanguageTable[k->text] : CString();
}
