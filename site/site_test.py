"""The lesson pages in Debian's chromium, one browser for the whole suite (CONTRIBUTING.md).

    site_test.py --source <folder> --build <folder> --html <folder> [-- <unittest's arguments>]
"""

import functools
import http.server
import json
import os
import pathlib
import random
import re
import sys
import tempfile
import threading
import time
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.wait import WebDriverWait

import generate

ARGUMENTS = sys.argv[1:] + ["--"]
PATHS = generate.options(ARGUMENTS[:ARGUMENTS.index("--")])
PROGRAMS = generate.programs(PATHS.build)
PAGES = ["index", "contributing", *sorted(PROGRAMS)]

# An output's bytes as a page shows them: each escaped byte read back from its data-byte, a tab
# and a trailing blank from under their marks.
READ = """
return [...arguments[0].childNodes].map((node) => node.dataset?.byte
  ? String.fromCharCode(parseInt(node.dataset.byte, 16)) : node.textContent).join("");
"""

# Types the values into an experiment and, once it has answered, returns how long that took, its
# output (read as READ reads), picture and messages, and the picture arguments[2] as the browser
# writes it.
TYPE = """
const [form, values, native, read, done] = arguments, started = performance.now();
for (const [name, value] of Object.entries(values)) form.elements[name].value = value;
form.querySelector("input").dispatchEvent(new Event("input", {bubbles: true}));
const wait = () => form.hasAttribute("aria-busy") ? setTimeout(wait, 1) : done({
  took: performance.now() - started, picture: form.querySelector(".drawn").innerHTML,
  native: Object.assign(document.createElement("template"), {innerHTML: native}).innerHTML,
  output: new Function(read)(form.querySelector("pre")), // as READ reads it
  messages: Object.fromEntries([...form.querySelectorAll(".message")].filter((m) => m.textContent)
                               .map((m) => [m.dataset.for, m.textContent]))});
wait();
"""

# Clicks the button arguments[0] arguments[1] ms into the next real second (0: now), returning when,
# in seconds; the first click starts window.seen, each line of the run's output and when it came.
CLICK = """
const [selector, into, done] = arguments;
const pre = document.querySelector("form.run pre");
setTimeout(() => {
  document.querySelector(selector).click();
  if (!window.seen) {
    window.seen = [];
    new MutationObserver(() => {
      const lines = pre.innerText.split("\\n").filter(Boolean);
      while (seen.length < lines.length) seen.push([Date.now() / 1000, lines[seen.length]]);
    }).observe(pre, {childList: true});
  }
  done(Date.now() / 1000);
}, into && (1000 + into - Date.now() % 1000) % 1000);
"""

# The text of each element of a picture whose font, as drawn, is under 11 px.
SMALL = """
return [...document.querySelectorAll(".picture *")].filter((e) => [...e.childNodes].some(
  (n) => n.nodeType === 3 && n.textContent.trim())).map((e) => {
    const svg = e.closest("svg");
    const scale = svg ? svg.getBoundingClientRect().width / svg.viewBox.baseVal.width : 1;
    return [e.textContent, parseFloat(getComputedStyle(e).fontSize) * scale];
  }).filter(([, size]) => size < 11);
"""


def number(bits):
    return lambda r: str(r.randint(-2 ** (bits - 1), 2 ** (bits - 1) - 1))


def real(r):
    return r.choice([f"{r.uniform(-1e6, 1e6):.{r.randint(0, 9)}f}", str(r.randint(-2 ** 25, 2 ** 25)),
                     f"{r.uniform(-10, 10):.{r.randint(1, 9)}g}e{r.randint(-46, 39)}"])


def readings(r):  # polls, some in the same second, and steps of the clock forward and back
    now = r.randint(0, 10 ** 9)
    return " ".join(str(now := max(0, now + r.choice([0, 0, 1, 1, 2, 5, 300, -60]))) for _ in range(20))


# Seeded random values for each input, and edge cases, each typed alone into its experiment.
RANDOM = {
    "value": number(32), "command": number(32), "intValue": number(32), "longValue": number(64),
    "line": lambda r: " ".join(r.choices(["0", "7", "255", "256", "-1", "+3", "007", "12a", "-", "",
                                          "0x1F", "99999999999999999999"], k=r.randint(0, 12))),
    "bytes": lambda r: " ".join(f"{r.randrange(256):x}" for _ in range(r.randint(0, 16))),
    "payload": lambda r: "".join(r.choices("abcXYZ09 ~<&", k=r.randint(0, 3))),
    "floatValue1": real, "floatValue2": real, "arr": lambda r: " ".join(real(r) for _ in range(18)),
    "text": lambda r: "".join(r.choices([chr(code) for code in range(32, 127)], k=r.randint(0, 20))),
    "capacity": lambda r: str(r.randint(0, 16)), "readings": readings, "period": lambda r: str(r.randint(1, 9)),
    "samples": lambda r: " ".join(real(r) for _ in range(r.randint(0, 40))),
}
EDGES = {
    "value": ["0", "255", "256", "-1", "2147483647", "-2147483648", "2147483648", "4x", " 1 ", "-0x2b", ""],
    "line": ["", "   ", "1\t2 5\t 3", "300a -1a 256 -1", "9223372036854775808 -9223372036854775809",
             "1 " * 149 + "1", "1 " * 150, "<b>&amp; é"],
    "bytes": ["", "80 ff 7f 00", "0 1 2 3 4 5 6 7 8 9 a b c d e f", "100", "g", "-1",
              "0 1 2 3 4 5 6 7 8 9 a b c d e f 10"],
    "command": ["0", "-1", "2147483648"], "payload": ["", "a", "<&", "é", "abcd"],
    "floatValue1": ["0", "-0", "1e-45", "1e-40", "3.4028235e38", "1e39", "inf", "-nan", "0x1p-3", "3.142f", "1e-50", " 3 "],
    "longValue": ["9223372036854775807", "-9223372036854775808", "9223372036854775808"],
    "text": ["", "12345678901234567890", "123456789012345678901"],
    "arr": ["16777216" + " 1" * 17, "1 2", "nan" + " 1" * 17, "3e38 " * 18],
    "capacity": ["0", "1", "16", "17", "-1"], "samples": ["1804289383", "nan 1 inf -inf 2"],
    "readings": ["100", "100 105 105 106", "100 101 102 90 90 91 92", "-1 0 -1", "x"],
    "period": ["5", "0", "3601"],
}


def setUpModule():
    global SERVER, BROWSER, BASE, PROFILE
    http.server.SimpleHTTPRequestHandler.log_message = lambda *arguments: None
    handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=str(PATHS.html))
    SERVER = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=SERVER.serve_forever, daemon=True).start()
    BASE = f"http://127.0.0.1:{SERVER.server_port}/"
    PROFILE = tempfile.TemporaryDirectory()
    options = webdriver.ChromeOptions()
    options.binary_location = os.environ["CHROMIUM"]
    # As root, chromium needs no sandbox; the rest keep it from calling Google's services.
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", f"--user-data-dir={PROFILE.name}"):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    BROWSER = webdriver.Chrome(service=Service(os.environ["CHROMEDRIVER"]), options=options)


def tearDownModule():
    BROWSER.quit()
    SERVER.shutdown()
    PROFILE.cleanup()


def script(code, *arguments):
    return BROWSER.execute_script(code, *arguments)


def answer(code, *arguments):
    """Runs a script that ends by calling done(result), and returns the result."""
    return BROWSER.execute_async_script(code, *arguments)


def find(selector, within=None):
    return (within or BROWSER).find_elements(By.CSS_SELECTOR, selector)


def open_page(page, width=1280, dark=False, base=None):
    """Loads `page` at a screen `width` in CSS pixels, light or dark."""
    BROWSER.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": 900, "deviceScaleFactor": 1, "mobile": width < 600})
    BROWSER.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [
        {"name": "prefers-color-scheme", "value": "dark" if dark else "light"}]})
    BROWSER.get((base or BASE) + page + ".html")


class Pages(unittest.TestCase):
    def run_program(self):
        """Runs the page's program to its end in the page: its output's bytes and element."""
        find("form.run button")[0].click()
        WebDriverWait(BROWSER, 10).until(lambda _: find("form.run .status")[0].text)
        self.assertRegex(find("form.run .status")[0].text, r"^exit status 0, after \d+ ms$")
        return script(READ, find("form.run pre")[0]).encode("latin-1"), find("form.run pre")[0]

    def test_pages_opened_as_files_show_and_run_the_programs_bytes_and_redraw(self):
        base = pathlib.Path(os.environ.get("SITE_FILES", PATHS.html)).resolve().as_uri() + "/"
        for name, program in PROGRAMS.items():
            with self.subTest(program=name):
                open_page(name, base=base)
                output = find("form.run pre")[0]
                marked = output.get_attribute("innerHTML")
                shown = script(READ, output).encode("latin-1")
                self.assertEqual(shown, program.output(PATHS.source))
                hidden = {"tab": shown.count(b"\t"), "escaped": sum(byte not in b"\t\n" and not 32 <= byte < 127 for byte in shown),
                          "blank": sum(len(line) - len(line.rstrip(b" ")) for line in shown.split(b"\n"))}
                legend = {e.get_attribute("data-kind") for e in find("#output .legend dt")}
                self.assertEqual(legend, {kind for kind, count in hidden.items() if count})
                # A byte map holds the bytes that the program prints, in order.
                cells = [int(cell.text, 16) for cell in find("table.bytes td[data-offset]")]
                printed = [int(byte, 16) for byte in re.findall(rb"0x([0-9a-f]{2})", shown)]
                self.assertEqual(cells, printed[:len(cells)])
                self.assertEqual([marked.count(f'class="{kind}"') for kind in hidden], list(hidden.values()))
                if program.expected:  # run in the page, compiled for wasm32, and marked alike
                    shown, output = self.run_program()
                    self.assertEqual((shown, output.get_attribute("innerHTML")), (program.output(PATHS.source), marked))
                for form in find("form.experiment"):  # redrawn as it was drawn at build time
                    shown = answer(TYPE, form, {}, find(".drawn", form)[0].get_attribute("innerHTML"), READ)
                    self.assertEqual(shown["picture"], shown["native"])

    def test_sampler_runs_on_a_clock_stepped_forward_and_back(self):
        open_page("secondSampler")
        started = answer(CLICK, "form.run button:not([name])", 0)
        time.sleep(3)
        forward = answer(CLICK, "button[name=forward]", 500)
        time.sleep(1)
        back = answer(CLICK, "button[name=back]", 500)
        time.sleep(2)
        answer(CLICK, "form.run button:not([name])", 0)
        self.assertRegex(find("form.run .status")[0].text, r"^stopped, after \d+ ms$")
        seen = script("return window.seen")
        self.assertEqual(seen[0][1], "arrayStats begin...")
        times = [int(re.fullmatch(r"Exec\.\.\.(\d+)", line).group(1)) for _, line in seen[1:]]
        arrived = [when for when, _ in seen[1:]]
        self.assertLess(arrived[0] - started, 2)
        self.assertGreater(min(b - a for a, b in zip(arrived, arrived[1:])), 0.3, f"a burst: {seen}")
        after = next(i for i, when in enumerate(arrived) if when > forward)
        self.assertLess(arrived[after] - forward, 0.4)
        self.assertGreaterEqual(times[after], times[after - 1] + 300)
        after = next(i for i, when in enumerate(arrived) if when > back)
        self.assertEqual(times[after], int(back) + 300 - 60 + 1)
        time.sleep(1.2)
        self.assertEqual(len(script("return window.seen")), len(seen), "it ran on after it was stopped")
        script("for (let i = 0; i < 3; i++) document.querySelector('form.run button:not([name])').click()")
        time.sleep(0.5)  # started, stopped and started again: the stopped run's end changes nothing
        self.assertEqual(find("form.run .status")[0].text, "running")
        find("form.run button")[0].click()

    def test_experiments_answer_as_the_native_lessons(self):
        chance, took = random.Random(29), []
        for name, program in PROGRAMS.items():
            open_page(name, 375)  # and every answer fits a phone's width
            for form in find("form.experiment"):
                number = form.get_attribute("data-experiment")
                inputs = {i.get_attribute("name"): i.get_attribute("value") for i in find("input", form)}
                cases = [{}] + [{key: value} for key in inputs for value in EDGES.get(key, [])]
                for values in cases + [{key: RANDOM[key](chance) for key in inputs} for _ in range(12)]:
                    values = inputs | values
                    with self.subTest(program=name, values=values):
                        status, output, drawn = program.ask(number, *(f"{k}={v}" for k, v in values.items()))
                        shown = answer(TYPE, form, values, drawn, READ)
                        took.append(shown["took"])
                        self.assertLessEqual(script("return document.documentElement.scrollWidth"), 375)
                        if status == 2:
                            self.assertEqual(shown["messages"], dict(line.split("\t", 1) for line in drawn.splitlines()))
                        else:
                            self.assertEqual((shown["output"].encode("latin-1"), shown["picture"],
                                              shown["messages"]), (output, shown["native"], {}))
                        if values == inputs and program.expected:  # the defaults are the program's
                            self.assertEqual(output, program.output(PATHS.source))
        took.sort()
        print(f"{len(took)} answers, from input to answer: median {took[len(took) // 2]:.1f} ms, "
              f"at most {took[-1]:.1f} ms", file=sys.stderr)

    def test_pages_are_small_link_within_and_load_offline_phone_wide_and_dark(self):
        colours = 'return [...document.querySelectorAll("html, .picture, .picture *")].map((e) => ' \
                  '["color", "backgroundColor", "fill"].map((p) => getComputedStyle(e)[p]).join())'
        for page in PAGES:
            seen = []
            text = (PATHS.html / f"{page}.html").read_text()
            loaded = re.findall(r'(?:src|href)="([\w.]+\.(?:css|js))"', text)
            self.assertLessEqual(len(text.encode()) + sum((PATHS.html / f).stat().st_size for f in loaded),
                                 200 * 1024, page)
            for link in re.findall(r'<a [^>]*href="([^"]*)"', text):  # each within the site
                target, _, fragment = link.partition("#")
                self.assertRegex(target, r"^[\w.]*$", link)
                self.assertIn(f'id="{fragment}"' if fragment else "", (PATHS.html / (target or f"{page}.html")).read_text())
            for width, dark in ((375, False), (375, True), (1280, False), (1280, True)):
                BROWSER.get_log("performance")
                open_page(page, width, dark)
                with self.subTest(page=page, width=width, dark=dark):
                    self.assertEqual([e for e in BROWSER.get_log("browser") if e["level"] == "SEVERE"], [])
                    requests = [json.loads(entry["message"])["message"] for entry in BROWSER.get_log("performance")]
                    urls = [request["params"]["request"]["url"] for request in requests
                            if request["method"] == "Network.requestWillBeSent"
                            and request["params"].get("documentURL", "").startswith(BASE)]
                    self.assertTrue(urls)
                    self.assertEqual([url for url in urls if not url.startswith(BASE)], [])
                    self.assertLessEqual(script("return document.documentElement.scrollWidth"), width)
                    self.assertEqual(script(SMALL), [])
                seen.append(script(colours))
            with self.subTest(page=page):
                for light, dark in zip(seen[2], seen[3], strict=True):
                    self.assertNotEqual(light, dark)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + ARGUMENTS[ARGUMENTS.index("--") + 1:-1])
