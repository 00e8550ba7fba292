#!/usr/bin/env python3
"""The demo portal for scripts/run, on 127.0.0.1 only.

  /index.php/PC/            the start page (index.html)
  /cse/search?s=&entry=&q=  a search result page showing the words
  /files/<N>/<name>         a generated demo file of N bytes (Range supported); the size is a
                            path element because the client names the file after everything
                            that follows the last slash, a query included. Each connection
                            gets at most --rate bytes a second, so that a person can watch a
                            download, pause and resume it
  /static/favicon.ico       the icon

It stops by itself after --lifetime seconds.
"""
import argparse
import html
import os
import re
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

HERE = os.path.dirname(os.path.abspath(__file__))
MAX_FILE = 1 << 30
RATE = float(1 << 20)


def demo_bytes(start, end):
    block = bytes((i * 7 + 3) & 255 for i in range(256))
    out = bytearray()
    pos = start
    while pos < end:
        k = pos % 256
        take = min(256 - k, end - pos)
        out += block[k:k + take]
        pos += take
    return bytes(out)


def favicon():
    # A 16x16 32-bit icon, one colour: enough for the page's icon list.
    w = h = 16
    pixels = b"\x99\xcc\x33\xff" * (w * h)
    mask = b"\x00" * (4 * h)
    bmp = (40).to_bytes(4, "little") + w.to_bytes(4, "little") + (2 * h).to_bytes(4, "little") + \
        (1).to_bytes(2, "little") + (32).to_bytes(2, "little") + bytes(24)
    image = bmp + pixels + mask
    entry = bytes([w, h, 0, 0]) + (1).to_bytes(2, "little") + (32).to_bytes(2, "little") + \
        len(image).to_bytes(4, "little") + (22).to_bytes(4, "little")
    return b"\x00\x00\x01\x00\x01\x00" + entry + image


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def reply(self, code, body, ctype, extra=None):
        self.send_response(code)
        self.send_header("Content-Type", ctype)
        self.send_header("Content-Length", str(len(body)))
        for k, v in (extra or {}).items():
            self.send_header(k, v)
        self.end_headers()
        if self.command != "HEAD":
            self.wfile.write(body)

    def do_HEAD(self):
        self.do_GET()

    def do_GET(self):
        url = urllib.parse.urlsplit(self.path)
        q = {k: v[-1] for k, v in urllib.parse.parse_qs(url.query).items()}
        if url.path in ("/index.php/PC/", "/index.php/PC", "/"):
            with open(os.path.join(HERE, "index.html"), "rb") as f:
                return self.reply(200, f.read(), "text/html; charset=utf-8")
        if url.path == "/cse/search":
            with open(os.path.join(HERE, "search.html"), encoding="utf-8") as f:
                page = f.read().replace("{{QUERY}}", html.escape(q.get("q", ""))) \
                    .replace("{{SITE}}", html.escape(q.get("s", "")))
            return self.reply(200, page.encode(), "text/html; charset=utf-8")
        if url.path == "/static/favicon.ico":
            return self.reply(200, favicon(), "image/x-icon")
        m = re.fullmatch(r"/files/(\d+)/[^/]+", url.path)
        if m:
            return self.send_file(int(m.group(1)))
        return self.reply(404, b"not found\n", "text/plain")

    def send_file(self, size):
        size = max(0, min(size, MAX_FILE))
        start, end, code, extra = 0, size, 200, {"Accept-Ranges": "bytes"}
        m = re.fullmatch(r"bytes=(\d+)-(\d*)", (self.headers.get("Range") or "").strip())
        if m:
            start = int(m.group(1))
            end = min(size, int(m.group(2)) + 1) if m.group(2) else size
            if start >= end:
                return self.reply(416, b"", "text/plain", {"Content-Range": "bytes */%d" % size})
            code = 206
            extra["Content-Range"] = "bytes %d-%d/%d" % (start, end - 1, size)
        self.send_response(code)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(end - start))
        for k, v in extra.items():
            self.send_header(k, v)
        self.end_headers()
        if self.command == "HEAD":
            return
        pos = start
        began = time.monotonic()
        try:
            while pos < end:
                n = min(1 << 16, end - pos)
                self.wfile.write(demo_bytes(pos, pos + n))
                pos += n
                ahead = (pos - start) / RATE - (time.monotonic() - began)
                if ahead > 0:
                    time.sleep(ahead)
        except (BrokenPipeError, ConnectionResetError):
            pass


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--port", type=int, default=8088)
    ap.add_argument("--lifetime", type=float, default=4 * 3600)
    ap.add_argument("--rate", type=float, default=1 << 20, help="bytes per second per connection")
    a = ap.parse_args()
    global RATE
    RATE = max(1.0, a.rate)
    server = ThreadingHTTPServer(("127.0.0.1", a.port), Handler)
    server.daemon_threads = True
    threading.Timer(a.lifetime, server.shutdown).start()
    server.serve_forever(poll_interval=0.5)


if __name__ == "__main__":
    main()
