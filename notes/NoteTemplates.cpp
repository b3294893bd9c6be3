#include "notes/NoteTemplates.h"

LPCDLGTEMPLATE GetNoteTemplate(UINT id) { return CDialog::LoadTemplate(MAKEINTRESOURCEW(id)); }
