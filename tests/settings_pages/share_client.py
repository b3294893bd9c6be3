#!/usr/bin/env python3
"""A real FTP client against the share page's server on 127.0.0.1.

share_client.py login PORT PASSWORD RESULT  logs in as "zorel" with ftplib
share_client.py refused PORT RESULT         tries a bare connection
The outcome goes to RESULT (written whole, then renamed into place), since
the Windows test that starts this script cannot read its exit code."""
import ftplib
import os
import socket
import sys


def finish(result, text):
    with open(result + ".part", "w") as out:
        out.write(text)
    os.replace(result + ".part", result)


def main():
    mode, port = sys.argv[1], int(sys.argv[2])
    result = sys.argv[-1]
    try:
        if mode == "login":
            client = ftplib.FTP()
            client.connect("127.0.0.1", port, timeout=20)
            reply = client.login("zorel", sys.argv[3])
            client.quit()
            finish(result, "logged in " + reply)
        else:
            with socket.create_connection(("127.0.0.1", port), timeout=10):
                finish(result, "connected")
    except ConnectionRefusedError:
        finish(result, "refused")
    except Exception as error:  # the test shows what went wrong
        finish(result, "error %s: %s" % (type(error).__name__, error))


main()
