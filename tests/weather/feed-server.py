#!/usr/bin/python3
"""A weather service on 127.0.0.1 for the download tests.

Serves the fixture feed at /forecastrss and appends each query, as
received, to the log file. The key w picks the reply: "exact" pads the
feed to the largest size applied, "over" to one byte more, "missing"
answers 404; any other value gets the fixture as it is.
Usage: feed-server.py PORT FIXTURE LOG
"""
import http.server
import sys
import urllib.parse

port, fixture, log = int(sys.argv[1]), sys.argv[2], sys.argv[3]
LIMIT = 20470


def padded(body, size):
    pad = size - len(body) - len(b"<!---->")
    return body + b"<!--" + b"x" * pad + b"-->"


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        url = urllib.parse.urlsplit(self.path)
        with open(log, "a") as f:
            f.write(url.query + "\n")
        if url.path != "/forecastrss":
            self.send_error(404)
            return
        w = urllib.parse.parse_qs(url.query).get("w", [""])[0]
        if w == "missing":
            self.send_error(404)
            return
        with open(fixture, "rb") as f:
            body = f.read()
        if w == "exact":
            body = padded(body, LIMIT)
        elif w == "over":
            body = padded(body, LIMIT + 1)
        self.send_response(200)
        self.send_header("Content-Type", "text/xml")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler).serve_forever()
