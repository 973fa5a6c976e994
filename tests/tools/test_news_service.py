#!/usr/bin/python3
"""Tests of tools/news_service.py: its listings against the recorded answers
of the real service, its reading of queries, and the running server in each
of its modes. Standard library only; run with /usr/bin/python3."""

import datetime
import http.client
import json
import os
import re
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time
import unittest

SOURCE_DIR = os.environ.get("TIDEWICK_SOURCE_DIR") or os.path.abspath(
    os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
SERVICE = os.path.join(SOURCE_DIR, "tools", "news_service.py")
FIXTURES = os.path.join(SOURCE_DIR, "tests", "fixtures", "news-listings")

sys.dont_write_bytecode = True  # leave no __pycache__ in tools/
sys.path.insert(0, os.path.dirname(SERVICE))
import news_service as ns  # noqa: E402

SGR = re.compile(r"\x1b\[[0-9;]*m")


def fixture_bytes(name):
    with open(os.path.join(FIXTURES, name), "rb") as file:
        return file.read()


def articles_from_answer(raw):
    """Reads the articles back out of a recorded answer, using the colours of
    its rows: bold cyan title, cyan date, plain description, green link."""
    lines = raw.decode("utf-8").split("\n")
    header = next(i for i, line in enumerate(lines) if "Articles" in line)
    refused = False
    articles = []
    box = []
    for line in lines[header + 2:]:
        if "├" in line or "└" in line:
            if box:
                articles.append(article_from_box(box))
            box = []
            continue
        if "Powered by the News API" in line:
            break
        text = line[len("\x1b[90m│\x1b[39m "):-len(" \x1b[90m│\x1b[39m")]
        plain = SGR.sub("", text).rstrip(" ")
        if plain == ns.REFUSAL_TEXT:
            refused = True
        elif plain != ns.NO_ARTICLES_TEXT:
            box.append((text, plain))
    return articles, refused


def article_from_box(box):
    title, description, article = [], [], {}
    for styled, plain in box:
        if styled.startswith("\x1b[36m\x1b[1m"):
            title.append(plain)
        elif styled.startswith("\x1b[36m"):
            article["published"], article["zone"] = iso_from_published_text(plain)
        elif styled.startswith("\x1b[32m\x1b[4m"):
            article["url"] = plain
        else:
            description.append(plain)
    article["source"], article["title"] = " ".join(title).split(" - ", 1)
    text = " ".join(description)
    article["description"] = None if text == "No description available." else text
    return article


def iso_from_published_text(text):
    match = re.fullmatch(r"Published on (\w+) (\d+)\w\w, (\d+) at (\d+):(\d+)(am|pm) (\w+)", text)
    if not match:
        return None, None
    month, day, year, hour, minute, half, zone = match.groups()
    hour = int(hour) % 12 + (12 if half == "pm" else 0)
    moment = datetime.datetime.strptime("%s %s %s" % (month, day, year), "%b %d %Y").replace(
        hour=hour, minute=int(minute))
    return moment.isoformat(), zone


def display_width(text):
    return ns.text_width(SGR.sub("", text))


LONG_WRAP_ARTICLES = [
    {"source": "Metropolitan Evening Chronicle and Weekly Review",
     "title": "Mayor unveils sweeping ten-year plan for the harbour district, promising thousands of new "
              "homes, a tram extension and a public library, but opponents warn of spiralling costs",
     "published": "2024-06-01T18:20:00+01:00", "zone": "BST",
     "description": "In a wide-ranging interview that lasted nearly three hours, the mayor outlined plans to "
                    "rebuild the waterfront, expand the tram network to the eastern suburbs, convert two "
                    "disused warehouses into affordable housing, and fund a new community library, while "
                    "critics argued that the budget projections relied on optimistic assumptions about "
                    "tourism revenue and federal grants that have not yet been approved by the state "
                    "legislature.",
     "url": "http://news.localhost/s/L0ngWr1"},
    {"source": "Science Wire",
     "title": "Ocean temperatures hit record highs for the fifteenth consecutive month, according to a new "
              "international study of satellite and buoy measurements",
     "published": "2024-06-02T07:00:00+01:00", "zone": "BST",
     "description": "Researchers published the full dataset at "
                    "https://data.example.org/archive/2024/climate/ocean-temperature-anomalies-full-record.csv "
                    "so that other teams can reproduce the analysis; the paper describes the method in detail "
                    "and notes several limitations of the sensor network in polar waters during winter "
                    "months.",
     "url": "http://news.localhost/s/L0ngWr2"},
]


class ListingLayoutTest(unittest.TestCase):
    """The listings match the recorded answers byte for byte."""

    def test_recorded_answers_are_reproduced(self):
        for name in ("01-three-articles.ans", "02-no-articles.ans", "05-twenty.ans",
                     "06-missing-fields.ans", "09-refused.ans"):
            with self.subTest(name):
                raw = fixture_bytes(name)
                articles, refused = articles_from_answer(raw)
                self.assertEqual(ns.render_articles(articles, refused=refused).encode("utf-8"), raw)

    def test_long_titles_wrap_and_long_words_are_cut(self):
        self.assertEqual(ns.render_articles(LONG_WRAP_ARTICLES).encode("utf-8"),
                         fixture_bytes("04-long-wrap.ans"))

    def test_error_page(self):
        self.assertEqual(ns.render_error_page(help_host="news.example").encode("utf-8"),
                         fixture_bytes("07-error.ans"))

    def test_every_row_is_80_columns_wide(self):
        with open(ns.DEFAULT_DATA, encoding="utf-8") as file:
            articles = json.load(file)["articles"]
        for style in (ns.Style(), ns.Style(colour=False)):
            text = ns.render_articles(articles, style)
            self.assertTrue(text.endswith("\n"))
            for line in text[:-1].split("\n"):
                plain = SGR.sub("", line)
                self.assertEqual(display_width(line), 80, plain)
                # Borders are the only lines without a blank.
                self.assertEqual(" " not in plain, plain[0] in "┌├└", plain)

    def test_colour_codes_are_all_that_ansifilter_removes(self):
        with open(ns.DEFAULT_DATA, encoding="utf-8") as file:
            articles = json.load(file)["articles"]
        coloured = ns.render_articles(articles)
        self.assertEqual(SGR.sub("", coloured), ns.render_articles(articles, ns.Style(colour=False)))
        if shutil.which("ansifilter"):
            cleaned = subprocess.run(["ansifilter", "-c"], input=coloured.encode("utf-8"),
                                     capture_output=True, check=True).stdout
            self.assertEqual(cleaned.decode("utf-8"), SGR.sub("", coloured))

    def test_wrapping(self):
        wrap = ns.wrap
        self.assertEqual(wrap("a " * 40), [(" ".join(["a"] * 38), False), ("a a", False)])
        # Wide characters take two columns; ideographs break anywhere.
        line, rest = wrap("東" * 40)
        self.assertEqual(line, ("東" * 38, False))
        self.assertEqual(rest, ("東" * 2, False))
        # Emoji count two columns.
        self.assertEqual(wrap("😀" * 39), [("😀" * 38, False), ("😀", False)])
        # Korean breaks between words only.
        korean = "가나다라 " * 15 + "마바사아자"
        for line, _ in wrap(korean):
            self.assertFalse(line.startswith(("나", "다", "라", "바")), line)
        # A combining accent takes no column.
        self.assertEqual(ns.text_width("cafe\u0301"), 4)
        # A word longer than a line gets a line of its own, cut with an ellipsis.
        self.assertEqual(wrap("see " + "x" * 100 + " now"),
                         [("see", False), ("x" * 75, True), ("now", False)])

    def test_publication_dates(self):
        cases = {
            ("2024-03-01T00:07:00-05:00", "EST"): "Published on Mar 1st, 2024 at 12:07am EST",
            ("2024-03-02T12:05:00+09:00", "JST"): "Published on Mar 2nd, 2024 at 12:05pm JST",
            ("2024-03-03T23:59:00+00:00", None): "Published on Mar 3rd, 2024 at 11:59pm UTC",
            ("2024-03-11T01:00:00+05:30", None): "Published on Mar 11th, 2024 at 1:00am UTC+5:30",
            ("2024-03-12T13:00:00-03:00", None): "Published on Mar 12th, 2024 at 1:00pm UTC-3",
            ("2024-03-13T13:00:00", "CET"): "Published on Mar 13th, 2024 at 1:00pm CET",
            ("2024-03-21T13:00:00Z", None): "Published on Mar 21st, 2024 at 1:00pm UTC",
            ("2024-03-22T13:00:00Z", None): "Published on Mar 22nd, 2024 at 1:00pm UTC",
            ("2024-03-23T13:00:00Z", None): "Published on Mar 23rd, 2024 at 1:00pm UTC",
            ("2024-03-31T13:00:00Z", None): "Published on Mar 31st, 2024 at 1:00pm UTC",
            ("not a date", None): "Publication date not available",
            (None, None): "Publication date not available",
        }
        for (published, zone), expected in cases.items():
            self.assertEqual(ns.published_text(published, zone), expected)


class QueryTest(unittest.TestCase):
    def test_paths(self):
        cases = {
            "": (None, None),
            "/": (None, None),
            "/tesla": ("tesla", None),
            "/mars+rover": ("mars rover", None),
            "/mars%20rover": ("mars rover", None),
            "/category=science": (None, "science"),
            "/category=Science": (None, "science"),
            "/mars+rover,category=science": ("mars rover", "science"),
            "/mars+rover,category=science,n=5": ("mars rover", "science"),
            "/mars+rover?x=1": ("mars rover", None),
            "http://us.localhost:8642/mars+rover": ("mars rover", None),
        }
        for path, (keyword, category) in cases.items():
            query = ns.parse_query("localhost", path, "localhost")
            self.assertEqual((query.keyword, query.category), (keyword, category), path)

    def test_country_from_host(self):
        cases = {
            ("us.localhost:8642", "localhost"): "us",
            ("US.localhost", "localhost"): "us",
            ("localhost:8642", "localhost"): None,
            ("localhost", "localhost"): None,
            ("127.0.0.1:8642", "localhost"): None,
            ("[::1]:8642", "localhost"): None,
            ("gb.news.example", "news.example"): "gb",
            ("news.example", "news.example"): None,
            (None, "localhost"): None,
        }
        for (host, base), country in cases.items():
            self.assertEqual(ns.country_of(host, base), country, host)

    def test_selection(self):
        with open(ns.DEFAULT_DATA, encoding="utf-8") as file:
            articles = json.load(file)["articles"]

        def select(host, path, limit=10):
            return ns.select_articles(articles, ns.parse_query(host, path, "localhost"), limit)

        found = select("us.localhost", "/MARS+Rover,category=science")
        self.assertEqual([a["url"][-7:] for a in found], ["Mr5Rv01", "Mr5Rv02"])  # newest first
        self.assertEqual(len(select("localhost", "/mars+rover")), 4)  # every country
        self.assertEqual(len(select("localhost", "/rover+mars")), 4)  # every word, any order
        self.assertEqual(select("localhost", "/no+such+thing"), [])
        self.assertEqual(select("zz.localhost", "/"), [])
        self.assertEqual(select("localhost", "/category=weather"), [])
        self.assertEqual(len(select("localhost", "/")), 10)  # capped
        self.assertEqual(len(select("localhost", "/,n=3")), 3)
        categories = {a["category"] for a in select("localhost", "/", 1000)}
        self.assertEqual(categories, set(ns.CATEGORIES))


class Service:
    """news_service.py running on a free port."""

    def __init__(self, *arguments):
        self.folder = tempfile.mkdtemp(prefix="news-service-test-")
        self.port_file = os.path.join(self.folder, "port")
        self.log = os.path.join(self.folder, "log.jsonl")
        self.process = subprocess.Popen(
            [sys.executable, SERVICE, "--quiet", "--port", "0", "--port-file", self.port_file, "--log", self.log]
            + list(arguments))
        deadline = time.monotonic() + 10
        while not os.path.exists(self.port_file):
            if self.process.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError("the service did not start")
            time.sleep(0.02)
        with open(self.port_file) as file:
            self.port = int(file.read())

    def get(self, path="/", host=None, timeout=10):
        connection = http.client.HTTPConnection("127.0.0.1", self.port, timeout=timeout)
        try:
            connection.putrequest("GET", path, skip_host=True)
            connection.putheader("Host", host or "localhost:%d" % self.port)
            connection.endheaders()
            response = connection.getresponse()
            return response, response.read()
        finally:
            connection.close()

    def log_records(self):
        with open(self.log, encoding="utf-8") as file:
            return [json.loads(line) for line in file]

    def stop(self):
        self.process.send_signal(signal.SIGTERM)
        code = self.process.wait(timeout=10)
        shutil.rmtree(self.folder, ignore_errors=True)
        return code

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)


class ServerTest(unittest.TestCase):
    def test_normal_answer_and_log(self):
        with Service() as service:
            response, body = service.get("/mars+rover,category=science", "us.localhost:%d" % service.port)
            self.assertEqual(response.status, 200)
            self.assertEqual(int(response.getheader("Content-Length")), len(body))
            text = SGR.sub("", body.decode("utf-8"))
            self.assertIn("Orbital Post - Mars rover drills", text)
            self.assertIn("Desert Ledger - Students steer", text)
            # Keep-alive: a second request on a new connection is logged too.
            service.get("/", "localhost:%d" % service.port)
            self.assertEqual(service.log_records(), [
                {"host": "us.localhost:%d" % service.port, "path": "/mars+rover,category=science",
                 "country": "us", "keyword": "mars rover", "category": "science"},
                {"host": "localhost:%d" % service.port, "path": "/", "country": None, "keyword": None,
                 "category": None},
            ])
            self.assertEqual(service.stop(), 0)

    def test_nothing_found_and_empty_listing(self):
        with Service() as service:
            _, body = service.get("/no+such+story")
            self.assertIn(ns.NO_ARTICLES_TEXT, body.decode("utf-8"))
        with Service("--mode", "empty-listing") as service:
            _, body = service.get("/mars+rover")
            rows = SGR.sub("", body.decode("utf-8")).split("\n")
            self.assertEqual(len(rows), 3 + 5 + 1)  # header box, footer box, final LF
            self.assertNotIn(ns.NO_ARTICLES_TEXT, body.decode("utf-8"))

    def test_refusal(self):
        with Service("--mode", "refuse") as service:
            _, body = service.get("/mars+rover", "us.localhost")
            rows = SGR.sub("", body.decode("utf-8")).split("\n")
            self.assertIn(ns.REFUSAL_TEXT, rows[3])
            self.assertIn("Mars rover", rows[5])

    def test_http_error_and_fixture(self):
        with Service("--mode", "http-error") as service:
            response, body = service.get("/")
            self.assertEqual(response.status, 500)
            self.assertTrue(body)
        fixture = os.path.join(FIXTURES, "03-unicode.ans")
        with Service("--mode", "fixture", "--fixture", fixture) as service:
            _, body = service.get("/anything")
            self.assertEqual(body, fixture_bytes("03-unicode.ans"))

    def test_invalid_utf8(self):
        with Service("--mode", "invalid-utf8") as service:
            _, body = service.get("/mars+rover", "us.localhost")
            with self.assertRaises(UnicodeDecodeError):
                body.decode("utf-8")
            self.assertIn(b"Mars rover", body)
            self.assertIn(b"\xed\xa0\x80", body)

    def test_huge_answer_has_no_length_and_the_asked_size(self):
        with Service("--mode", "huge", "--size", "3000000") as service:
            response, body = service.get("/")
            self.assertIsNone(response.getheader("Content-Length"))
            self.assertEqual(len(body), 3000000)
            self.assertIn(b" \x1b[1mArticles", body[:400])

    def test_slow_answer(self):
        with Service("--mode", "slow", "--delay", "0.5") as service:
            started = time.monotonic()
            response, _ = service.get("/")
            self.assertEqual(response.status, 200)
            self.assertGreaterEqual(time.monotonic() - started, 0.5)

    def test_hang_never_answers_and_still_stops(self):
        with Service("--mode", "hang") as service:
            with self.assertRaises(socket.timeout):
                service.get("/", timeout=0.5)
            client = socket.create_connection(("127.0.0.1", service.port))
            client.sendall(b"GET / HTTP/1.1\r\nHost: localhost\r\n\r\n")
            started = time.monotonic()
            self.assertEqual(service.stop(), 0)
            self.assertLess(time.monotonic() - started, 5)
            client.close()

    def test_reset(self):
        with Service("--mode", "reset") as service:
            with self.assertRaises((ConnectionResetError, http.client.RemoteDisconnected)):
                service.get("/")
            self.assertEqual(len(service.log_records()), 1)

    def test_only_loopback_addresses(self):
        for host in ("0.0.0.0", "192.0.2.1", "example.com"):
            result = subprocess.run([sys.executable, SERVICE, "--host", host, "--port", "0"],
                                    capture_output=True, timeout=10)
            self.assertEqual(result.returncode, 2, host)

    def test_http_error_statuses_and_bodies(self):
        for status in (404, 429, 500, 503):
            with Service("--mode", "http-error", "--status", str(status), "--body", "html") as service:
                response, body = service.get("/")
                self.assertEqual(response.status, status)
                self.assertEqual(response.getheader("Content-Type"), "text/html")
                self.assertIn(b"<title>%d " % status, body)
        with Service("--mode", "http-error", "--status", "503", "--body", "none") as service:
            response, body = service.get("/")
            self.assertEqual((response.status, body), (503, b""))
        with Service("--mode", "http-error", "--status", "429") as service:
            response, body = service.get("/")
            self.assertEqual((response.status, body), (429, b"Too Many Requests\n"))

    def test_html_error_page_comes_as_success_without_the_listing_texts(self):
        with Service("--mode", "html-error") as service:
            response, body = service.get("/mars+rover")
            self.assertEqual(response.status, 200)
            self.assertTrue(body.startswith(b"<html>\r\n"))
            self.assertNotIn(ns.FOOTER_CREDIT.encode("utf-8"), body)
        with Service("--mode", "html-error", "--status", "502") as service:
            self.assertEqual(service.get("/")[0].status, 502)

    def test_refusal_after_normal_answers(self):
        with Service("--mode", "refuse-after", "--after", "2") as service:
            answers = [SGR.sub("", service.get("/mars+rover", "us.localhost")[1].decode("utf-8"))
                       for _ in range(4)]
            self.assertEqual([ns.REFUSAL_TEXT in answer for answer in answers], [False, False, True, True])
            self.assertIn("Mars rover", answers[0])
            self.assertEqual(len(service.log_records()), 4)

    def test_binary_noise_is_seeded_and_holds_nul_and_esc(self):
        bodies = []
        for seed in ("7", "7", "8"):
            with Service("--mode", "binary", "--size", "5000", "--seed", seed) as service:
                response, body = service.get("/")
                self.assertEqual(int(response.getheader("Content-Length")), 5000)
                bodies.append(body)
        self.assertEqual(len(bodies[0]), 5000)
        self.assertEqual(bodies[0], bodies[1])
        self.assertNotEqual(bodies[0], bodies[2])
        for byte in (b"\x00", b"\x1b[31m"):
            self.assertIn(byte, bodies[0])
        with self.assertRaises(UnicodeDecodeError):
            bodies[0].decode("utf-8")

    def test_long_line_has_the_asked_size(self):
        with Service("--mode", "long-line", "--size", "300000") as service:
            _, body = service.get("/")
        lines = body.split(b"\n")
        longest = max(lines, key=len)
        self.assertEqual(len(longest), 300000)
        self.assertEqual(sum(len(line) > 1000 for line in lines), 1)
        plain = SGR.sub("", body.decode("utf-8")).split("\n")
        row = next(line for line in plain if len(line) > 1000)
        self.assertTrue(row.startswith("│ news news ") and row.endswith(" │"), row[:20] + row[-20:])
        self.assertIn(ns.FOOTER_CREDIT, plain[plain.index(row) + 2])

    def test_many_articles_are_counted_and_sized(self):
        with Service("--mode", "many-articles", "--count", "5000") as service:
            response, body = service.get("/")
        self.assertEqual(int(response.getheader("Content-Length")), len(body))
        text = SGR.sub("", body.decode("utf-8"))
        stories = re.findall(r"│ Story (\d+) +│", text)
        self.assertEqual(stories, [str(n) for n in range(1, 5001)])
        self.assertIn(ns.FOOTER_CREDIT, text)
        # A million articles are announced in full, without being built first.
        self.assertGreater(ns.ManyArticles(1000000).size(), 300 * 1000000)

    def test_borders_only_has_no_row_between_header_and_footer(self):
        with Service("--mode", "borders-only") as service:
            _, body = service.get("/mars+rover")
        rows = SGR.sub("", body.decode("utf-8")).split("\n")
        footer = next(i for i, row in enumerate(rows) if ns.FOOTER_CREDIT in row)
        self.assertIn("Articles", rows[1])
        between = rows[2:footer]
        self.assertGreaterEqual(len(between), 3)
        self.assertTrue(all(" " not in row for row in between), between)

    def test_trickle_sends_the_normal_answer_line_by_line(self):
        with Service() as service:
            _, normal = service.get("/mars+rover", "us.localhost")
        with Service("--mode", "trickle", "--delay", "0.01") as service:
            started = time.monotonic()
            _, body = service.get("/mars+rover", "us.localhost")
            self.assertEqual(body, normal)
            self.assertGreaterEqual(time.monotonic() - started, 0.01 * (normal.count(b"\n") - 1))

    def test_bad_new_options_are_refused(self):
        for arguments in (["--mode", "many-articles", "--count", "-1"], ["--mode", "refuse-after", "--after", "-2"],
                          ["--mode", "http-error", "--status", "99"], ["--body", "xml"]):
            result = subprocess.run([sys.executable, SERVICE, "--port", "0"] + arguments,
                                    capture_output=True, timeout=10)
            self.assertEqual(result.returncode, 2, arguments)

    @unittest.skipUnless(shutil.which("curl") and shutil.which("ansifilter"), "needs curl and ansifilter")
    def test_curl_and_ansifilter(self):
        with Service() as service:
            url = "http://us.localhost:%d/mars+rover,category=science" % service.port
            raw = subprocess.run(["curl", "-s", "--globoff", url], capture_output=True, check=True,
                                 timeout=20).stdout
            clean = subprocess.run(["ansifilter", "-c"], input=raw, capture_output=True, check=True).stdout
            self.assertEqual(clean, SGR.sub("", raw.decode("utf-8")).encode("utf-8"))
            self.assertIn("Orbital Post - Mars rover drills", clean.decode("utf-8"))
            self.assertEqual(service.log_records()[0]["country"], "us")


if __name__ == "__main__":
    unittest.main()
