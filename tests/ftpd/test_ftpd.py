#!/usr/bin/env python3
"""The file-share server under Wine against real clients on 127.0.0.1:
Python's ftplib, curl, lftp and raw sockets for the exact replies."""
import ftplib
import io
import os
import queue
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time
import unittest

HOST_EXE = None
LOCAL = "127.0.0.1"


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


class Host:
    """One ftpd_host process with its own root folder."""

    def __init__(self, *options):
        self.root = tempfile.mkdtemp(prefix="ftpd-")
        self.share = os.path.join(self.root, "share")
        os.makedirs(self.share)
        self.proc = subprocess.Popen(["wine", HOST_EXE, windows_path(self.root)] + list(options),
                                     stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                     text=True, bufsize=1)
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()
        self.encpass = self.expect("encpass ").split(" ", 1)[1]
        self.port = int(self.expect("port ").split()[1])

    def _read(self):
        for line in self.proc.stdout:
            self.lines.put(line.rstrip("\n"))

    def expect(self, prefix, timeout=30):
        end = time.time() + timeout
        while time.time() < end:
            try:
                line = self.lines.get(timeout=max(0.1, end - time.time()))
            except queue.Empty:
                break
            if line.startswith(prefix):
                return line
        raise AssertionError("host did not say %r" % prefix)

    def send(self, command):
        self.proc.stdin.write(command + "\n")
        self.proc.stdin.flush()

    def close(self):
        try:
            self.send("quit")
            live = self.expect("live ")
            self.proc.wait(timeout=30)
            assert live == "live 0", live
        finally:
            if self.proc.poll() is None:
                self.proc.kill()
            shutil.rmtree(self.root, ignore_errors=True)

    def path(self, *parts):
        return os.path.join(self.share, *parts)


class Raw:
    """A control connection that reads replies exactly as sent."""

    def __init__(self, port, source=LOCAL):
        self.sock = socket.create_connection((LOCAL, port), timeout=20, source_address=(source, 0))
        self.buf = b""

    def line(self):
        while b"\r\n" not in self.buf:
            data = self.sock.recv(4096)
            if not data:
                raise EOFError(self.buf)
            self.buf += data
        line, self.buf = self.buf.split(b"\r\n", 1)
        return line.decode("latin-1")

    def reply(self):
        """Lines up to and with the final line of a reply."""
        lines = [self.line()]
        while lines[-1][3:4] == "-" or not lines[-1][:3].isdigit():
            if not lines[-1][:3].isdigit() and len(lines) == 1:
                break
            lines.append(self.line())
        return lines

    def cmd(self, text):
        self.sock.sendall(text.encode("latin-1") + b"\r\n")
        return self.line()

    def login(self, user="zorel", password="secret", greeting=True):
        if greeting:
            self.greeting = [self.line(), self.line(), self.line()]
        assert self.cmd("USER " + user).startswith("331")
        return self.cmd("PASS " + password)

    def closed(self, timeout=10):
        self.sock.settimeout(timeout)
        try:
            while True:
                data = self.sock.recv(4096)
                if not data:
                    return True
        except (ConnectionResetError, ConnectionAbortedError):
            return True
        except socket.timeout:
            return False

    def pasv(self):
        reply = self.cmd("PASV")
        assert reply.startswith("227"), reply
        numbers = reply[reply.index("(") + 1:reply.index(")")].split(",")
        return int(numbers[4]) * 256 + int(numbers[5])

    def close(self):
        self.sock.close()


def ftp(host, user="zorel", password="secret"):
    client = ftplib.FTP()
    client.connect(LOCAL, host.port, timeout=30)
    client.login(user, password)
    return client


class ServerTest(unittest.TestCase):
    host = None

    @classmethod
    def setUpClass(cls):
        cls.host = Host()

    @classmethod
    def tearDownClass(cls):
        cls.host.close()

    def test_ftplib_file_operations(self):
        h = self.host
        with open(h.path("hello.txt"), "wb") as f:
            f.write(b"hello world")
        c = ftp(h)
        self.assertIn("hello.txt", c.nlst())
        lines = []
        c.retrlines("LIST", lines.append)
        self.assertTrue(any(l.startswith("---------- 1 ftp ftp ") and l.endswith(" hello.txt") for l in lines), lines)
        data = bytes(range(256)) * 40
        c.storbinary("STOR up.bin", io.BytesIO(data))
        with open(h.path("up.bin"), "rb") as f:
            self.assertEqual(data, f.read())
        got = io.BytesIO()
        c.retrbinary("RETR up.bin", got.write, rest=1000)
        self.assertEqual(data[1000:], got.getvalue())
        c.rename("up.bin", "moved.bin")
        self.assertTrue(os.path.exists(h.path("moved.bin")))
        c.delete("moved.bin")
        self.assertFalse(os.path.exists(h.path("moved.bin")))
        c.mkd("newdir")
        self.assertTrue(os.path.isdir(h.path("newdir")))
        c.cwd("newdir")
        self.assertEqual("/newdir", c.pwd())
        c.cwd("/")
        c.rmd("newdir")
        self.assertFalse(os.path.exists(h.path("newdir")))
        c.set_pasv(False)
        got = io.BytesIO()
        c.retrbinary("RETR hello.txt", got.write)
        self.assertEqual(b"hello world", got.getvalue())
        c.storbinary("STOR active.txt", io.BytesIO(b"by PORT"))
        with open(h.path("active.txt"), "rb") as f:
            self.assertEqual(b"by PORT", f.read())
        c.quit()

    def test_encpass_logs_in_every_account(self):
        for user in ("zorel", "transfer", "sync300"):
            c = ftplib.FTP()
            c.connect(LOCAL, self.host.port, timeout=30)
            c.sendcmd("USER " + user)
            self.assertEqual('230 User "%s" logged in.' % user, c.sendcmd("ENCPASS " + self.host.encpass))
            c.quit()
        c = ftplib.FTP()
        c.connect(LOCAL, self.host.port, timeout=30)
        c.sendcmd("USER zorel")
        with self.assertRaises(ftplib.error_perm) as e:
            c.sendcmd("ENCPASS 123456")
        self.assertEqual("530 Incorrect password.", str(e.exception))
        c.close()

    def test_notes_and_sync_files_arrive(self):
        h = self.host
        c = ftplib.FTP()
        c.connect(LOCAL, h.port, timeout=30)
        c.sendcmd("USER transfer")
        c.sendcmd("ENCPASS " + h.encpass)
        c.storbinary("STORSYNC SEND_MEMO 10 20 300 200|hello", io.BytesIO(b"{\\rtf1 note}"))
        memo = h.expect("memo ")
        path, text = memo[5:].split("|", 1)
        self.assertEqual("10 20 300 200|hello", text)
        self.assertTrue(path.endswith(".rtf"), path)
        name = path.split("\\")[-1]
        with open(os.path.join(h.root, "memo_data", name), "rb") as f:
            self.assertEqual(b"{\\rtf1 note}", f.read())
        # Lower case is no note: a synchronisation file of kind 0. Two within
        # one second both stay, under names of the same length.
        c.storbinary("STORSYNC send_memo 10 20 300 200|hello", io.BytesIO(b"one"))
        h.expect("sync")
        c.storbinary("STORSYNC ZOREL_SCHEDULE", io.BytesIO(b"two"))
        h.expect("sync")
        sync = sorted(os.listdir(os.path.join(h.root, "system", "sync")))
        self.assertEqual(2, len(sync), sync)
        for n in sync:
            self.assertEqual(28, len(n))
            self.assertTrue(n.startswith("000_") and n.endswith(".sync"), n)
        contents = set(open(os.path.join(h.root, "system", "sync", n), "rb").read() for n in sync)
        self.assertEqual({b"one", b"two"}, contents)
        os.makedirs(os.path.join(h.root, "schedule_data"), exist_ok=True)
        schedule = os.urandom(70000)
        with open(os.path.join(h.root, "schedule_data", "schedule_data.zra"), "wb") as f:
            f.write(schedule)
        got = io.BytesIO()
        c.retrbinary("RETRSYNC iphone_schedule", got.write)
        self.assertEqual(schedule, got.getvalue())
        with self.assertRaises(ftplib.error_perm):
            c.retrbinary("RETRSYNC SOMETHING_ELSE", got.write)
        c.quit()
        # The account of ordinary clients exchanges neither.
        c = ftp(h)
        with self.assertRaises(ftplib.error_perm):
            c.storbinary("STORSYNC SEND_MEMO 1 2 3 4|x", io.BytesIO(b"x"))
        with self.assertRaises(ftplib.error_perm):
            c.retrbinary("RETRSYNC IPHONE_SCHEDULE", got.write)
        c.quit()

    def test_curl(self):
        h = self.host
        url = "ftp://zorel:secret@%s:%d/" % (LOCAL, h.port)
        work = tempfile.mkdtemp()
        try:
            def curl(*args):
                return subprocess.run(["curl", "-sS", "--max-time", "60"] + list(args), check=True,
                                      capture_output=True).stdout
            with open(h.path("c.txt"), "wb") as f:
                f.write(b"curl data")
            listing = curl("--disable-epsv", url).splitlines()
            self.assertTrue(any(l.startswith(b"---------- 1 ftp ftp          9 ") and l.endswith(b" c.txt")
                                for l in listing), listing)
            local = os.path.join(work, "up.bin")
            body = os.urandom(300000)
            with open(local, "wb") as f:
                f.write(body)
            curl("--disable-epsv", "-T", local, url + "up.bin")
            with open(h.path("up.bin"), "rb") as f:
                self.assertEqual(body, f.read())
            partial = os.path.join(work, "partial.bin")
            with open(partial, "wb") as f:
                f.write(body[:123456])
            curl("--disable-epsv", "-C", "-", "-o", partial, url + "up.bin")
            with open(partial, "rb") as f:
                self.assertEqual(body, f.read())
            curl("--disable-epsv", "-Q", "DELE up.bin", url)
            self.assertFalse(os.path.exists(h.path("up.bin")))
            active = curl("--ftp-port", LOCAL, "--disable-eprt", url + "c.txt")
            self.assertEqual(b"curl data", active)
        finally:
            shutil.rmtree(work)

    def test_lftp(self):
        h = self.host
        tree = h.path("tree")
        os.makedirs(os.path.join(tree, "sub"))
        files = {"a.txt": b"A" * 10, os.path.join("sub", "b.bin"): os.urandom(5000)}
        for name, data in files.items():
            with open(os.path.join(tree, name), "wb") as f:
                f.write(data)
        work = tempfile.mkdtemp()
        try:
            with open(os.path.join(work, "put.txt"), "wb") as f:
                f.write(b"put by lftp")
            script = ("set ftp:ssl-allow no; set net:max-retries 1; set net:timeout 20; "
                      "ls; put put.txt; get tree/a.txt -o got.txt; mirror tree mirrored; bye")
            out = subprocess.run(["lftp", "-u", "zorel,secret", "-p", str(h.port), "-e", script, LOCAL],
                                 cwd=work, capture_output=True, timeout=120)
            self.assertEqual(0, out.returncode, out.stderr)
            self.assertIn(b"tree", out.stdout)
            with open(h.path("put.txt"), "rb") as f:
                self.assertEqual(b"put by lftp", f.read())
            with open(os.path.join(work, "got.txt"), "rb") as f:
                self.assertEqual(files["a.txt"], f.read())
            for name, data in files.items():
                with open(os.path.join(work, "mirrored", name), "rb") as f:
                    self.assertEqual(data, f.read())
        finally:
            shutil.rmtree(work)

    def test_exact_replies(self):
        h = self.host
        r = Raw(h.port)
        greeting = [r.line(), r.line(), r.line()]
        self.assertEqual("220-Zorel FileShare Server (www.example.com)", greeting[0])
        self.assertRegex(greeting[1], r"^220-You are connecting from [\w.-]+:\d+\.$")
        self.assertEqual("220 Proceed with login.", greeting[2])
        app = "Unable to Sync Schedule. Please update your app."
        for user, reply in (("SYNC", app), ("SYNC299", app), ("SYNC301", "Unable to Sync Schedule. Please update your Zorel.")):
            self.assertEqual(reply, r.cmd("USER " + user))
        self.assertEqual('331 Need password for user "sync300".', r.cmd("USER sync300"))
        self.assertEqual("421 Your login was refused due to a unsupported login id.", r.cmd("PASS secret"))
        self.assertEqual('230 User "sync300" logged in.', r.cmd("ENCPASS " + h.encpass))
        self.assertEqual("500 Command line too long.", r.cmd("X" * 511))
        self.assertEqual('500 Syntax error, command "X" unrecognized.', r.cmd("X" * 1 + " " + "y" * 508))
        self.assertEqual("501 Syntax error in parameters or arguments.", r.cmd("CWD"))
        r.close()
        r = Raw(h.port)
        r.line(), r.line(), r.line()
        self.assertEqual("530 Not logged in.", r.cmd("PWD"))
        self.assertEqual("421 Connection timed out.", r.line())
        self.assertTrue(r.closed())

    def test_login_limit(self):
        h = self.host
        sessions = []
        for _ in range(5):
            r = Raw(h.port)
            self.assertEqual('230 User "zorel" logged in.', r.login())
            sessions.append(r)
        sixth = Raw(h.port)
        self.assertEqual("421 Your login was refused due to a server connection limit.", sixth.login())
        self.assertTrue(sixth.closed())
        for r in sessions:
            r.cmd("QUIT")
            r.close()

    def test_abor_during_retr_and_rest_before_stor(self):
        h = self.host
        big = os.urandom(30 * 1024 * 1024)
        with open(h.path("big.bin"), "wb") as f:
            f.write(big)
        r = Raw(h.port)
        r.login()
        data = socket.create_connection((LOCAL, r.pasv()), timeout=20)
        self.assertEqual('150 Opening passive mode data connection for "/big.bin".', r.cmd("RETR big.bin"))
        r.sock.sendall(b"NOOP\r\n")
        import select
        def read_until_control():
            while not select.select([r.sock], [], [], 0)[0] and not r.buf:
                data.recv(1452)
                time.sleep(0.001)
            return r.line()
        self.assertEqual("500 Only command allowed at this time is ABOR.", read_until_control())
        r.sock.sendall(b"ABOR\r\n")
        self.assertEqual("426 Connection closed; transfer aborted.", read_until_control())
        self.assertEqual("226 ABOR command successful.", r.line())
        data.close()

        with open(h.path("rest.bin"), "wb") as f:
            f.write(b"k" * 100 + b"x" * 500)
        self.assertEqual("350 Ready to resume transfer at 100 bytes.", r.cmd("REST 100"))
        data = socket.create_connection((LOCAL, r.pasv()), timeout=20)
        self.assertTrue(r.cmd("STOR rest.bin").startswith("150"))
        data.sendall(b"new")
        data.close()
        self.assertEqual('226 "/rest.bin" transferred successfully.', r.line())
        with open(h.path("rest.bin"), "rb") as f:
            self.assertEqual(b"k" * 100 + b"new", f.read())

        data = socket.create_connection((LOCAL, r.pasv()), timeout=20)
        self.assertTrue(r.cmd("list").startswith("150"))
        listing = b""
        while True:
            chunk = data.recv(65536)
            if not chunk:
                break
            listing += chunk
        data.close()
        self.assertEqual("226 LIST command successful.", r.line())
        self.assertIn(b"---------- 1 ftp ftp        103 ", listing)
        r.cmd("QUIT")
        r.close()

    def test_data_connections_only_with_the_peer(self):
        h = self.host
        r = Raw(h.port)
        r.login()
        self.assertEqual("501 Syntax error in parameters or arguments.", r.cmd("PORT 127,0,0,2,4,1"))
        self.assertEqual("200 PORT command successful.", r.cmd("PORT 127,0,0,1,4,1"))
        # A stranger at the passive port is turned away; the peer still gets in.
        port = r.pasv()
        stranger = socket.create_connection((LOCAL, port), timeout=20, source_address=("127.0.0.2", 0))
        r.sock.sendall(b"NLST\r\n")
        time.sleep(0.5)
        peer = socket.create_connection((LOCAL, port), timeout=20)
        self.assertTrue(r.line().startswith("150"))
        stranger.settimeout(5)
        self.assertEqual(b"", stranger.recv(100))
        peer.recv(65536)
        peer.close()
        self.assertEqual("226 NLST command successful.", r.line())
        r.cmd("QUIT")

    def test_dangerous_names_are_refused(self):
        h = self.host
        with open(os.path.join(h.root, "outside.txt"), "wb") as f:
            f.write(b"secret")
        r = Raw(h.port)
        r.login()
        for path in ("con", "nul.txt", "COM1.log", "a.txt:stream", "dots.", "blank ", "...", "lpt9"):
            self.assertEqual('550 "/%s": Unable to open file.' % path, r.cmd("RETR " + path))
            self.assertEqual('550 "/%s": Unable to create directory.' % path, r.cmd("MKD " + path))
        self.assertEqual('550 "/outside.txt": Unable to open file.', r.cmd("RETR ../outside.txt"))
        self.assertEqual('250 "/" is now current directory.', r.cmd("CWD ../../.."))
        self.assertEqual('257 "/" is current directory.', r.cmd("PWD"))
        self.assertEqual('550 "/nul": Path not found.', r.cmd("CWD nul"))
        self.assertEqual([], [n for n in os.listdir(h.share) if n.lower().startswith(("con", "nul", "com1", "lpt9", "dots", "blank"))])
        r.cmd("QUIT")


class SwitchesTest(unittest.TestCase):
    def test_share_options_gate_the_program_commands(self):
        # Notes on, schedules off, ordinary clients off.
        h = Host("switches=s")
        try:
            r = Raw(h.port)
            r.line(), r.line(), r.line()
            self.assertEqual("550 Sync permission denied.", r.cmd("USER sync300"))
            self.assertEqual("550 FTP Connection permission denied.", r.cmd("USER zorel"))
            r.cmd("USER transfer")
            r.cmd("ENCPASS " + h.encpass)
            self.assertEqual('550 "ZOREL_SCHEDULE": Write permission denied.', r.cmd("STORSYNC ZOREL_SCHEDULE"))
            self.assertEqual('550 "IPHONE_SCHEDULE": Read permission denied.', r.cmd("RETRSYNC IPHONE_SCHEDULE"))
            self.assertEqual('550 "/": List permission denied.', r.cmd("STAT"))
            r.cmd("QUIT")
        finally:
            h.close()

    def test_waiting_connections_are_capped(self):
        h = Host("maxpending=3", "commandtimeout=20")
        try:
            waiting = [Raw(h.port) for _ in range(3)]
            for r in waiting:
                r.line(), r.line(), r.line()
            extra = Raw(h.port)
            self.assertTrue(extra.line().startswith("421 "))
            self.assertTrue(extra.closed())
            self.assertEqual('230 User "zorel" logged in.', waiting[0].login(greeting=False))
            late = Raw(h.port)
            self.assertEqual("220 Proceed with login.", (late.line(), late.line(), late.line())[2])
            for r in waiting + [late]:
                r.close()
        finally:
            h.close()

    def test_stop_with_connections_open(self):
        h = Host("commandtimeout=60")
        try:
            for _ in range(5):
                logged = Raw(h.port)
                logged.login()
                silent = Raw(h.port)
                silent.line()
                h.send("stop")
                h.expect("stopped")
                self.assertTrue(logged.closed())
                self.assertTrue(silent.closed())
                logged.close()
                silent.close()
                h.send("start")
                h.port = int(h.expect("port ").split()[1])
            h.send("stop")
            h.expect("stopped")
            for _ in range(100):
                h.send("live")
                if h.expect("live ") == "live 0":
                    break
                time.sleep(0.1)
            else:
                self.fail("a server object outlived its connections")
            h.send("start")
            h.port = int(h.expect("port ").split()[1])
        finally:
            h.close()


if __name__ == "__main__":
    HOST_EXE = sys.argv.pop(1)
    unittest.main(verbosity=2, warnings="ignore")
