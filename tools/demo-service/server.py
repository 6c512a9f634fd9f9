#!/usr/bin/env python3
"""Demo proxy extraction service for running and testing the program locally.

    server.py PORT        listens on 127.0.0.1:PORT until killed

/tiqu.php answers the GBK page the program cuts its list from: some HTML, a
navigation heading ending in "主</h4>", the list heading ending in "主</h4>"
and then `sl` entries "a.b.c.d:port<br>", then closing tags.

Like the real service, it takes only what the program sends: a POST with an
empty body whose query ends in "&cf=4&tj=%CC%E1+%C8%A1" after dq, sl, dk and
xl. Anything else gets status 400 and a plain page "refused: REASON" (no
list marker), so a wrong request shows up as an empty list.

The entries are predictable. The query value dq is percent-decoded to its GBK
bytes; xl is taken as sent. With the 32-bit FNV-1a hash of dq + b"|" + xl as
the start state, each number is drawn as
    state = (state * 1103515245 + 12345) mod 2**32;  number = state >> 16
and each entry draws, in this order:
    first octet: 11 when a number is even, else 1 + (next number mod 223)
    then b = n mod 256, c = n mod 256, d = 1 + n mod 254 (one number each)
    port: the text of dk when dk is not empty, else
          PORTS[n mod 8] with PORTS = 80 8080 3128 8118 1080 8888 9999 53281
So about half the entries start with "11", xl changes the set, dk only the
ports, and a larger sl extends a smaller one. /expect with the same query
answers the entries as plain text, each followed by "\r\n".

Words recognised in dq (after percent-decoding) on /tiqu.php:
    slowNNNN   wait NNNN milliseconds, then answer as usual
    stall      never answer; the handler ends when the client goes away
    empty      the page with its marker but without entries
    nomarker   the page without any marker
    zero       a zero byte right after the third entry
    error      the usual page, but with status 500
    utf8       the usual page encoded as UTF-8 (the marker's bytes differ)
    page:TEXT  answers the bytes of TEXT (as sent, GBK) as the whole page,
               e.g. dq=page:主</h4>1.2.3.4:80<br> percent-encoded
    leadend    the usual page with a lone GBK lead byte as its last byte
    markeronly the page up to its list marker and nothing after it
    whitelist  what a paid service says to an address missing from the
               account's white-list: UTF-8 JSON {"code":113,"success":false,
               "msg":"请将<client address>设置为白名单！"}
    expired    ASCII JSON, its text written as \\uXXXX escapes:
               {"code":115,"success":false,
               "msg":"套餐已过期"}
    ratelimit  a GBK plain-text answer "提取太频繁，请稍后再试"
    forbidden  status 403 with a small HTML error page
    resetnow   the connection reset at once, before any answer
    elevenNN   NN per cent (0-100) of the entries start with "11" instead of
               about half: the first octet is 11 when a number mod 100 is
               below NN, else the next number mod 212 picks one of the
               octets 1-223 that do not begin with "11" (neither 11 nor
               110-119), in rising order; /expect follows the same rule
The word also seeds the entries like any other region.

Misbehaving answers, as a dq word on /tiqu.php (checked before the request
itself, as a broken server would not look at it) or as a path of their own:
    trickle   /trickle?ms=N     the headers, then one body byte every N ms
                                (default 100) for as long as the client stays
    loop      /loop?code=N      a redirect (302, or N) to the very same URL,
                                for ever
    reset     /reset            half the promised body, then a reset
    nothttp   /nothttp          bytes that are no HTTP answer, then close
    hugeheader /hugeheader?bytes=N  one header line of N bytes (default
                                100000) before the usual page
    /hops?n=N[&code=C]  a chain of N redirects (302, or C) ending in
                        "arrived METHOD BODY"
    /requests           how many requests (of any path but this one) arrived
                        so far

Paths for the web client's tests:
    /echo              the request exactly as received: request line, header
                       lines in order, blank line, body
    /stall             never answers; ends when the client goes away
    /slow?ms=N         answers "slow N" after N milliseconds
    /headers?bytes=N[&cookie=V]   about N bytes of X-Filler header lines,
                       followed by "Set-Cookie: V" (default big=1; path=/)
    /setcookie?c=V&c=W[&ms=N]  one "Set-Cookie: V" line per c, in order,
                       after N milliseconds
    /needcookie        "Cookie: " and the Cookie header received, or "(none)"
    /redirect?to=URL[&code=302]   a redirect to URL
    /status?code=N     answers "status N" with status N
    /utf8, /big5       a short Chinese page in UTF-8, in Big5 (traditional)
    /raw?t=BYTES       answers the percent-decoded bytes of t
    /zero              "abc", a zero byte, "def"
    /drip?pieces=N&ms=M   N pieces of 4096 "x" bytes, M milliseconds apart
    /big?sl=N          the /tiqu.php page with N entries (default 100000)
The usual page of a query with CACHED_ENTRIES entries or more (on /tiqu.php
and /big) is built once and then served from memory, so that a client
timing a large page measures the transfer, not the building of the page.
A request for an absolute URL (http://host/path, as sent to an HTTP proxy) is
served as a request for its path, so the service can act as a proxy in tests.
"""

import re
import select
import socket
import struct
import sys
import threading
import time
from collections import OrderedDict
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import unquote_to_bytes

PORTS = [80, 8080, 3128, 8118, 1080, 8888, 9999, 53281]
MAX_ENTRIES = 1000000
# The usual pages of queries this large are kept, the least recently used
# going first once they take more than CACHE_LIMIT_BYTES together.
CACHED_ENTRIES = 10000
CACHE_LIMIT_BYTES = 160 * 1000 * 1000
STALL_LIMIT_SECONDS = 120
DRIP_PIECE = 4096
# First octets of the entries that an elevenNN region does not make 11.
NOT_ELEVEN = [n for n in range(1, 224) if not str(n).startswith("11")]

UTF8_PAGE = "<p>中文测试页</p>".encode("utf-8")
BIG5_PAGE = "<p>繁體中文測試</p>".encode("big5")


def parse_query(query):
    """Query pairs as (name, value bytes), '+' read as a space, in order."""
    pairs = []
    for part in query.split("&"):
        if not part:
            continue
        name, _, value = part.partition("=")
        pairs.append((name, unquote_to_bytes(value.replace("+", " "))))
    return pairs


def first(pairs, name, default=b""):
    for key, value in pairs:
        if key == name:
            return value
    return default


def number(value, default):
    try:
        return int(value)
    except ValueError:
        return default


def fnv1a(data):
    h = 0x811C9DC5
    for byte in data:
        h = ((h ^ byte) * 0x01000193) & 0xFFFFFFFF
    return h


def eleven_share(dq):
    """The per cent of "11" entries an elevenNN region asks for, else None."""
    match = re.fullmatch(rb"eleven(\d{1,3})", dq)
    return min(int(match.group(1)), 100) if match else None


def entries(dq, xl, dk, count):
    """The predictable entries "a.b.c.d:port" for one query."""
    state = fnv1a(dq + b"|" + xl)
    share = eleven_share(dq)

    def draw():
        nonlocal state
        state = (state * 1103515245 + 12345) & 0xFFFFFFFF
        return state >> 16

    result = []
    for _ in range(min(count, MAX_ENTRIES)):
        if share is None:
            a = 11 if draw() % 2 == 0 else 1 + draw() % 223
        elif draw() % 100 < share:
            a = 11
        else:
            a = NOT_ELEVEN[draw() % len(NOT_ELEVEN)]
        b, c, d = draw() % 256, draw() % 256, 1 + draw() % 254
        port = dk if dk else str(PORTS[draw() % len(PORTS)]).encode()
        result.append(b"%d.%d.%d.%d:" % (a, b, c, d) + port)
    return result


class QueryEntries:
    """The entries of one query, drawn when first wanted; answer_page keeps
    the usual page of a big query."""

    def __init__(self, dq, xl, dk, count):
        self.key = (dq, xl, dk, max(0, min(count, MAX_ENTRIES)))
        self._items = None

    def items(self):
        if self._items is None:
            self._items = entries(*self.key)
        return self._items

    def __iter__(self):
        return iter(self.items())

    def __len__(self):
        return self.key[3]


_page_cache = OrderedDict()  # QueryEntries.key -> page, least recently used first
_page_cache_lock = threading.Lock()


def cached_page(key, build):
    """The page kept for key, built by build() when there is none."""
    with _page_cache_lock:
        page = _page_cache.get(key)
        if page is None:
            page = build()
            _page_cache[key] = page
            while len(_page_cache) > 1 and sum(map(len, _page_cache.values())) > CACHE_LIMIT_BYTES:
                _page_cache.popitem(last=False)
        _page_cache.move_to_end(key)
        return page


def answer_page(items, marker=True, zero_after=None, encoding="gbk"):
    usual = marker and zero_after is None and encoding == "gbk"
    if usual and isinstance(items, QueryEntries) and len(items) >= CACHED_ENTRIES:
        return cached_page(items.key, lambda: build_page(items, marker, zero_after, encoding))
    return build_page(items, marker, zero_after, encoding)


def build_page(items, marker, zero_after, encoding):
    end = " 主</h4>" if marker else "</h4>"
    head = ("<html>\n<head><meta http-equiv=\"Content-Type\" "
            "content=\"text/html; charset=gb2312\"><title>代理IP提取</title></head>\n"
            "<body>\n<div class=\"nav\"><h4>导航" + end + "<a href=\"/\">首页</a></div>\n"
            "<div class=\"list\"><h4>提取结果" + end).encode(encoding)
    body = []
    for i, item in enumerate(items):
        body.append(item + b"<br>")
        if zero_after is not None and i + 1 == zero_after:
            body.append(b"\0")
    tail = b"</div>\n</body>\n</html>\n"
    return head + b"".join(body) + tail


class Handler(BaseHTTPRequestHandler):
    server_version = "DemoTiqu/1.0"
    requests_seen = 0  # counted for /requests

    # Records the header lines exactly as they arrive, for /echo.
    def parse_request(self):
        real = self.rfile
        recorded = []

        class Recorder:
            def readline(self, limit=-1):
                line = real.readline(limit)
                recorded.append(line)
                return line

            def __getattr__(self, name):
                return getattr(real, name)

        self.rfile = Recorder()
        try:
            return super().parse_request()
        finally:
            self.rfile = real
            self.raw_headers = b"".join(recorded)

    def do_GET(self):
        self.dispatch()

    def do_POST(self):
        self.dispatch()

    def read_body(self):
        length = number(self.headers.get("Content-Length", "0"), 0)
        return self.rfile.read(length) if length > 0 else b""

    def send(self, status, body, headers=(), content_type="text/html"):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Connection", "close")
        self.end_headers()
        self.wfile.write(body)

    def wait_for_client_to_leave(self):
        sock = self.connection
        end = time.monotonic() + STALL_LIMIT_SECONDS
        while time.monotonic() < end:
            readable, _, _ = select.select([sock], [], [], 0.2)
            if not readable:
                continue
            try:
                if not sock.recv(4096):
                    return
            except OSError:
                return

    def dispatch(self):
        target = self.path
        if target.startswith("http://"):
            # Asked as a proxy: serve the path of the absolute URL.
            target = "/" + target[len("http://"):].partition("/")[2]
        path, _, query = target.partition("?")
        if path != "/requests":
            Handler.requests_seen += 1
        pairs = parse_query(query)
        body = self.read_body()
        route = {
            "/tiqu.php": self.tiqu, "/big": self.big, "/expect": self.expect,
            "/echo": self.echo, "/stall": self.stall, "/slow": self.slow,
            "/headers": self.headers_block, "/setcookie": self.setcookie,
            "/needcookie": self.needcookie, "/redirect": self.redirect,
            "/status": self.status, "/utf8": self.utf8, "/big5": self.big5,
            "/raw": self.raw, "/zero": self.zero, "/drip": self.drip,
        }.get(path) or self.hostile_route(path)
        if route is None:
            self.send(404, b"not found")
            return
        try:
            route(pairs, body)
        except (BrokenPipeError, ConnectionResetError, ConnectionAbortedError):
            pass

    def query_entries(self, pairs, default_count):
        dq = first(pairs, "dq")
        count = number(first(pairs, "sl", b"%d" % default_count), 0)
        return dq, QueryEntries(dq, first(pairs, "xl"), first(pairs, "dk"), count)

    def tiqu(self, pairs, body):
        dq, items = self.query_entries(pairs, 0)
        word = dq.decode("latin-1")
        hostile = self.hostile_route("/" + word)
        if hostile is not None:
            hostile(pairs, body)
            return
        reason = self.refusal(body)
        if reason:
            self.send(400, b"refused: " + reason.encode(), content_type="text/plain")
            return
        if word.startswith("slow"):
            time.sleep(number(word[4:], 0) / 1000.0)
        if word == "stall":
            self.wait_for_client_to_leave()
            return
        if word in self.FAILURES:
            self.FAILURES[word](self)
            return
        status = 500 if word == "error" else 200
        if dq.startswith(b"page:"):
            page = dq[len(b"page:"):]
        elif word == "empty":
            page = answer_page([])
        elif word == "nomarker":
            page = answer_page(items, marker=False)
        elif word == "zero":
            page = answer_page(items, zero_after=3)
        elif word == "utf8":
            page = answer_page(items, encoding="utf-8")
        elif word == "leadend":
            page = answer_page(items) + b"\xb1"
        else:
            page = answer_page(items)
        self.send(status, page, content_type="text/html; charset=gb2312")

    # --- how paid services say no --------------------------------------------

    def marker_only(self):
        page = answer_page([])
        page = page[: page.rindex("主</h4>".encode("gbk")) + len("主</h4>".encode("gbk"))]
        self.send(200, page, content_type="text/html; charset=gb2312")

    def white_list(self):
        message = '{"code":113,"success":false,"msg":"请将%s设置为白名单！"}' % self.client_address[0]
        self.send(200, message.encode("utf-8"), content_type="application/json; charset=utf-8")

    def expired(self):
        message = '{"code":115,"success":false,"msg":"%s"}' % "".join(
            "\\u%04x" % ord(c) for c in "套餐已过期")
        self.send(200, message.encode("ascii"), content_type="application/json")

    def rate_limit(self):
        self.send(200, "提取太频繁，请稍后再试".encode("gbk"), content_type="text/plain; charset=gbk")

    def forbidden(self):
        page = (b"<html>\r\n<head><title>403 Forbidden</title></head>\r\n<body>\r\n"
                b"<center><h1>403 Forbidden</h1></center>\r\n<hr><center>nginx</center>\r\n"
                b"</body>\r\n</html>\r\n")
        self.send(403, page)

    def reset_now(self):
        # SO_LINGER with a zero time-out: closing sends a reset.
        self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        self.connection.close()
        self.close_connection = True

    FAILURES = {
        "markeronly": marker_only, "whitelist": white_list, "expired": expired,
        "ratelimit": rate_limit, "forbidden": forbidden, "resetnow": reset_now,
    }

    # --- what the real service would refuse ---------------------------------

    TIQU_TAIL = "&cf=4&tj=%CC%E1+%C8%A1"
    TIQU_KEYS = ["dq", "sl", "dk", "xl", "cf", "tj"]

    def refusal(self, body):
        """Why the real service would not take this /tiqu.php request, or ''."""
        if self.command != "POST":
            return "method %s, not POST" % self.command
        if body or self.headers.get("Transfer-Encoding"):
            return "a body of %d bytes, not an empty one" % len(body)
        query = self.path.partition("?")[2]
        names = [part.partition("=")[0] for part in query.split("&")]
        if names != self.TIQU_KEYS:
            return "query keys %s, not %s" % (" ".join(names), " ".join(self.TIQU_KEYS))
        if not query.endswith(self.TIQU_TAIL):
            return "query tail not %s" % self.TIQU_TAIL
        if query.split("&")[3] not in ("xl=1", "xl=2", "xl=3"):
            return "xl not 1, 2 or 3"
        return ""

    # --- misbehaving answers -------------------------------------------------

    def hostile_route(self, path):
        return {
            "/trickle": self.trickle, "/loop": self.loop, "/reset": self.reset,
            "/nothttp": self.nothttp, "/hugeheader": self.hugeheader,
            "/hops": self.hops, "/requests": self.requests,
        }.get(path)

    def hops(self, pairs, body):
        left = number(first(pairs, "n", b"0"), 0)
        code = number(first(pairs, "code", b"302"), 302)
        if left <= 0:
            self.send(200, b"arrived " + self.command.encode() + b" " + body,
                      content_type="text/plain")
            return
        target = "/hops?n=%d&code=%d" % (left - 1, code)
        self.send(code, b"hop", headers=[("Location", target)], content_type="text/plain")

    def requests(self, _pairs, _body):
        self.send(200, b"%d" % Handler.requests_seen, content_type="text/plain")

    def trickle(self, pairs, _body):
        ms = number(first(pairs, "ms", b"100"), 100)
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=gb2312")
        self.send_header("Content-Length", "100000000")
        self.end_headers()
        self.wfile.flush()
        end = time.monotonic() + STALL_LIMIT_SECONDS
        while time.monotonic() < end:
            self.wfile.write(b"x")
            self.wfile.flush()
            time.sleep(ms / 1000.0)

    def loop(self, pairs, _body):
        code = number(first(pairs, "code", b"302"), 302)
        self.send(code, b"again", headers=[("Location", self.path)], content_type="text/plain")

    def reset(self, _pairs, _body):
        page = answer_page(entries(b"reset", b"2", b"", 50))
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=gb2312")
        self.send_header("Content-Length", str(len(page)))
        self.end_headers()
        self.wfile.write(page[: len(page) // 2])
        self.wfile.flush()
        # SO_LINGER with a zero time-out: closing sends a reset.
        self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
        self.connection.close()
        self.close_connection = True

    def nothttp(self, _pairs, _body):
        self.wfile.write(b"SSH-2.0-NotAWebServer\r\n\x00\x01\x02 garbage " * 20)
        self.wfile.flush()
        self.close_connection = True

    def hugeheader(self, pairs, _body):
        size = number(first(pairs, "bytes", b"100000"), 100000)
        page = answer_page(entries(b"hugeheader", b"2", b"", 10))
        self.send(200, page, headers=[("X-Huge", "h" * size)],
                  content_type="text/html; charset=gb2312")

    def big(self, pairs, _body):
        _, items = self.query_entries(pairs, 100000)
        self.send(200, answer_page(items), content_type="text/html; charset=gb2312")

    def expect(self, pairs, _body):
        _, items = self.query_entries(pairs, 0)
        self.send(200, b"".join(i + b"\r\n" for i in items), content_type="text/plain")

    def echo(self, _pairs, body):
        self.send(200, self.raw_requestline + self.raw_headers + body,
                  content_type="application/octet-stream")

    def stall(self, _pairs, _body):
        self.wait_for_client_to_leave()

    def slow(self, pairs, _body):
        ms = number(first(pairs, "ms", b"0"), 0)
        time.sleep(ms / 1000.0)
        self.send(200, b"slow %d" % ms, content_type="text/plain")

    def headers_block(self, pairs, _body):
        wanted = number(first(pairs, "bytes", b"0"), 0)
        cookie = first(pairs, "cookie", b"big=1; path=/").decode("latin-1")
        lines, size, i = [], 0, 0
        while size < wanted:
            value = "%04d-" % i + "x" * 90
            lines.append(("X-Filler-%d" % i, value))
            size += len("X-Filler-%d: " % i) + len(value) + 2
            i += 1
        lines.append(("Set-Cookie", cookie))
        self.send(200, b"headers %d" % size, headers=lines, content_type="text/plain")

    def setcookie(self, pairs, _body):
        time.sleep(number(first(pairs, "ms", b"0"), 0) / 1000.0)
        lines = [("Set-Cookie", v.decode("latin-1")) for k, v in pairs if k == "c"]
        self.send(200, b"ok", headers=lines, content_type="text/plain")

    def needcookie(self, _pairs, _body):
        cookie = self.headers.get("Cookie")
        text = b"(none)" if cookie is None else b"Cookie: " + cookie.encode("latin-1")
        self.send(200, text, content_type="text/plain")

    def redirect(self, pairs, _body):
        target = first(pairs, "to").decode("latin-1")
        code = number(first(pairs, "code", b"302"), 302)
        self.send(code, b"redirect to " + target.encode("latin-1"),
                  headers=[("Location", target)], content_type="text/plain")

    def status(self, pairs, _body):
        code = number(first(pairs, "code", b"200"), 200)
        self.send(code, b"status %d" % code, content_type="text/plain")

    def utf8(self, _pairs, _body):
        self.send(200, UTF8_PAGE, content_type="text/html; charset=utf-8")

    def big5(self, _pairs, _body):
        self.send(200, BIG5_PAGE, content_type="text/html; charset=big5")

    def raw(self, pairs, _body):
        self.send(200, first(pairs, "t"), content_type="application/octet-stream")

    def drip(self, pairs, _body):
        pieces = number(first(pairs, "pieces", b"10"), 10)
        ms = number(first(pairs, "ms", b"100"), 100)
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(pieces * DRIP_PIECE))
        self.end_headers()
        for _ in range(pieces):
            self.wfile.write(b"x" * DRIP_PIECE)
            self.wfile.flush()
            time.sleep(ms / 1000.0)

    def zero(self, _pairs, _body):
        self.send(200, b"abc\0def", content_type="application/octet-stream")


class Server(ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = True
    request_queue_size = 64


def main():
    if len(sys.argv) != 2:
        sys.stderr.write("usage: server.py PORT\n")
        return 2
    server = Server(("127.0.0.1", int(sys.argv[1])), Handler)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
