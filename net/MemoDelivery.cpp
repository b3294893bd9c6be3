// Winsock comes first: its header must precede windows.h.
#include <winsock2.h>

#include "net/MemoDelivery.h"

#include "fw/Convert.h"
#include "net/FtpClient.h"
#include "shell/CryptoText.h"

int DeliverMemo(const MemoDelivery& delivery, CStringA& failure) {
    failure.Empty();
    CFtpClient client(StringToAnsi(delivery.ip), delivery.port, "transfer",
                      EncryptString(StringToAnsi(delivery.password)));
    client.SetPassive(delivery.passive);
    client.SetTimeout(delivery.timeoutMs);
    int code = client.Put(delivery.localFile, delivery.name);
    if (code != 0) {
        failure = client.GetLastError();
        if (failure.IsEmpty()) failure = FtpClientErrorText(code);
    }
    return code;
}
