#!/usr/bin/python3
"""The web pages `make` writes, opened in headless Chromium: for every activity the key's
answers give full marks and wrong answers none; the riddle's punch line shows only the letters
answered right; the page is valid HTML, works offline, fits a phone and prints without its
buttons. Usage: web_pages_test.py PROGRAM. Exits 77 (skipped) when no browser can be driven."""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

SKIP = 77
PROGRAM = None

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
except ImportError:
    webdriver = None


def fnv1a(text):
    h = 0x811C9DC5
    for b in text.encode("utf-8"):
        h = ((h ^ b) * 0x01000193) & 0xFFFFFFFF
    return "%08x" % h


def make(folder, activity, name, *options, key=True):
    page = os.path.join(folder, name + ".html")
    command = [PROGRAM, "make", activity, *options, "-o", page]
    if key:
        command += ["--answer-key", os.path.join(folder, name + ".txt")]
    subprocess.run(command, check=True)
    text = open(os.path.join(folder, name + ".txt"), encoding="utf-8").read() if key else ""
    return page, text


def key_lines(key):
    """{number: rest of the line} of an answer key's numbered lines."""
    return {int(m.group(1)): m.group(2).strip()
            for m in re.finditer(r"^\s*(\d+)\)\s+(.*)$", key, re.M)}


def numbers_answers(key):
    """Answer and remainder boxes: {aria label: entry}."""
    boxes = {}
    for n, rest in key_lines(key).items():
        m = re.match(r"(-?\d+)(?:\s+Remainder\s+(-?\d+))?", rest)
        boxes["Answer %d" % n] = m.group(1)
        if m.group(2):
            boxes["Remainder %d" % n] = m.group(2)
    return boxes


def riddle_answers(key):
    return {"Answer %d" % n: rest.split("=")[1].strip() for n, rest in key_lines(key).items()}


def letter_answers(key):
    return {"Answer %d" % n: rest for n, rest in key_lines(key).items()}


CORNERS = ["top left", "top right", "bottom left", "bottom right"]


def square_answers(key):
    boxes = {}
    for n, rest in key_lines(key).items():
        for corner, value in zip(CORNERS, rest.split(",")):
            boxes["Square %d, %s" % (n, corner)] = value.strip()
    return boxes


def another_addition_square(boxes):
    """Another solution of each addition square: a + t, b - t, c - t, d + t."""
    other = {}
    for label, value in boxes.items():
        corner = label.split(", ")[1]
        other[label] = str(int(value) + (1 if corner in ("top left", "bottom right") else -1))
    return other


def wrong(boxes):
    """Every entry off by one: not one problem right."""
    return {label: str(int(value) + 1) if value.lstrip("-").isdigit() else
            ("B" if value == "A" else "A") for label, value in boxes.items()}


class WebPages(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp(prefix="abacore-web-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                     "--no-first-run", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync",
                     "--user-data-dir=" + os.path.join(cls.folder, "profile")]:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
        cls.browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        cls.browser.set_window_size(1024, 900)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        shutil.rmtree(cls.folder, ignore_errors=True)

    def open(self, page):
        self.browser.get_log("performance")  # forget the requests of earlier pages
        self.browser.get("file://" + page)
        requested = [m["message"] for m in self.browser.get_log("performance")
                     if '"Network.requestWillBeSent"' in m["message"]
                     and '"url":"data:' not in m["message"]]
        self.assertEqual(len(requested), 1, "the page asked for more than itself:\n%s"
                         % "\n".join(r[:300] for r in requested))
        if shutil.which("tidy"):
            result = subprocess.run(["tidy", "-errors", "-q", "--drop-empty-elements", "no", page],
                                    capture_output=True, text=True)
            self.assertEqual(result.stderr, "", "tidy on %s" % page)

    def box(self, label):
        return self.browser.find_element(By.CSS_SELECTOR, 'input[aria-label="%s"]' % label)

    def fill(self, boxes):
        for label, value in boxes.items():
            box = self.box(label)
            if box.get_attribute("readonly"):
                continue
            box.clear()
            box.send_keys(value)

    def score(self, sheet=None):
        root = sheet or self.browser
        root.find_element(By.CSS_SELECTOR, ".check").click()
        return root.find_element(By.CSS_SELECTOR, ".score").text

    def punch_line(self):
        return "".join(c.get_attribute("textContent")
                       for c in self.browser.find_elements(By.CSS_SELECTOR, ".blank .ch"))

    def test_answers_give_full_marks_and_wrong_ones_none(self):
        rows = [
            # name, activity, options, how the key reads, problems
            ("skills", "skills", ["--skills", "add,sub,mul,div", "--remainders", "--count", "20"],
             numbers_answers, 20),
            ("words", "words", ["--skills", "add,div", "--count", "8"],
             numbers_answers, 8),
            ("riddle", "riddle", ["--skills", "add,mul"], riddle_answers, None),
            ("squares", "squares", ["--skills", "add,sub,mul,div", "--remainders", "--count", "6",
                                    "--first-square-filled"], square_answers, 6),
            ("matching", "matching", ["--skills", "add,sub", "--count", "12"], letter_answers, 12),
        ]
        for name, activity, options, read_key, count in rows:
            for seed in ("1", "2"):
                with self.subTest(row=name, seed=seed):
                    page, key = make(self.folder, activity, name + seed, "--seed", seed,
                                     *options)
                    right = read_key(key)
                    count = count or len(key_lines(key))
                    self.open(page)
                    if name == "skills":
                        # The label a screen reader gives, not only the attribute.
                        self.assertEqual(self.box("Answer 3").accessible_name, "Answer 3")
                    self.fill(right)
                    self.assertEqual(self.score(), "Score: %d of %d" % (count, count))
                    self.fill(wrong(right))
                    self.assertEqual(self.score(), "Score: 0 of %d" % count)
                    marks = self.browser.find_elements(By.CSS_SELECTOR, ".mark")
                    self.assertTrue(all(m.text == "\u2717 Wrong" for m in marks))

    def test_squares_take_any_solution(self):
        page, key = make(self.folder, "squares", "squares-other", "--seed", "4",
                         "--count", "4")
        self.open(page)
        other = another_addition_square(square_answers(key))
        self.fill(other)
        self.assertEqual(self.score(), "Score: 4 of 4")

    def test_remainder_is_its_own_box(self):
        page, key = make(self.folder, "skills", "remainders", "--seed", "5", "--skills", "div",
                         "--remainders", "--count", "6")
        self.open(page)
        right = numbers_answers(key)
        self.fill(right)
        self.box("Remainder 1").clear()
        self.box("Remainder 1").send_keys(str(int(right["Remainder 1"]) + 1))
        self.assertEqual(self.score(), "Score: 5 of 6")

    def test_riddle_shows_only_the_letters_answered_right(self):
        page, key = make(self.folder, "riddle", "punch", "--seed", "3", "--riddle",
                         "What has hands but cannot clap?", "--punchline", "A clock!")
        self.open(page)
        right = riddle_answers(key)
        letters = {n: rest.split("=")[0].strip() for n, rest in key_lines(key).items()}
        self.assertEqual(self.punch_line().strip(), "")
        # All but the C answered right: every blank but the two C's shows its letter.
        c = [n for n, letter in letters.items() if letter == "C"][0]
        self.fill({**right, "Answer %d" % c: str(int(right["Answer %d" % c]) + 1)})
        self.score()
        self.assertEqual(self.punch_line().replace("\u00a0", "_"), "A_LO_K")
        self.fill(right)
        self.score()
        self.assertEqual(self.punch_line(), "ACLOCK")
        self.fill(wrong(right))
        self.score()
        self.assertEqual(self.punch_line().strip("\u00a0 "), "")

    def test_cards_turn_over_on_click_and_key(self):
        page, _ = make(self.folder, "cards", "cards", "--seed", "6", "--skills", "add,mul",
                       "--count", "5", key=False)
        self.open(page)
        cards = self.browser.find_elements(By.CSS_SELECTOR, ".card")
        self.assertEqual(len(cards), 5)
        self.assertEqual(self.browser.find_elements(By.CSS_SELECTOR, ".check"), [])
        for k, card in enumerate(cards):
            first, sign, second, _ = card.text.split()
            (card.click if k % 2 else lambda: card.send_keys(Keys.ENTER))()
            expected = int(first) + int(second) if sign == "+" else int(first) * int(second)
            self.assertEqual(card.text, str(expected), "card %d" % (k + 1))
            card.send_keys(" ")
            self.assertTrue(card.text.endswith("="), "card %d turns back" % (k + 1))

    def test_crossword_typed_cell_by_cell(self):
        page, key = make(self.folder, "crossword", "crossword", "--seed", "7", "--count", "12")
        grid = [row for row in key.splitlines() if not row.startswith("Sheet code")]
        self.open(page)
        cells = self.browser.find_elements(By.CSS_SELECTOR, ".cell")
        entries = len(self.browser.find_elements(By.CSS_SELECTOR, ".item"))
        self.assertEqual(len(cells), sum(len(row.replace(".", "")) for row in grid))
        # The arrow keys move to the next cell in their direction.
        first = cells[0]
        x, y = int(first.get_attribute("data-x")), int(first.get_attribute("data-y"))
        first.click()
        first.send_keys(Keys.ARROW_RIGHT if grid[y - 1][x] != "." else Keys.ARROW_DOWN)
        moved = self.browser.switch_to.active_element
        self.assertNotEqual(moved.get_attribute("id"), first.get_attribute("id"))
        for solved, expected in ((True, entries), (False, 0)):
            for cell in cells:
                x, y = int(cell.get_attribute("data-x")), int(cell.get_attribute("data-y"))
                character = grid[y - 1][x - 1]
                if not solved:
                    character = "1" if character != "1" else "2"
                cell.click()
                cell.send_keys(character)
            self.assertEqual(self.score(), "Score: %d of %d" % (expected, entries))

    def test_class_set_page_has_a_section_per_version(self):
        page, key = make(self.folder, "skills", "set", "--seed", "8", "--count", "4",
                         "--copies", "3")
        self.open(page)
        sheets = self.browser.find_elements(By.CSS_SELECTOR, "section.sheet")
        self.assertEqual([s.find_element(By.CSS_SELECTOR, ".version").text for s in sheets],
                         ["Version %d of 3" % k for k in (1, 2, 3)])
        # Each version is marked against its own key only.
        keys = key.split("\f")
        for k, sheet in enumerate(sheets):
            for label, value in numbers_answers(keys[k]).items():
                boxes = sheet.find_elements(By.CSS_SELECTOR, 'input[aria-label="%s"]' % label)
                for box in boxes:
                    box.send_keys(value)
            self.assertEqual(self.score(sheet), "Score: 4 of 4", "version %d" % (k + 1))

    def test_page_fits_a_phone_and_prints_without_buttons(self):
        page, key = make(self.folder, "skills", "phone", "--seed", "9", "--count", "20",
                         "--picture", os.path.join(os.path.dirname(PROGRAM), "AbacoreBack.jpg"))
        self.open(page)
        self.fill(numbers_answers(key))
        try:
            self.browser.set_window_size(360, 740)
            width = self.browser.execute_script(
                "return [document.documentElement.scrollWidth, window.innerWidth]")
            self.assertLessEqual(width[0], width[1], "wider than the phone")
            self.browser.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
            shown = self.browser.execute_script(
                "var b = getComputedStyle(document.querySelector('.actions'));"
                "var i = getComputedStyle(document.querySelector('input[data-h]'));"
                "return [b.display, i.color];")
            self.assertEqual(shown, ["none", "rgba(0, 0, 0, 0)"])
        finally:
            self.browser.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})
            self.browser.set_window_size(1024, 900)

    def test_page_hashes_as_the_program_does(self):
        page, _ = make(self.folder, "skills", "hash", "--count", "1", key=False)
        self.open(page)
        for text in ["", "a", "foobar", "7|12 \u00f7 3 =|remainder|0", "3|Zo\u00eb's \U0001F34E|letter|B"]:
            with self.subTest(text=text):
                self.assertEqual(self.browser.execute_script("return answerHash(arguments[0])",
                                                             text), fnv1a(text))


def main():
    global PROGRAM
    PROGRAM = os.path.abspath(sys.argv.pop(1))
    if webdriver is None:
        print("SKIPPED: python3-selenium is not installed (scripts/setup.sh installs it)")
        return SKIP
    if not (os.access("/usr/bin/chromium", os.X_OK) and os.access("/usr/bin/chromedriver", os.X_OK)):
        print("SKIPPED: chromium and chromium-driver are not installed (scripts/setup.sh installs them)")
        return SKIP
    result = unittest.main(exit=False, verbosity=2).result
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
