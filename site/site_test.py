"""The lesson pages in a real browser: Debian's chromium, headless, driven by Selenium.

    site_test.py <check>

with SITE_MANIFEST, CHROMIUM and CHROMEDRIVER in the environment (site/CMakeLists.txt sets
them). The pages are served over HTTP from the build, as a learner's own server would serve
them. Screenshots of every page, at a phone's width and a desktop's, light and dark, are left
in <build>/screenshots for a person to look at.
"""

import functools
import http.server
import json
import os
import pathlib
import re
import tempfile
import threading
import unittest
import urllib.parse
import urllib.request

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By

MANIFEST = json.loads(pathlib.Path(os.environ["SITE_MANIFEST"]).read_text())
HTML = pathlib.Path(MANIFEST["output"])
SOURCE = pathlib.Path(MANIFEST["source"])
SHOTS = HTML.parent / "screenshots"
PAGES = ["index"] + sorted(MANIFEST["programs"])

# The output as a page shows it, with the NUL's mark read back as the byte (no output holds a
# backslash of its own): a tab and a trailing blank keep their own byte under their marks.
READ_OUTPUT = """
return arguments[0].innerText.replaceAll("\\\\0", "\\u0000");
"""

# How many elements of the class arguments[1] an output holds, and how many of them show a mark:
# one drawn over the byte, or the NUL's mark in place of it.
MARKED = """
const all = [...arguments[0].querySelectorAll("." + arguments[1])];
return [all.length, all.filter((e) => getComputedStyle(e, "::before").content !== "none"
                                      || e.textContent === "\\\\0").length];
"""

# The colours of an element and of everything inside it, in order.
COLOURS = """
const style = (e) => getComputedStyle(e);
return [arguments[0], ...arguments[0].querySelectorAll("*")].map((e) =>
    [style(e).color, style(e).backgroundColor, style(e).fill, style(e).stroke].join(" "));
"""


class Site(unittest.TestCase):
    """Serves the pages and starts a browser for one check."""

    @classmethod
    def setUpClass(cls):
        handler = functools.partial(Quiet, directory=str(HTML))
        cls.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=cls.server.serve_forever, daemon=True).start()
        cls.base = f"http://127.0.0.1:{cls.server.server_port}/"
        cls.profile = tempfile.TemporaryDirectory()
        options = webdriver.ChromeOptions()
        options.binary_location = os.environ["CHROMIUM"]
        # As root and in a chroot chromium needs no sandbox; the others keep it from calling
        # out to Google's services, which a closed network refuses.
        for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                     "--no-first-run", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync",
                     f"--user-data-dir={cls.profile.name}", "--window-size=1280,900"):
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
        cls.browser = webdriver.Chrome(service=Service(os.environ["CHROMEDRIVER"]),
                                       options=options)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.server.shutdown()
        cls.profile.cleanup()

    def open(self, page, width=1280, dark=False):
        """Loads `page` at a screen `width` in CSS pixels, light or dark."""
        self.browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": 900, "deviceScaleFactor": 1, "mobile": width < 600})
        self.browser.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [
            {"name": "prefers-color-scheme", "value": "dark" if dark else "light"}]})
        self.browser.get(self.base + page + ".html")

    def script(self, code, *arguments):
        return self.browser.execute_script(code, *arguments)


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *arguments):
        pass


class Loads(Site):
    def test_every_page_loads_alone_and_small(self):
        css = (HTML / "style.css").stat().st_size
        for page in PAGES:
            with self.subTest(page=page):
                self.browser.get_log("performance")
                self.open(page)
                errors = [entry for entry in self.browser.get_log("browser")
                          if entry["level"] == "SEVERE"]
                self.assertEqual(errors, [])
                requests = [json.loads(entry["message"])["message"]
                            for entry in self.browser.get_log("performance")]
                # What this page asked for; the browser's own start-up pages are left out.
                urls = [request["params"]["request"]["url"] for request in requests
                        if request["method"] == "Network.requestWillBeSent"
                        and request["params"].get("documentURL", "").startswith(self.base)]
                self.assertTrue(urls)
                self.assertEqual([url for url in urls if not url.startswith(self.base)], [])
                self.assertLess((HTML / f"{page}.html").stat().st_size + css, 150 * 1024)


class Outputs(Site):
    def test_output_is_the_programs_bytes_with_the_hidden_ones_marked(self):
        for name, program in MANIFEST["programs"].items():
            with self.subTest(program=name):
                self.open(name)
                output = self.browser.find_element(By.CSS_SELECTOR, "pre.output")
                shown = self.script(READ_OUTPUT, output).encode("latin-1")
                if program["expected"]:
                    self.assertNotIn(b"\\", (SOURCE / program["expected"]).read_bytes())
                    self.assertEqual(shown, (SOURCE / program["expected"]).read_bytes())
                else:
                    self.assertRegex(shown.decode(),
                                     r"\AarrayStats begin\.\.\.\n(Exec\.\.\.\d+\n){3}\Z")
                # Each tab, trailing blank and NUL carries its mark, and the legend names each
                # kind that the output holds.
                hidden = {"tab": shown.count(b"\t"), "nul": shown.count(b"\0"),
                          "blank": sum(len(line) - len(line.rstrip(b" "))
                                       for line in shown.split(b"\n"))}
                for kind, count in hidden.items():
                    self.assertEqual(self.script(MARKED, output, kind), [count, count], kind)
                kinds = {kind for kind, count in hidden.items() if count}
                legend = {element.get_attribute("data-kind") for element in
                          self.browser.find_elements(By.CSS_SELECTOR, ".legend dt")}
                self.assertEqual(legend, kinds)


class ByteMaps(Site):
    def test_cells_are_the_bytes_the_program_prints(self):
        for name, record, size in (("usartFrameDump", "usartFrame", 12),
                                   ("recordBytesDump", "mixedRecord", 48)):
            with self.subTest(record=record):
                self.open(name)
                cells = self.browser.find_elements(
                    By.CSS_SELECTOR, f'table[data-record="{record}"] td[data-offset]')
                shown = [int(cell.text, 16) for cell in sorted(
                    cells, key=lambda cell: int(cell.get_attribute("data-offset")))]
                expected = (SOURCE / MANIFEST["programs"][name]["expected"]).read_text()
                printed = [int(byte, 16) for byte in re.findall(r"0x([0-9a-f]{2})", expected)]
                self.assertEqual(shown, printed[:size])


class Phone(Site):
    def test_no_page_scrolls_sideways_at_a_phones_width(self):
        SHOTS.mkdir(exist_ok=True)
        for page in PAGES:
            for width, dark in ((375, False), (375, True), (1280, False), (1280, True)):
                self.open(page, width, dark)
                if width == 375:
                    with self.subTest(page=page, dark=dark):
                        self.assertLessEqual(
                            self.script("return document.documentElement.scrollWidth"), width)
                height = self.script("return document.documentElement.scrollHeight")
                self.browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                    "width": width, "height": height, "deviceScaleFactor": 1,
                    "mobile": width < 600})
                self.browser.save_screenshot(
                    str(SHOTS / f"{page}-{width}-{'dark' if dark else 'light'}.png"))


class DarkAndLinks(Site):
    def test_dark_mode_changes_the_page_and_its_pictures(self):
        for page in PAGES:
            with self.subTest(page=page):
                seen = []
                for dark in (False, True):
                    self.open(page, dark=dark)
                    seen.append([self.script(COLOURS, self.browser.find_element(By.TAG_NAME, "html"))[0]] +
                                [colours for picture in self.browser.find_elements(
                                    By.CSS_SELECTOR, ".picture")
                                 for colours in self.script(COLOURS, picture)])
                light, dark = seen
                self.assertNotEqual(light[0], dark[0])
                for before, after in zip(light[1:], dark[1:], strict=True):
                    self.assertNotEqual(before, after)

    def test_every_internal_link_resolves(self):
        for page in PAGES:
            self.open(page)
            for link in self.script("return [...document.links].map((a) => a.href)"):
                with self.subTest(page=page, link=link):
                    self.assertTrue(link.startswith(self.base), "a link out of the site")
                    target, _, fragment = link.partition("#")
                    with urllib.request.urlopen(target) as response:
                        self.assertEqual(response.status, 200)
                    if fragment:
                        self.browser.get(target)
                        self.assertTrue(self.script(
                            "return document.getElementById(arguments[0]) !== null",
                            urllib.parse.unquote(fragment)))
                        self.open(page)


if __name__ == "__main__":
    unittest.main()
