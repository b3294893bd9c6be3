#include "net/MemoTransferName.h"

#include "fw/Convert.h"

CStringA MemoTransferName(bool locked, int left, int top, int width, int height, const CString& message) {
    CStringA name;
    name.Format("%s %d %d %d %d|", locked ? "SEND_MENC" : "SEND_MEMO", left, top, width, height);
    if (!message.IsEmpty()) name += StringToAnsi(message.Left(kMaxTransferMessage));
    return name;
}
