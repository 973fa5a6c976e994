#!/usr/bin/python3
"""A local stand-in for the plain-text news service, for tests and demos.

It answers GET requests the way the public service does: the request path
selects the articles ("/keyword", "/category=name", "/keyword,category=name",
or "/" for the top news; "+" in the keyword stands for a blank), the first
label of the Host header selects the country ("us.localhost:8642" asks for the
news of "us"), and the answer is a listing drawn with box-drawing characters
and ANSI colour codes, LF line ends, ready for `ansifilter -c`.

The articles come from tools/news_data/articles.json. Failure modes (refusal,
slow or hanging answers, endless bodies, resets, ...) are chosen with --mode.

Only the Python standard library is used. Examples:

    /usr/bin/python3 tools/news_service.py                 # port 8642, the build's default host
    /usr/bin/python3 tools/news_service.py --port 0 --port-file /tmp/news.port --log /tmp/news.jsonl
    /usr/bin/python3 tools/news_service.py --port 0 --port-file /tmp/news.port --mode refuse
    curl -s --globoff http://us.localhost:8642/mars+rover,category=science | ansifilter -c

Stop it with SIGTERM or Ctrl+C.
"""

import argparse
import datetime
import ipaddress
import json
import os
import random
import signal
import socket
import struct
import sys
import tempfile
import threading
import unicodedata
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import unquote_plus

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_DATA = os.path.join(HERE, "news_data", "articles.json")
DEFAULT_PORT = 8642  # the port the program's default news host names

MODES = (
    "normal",         # the matching articles
    "empty-listing",  # header and footer, no articles box at all
    "refuse",         # the refusal text in the first box, then the articles
    "slow",           # a normal answer after --delay seconds
    "hang",           # read the request and never answer
    "huge",           # a listing of --size bytes without Content-Length
    "invalid-utf8",   # articles with invalid UTF-8 byte sequences
    "reset",          # reset the connection once the request is read
    "http-error",     # --status (default 500) with the --body kind (default a short text)
    "fixture",        # the raw bytes of --fixture
    "error-page",     # the service's own error page (a box without header)
    "refuse-after",   # --after normal answers, then the refusal for every later request
    "binary",         # --size random bytes (--seed), NUL and ESC among them
    "long-line",      # a listing whose only article is one line of --size bytes
    "many-articles",  # a listing of --count one-line articles
    "borders-only",   # header, border lines and footer, no article row in between
    "html-error",     # a web server's HTML error page, sent with --status (default 200)
    "trickle",        # a normal answer, one line every --delay seconds
)

# The kinds of body mode http-error sends with its status.
HTTP_ERROR_BODIES = ("none", "text", "html")

CATEGORIES = ("business", "entertainment", "general", "health", "science", "sports", "technology")

# ---------------------------------------------------------------------------
# Layout
# ---------------------------------------------------------------------------

INNER_WIDTH = 78  # columns between the two borders
TEXT_WIDTH = 76   # columns of text in an article row ("│ " text " │")

NO_ARTICLES_TEXT = "No articles found on this topic."
REFUSAL_TEXT = "You have made too many requests recently. Please try again later."
ERROR_TEXT = "An error occurred on our end. Please try again later."
FOOTER_CREDIT = "Powered by the News API (https://newsapi.org)."
FOOTER_HANDLE = "@newsdeskhq"
FOOTER_REPOSITORY = "https://github.com/newsdeskhq/news.example"
ELLIPSIS = "\u2026"


class Style:
    """The SGR sequences of the listing, or nothing at all (nocolor)."""

    def __init__(self, colour=True):
        def sgr(code):
            return "\x1b[%dm" % code if colour else ""

        self.grey, self.red, self.green, self.blue, self.cyan = sgr(90), sgr(31), sgr(32), sgr(34), sgr(36)
        self.default_colour = sgr(39)
        self.bold, self.normal = sgr(1), sgr(22)
        self.underline, self.no_underline = sgr(4), sgr(24)


def char_width(ch):
    """Terminal columns of one character: wide East Asian characters and
    emoji take two, combining marks and format characters none."""
    if unicodedata.combining(ch) or unicodedata.category(ch) in ("Mn", "Me", "Cf"):
        return 0
    if unicodedata.east_asian_width(ch) in ("W", "F"):
        return 2
    return 1


def text_width(text):
    return sum(char_width(ch) for ch in text)


def cut_to_width(text, width):
    """The longest start of text that fits into width columns."""
    used = 0
    for i, ch in enumerate(text):
        w = char_width(ch)
        if used + w > width:
            return text[:i]
        used += w
    return text


def is_hangul(ch):
    code = ord(ch)
    return (0xAC00 <= code <= 0xD7FF or 0x1100 <= code <= 0x11FF or 0x3130 <= code <= 0x318F
            or 0xA960 <= code <= 0xA97F)


def breakable_pieces(word):
    """Splits a word where a line may break inside it: before and after every
    wide character (ideographs, kana, emoji), never inside a run of narrow
    ones. Korean breaks between words only, so hangul counts as a run too.
    Zero-width characters stay with the character before them."""
    pieces = []
    run = ""
    for ch in word:
        w = char_width(ch)
        if w == 0:
            if run:
                run += ch
            elif pieces:
                pieces[-1] += ch
            else:
                run = ch
        elif w == 2 and not is_hangul(ch):
            if run:
                pieces.append(run)
                run = ""
            pieces.append(ch)
        else:
            run += ch
    if run:
        pieces.append(run)
    return pieces


def wrap(text, width=TEXT_WIDTH):
    """Greedy word wrap by display columns. Returns (line, truncated) pairs.

    A word is kept whole on the next line when it does not fit; a run wider
    than a whole line (a long web address) gets a line of its own, cut with an
    ellipsis, and the rest of it is dropped."""
    lines = []
    line, used = "", 0
    for word in text.split():
        for index, piece in enumerate(breakable_pieces(word)):
            gap = 1 if index == 0 and line else 0
            w = text_width(piece)
            if used + gap + w <= width:
                line += " " * gap + piece
                used += gap + w
                continue
            if line:
                lines.append((line, False))
            if w > width:
                lines.append((cut_to_width(piece, width - 1), True))
                line, used = "", 0
            else:
                line, used = piece, w
    if line or not lines:
        lines.append((line, False))
    return lines


class Listing:
    """Builds the rows of one answer."""

    def __init__(self, style):
        self.s = style
        self.rows = []

    def border(self, left, right):
        s = self.s
        self.rows.append(s.grey + left + "─" * INNER_WIDTH + right + s.default_colour)

    def top(self):
        self.border("┌", "┐")

    def separator(self):
        self.border("├", "┤")

    def bottom(self):
        self.border("└", "┘")

    def bar(self):
        return self.s.grey + "│" + self.s.default_colour

    def text_row(self, styled, width, truncated=False):
        """A row of up to TEXT_WIDTH columns; styled is the text with its colour
        codes, width its display width without them."""
        ellipsis = ELLIPSIS if truncated else ""
        pad = max(0, TEXT_WIDTH - width - len(ellipsis))
        self.rows.append(self.bar() + " " + styled + ellipsis + " " * pad + " " + self.bar())

    def centred_row(self, styled, width):
        left = max(0, (INNER_WIDTH - width) // 2)
        right = max(0, INNER_WIDTH - width - left)
        self.rows.append(self.bar() + " " * left + styled + " " * right + self.bar())

    def plain(self, text):
        for line, truncated in wrap(text):
            self.text_row(line, text_width(line), truncated)

    def styled(self, text, before, after):
        for line, truncated in wrap(text):
            self.text_row(before + line + after, text_width(line), truncated)

    def header(self):
        s = self.s
        title = "Articles"
        self.top()
        pad = INNER_WIDTH - 1 - len(title)
        self.rows.append(self.bar() + s.red + " " + s.bold + title + s.normal + " " * pad + s.default_colour
                         + self.bar())
        self.separator()

    def article(self, article):
        s = self.s
        self.styled("%s - %s" % (article["source"], article["title"]), s.cyan + s.bold, s.normal + s.default_colour)
        self.styled(published_text(article.get("published"), article.get("zone")), s.cyan, s.default_colour)
        self.plain(article.get("description") or "No description available.")
        self.styled(article["url"], s.green + s.underline, s.no_underline + s.default_colour)
        self.separator()

    def footer(self):
        s = self.s
        self.centred_row(s.green + FOOTER_CREDIT + s.default_colour, len(FOOTER_CREDIT))
        follow = ("Follow ", FOOTER_HANDLE + " ", "on Twitter and GitHub.")
        self.centred_row(s.green + s.default_colour + s.green + follow[0] + s.default_colour + s.blue + follow[1]
                         + s.default_colour + s.green + follow[2] + s.default_colour, len("".join(follow)))
        welcome = "Open source contributions are welcome!"
        self.centred_row(s.green + s.default_colour + s.green + welcome + s.default_colour, len(welcome))
        self.centred_row(s.green + s.default_colour + s.blue + s.underline + FOOTER_REPOSITORY + s.no_underline
                         + s.default_colour, len(FOOTER_REPOSITORY))
        self.bottom()

    def text(self):
        return "".join(row + "\n" for row in self.rows)


def ordinal(day):
    if 11 <= day % 100 <= 13:
        return "%dth" % day
    return "%d%s" % (day, {1: "st", 2: "nd", 3: "rd"}.get(day % 10, "th"))


def published_text(published, zone=None):
    """ "Published on Mar 4th, 2024 at 5:15pm EST", in the article's own time."""
    try:
        moment = datetime.datetime.fromisoformat(published)
    except (TypeError, ValueError):
        return "Publication date not available"
    if not zone:
        offset = moment.utcoffset()
        if not offset:
            zone = "UTC"
        else:
            minutes = int(offset.total_seconds()) // 60
            sign = "+" if minutes >= 0 else "-"
            hours, rest = divmod(abs(minutes), 60)
            zone = "UTC%s%d" % (sign, hours) + (":%02d" % rest if rest else "")
    hour = moment.hour % 12 or 12
    return "Published on %s %s, %d at %d:%02d%s %s" % (
        moment.strftime("%b"), ordinal(moment.day), moment.year, hour, moment.minute,
        "am" if moment.hour < 12 else "pm", zone)


def render_articles(articles, style=None, refused=False, with_articles_box=True):
    """The whole answer for a list of articles, as text."""
    listing = Listing(style or Style())
    listing.header()
    if refused:
        listing.plain(REFUSAL_TEXT)
        listing.separator()
    if with_articles_box:
        if articles:
            for article in articles:
                listing.article(article)
        elif not refused:
            listing.plain(NO_ARTICLES_TEXT)
            listing.separator()
    listing.footer()
    return listing.text()


def render_error_page(style=None, help_host="localhost"):
    s = style or Style()
    listing = Listing(s)
    listing.top()
    listing.centred_row("", 0)
    listing.centred_row(ERROR_TEXT, len(ERROR_TEXT))
    listing.centred_row("", 0)
    hint = "curl %s/:help" % help_host
    listing.centred_row(s.red + hint + s.default_colour, text_width(hint))
    listing.centred_row("", 0)
    listing.separator()
    listing.footer()
    return listing.text()


def render_borders_only(style=None):
    """The header and the footer with nothing but border lines between
    them: boxes without a single article row."""
    listing = Listing(style or Style())
    listing.header()
    for _ in range(3):
        listing.separator()
    listing.footer()
    return listing.text()


def render_long_line(size, style=None):
    """A listing whose only article is one row of exactly size bytes (line
    end not counted): words between the two borders."""
    s = style or Style()
    listing = Listing(s)
    listing.header()
    head = (listing.bar() + " ").encode("utf-8")
    tail = (" " + listing.bar()).encode("utf-8")
    fill = max(1, size - len(head) - len(tail))
    words = (b"news " * (fill // 5 + 1))[:fill].rstrip(b" ").ljust(fill, b"s")
    before = listing.text().encode("utf-8")
    after = Listing(s)
    after.separator()
    after.footer()
    return before + head + words + tail + b"\n" + after.text().encode("utf-8")


class ManyArticles:
    """A listing of count one-line articles ("Story 1", ...), produced piece
    by piece: a million of them are far too many to hold at once."""

    def __init__(self, count, style=None):
        self.count = count
        self.style = style or Style()
        head = Listing(self.style)
        head.header()
        self.head = head.text().encode("utf-8")
        foot = Listing(self.style)
        foot.footer()
        self.foot = foot.text().encode("utf-8")
        # Every block is as long as the first: the rows are padded to the
        # same width and the numbers are plain ASCII.
        self.block_size = len(self.block(1))

    def block(self, number):
        listing = Listing(self.style)
        listing.plain("Story %d" % number)
        listing.separator()
        return listing.text().encode("utf-8")

    def size(self):
        return len(self.head) + self.count * self.block_size + len(self.foot)

    def chunks(self, per_chunk=4096):
        yield self.head
        for first in range(1, self.count + 1, per_chunk):
            last = min(self.count, first + per_chunk - 1)
            yield b"".join(self.block(number) for number in range(first, last + 1))
        yield self.foot


def random_bytes(size, seed):
    """Noise of size bytes from a fixed seed, with a NUL, an ESC and a
    colour code surely among it."""
    data = bytearray(random.Random(seed).randbytes(size))
    for offset, special in ((size // 3, b"\x00"), (size // 2, b"\x1b"), (2 * size // 3, b"\x1b[31m")):
        data[offset:offset + len(special)] = special
    return bytes(data[:size])


HTTP_REASONS = {404: "Not Found", 429: "Too Many Requests", 500: "Internal Server Error",
                503: "Service Temporarily Unavailable"}


def html_error_page(status):
    """The page a web server in front of the service shows for an error."""
    title = "%d %s" % (status, HTTP_REASONS.get(status, "Error"))
    return ("<html>\r\n<head><title>%s</title></head>\r\n<body>\r\n<center><h1>%s</h1></center>\r\n"
            "<hr><center>nginx/1.22.1</center>\r\n</body>\r\n</html>\r\n" % (title, title)).encode("ascii")


# Invalid UTF-8, each standing in for one character of the rendered text:
# impossible byte, stray continuation, truncated two-byte sequence, overlong
# "/", encoded surrogate, truncated four-byte sequence.
INVALID_SEQUENCES = {
    "\ue000": b"\xff",
    "\ue001": b"\x80",
    "\ue002": b"\xc3",
    "\ue003": b"\xc0\xaf",
    "\ue004": b"\xed\xa0\x80",
    "\ue005": b"\xf0\x9f\x98",
}


def with_invalid_bytes(articles):
    spoilt = []
    for article in articles:
        article = dict(article)
        article["title"] = article["title"] + " \ue000 \ue002"
        article["description"] = "\ue001 " + (article.get("description") or "") + " \ue003\ue004 \ue005"
        spoilt.append(article)
    return spoilt


def encode_listing(text):
    data = text.encode("utf-8")
    for placeholder, sequence in INVALID_SEQUENCES.items():
        data = data.replace(placeholder.encode("utf-8"), sequence)
    return data


# ---------------------------------------------------------------------------
# Queries
# ---------------------------------------------------------------------------

class Query:
    def __init__(self, host, path, country, keyword, category, options):
        self.host, self.path = host, path
        self.country, self.keyword, self.category = country, keyword, category
        self.options = options

    def log_record(self):
        return {"host": self.host, "path": self.path, "country": self.country,
                "keyword": self.keyword, "category": self.category}


def country_of(host_header, base_host):
    """The first label of the host when it has more labels than the base
    host ("us.localhost:8642" with base "localhost" -> "us"); None otherwise
    and for addresses given as IP literals."""
    if not host_header:
        return None
    host = host_header.strip().lower()
    if host.startswith("["):  # [::1]:port
        return None
    host = host.rsplit(":", 1)[0] if host.count(":") == 1 else host
    host = host.rstrip(".")
    try:
        ipaddress.ip_address(host)
        return None
    except ValueError:
        pass
    labels = [label for label in host.split(".") if label]
    base_labels = [label for label in base_host.lower().split(".") if label]
    if len(labels) > len(base_labels):
        return labels[0]
    return None


def parse_query(host_header, raw_path, base_host):
    """Reads "/keyword,category=name,n=5" and the Host header."""
    path = raw_path.split("?", 1)[0].split("#", 1)[0]
    if "://" in path:  # absolute form: http://host/path
        path = "/" + path.split("://", 1)[1].partition("/")[2]
    parts = [part for part in path.lstrip("/").split(",") if part != ""]
    keyword = None
    options = {}
    if parts and "=" not in parts[0] and parts[0] not in ("nocolor", "reverse"):
        keyword = unquote_plus(parts.pop(0)).strip() or None
    for part in parts:
        name, _, value = part.partition("=")
        options[unquote_plus(name).strip().lower()] = unquote_plus(value).strip()
    category = options.get("category") or None
    return Query(host_header, raw_path, country_of(host_header, base_host), keyword,
                 category.lower() if category else None, options)


def select_articles(articles, query, limit):
    chosen = []
    words = query.keyword.casefold().split() if query.keyword else []
    for article in articles:
        if query.country and article.get("country", "").lower() != query.country:
            continue
        if query.category and article.get("category", "").lower() != query.category:
            continue
        haystack = ("%s %s" % (article.get("title") or "", article.get("description") or "")).casefold()
        if any(word not in haystack for word in words):
            continue
        chosen.append(article)

    def newest_first(article):
        try:
            moment = datetime.datetime.fromisoformat(article.get("published"))
            return moment.timestamp() if moment.tzinfo else moment.replace(tzinfo=datetime.timezone.utc).timestamp()
        except (TypeError, ValueError):
            return float("-inf")

    chosen.sort(key=newest_first, reverse="reverse" not in query.options)
    try:
        limit = max(1, min(100, int(query.options.get("n", limit))))
    except ValueError:
        pass
    return chosen[:limit]


# ---------------------------------------------------------------------------
# Server
# ---------------------------------------------------------------------------

class NewsServer(ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = True

    def __init__(self, address, config):
        self.config = config
        self.stopping = threading.Event()
        self.log_lock = threading.Lock()
        self.requests_served = 0
        if ":" in address[0]:
            self.address_family = socket.AF_INET6
        super().__init__(address, NewsHandler)

    def log_query(self, query):
        """Logs the query; returns its number, counted from 1."""
        with self.log_lock:
            self.requests_served += 1
            if self.config.log:
                with open(self.config.log, "a", encoding="utf-8") as log:
                    log.write(json.dumps(query.log_record(), ensure_ascii=False) + "\n")
            return self.requests_served

    def handle_error(self, request, client_address):
        error = sys.exc_info()[1]
        if isinstance(error, (ConnectionError, TimeoutError)):
            return  # the client went away; nothing to report
        print("news_service: error while answering %s: %r" % (client_address, error), file=sys.stderr)


class NewsHandler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "news_service/1.0"

    def log_message(self, format, *args):  # quiet
        pass

    def do_GET(self):
        server = self.server
        config = server.config
        query = parse_query(self.headers.get("Host"), self.path, config.base_host)
        number = server.log_query(query)
        mode = config.mode

        if mode == "hang":
            server.stopping.wait()
            self.close_connection = True
            return
        if mode == "reset":
            # A zero linger time makes close() send a reset instead of a FIN.
            self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
            self.connection.close()
            self.close_connection = True
            return
        if mode == "http-error":
            status = config.status or 500
            body = {"none": b"", "text": ("%s\n" % HTTP_REASONS.get(status, "Error")).encode("ascii"),
                    "html": html_error_page(status)}[config.body]
            self.send_body(body, status=status,
                           content_type="text/html" if config.body == "html" else "text/plain; charset=utf-8")
            return
        if mode == "html-error":
            # A proxy or portal in the way may well call its error page a success.
            self.send_body(html_error_page(503), status=config.status or 200, content_type="text/html")
            return
        if mode == "binary":
            self.send_body(random_bytes(config.size, config.seed), content_type="application/octet-stream")
            return
        if mode == "long-line":
            self.send_body(render_long_line(config.size))
            return
        if mode == "many-articles":
            self.send_chunks(ManyArticles(config.count))
            return
        if mode == "borders-only":
            self.send_body(render_borders_only().encode("utf-8"))
            return
        if mode == "fixture":
            self.send_body(config.fixture_bytes)
            return
        if mode == "huge":
            self.send_endless(query)
            return
        if mode == "slow" and server.stopping.wait(config.delay):
            self.close_connection = True
            return

        style = Style(colour="nocolor" not in query.options)
        if mode == "error-page":
            self.send_body(render_error_page(style, config.base_host).encode("utf-8"))
            return
        articles = select_articles(config.articles, query, config.max_articles)
        if mode == "trickle":
            self.send_trickle(render_articles(articles, style).encode("utf-8"), config.delay)
            return
        if mode == "invalid-utf8":
            text = render_articles(with_invalid_bytes(articles), style)
            self.send_body(encode_listing(text))
            return
        refused = mode == "refuse" or (mode == "refuse-after" and number > config.after)
        text = render_articles(articles, style, refused=refused,
                               with_articles_box=(mode != "empty-listing"))
        self.send_body(text.encode("utf-8"))

    def send_body(self, body, status=200, content_type="text/plain; charset=utf-8"):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def send_trickle(self, body, delay):
        """The whole answer announced, then sent line by line with a pause
        before each line but the first."""
        self.send_response(200)
        self.send_header("Content-Type", "text/plain; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        for number, line in enumerate(body.splitlines(keepends=True)):
            if number and self.server.stopping.wait(delay):
                self.close_connection = True
                return
            self.wfile.write(line)
            self.wfile.flush()

    def send_chunks(self, answer):
        """An answer of announced length written piece by piece; stops early
        when the service is told to stop."""
        self.send_response(200)
        self.send_header("Content-Type", "text/plain; charset=utf-8")
        self.send_header("Content-Length", str(answer.size()))
        self.end_headers()
        for chunk in answer.chunks():
            if self.server.stopping.is_set():
                self.close_connection = True
                return
            self.wfile.write(chunk)

    def send_endless(self, query):
        """A listing that goes on for --size bytes (0: for ever), its end
        marked only by closing the connection."""
        self.send_response(200)
        self.send_header("Content-Type", "text/plain; charset=utf-8")
        self.send_header("Connection", "close")
        self.end_headers()
        self.close_connection = True

        articles = select_articles(self.server.config.articles, query, 1000) or self.server.config.articles
        head = render_articles([], refused=False, with_articles_box=False).split("\n")
        start = "\n".join(head[:3]).encode("utf-8") + b"\n"
        block = Listing(Style())
        for article in articles:
            block.article(article)
        boxes = block.text().encode("utf-8")
        while len(boxes) < (1 << 20):
            boxes += boxes

        remaining = self.server.config.size or None
        chunk = start
        while not self.server.stopping.is_set():
            if remaining is not None:
                chunk = chunk[:remaining]
                remaining -= len(chunk)
            self.wfile.write(chunk)
            if remaining == 0:
                break
            chunk = boxes


def write_atomically(path, text):
    folder = os.path.dirname(os.path.abspath(path))
    handle, temporary = tempfile.mkstemp(dir=folder, prefix=".port-")
    try:
        with os.fdopen(handle, "w") as file:
            file.write(text)
        os.replace(temporary, path)
    except BaseException:
        try:
            os.unlink(temporary)
        except OSError:
            pass
        raise


def loopback_address(text):
    if text == "localhost":
        return "127.0.0.1"
    try:
        address = ipaddress.ip_address(text.strip("[]"))
    except ValueError:
        raise argparse.ArgumentTypeError("not an IP address: %r" % text)
    if not address.is_loopback:
        raise argparse.ArgumentTypeError("refusing to listen on %s: only loopback addresses are allowed" % text)
    return str(address)


def parse_arguments(argv):
    parser = argparse.ArgumentParser(description="Local stand-in for the plain-text news service.")
    parser.add_argument("--host", type=loopback_address, default="127.0.0.1",
                        help="loopback address to listen on (default 127.0.0.1)")
    parser.add_argument("--port", type=int, default=DEFAULT_PORT,
                        help="port to listen on; 0 picks a free one (default %d)" % DEFAULT_PORT)
    parser.add_argument("--port-file", help="write the port here once listening (atomically)")
    parser.add_argument("--log", help="append one JSON line per request to this file")
    parser.add_argument("--mode", choices=MODES, default="normal", help="how to answer (default normal)")
    parser.add_argument("--delay", type=float, default=5.0,
                        help="seconds to wait in mode slow, between lines in mode trickle (default 5)")
    parser.add_argument("--size", type=int,
                        help="body size in bytes in mode huge, 0 never ends (default 64 MiB); in mode binary "
                             "(default 64 KiB); the long row's size in mode long-line (default 5 MB)")
    parser.add_argument("--seed", type=int, default=1, help="random seed of mode binary (default 1)")
    parser.add_argument("--count", type=int, default=1000000,
                        help="articles in mode many-articles (default 1,000,000)")
    parser.add_argument("--status", type=int,
                        help="HTTP status in modes http-error (default 500) and html-error (default 200)")
    parser.add_argument("--body", choices=HTTP_ERROR_BODIES, default="text",
                        help="what mode http-error sends with its status: nothing, a line of text or an "
                             "HTML page (default text)")
    parser.add_argument("--after", type=int, default=0,
                        help="normal answers before the refusals in mode refuse-after (default 0)")
    parser.add_argument("--fixture", help="file whose bytes mode fixture answers with")
    parser.add_argument("--data", default=DEFAULT_DATA, help="articles file (default news_data/articles.json)")
    parser.add_argument("--base-host", default="localhost",
                        help="host name without country; a Host header with more labels names a country "
                             "in its first label (default localhost)")
    parser.add_argument("--max-articles", type=int, default=10, help="articles per answer (default 10)")
    parser.add_argument("--quiet", action="store_true", help="print nothing on start")
    config = parser.parse_args(argv)
    if config.port < 0 or config.port > 65535:
        parser.error("--port must be between 0 and 65535")
    if config.size is None:
        config.size = {"binary": 64 << 10, "long-line": 5000000}.get(config.mode, 64 << 20)
    if config.size < 0:
        parser.error("--size must not be negative")
    if config.count < 0 or config.after < 0:
        parser.error("--count and --after must not be negative")
    if config.status is not None and not 100 <= config.status <= 599:
        parser.error("--status must be an HTTP status (100 to 599)")
    if config.mode == "fixture":
        if not config.fixture:
            parser.error("--mode fixture needs --fixture FILE")
        try:
            with open(config.fixture, "rb") as file:
                config.fixture_bytes = file.read()
        except OSError as error:
            parser.error("cannot read --fixture: %s" % error)
    try:
        with open(config.data, encoding="utf-8") as file:
            config.articles = json.load(file)["articles"]
    except (OSError, ValueError, KeyError) as error:
        parser.error("cannot read the articles from %s: %s" % (config.data, error))
    return config


def main(argv=None):
    config = parse_arguments(sys.argv[1:] if argv is None else argv)
    try:
        server = NewsServer((config.host, config.port), config)
    except OSError as error:
        print("news_service: cannot listen on %s port %d: %s" % (config.host, config.port, error.strerror),
              file=sys.stderr)
        return 1
    port = server.server_address[1]

    stop = threading.Event()

    def request_stop(signum, frame):
        stop.set()

    signal.signal(signal.SIGTERM, request_stop)
    signal.signal(signal.SIGINT, request_stop)

    serving = threading.Thread(target=server.serve_forever, kwargs={"poll_interval": 0.05}, daemon=True)
    serving.start()
    if config.port_file:
        write_atomically(config.port_file, "%d\n" % port)
    if not config.quiet:
        print("news_service: listening on http://%s:%d/ (mode %s)" % (config.host, port, config.mode),
              file=sys.stderr, flush=True)
    while not stop.wait(0.5):
        pass
    server.stopping.set()  # releases hanging and slow answers
    server.shutdown()
    server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
