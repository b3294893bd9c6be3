#!/usr/bin/python3
"""A stand-in for the web-check service on 127.0.0.1.

POST /zorel/zorelcheck_250/  records the body and answers with the chosen
                             status and reply.
GET  /control?status=N&reply=NAME  chooses them (NAME a file of this folder).
GET  /last-body              the body of the last POST ("" before any).
GET  /count                  how many POSTs arrived.
GET  /pkg/NAME.zip            the folder NAME of this folder as a zip archive.
Replies have "{PORT}" replaced by the server's port.
"""
import http.server
import io
import os
import sys
import urllib.parse
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
state = {"status": 200, "reply": "result-ok.xml", "body": b"", "count": 0}


def fixture(name):
    if not name or "/" in name or "\\" in name or name.startswith("."):
        return None
    path = os.path.join(HERE, name)
    return path if os.path.isfile(path) else None


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def answer(self, status, data, kind="application/octet-stream"):
        self.send_response(status)
        self.send_header("Content-Type", kind)
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    def do_POST(self):
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length)
        if self.path != "/zorel/zorelcheck_250/":
            return self.answer(404, b"")
        state["body"] = body
        state["count"] += 1
        path = fixture(state["reply"])
        data = open(path, "rb").read() if path else b""
        data = data.replace(b"{PORT}", str(self.server.server_port).encode())
        self.answer(state["status"], data, "text/xml")

    def do_GET(self):
        url = urllib.parse.urlsplit(self.path)
        if url.path == "/control":
            query = urllib.parse.parse_qs(url.query)
            state["status"] = int(query.get("status", ["200"])[0])
            state["reply"] = query.get("reply", [""])[0]
            return self.answer(200, b"ok")
        if url.path == "/last-body":
            return self.answer(200, state["body"], "text/plain")
        if url.path == "/count":
            return self.answer(200, str(state["count"]).encode(), "text/plain")
        if url.path.startswith("/pkg/") and url.path.endswith(".zip"):
            name = url.path[len("/pkg/"):-len(".zip")]
            folder = os.path.join(HERE, name)
            if fixture(name) is None and name and "/" not in name and os.path.isdir(folder):
                buffer = io.BytesIO()
                with zipfile.ZipFile(buffer, "w") as archive:
                    for entry in sorted(os.listdir(folder)):
                        archive.write(os.path.join(folder, entry), entry)
                return self.answer(200, buffer.getvalue(), "application/zip")
        self.answer(404, b"")

    def log_message(self, *args):
        pass


if __name__ == "__main__":
    port = int(sys.argv[1])
    http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler).serve_forever()
