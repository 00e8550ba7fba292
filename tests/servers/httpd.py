#!/usr/bin/env python3
"""Local HTTP test server on 127.0.0.1 for the tests.

Serves tests/pages/ as files, plus generated routes for the download and runtime tests, over
http and over https on two more ports: one with the self-signed certificate tls-cert.pem, which
no client trusts (it is there to give certificate errors), one with tls-trusted-cert.pem, which a
test may add to the machine's trusted roots.
It always stops by itself when its lifetime is over, so no test run can leave it behind.

  httpd.py --daemon --port-file F [--lifetime S]   detach, listen, write the port to F
                                                   (lines: port, process id, https port, trusted https port)
  httpd.py --stop --port-file F                    stop the server whose port is in F
  httpd.py --port P                                run in the foreground (for a person)
  --files DIR                                      also serve the files of DIR under /files/

Routes (query parameters apply to every route that sends a body):
  /pages/<file>        a file of tests/pages/
  /bytes/<n>           n deterministic bytes (byte i is (i * 131 + i // 65536) & 255)
  /bytes/<n>[;k=v...]/<name>  the same bytes under a file name of the client's choice; the
                       ;k=v path parameters act as query parameters (for clients that derive a
                       file name from the whole address, where a query would end up in the name)
  /files/<file>        a file of the --files folder (sent with sendfile when nothing interferes)
  ?throttle=B          at most B bytes per second per connection
  ?norange=1           ignore Range and always send the whole body
  ?nolength=1          no Content-Length (body ends when the connection closes)
  ?chunked=1           chunked transfer encoding
  ?drop=N              close the connection after N body bytes (first request of a path only,
                       or every request with dropall=1)
  ?reset=1             with drop: end the connection with a reset instead of an orderly close
  ?nolast=1            with chunked: close after the last data chunk, without the final chunk
  ?stall=N             send N body bytes, then nothing more while holding the connection open
                       (every request; until the client closes it, 120 s at most)
  ?busy=C&retryafter=V the first request of a path answers C (503, 429) with Retry-After: V;
                       V "date+S" sends the HTTP date S seconds from now
  ?interim=N           N "100 Continue" interim answers before the answer; "forever": an
                       endless stream of them (120 s at most)
  ?etag=NAME           ETag "NAME-<generation>" and a fixed Last-Modified; If-Range that does not
                       match gets the whole body (200); /etag/NAME/bump makes a new generation
  ?status=C            answer status C with a short body
  ?redirect=N          redirect N times before answering (?redirect=loop never stops)
  ?attachment=NAME     Content-Disposition: attachment; filename="NAME"
  ?auth=user:pass      require HTTP basic authentication (401 otherwise)
  ?type=MIME           Content-Type
  /log                 the request log (method, path, Range header), one line per request;
                       /log?times=1 starts each line with the server's monotonic seconds
  /log/clear           empties the log
"""
import argparse
import base64
import email.utils
import os
import re
import select
import signal
import socket
import ssl
import struct
import sys
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PAGES = os.path.join(ROOT, "pages")
LOG = []
LOG_LOCK = threading.Lock()
DROPPED = set()
BUSY = set()
ETAGS = {}  # etag name -> generation
TIMES = []  # monotonic time of each LOG line
MAX_LOG = 10000
FILES = None  # folder served under /files/, from --files

# The pattern repeats every 64 KiB up to a constant added per 64 KiB block, so each block is a
# slice of one base block with a translation table applied: fast enough for large bodies.
_BASE = bytes((i * 131) & 255 for i in range(65536))
_SHIFT = [bytes((b + q) & 255 for b in range(256)) for q in range(256)]


def pattern_bytes(start, end):
    """Bytes start..end-1 of the deterministic pattern of /bytes/<n>."""
    out = bytearray()
    i = start
    while i < end:
        off = i & 0xFFFF
        n = min(end - i, 65536 - off)
        out += _BASE[off:off + n].translate(_SHIFT[(i >> 16) & 255])
        i += n
    return bytes(out)


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "tavlo-test/1"

    def log_message(self, *args):
        pass

    def do_HEAD(self):
        self.handle_request(head=True)

    def do_GET(self):
        self.handle_request(head=False)

    def do_POST(self):
        length = int(self.headers.get("Content-Length") or 0)
        self.rfile.read(min(length, 1 << 20))
        self.handle_request(head=False)

    def handle_request(self, head):
        url = urllib.parse.urlsplit(self.path)
        q = {k: v[-1] for k, v in urllib.parse.parse_qs(url.query).items()}
        with LOG_LOCK:
            if len(LOG) < MAX_LOG:
                LOG.append("%s %s %s" % (self.command, self.path, self.headers.get("Range", "-")))
                TIMES.append(time.monotonic())
        if url.path == "/log":
            with LOG_LOCK:
                lines = LOG if "times" not in q else ["%.3f %s" % x for x in zip(TIMES, LOG)]
                return self.send_body(200, ("\n".join(lines) + "\n").encode(), "text/plain", {}, head)
        if url.path == "/log/clear":
            with LOG_LOCK:
                LOG.clear()
                TIMES.clear()
            return self.send_body(200, b"ok\n", "text/plain", {}, head)
        m = re.fullmatch(r"/etag/([\w.-]+)/bump", url.path)
        if m:
            with LOG_LOCK:
                ETAGS[m.group(1)] = ETAGS.get(m.group(1), 0) + 1
            return self.send_body(200, b"ok\n", "text/plain", {}, head)
        if "busy" in q:
            with LOG_LOCK:
                first = self.path not in BUSY
                BUSY.add(self.path)
            if first:
                after = q.get("retryafter", "1")
                if after.startswith("date+"):
                    after = email.utils.formatdate(time.time() + float(after[5:]), usegmt=True)
                return self.send_body(int(q["busy"]), b"busy\n", "text/plain", {"Retry-After": after}, head)
        if "interim" in q:
            if q["interim"] == "forever":
                return self.send_interim_forever()
            self.wfile.write(b"HTTP/1.1 100 Continue\r\n\r\n" * int(q["interim"]))
        if "auth" in q:
            expected = "Basic " + base64.b64encode(q["auth"].encode()).decode()
            if self.headers.get("Authorization") != expected:
                return self.send_body(401, b"<html><title>401</title>denied</html>", "text/html",
                                      {"WWW-Authenticate": 'Basic realm="tavlo-test"'}, head)
        if "redirect" in q:
            n = q["redirect"]
            if n == "loop" or int(n) > 0:
                rest = dict(q)
                if n != "loop":
                    rest["redirect"] = str(int(n) - 1)
                loc = url.path + "?" + urllib.parse.urlencode(rest)
                return self.send_body(302, b"", "text/plain", {"Location": loc}, head)
        if "status" in q:
            code = int(q["status"])
            return self.send_body(code, ("status %d\n" % code).encode(), "text/plain", {}, head)
        m = re.fullmatch(r"/bytes/(\d+)", url.path)
        if m:
            return self.send_generated(int(m.group(1)), q, head)
        m = re.fullmatch(r"/bytes/(\d+)((?:;[a-z]+=[^;/]*)*)/[^/]+", url.path)
        if m:
            for part in m.group(2).split(";")[1:]:
                k, v = part.split("=", 1)
                q[k] = urllib.parse.unquote(v)
            return self.send_generated(int(m.group(1)), q, head)
        if url.path.startswith("/files/") and FILES:
            rel = urllib.parse.unquote(url.path[len("/files/"):])
            full = os.path.realpath(os.path.join(FILES, rel))
            if not full.startswith(os.path.realpath(FILES) + os.sep) or not os.path.isfile(full):
                return self.send_body(404, b"not found\n", "text/plain", {}, head)
            with open(full, "rb") as f:
                fd = f.fileno()
                return self.send_generated(os.fstat(fd).st_size, q, head,
                                           lambda a, b: os.pread(fd, b - a, a), None, f)
        if url.path.startswith("/pages/"):
            rel = urllib.parse.unquote(url.path[len("/pages/"):])
            full = os.path.realpath(os.path.join(PAGES, rel))
            if not full.startswith(os.path.realpath(PAGES) + os.sep) or not os.path.isfile(full):
                return self.send_body(404, b"not found\n", "text/plain", {}, head)
            with open(full, "rb") as f:
                data = f.read()
            return self.send_data(data, q, head, guess_type(full))
        return self.send_body(404, b"not found\n", "text/plain", {}, head)

    def send_body(self, code, body, ctype, headers, head):
        self.send_response(code)
        self.send_header("Content-Type", ctype)
        self.send_header("Content-Length", str(len(body)))
        for k, v in headers.items():
            self.send_header(k, v)
        self.end_headers()
        if not head:
            self.wfile.write(body)

    def send_interim_forever(self):
        t0 = time.monotonic()
        try:
            while time.monotonic() - t0 < 120:
                self.wfile.write(b"HTTP/1.1 100 Continue\r\n\r\n" * 64)
                self.wfile.flush()
                time.sleep(0.001)
        except (BrokenPipeError, ConnectionResetError):
            pass
        self.close_connection = True

    def hold_until_closed(self):
        """Sends nothing more; returns once the client has closed (or after 120 s)."""
        self.close_connection = True
        t0 = time.monotonic()
        while time.monotonic() - t0 < 120:
            readable, _, _ = select.select([self.connection], [], [], 0.2)
            if readable:
                try:
                    if not self.connection.recv(4096):
                        return
                except OSError:
                    return

    def send_data(self, data, q, head, ctype):
        self.send_generated(len(data), q, head, lambda a, b: data[a:b], ctype)

    def send_generated(self, size, q, head, source=pattern_bytes, ctype=None, fileobj=None):
        ctype = q.get("type", ctype or "application/octet-stream")
        start, end, code = 0, size, 200
        rng = self.headers.get("Range")
        headers = {}
        if "etag" in q:
            with LOG_LOCK:
                etag = '"%s-%d"' % (q["etag"], ETAGS.get(q["etag"], 0))
            headers["ETag"] = etag
            headers["Last-Modified"] = "Mon, 07 Dec 2026 10:00:00 GMT"
            if_range = self.headers.get("If-Range")
            if if_range is not None and if_range.strip() != etag:
                rng = None  # the resource changed: the whole of it
        if "norange" not in q:
            headers["Accept-Ranges"] = "bytes"
            if rng:
                m = re.fullmatch(r"bytes=(\d*)-(\d*)", rng.strip())
                if m and (m.group(1) or m.group(2)):
                    if m.group(1):
                        start = int(m.group(1))
                        end = min(size, int(m.group(2)) + 1) if m.group(2) else size
                    else:
                        start = max(0, size - int(m.group(2)))
                    if start >= size or start >= end:
                        return self.send_body(416, b"", "text/plain",
                                              {"Content-Range": "bytes */%d" % size}, head)
                    code = 206
                    headers["Content-Range"] = "bytes %d-%d/%d" % (start, end - 1, size)
        if "attachment" in q:
            headers["Content-Disposition"] = 'attachment; filename="%s"' % q["attachment"]
        self.send_response(code)
        self.send_header("Content-Type", ctype)
        chunked = "chunked" in q
        nolength = "nolength" in q
        if chunked:
            self.send_header("Transfer-Encoding", "chunked")
        elif nolength:
            self.send_header("Connection", "close")
            self.close_connection = True
        else:
            self.send_header("Content-Length", str(end - start))
        for k, v in headers.items():
            self.send_header(k, v)
        self.end_headers()
        if head:
            return
        throttle = int(q.get("throttle", 0))
        drop = int(q["drop"]) if "drop" in q else None
        stall = int(q["stall"]) if "stall" in q else None
        key = url_key(self.path)
        if drop is not None and "dropall" not in q:
            with LOG_LOCK:
                if key in DROPPED:
                    drop = None
                else:
                    DROPPED.add(key)
        if fileobj is not None and not throttle and drop is None and stall is None and not chunked:
            try:  # zero-copy: the server must not be what a benchmark measures
                self.connection.sendfile(fileobj, start, end - start)
            except (BrokenPipeError, ConnectionResetError):
                self.close_connection = True
            return
        sent, pos, t0 = 0, start, time.monotonic()
        block = 256 * 1024 if not throttle else max(1024, min(64 * 1024, throttle // 10))
        try:
            while pos < end:
                n = min(block, end - pos)
                if drop is not None and sent + n > drop:
                    n = drop - sent
                if stall is not None and sent + n > stall:
                    n = stall - sent
                chunk = source(pos, pos + n)
                if chunked:
                    self.wfile.write(b"%x\r\n" % len(chunk) + chunk + b"\r\n")
                else:
                    self.wfile.write(chunk)
                pos += n
                sent += n
                if stall is not None and sent >= stall:
                    return self.hold_until_closed()
                if drop is not None and sent >= drop:
                    self.close_connection = True
                    self.wfile.flush()
                    if "reset" in q:  # linger 0: close sends RST instead of FIN
                        self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER,
                                                   struct.pack("ii", 1, 0))
                        # The streams hold the socket open: close them too, so it closes now.
                        self.rfile.close()
                        self.wfile.close()
                        self.connection.close()
                        return
                    self.connection.shutdown(socket.SHUT_RDWR)
                    return
                if throttle:
                    ahead = sent / throttle - (time.monotonic() - t0)
                    if ahead > 0:
                        time.sleep(ahead)
            if chunked and "nolast" not in q:
                self.wfile.write(b"0\r\n\r\n")
            elif chunked:
                self.close_connection = True
        except (BrokenPipeError, ConnectionResetError):
            self.close_connection = True


def url_key(path):
    return path


def guess_type(path):
    ext = os.path.splitext(path)[1].lower()
    return {".html": "text/html; charset=utf-8", ".htm": "text/html; charset=utf-8",
            ".js": "application/javascript", ".ico": "image/x-icon", ".png": "image/png",
            ".txt": "text/plain; charset=utf-8", ".css": "text/css"}.get(ext, "application/octet-stream")


class Server(ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = True
    request_queue_size = 64


def tls_server(name):
    here = os.path.dirname(os.path.abspath(__file__))
    ctx = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    ctx.load_cert_chain(os.path.join(here, name + "-cert.pem"), os.path.join(here, name + "-key.pem"))
    server = Server(("127.0.0.1", 0), Handler, bind_and_activate=False)
    server.socket = ctx.wrap_socket(server.socket, server_side=True)
    server.server_bind()
    server.server_activate()
    return server


def serve(port, port_file, lifetime):
    server = Server(("127.0.0.1", port), Handler)
    secure = [tls_server("tls"), tls_server("tls-trusted")]
    for s in secure:
        threading.Thread(target=s.serve_forever, kwargs={"poll_interval": 0.2}, daemon=True).start()
    if port_file:
        tmp = port_file + ".tmp"
        with open(tmp, "w") as f:
            f.write("%d\n%d\n%d\n%d\n" % (server.server_address[1], os.getpid(), secure[0].server_address[1],
                                          secure[1].server_address[1]))
        os.replace(tmp, port_file)

    def stop():
        for s in secure:
            s.shutdown()
        server.shutdown()
    timer = threading.Timer(lifetime, stop)
    timer.daemon = True
    timer.start()
    signal.signal(signal.SIGTERM, lambda *a: threading.Thread(target=stop).start())
    try:
        server.serve_forever(poll_interval=0.2)
    finally:
        if port_file and os.path.exists(port_file):
            os.remove(port_file)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--port", type=int, default=0)
    ap.add_argument("--port-file")
    ap.add_argument("--lifetime", type=float, default=1800)
    ap.add_argument("--daemon", action="store_true")
    ap.add_argument("--stop", action="store_true")
    ap.add_argument("--files")
    a = ap.parse_args()
    global FILES
    FILES = os.path.abspath(a.files) if a.files else None
    if a.stop:
        try:
            pid = int(open(a.port_file).read().split()[1])
            os.kill(pid, signal.SIGTERM)
        except (OSError, IndexError, ValueError):
            pass
        return 0
    if a.daemon:
        if os.path.exists(a.port_file):
            os.remove(a.port_file)
        # Detach fully: ctest must not wait for our output pipes.
        if os.fork():
            for _ in range(100):
                if os.path.exists(a.port_file):
                    return 0
                time.sleep(0.05)
            return 1
        os.setsid()
        if os.fork():
            os._exit(0)
        devnull = os.open(os.devnull, os.O_RDWR)
        for fd in (0, 1, 2):
            os.dup2(devnull, fd)
    serve(a.port, a.port_file, a.lifetime)
    return 0


if __name__ == "__main__":
    sys.exit(main())
