#!/usr/bin/env python3
"""Plays the game's web page in headless Chromium: start-up through the menu,
a story game that walks, back to the menu, a survival run whose high score
outlives a reload, and Quit. Any page error (uncaught exception, WebGL
error) fails the test. Usage: web_page_test.py SITE_FOLDER"""
import os
import shutil
import subprocess
import sys
import time

from page_driver import Page

SKIP = 77
HIGH_SCORES = "/home/web_user/.local/share/larder2/highscores.txt"


def read_scores(page):
    return page.evaluate("(function () { try { return larderFS.readFile(%r, {encoding: 'utf8'}); }"
                         " catch (e) { return null; } })()" % HIGH_SCORES)


def find_chromium():
    """The system's chromium, installed through apt when missing (never a
    browser some tool downloads for itself)."""
    found = shutil.which("chromium") or shutil.which("chromium-browser")
    if not found:
        sudo = [] if os.geteuid() == 0 else ["sudo", "-n"]
        subprocess.run(sudo + ["apt-get", "install", "-y", "chromium"], stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))
        found = shutil.which("chromium")
    return found


def step(text):
    print("--", text, flush=True)


def main():
    site = sys.argv[1]
    if not os.path.exists(os.path.join(site, "index.html")):
        if not shutil.which("emcc"):
            print("SKIPPED: emscripten could not be installed, so there is no site to play")
            return SKIP
        print("FAIL: no site in %s (./web.sh builds it)" % site)
        return 1
    chromium = find_chromium()
    if not chromium:
        print("SKIPPED: chromium is not installed and could not be installed (apt-get install chromium)")
        return SKIP
    page = Page(site, chromium)
    try:
        step("start-up through the menu")
        started = time.time()
        page.open()
        page.wait_for("Entering menu loop", 120)
        print("menu after %.1f s" % (time.time() - started))
        for line in ("Larder 2 Engine: Pre-Init", "OpenGL initialization successful.", "Passing to menu loop"):
            page.wait_for(line, 1)

        step("the picture fills the page at a whole multiple, and clicks map back to it")
        box = page.evaluate("(function () { var r = document.getElementById('canvas')"
                            ".getBoundingClientRect(); return [r.left, r.top, r.width, r.height,"
                            " innerWidth, innerHeight]; })()")
        left, top, width, height, page_w, page_h = box
        scale = min(page_w // 800, page_h // 600)
        assert (width, height) == (800 * scale, 600 * scale), "canvas %gx%g in a %gx%g page" % tuple(box[2:])
        mark = page.mark()
        page.click(left + 600.5 * scale, top + 150.5 * scale)  # the middle of picture pixel (600, 150)
        page.wait_for("x,y: 600,150", 10, since=mark)  # the menu names the picture position

        step("a story game starts and the player walks")
        page.pump(1)
        page.key("Return")
        page.wait_for("Massloading actors", 60)
        page.pump(2)
        page.key("Return")  # closes the help screen every game starts with
        page.pump(1)
        before = page.screenshot()
        page.key("d", up=False)
        page.pump(1.5)
        page.key("d", down=False)
        page.pump(0.5)
        assert page.screenshot() != before, "the picture did not change while the player walked"

        step("Escape returns to the menu, where Survival starts a run")
        page.key("Escape")
        page.pump(1)
        assert read_scores(page) is None, "high scores before any survival run"
        mark = page.mark()
        page.key("Down")
        page.key("Return")
        page.wait_for("map loaded", 30, since=mark)
        page.pump(1)
        page.key("Return")  # closes the help screen

        step("the survival run ends and its high score is kept")
        deadline = time.time() + 300
        while read_scores(page) is None:
            assert time.time() < deadline, "the survival run did not end in 5 minutes"
            assert not page.errors, page.errors
            page.pump(1)
        scores = read_scores(page)
        print(scores.strip())
        page.pump(2)  # the browser storage is written after the save
        page.key("Return")  # closes the results
        page.pump(1)

        step("the high score is still there after a reload")
        page.reload()
        page.wait_for("Entering menu loop", 120)
        assert read_scores(page) == scores, "high scores after the reload: %r" % read_scores(page)

        step("full browser storage is reported and play goes on")
        page.evaluate("IDBObjectStore.prototype.put = function () {"
                      " throw new DOMException('the disk is full', 'QuotaExceededError'); }")
        page.pump(1)
        mark = page.mark()
        page.key("Down")
        page.key("Return")  # another survival run, whose score cannot be stored
        page.wait_for("map loaded", 30, since=mark)
        page.pump(1)
        page.key("Return")
        page.wait_for("Browser storage refused the user files", 300, since=mark)
        page.pump(1)
        page.key("Return")  # closes the results
        page.pump(1)
        page.key("Up")  # Survival to New Game

        step("Quit ends the game with a goodbye")
        page.pump(1)
        page.key("Up")  # from New Game round to Quit
        page.key("Return")
        page.wait_for("Thanks for playing", 30)
        page.pump(1)
        assert not page.errors, page.errors
        print("PASS")
        return 0
    finally:
        if page.errors:
            print("page errors:", *page.errors, sep="\n  ")
        page.close()


if __name__ == "__main__":
    sys.exit(main())
