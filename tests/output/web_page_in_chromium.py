#!/usr/bin/env python3
"""Solves the exported web page in headless Chromium, as a person would:
real mouse clicks and key presses sent over the DevTools protocol, the
page opened from the disk. The answers come from `zpxtool info`, not from
the page. Also looks at the page's text (size, no address of anything on
the network) and at the page on a phone-sized screen.

usage: web_page_in_chromium.py ZPXTOOL PUZZLE.zpx [--screenshot FILE.png]
"""

import base64
import json
import os
import re
import signal
import subprocess
import sys
import tempfile
import time
import urllib.request

import websocket

CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync",
                  "--remote-debugging-port=0"]
KEY_CODES = {"Backspace": 8, "Tab": 9, "ArrowLeft": 37, "ArrowUp": 38, "ArrowRight": 39, "ArrowDown": 40}


class Browser:
    """One headless Chromium with a new, empty profile, and its first page."""

    def __init__(self, profile):
        self.process = subprocess.Popen(["chromium"] + CHROMIUM_FLAGS + ["--user-data-dir=" + profile, "about:blank"],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        port_file = os.path.join(profile, "DevToolsActivePort")
        deadline = time.time() + 60
        while not (os.path.exists(port_file) and open(port_file).read().count("\n") >= 1):
            if time.time() > deadline or self.process.poll() is not None:
                raise RuntimeError("chromium did not start its DevTools server")
            time.sleep(0.1)
        port = open(port_file).read().split("\n")[0]
        with urllib.request.urlopen("http://127.0.0.1:%s/json/list" % port, timeout=30) as answer:
            page = next(t for t in json.load(answer) if t["type"] == "page")
        self.socket = websocket.create_connection(page["webSocketDebuggerUrl"], timeout=60, suppress_origin=True)
        self.last_id = 0
        self.events = []

    def call(self, method, **params):
        self.last_id += 1
        self.socket.send(json.dumps({"id": self.last_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.last_id:
                if "error" in message:
                    raise RuntimeError("%s: %s" % (method, message["error"]))
                return message["result"]
            self.events.append(message)

    def wait_for(self, event, seconds=30):
        deadline = time.time() + seconds
        while time.time() < deadline:
            for i, message in enumerate(self.events):
                if message.get("method") == event:
                    return self.events.pop(i)
            self.socket.settimeout(max(0.1, deadline - time.time()))
            self.events.append(json.loads(self.socket.recv()))
        raise RuntimeError("no " + event)

    def evaluate(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True)
        if "exceptionDetails" in result:
            raise RuntimeError("%s: %s" % (expression, result["exceptionDetails"]))
        return result["result"].get("value")

    def load(self, url=None):
        self.events = [e for e in self.events if e.get("method") != "Page.loadEventFired"]
        if url:
            self.call("Page.navigate", url=url)
        else:
            self.call("Page.reload")
        self.wait_for("Page.loadEventFired")

    def click(self, selector):
        x, y = self.evaluate("(function () { var e = document.querySelector(%s);"
                             " e.scrollIntoView({block: 'center', inline: 'center'});"
                             " var r = e.getBoundingClientRect(); return [r.left + r.width / 2, r.top + r.height / 2]; })()"
                             % json.dumps(selector))
        self.call("Input.dispatchMouseEvent", type="mouseMoved", x=x, y=y)
        for kind in ("mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left", clickCount=1)

    def press(self, key):
        if len(key) == 1:
            down = {"type": "keyDown", "key": key, "code": "Key" + key.upper(), "text": key, "unmodifiedText": key,
                    "windowsVirtualKeyCode": ord(key.upper())}
        else:
            down = {"type": "rawKeyDown", "key": key, "code": key, "windowsVirtualKeyCode": KEY_CODES[key]}
        self.call("Input.dispatchKeyEvent", **down)
        self.call("Input.dispatchKeyEvent", **dict(down, type="keyUp"))

    def close(self):
        self.socket.close()
        os.killpg(self.process.pid, signal.SIGTERM)
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait()


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def expect(self, condition, what):
        if condition:
            self.passed += 1
        else:
            self.failed += 1
            print("FAILED: " + what)


def square(col, row):
    return '[data-col="%d"][data-row="%d"]' % (col, row)


def blank(label, position):
    return '[data-word="%s"][data-pos="%d"]' % (label, position)


def word_label(w):
    return chr(w + 64) if w <= 26 else chr(w + 70) * 2


def main():
    zpxtool, puzzle = sys.argv[1], sys.argv[2]
    screenshot = sys.argv[4] if len(sys.argv) == 5 and sys.argv[3] == "--screenshot" else None
    checks = Checks()
    expect = checks.expect
    work = tempfile.mkdtemp(prefix="zpx-web-page-")
    page_file = os.path.join(work, "page.html")
    subprocess.run([zpxtool, "export", "html", puzzle, page_file], check=True, stdout=subprocess.DEVNULL)
    info = json.loads(subprocess.run([zpxtool, "info", puzzle], check=True, capture_output=True, text=True).stdout)
    rows = info["answers"]
    letters = [(c + 1, r + 1, ch) for r, row in enumerate(rows) for c, ch in enumerate(row) if ch != "#"]
    words = [(word_label(w + 1), refs) for w, refs in enumerate(info["words"]) if refs]

    text = open(page_file, encoding="utf-8").read()
    expect(len(text.encode("utf-8")) <= 300 * 1024, "the page is at most 300 KB")
    expect(not re.search(r"""(src|href)\s*=\s*["']?\s*(https?:|//)|url\(\s*["']?\s*(https?:|//)|@import""", text, re.I),
           "no src, href, url() or import names an address on the network")
    expect(not re.search(r"\b(fetch|XMLHttpRequest|WebSocket|EventSource|sendBeacon)\b", text), "the script asks nothing of the network")

    profile = tempfile.mkdtemp(prefix="zpx-chromium-")
    browser = Browser(profile)
    try:
        browser.call("Network.enable")
        browser.call("Page.enable")
        url = "file://" + page_file
        browser.load(url)
        js = browser.evaluate

        expect(js("document.querySelector('h1').textContent") == os.path.splitext(os.path.basename(puzzle))[0],
               "the title heads the page")
        if info["byline"]:
            expect(info["byline"] in js("document.body.innerText"), "the byline is on the page")
        expect(js("document.querySelectorAll('[data-col]').length") == len(letters), "every letter square has data-col")
        expect(js("document.querySelector('.grid').children.length") == len(rows) * len(rows[0]),
               "the grid has every square, the blocks without data-col")
        expect(all(js("document.querySelector('%s') !== null" % square(c, r)) for c, r, _ in letters),
               "each letter square is found by its column and row")
        numbers_agree = all(
            js("document.querySelector('%s').textContent.trim()" % blank(label, p + 1))
            == js("document.querySelector('%s .n').textContent" % square(ref // 100, ref % 100))
            for label, refs in words for p, ref in enumerate(refs) if ref)
        expect(numbers_agree, "each blank shows the number of its grid square")

        def value(selector):
            return js("document.querySelector('%s input').value" % selector)

        def focused():
            return js("(function () { var b = document.activeElement.parentElement;"
                      " return [b.getAttribute('data-col'), b.getAttribute('data-row'),"
                      " b.getAttribute('data-word'), b.getAttribute('data-pos')]; })()")

        (label_a, refs_a), (label_b, refs_b) = words[0], words[1]
        browser.click(blank(label_a, 1))
        browser.press("x")
        expect(value(square(refs_a[0] // 100, refs_a[0] % 100)) == "X", "a letter typed in a blank shows in its square")
        expect(focused()[2:] == [label_a, "2"], "typing moves on to the next blank")
        browser.click(square(refs_b[1] // 100, refs_b[1] % 100))
        browser.press("q")
        expect(value(blank(label_b, 2)) == "Q", "a letter typed in the grid shows in its blank")

        (c1, r1, _), (c2, r2, _) = letters[0], letters[1]
        browser.click(square(c1, r1))
        browser.press("ArrowRight")
        expect(focused()[:2] == [str(c2), str(r2)], "the right arrow moves to the next letter square")
        below = next(((c, r) for c, r, _ in letters if c == c2 and r > r2), None)
        browser.press("ArrowDown")
        if below:
            expect(focused()[:2] == [str(below[0]), str(below[1])], "the down arrow moves down the column")
        browser.press("ArrowLeft")
        before = focused()
        browser.press("Tab")
        expect(focused() != before and focused()[0] is not None, "Tab moves on to the next square")

        c, r, answer = letters[5]
        wrong_letter = "z" if answer != "Z" else "y"
        browser.click(square(c, r))
        browser.press(wrong_letter)
        check_button = "#" + browser.evaluate(
            "[].find.call(document.querySelectorAll('button'), b => b.textContent.trim() === 'Check').id")
        browser.click(check_button)
        expect(js("document.querySelector('%s').getAttribute('data-state')" % square(c, r)) == "wrong",
               "Check marks the wrong square")
        browser.click(square(c, r))
        browser.press(answer.lower())
        expect(js("document.querySelector('%s').hasAttribute('data-state')" % square(c, r)) is False,
               "the mark goes when the square is corrected")

        browser.click(square(c1, r1))
        for _, _, letter in letters[:-1]:
            browser.press(letter.lower())
        expect("Solved" not in js("document.body.innerText"), "one square short of the solution, the page is not solved")
        browser.press(letters[-1][2].lower())
        expect("Solved" in js("document.body.innerText"), "the full solution says Solved")

        browser.load()
        expect(all(value(square(c, r)) == ch for c, r, ch in letters), "the entries survive a reload")
        expect("Solved" in js("document.body.innerText"), "the reloaded page is still solved")

        requests = [e["params"]["request"]["url"] for e in browser.events if e.get("method") == "Network.requestWillBeSent"]
        expect(requests and all(r == url for r in requests),
               "the page asked for nothing but itself: %s" % sorted(set(requests) - {url}))

        browser.call("Emulation.setDeviceMetricsOverride", width=390, height=844, deviceScaleFactor=2, mobile=True)
        browser.load()
        expect(js("document.documentElement.scrollWidth") <= 390, "on a phone the page does not scroll sideways")
        expect(float(js("getComputedStyle(document.querySelector('.clue p')).fontSize")[:-2]) >= 14,
               "on a phone the clues are at least 14 px")
        expect(js("document.querySelector('[data-col]').getBoundingClientRect().width") >= 28,
               "on a phone a square is big enough to tap")
        if screenshot:
            shot = browser.call("Page.captureScreenshot", format="png")
            with open(screenshot, "wb") as f:
                f.write(base64.b64decode(shot["data"]))
    finally:
        browser.close()
        subprocess.run(["rm", "-rf", profile, work])

    print("%d passed, %d failed" % (checks.passed, checks.failed))
    sys.exit(1 if checks.failed else 0)


if __name__ == "__main__":
    main()
