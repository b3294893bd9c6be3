"""The client's reading of reply shapes, against scripted servers on 127.0.0.1."""
import os
import socket
import subprocess
import sys
import tempfile
import threading
import unittest
import xml.etree.ElementTree as ET

HOST_EXE = None
LOCAL = "127.0.0.1"


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


class ScriptedServer:
    """One control connection; replies taken from the script, data received kept."""

    def __init__(self, greeting=("220 ready",), user_reply="331 need password", pasv_host="0,0,0,0"):
        self.greeting = greeting
        self.user_reply = user_reply
        self.pasv_host = pasv_host
        self.commands = []
        self.data = b""
        self.listener = socket.socket()
        self.listener.bind((LOCAL, 0))
        self.listener.listen(1)
        self.port = self.listener.getsockname()[1]
        self.thread = threading.Thread(target=self.run, daemon=True)
        self.thread.start()

    def run(self):
        self.listener.settimeout(60)
        conn, _ = self.listener.accept()
        conn.settimeout(60)
        f = conn.makefile("rb")
        send = lambda text: conn.sendall((text + "\r\n").encode())
        for line in self.greeting:
            send(line)
        data_listener = None
        data_target = None
        while True:
            line = f.readline()
            if not line:
                break
            line = line.decode("latin-1").rstrip("\r\n")
            self.commands.append(line)
            word = line.split(" ", 1)[0].upper()
            if word == "USER":
                send(self.user_reply)
            elif word == "ENCPASS":
                send("230 logged in")
            elif word == "TYPE":
                send("200 type set")
            elif word == "PASV":
                data_listener = socket.socket()
                data_listener.bind((LOCAL, 0))
                data_listener.listen(1)
                p = data_listener.getsockname()[1]
                send("227 Entering Passive Mode (%s,%d,%d)" % (self.pasv_host, p >> 8, p & 255))
            elif word == "PORT":
                n = [int(x) for x in line.split(" ", 1)[1].split(",")]
                data_target = ("%d.%d.%d.%d" % tuple(n[:4]), n[4] * 256 + n[5])
                send("200 port set")
            elif word == "STORSYNC":
                send("150 opening")
                if data_listener:
                    data_listener.settimeout(30)
                    d, _ = data_listener.accept()
                else:
                    d = socket.create_connection(data_target, timeout=30)
                chunks = []
                while True:
                    chunk = d.recv(65536)
                    if not chunk:
                        break
                    chunks.append(chunk)
                d.close()
                self.data = b"".join(chunks)
                send("226 done")
            else:
                send("500 unknown")
        conn.close()


class ClientTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="ftpc-")
        self.local = os.path.join(self.folder, "note.rtf")
        with open(self.local, "wb") as f:
            f.write(b"{\\rtf1 scripted}" + bytes(range(256)) * 40)

    def put(self, server, user="transfer", password="123", *extra):
        out = subprocess.run(["wine", HOST_EXE, LOCAL, str(server.port), user, password, windows_path(self.local),
                              "SEND_MEMO 1 2 3 4|hi"] + list(extra) + ["timeout=5000"],
                             capture_output=True, text=True, timeout=120).stdout.splitlines()
        result = [l for l in out if l.startswith("result ")]
        self.assertTrue(result, out)
        server.thread.join(30)
        return int(result[0].split()[1])

    def test_passive_reply_naming_another_address_still_reaches_the_server(self):
        for host in ("0,0,0,0", "10,255,1,2"):
            s = ScriptedServer(pasv_host=host)
            self.assertEqual(0, self.put(s))
            with open(self.local, "rb") as f:
                self.assertEqual(f.read(), s.data)
            self.assertIn("STORSYNC SEND_MEMO 1 2 3 4|hi", s.commands)

    def test_port_mode(self):
        s = ScriptedServer()
        self.assertEqual(0, self.put(s, "transfer", "123", "port"))
        self.assertTrue(any(c.startswith("PORT 127,0,0,1,") for c in s.commands), s.commands)
        with open(self.local, "rb") as f:
            self.assertEqual(f.read(), s.data)

    def test_greeting_of_three_lines_is_one_reply(self):
        s = ScriptedServer(greeting=("220-welcome", "220-to the test", "220 ready"))
        self.assertEqual(0, self.put(s))
        self.assertEqual(["USER transfer", "ENCPASS 123"], s.commands[:2])

    def test_user_answered_with_230_needs_no_password(self):
        s = ScriptedServer(user_reply="230 welcome")
        self.assertEqual(0, self.put(s))
        self.assertFalse(any(c.startswith("ENCPASS") for c in s.commands), s.commands)

    def test_user_name_length(self):
        s = ScriptedServer()
        self.assertEqual(0, self.put(s, "u" * 57))
        self.assertEqual("USER " + "u" * 57, s.commands[0])
        s = ScriptedServer()
        self.assertEqual(-15, self.put(s, "u" * 58))
        self.assertEqual([], s.commands)


class FriendListTest(unittest.TestCase):
    def test_python_reads_the_friend_list(self):
        folder = tempfile.mkdtemp(prefix="ftpc-")
        path = os.path.join(folder, "friendlist.xml")
        subprocess.run(["wine", HOST_EXE, "friends", windows_path(path)], check=True, timeout=120)
        with open(path, "rb") as f:
            self.assertFalse(f.read().endswith(b"\n"))
        root = ET.parse(path).getroot()
        self.assertEqual("FriendList", root.tag)
        friends = [(e.get("Title"), e.get("IP"), e.get("Port"), e.get("Password")) for e in root]
        self.assertEqual([("Office", "10.0.0.2", "5330", "pw"), ('Tom & "Jerry"', "10.0.0.3", "21", 'a&b<c>"d')],
                         friends)


if __name__ == "__main__":
    HOST_EXE = sys.argv.pop(1)
    unittest.main()
