#!/usr/bin/env python3
"""Opens an HTML report in headless Chromium and checks it against the job's
result file.

usage: browser_check.py REPORT.html RESULT_FILE [--screenshot OUT.png] [--piece N [--piece-screenshot OUT.png]]

Checks, through the DevTools protocol on a pipe (no network port):
  - one section per cut piece of the result file, in its order, with its
    status (PASS / FAIL / NO BENDING REQUIRED);
  - one drawing (three views) per run the result file lists for the piece;
  - the clash view, with a surface marked as hit, on exactly the pieces whose
    block has a clash report;
  - the step control of every drawing moves the pipe: going to the first
    motion (the load) changes the drawn pipe and the step label;
  - a screenshot of the page (and one of section N with --piece) is neither
    blank nor one colour.
The screenshots are kept with --screenshot and --piece-screenshot.

Exits 0 when all hold, 1 when one fails, 77 when Chromium is missing (unless
CI is set, where a missing browser is a failure).
"""
import base64
import json
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zlib

FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--remote-debugging-pipe"]


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


class Browser:
    def __init__(self, executable, profile):
        to_child_r, self.to_child = os.pipe()
        self.from_child, from_child_w = os.pipe()

        def wire():
            # Copies first, so that neither end already sits on 3 or 4
            # (dup2 onto itself would keep it closed on exec).
            read_end, write_end = os.dup(to_child_r), os.dup(from_child_w)
            os.dup2(read_end, 3)
            os.dup2(write_end, 4)

        self.proc = subprocess.Popen([executable, *FLAGS, "--user-data-dir=" + profile, "about:blank"],
                                     stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL, close_fds=False, preexec_fn=wire)
        os.close(to_child_r)
        os.close(from_child_w)
        self.next_id = 0
        self.buffer = b""
        self.session = None

    def send(self, method, params=None, session=True):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session and self.session:
            message["sessionId"] = self.session
        os.write(self.to_child, json.dumps(message).encode() + b"\0")
        deadline = time.time() + 60
        while True:
            while b"\0" not in self.buffer:
                if time.time() > deadline:
                    fail("no answer from the browser to " + method)
                chunk = os.read(self.from_child, 1 << 20)
                if not chunk:
                    fail("the browser closed its pipe")
                self.buffer += chunk
            raw, self.buffer = self.buffer.split(b"\0", 1)
            answer = json.loads(raw)
            if answer.get("id") == self.next_id:
                if "error" in answer:
                    fail(method + ": " + json.dumps(answer["error"]))
                return answer["result"]

    def evaluate(self, expression):
        result = self.send("Runtime.evaluate", {"expression": expression, "returnByValue": True,
                                                "awaitPromise": True})
        if "exceptionDetails" in result:
            fail("script error: " + json.dumps(result["exceptionDetails"])[:500])
        return result["result"].get("value")

    def close(self):
        try:
            self.send("Browser.close", session=False)
        except SystemExit:
            pass
        try:
            self.proc.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.proc.kill()


def png_pixels(data):
    """Decodes an 8-bit RGB or RGBA PNG; returns (width, height, rows of bytes, bytes per pixel)."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        fail("the screenshot is not a PNG")
    at, idat, width, height, kind = 8, b"", 0, 0, 0
    while at < len(data):
        length, tag = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if tag == b"IHDR":
            width, height, depth, kind = struct.unpack(">IIBB", body[:10])
            if depth != 8 or kind not in (2, 6):
                fail("unexpected PNG format")
        elif tag == b"IDAT":
            idat += body
        at += 12 + length
    bpp = 3 if kind == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * bpp
    rows, previous, at = [], bytearray(stride), 0
    for _ in range(height):
        kind_of_filter = raw[at]
        line = bytearray(raw[at + 1:at + 1 + stride])
        at += 1 + stride
        for i in range(stride):
            left = line[i - bpp] if i >= bpp else 0
            up = previous[i]
            corner = previous[i - bpp] if i >= bpp else 0
            if kind_of_filter == 1:
                line[i] = (line[i] + left) & 255
            elif kind_of_filter == 2:
                line[i] = (line[i] + up) & 255
            elif kind_of_filter == 3:
                line[i] = (line[i] + ((left + up) >> 1)) & 255
            elif kind_of_filter == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        rows.append(bytes(line))
        previous = line
    return width, height, rows, bpp


def check_screenshot(png):
    width, height, rows, bpp = png_pixels(png)
    colours = {}
    for y in range(0, height, 4):
        row = rows[y]
        for x in range(0, width, 4):
            colour = row[x * bpp:x * bpp + 3]
            colours[colour] = colours.get(colour, 0) + 1
    total = sum(colours.values())
    commonest = max(colours.values())
    if len(colours) < 16:
        fail("the screenshot has only %d colours" % len(colours))
    if commonest > 0.97 * total:
        fail("the screenshot is nearly one colour (%.1f %%)" % (100.0 * commonest / total))
    return len(colours)


def blocks_of(result_text):
    blocks, block = [], None
    for line in result_text.splitlines():
        if line == "STARTCUTPIECE":
            block = []
            blocks.append(block)
        elif line == "ENDCUTPIECE":
            block = None
        elif block is not None:
            block.append(line)
    expected = []
    for block in blocks:
        result = next((l for l in block if l.startswith("RESULT")), "")
        status = "PASS" if "PASS" in result else "FAIL" if "FAIL" in result else "STRAIGHT"
        runs = sum(1 for l in block if l.startswith("STARTRUN"))
        cut = next((l.split(None, 1)[1] for l in block if l.startswith("CUT-ID") and len(l.split()) > 1), "")
        expected.append({"status": status, "runs": runs, "clash": "START-CLASH-REPORT" in block, "cut": cut})
    return expected


PAGE_FACTS = r"""
(() => {
  const out = [];
  for (const sec of document.querySelectorAll('section.piece')) {
    window.kwarelRender(sec);
    const runs = [];
    for (const run of sec.querySelectorAll('.run')) {
      const drawing = run.querySelector('.drawing');
      const svgs = drawing ? drawing.querySelectorAll('svg').length : 0;
      const pipe = drawing && drawing.querySelector('path.pipe');
      const range = drawing && drawing.querySelector('input.step');
      const label = drawing && drawing.querySelector('.label');
      const before = pipe ? pipe.getAttribute('d') : null;
      const frames = range ? +range.max + 1 : 0;
      let after = null, labelAt0 = null, frameAt0 = null;
      if (range) {
        range.value = 0;
        range.dispatchEvent(new Event('input'));
        after = pipe.getAttribute('d');
        labelAt0 = label.textContent;
        frameAt0 = drawing.getAttribute('data-frame');
        range.value = range.max;
        range.dispatchEvent(new Event('input'));
      }
      const note = run.querySelector('.note');
      runs.push({svgs, frames, replayClash: !!(note && note.textContent.startsWith('Replaying this run found a clash')), moved: before !== after, back: pipe ? pipe.getAttribute('d') === before : false,
                 labelAt0, frameAt0, rows: run.querySelectorAll('table.program tr').length});
    }
    const clash = sec.querySelector('.clashview');
    out.push({status: sec.getAttribute('data-status'), cut: sec.querySelector('h2').textContent,
              runs, clashViews: clash ? clash.querySelectorAll('svg').length : 0,
              hits: clash ? clash.querySelectorAll('svg .hit').length : 0,
              hitsOutside: sec.querySelectorAll('svg .hit').length - (clash ? clash.querySelectorAll('svg .hit').length : 0)});
  }
  return out;
})()
"""


def main():
    args = sys.argv[1:]
    if len(args) < 2:
        print(__doc__)
        return 2
    report, result_file = os.path.abspath(args[0]), args[1]
    keep = args[args.index("--screenshot") + 1] if "--screenshot" in args else None
    piece = int(args[args.index("--piece") + 1]) if "--piece" in args else None
    keep_piece = args[args.index("--piece-screenshot") + 1] if "--piece-screenshot" in args else None
    executable = shutil.which("chromium") or shutil.which("chromium-browser")
    if executable is None:
        if os.environ.get("CI"):
            fail("chromium is not installed")
        print("SKIP: chromium is not installed")
        return 77
    with open(result_file, encoding="latin-1") as f:
        expected = blocks_of(f.read())

    profile = tempfile.mkdtemp(prefix="kwarel-chromium-")
    browser = Browser(executable, profile)
    try:
        target = browser.send("Target.createTarget", {"url": "about:blank"}, session=False)["targetId"]
        browser.session = browser.send("Target.attachToTarget", {"targetId": target, "flatten": True},
                                       session=False)["sessionId"]
        browser.send("Emulation.setDeviceMetricsOverride",
                     {"width": 1280, "height": 1000, "deviceScaleFactor": 1, "mobile": False})
        browser.send("Page.enable")
        browser.send("Page.navigate", {"url": "file://" + report})
        deadline = time.time() + 60
        while browser.evaluate("document.readyState") != "complete" or \
                not browser.evaluate("typeof window.kwarelRender === 'function'"):
            if time.time() > deadline:
                fail("the report did not load")
            time.sleep(0.1)

        facts = browser.evaluate(PAGE_FACTS)
        if len(facts) != len(expected):
            fail("%d sections for %d cut pieces" % (len(facts), len(expected)))
        drawings = 0
        for i, (got, want) in enumerate(zip(facts, expected)):
            where = "piece %d (%s)" % (i, want["cut"])
            if got["status"] != want["status"]:
                fail("%s: status %s, result file says %s" % (where, got["status"], want["status"]))
            if ("CUT-ID " + want["cut"]) not in got["cut"]:
                fail("%s: heading %r" % (where, got["cut"]))
            if len(got["runs"]) != want["runs"]:
                fail("%s: %d run drawings for %d runs" % (where, len(got["runs"]), want["runs"]))
            for r, run in enumerate(got["runs"]):
                if run["replayClash"]:
                    fail("%s run %d: replaying the chosen run found a clash the search did not" % (where, r + 1))
                if run["svgs"] != 3:
                    fail("%s run %d: %d views" % (where, r + 1, run["svgs"]))
                if run["frames"] < 2 or not run["moved"] or not run["back"]:
                    fail("%s run %d: the step control does not move the pipe (%r)" % (where, r + 1, run))
                if not run["labelAt0"].startswith("1 / ") or "LOAD" not in run["labelAt0"] or run["frameAt0"] != "0":
                    fail("%s run %d: first step shows %r" % (where, r + 1, run["labelAt0"]))
                if run["rows"] < 10:
                    fail("%s run %d: program table has %d rows" % (where, r + 1, run["rows"]))
                drawings += 1
            if want["clash"]:
                if got["clashViews"] != 3 or got["hits"] < 3:
                    fail("%s: clash report but no clash marked (%d views, %d hits)" %
                         (where, got["clashViews"], got["hits"]))
            elif got["clashViews"] or got["hits"]:
                fail("%s: clash marked without a clash report" % where)
            if got["hitsOutside"]:
                fail("%s: surfaces marked outside the clash view" % where)

        shot = browser.send("Page.captureScreenshot", {"format": "png"})
        png = base64.b64decode(shot["data"])
        colours = check_screenshot(png)
        if keep:
            with open(keep, "wb") as f:
                f.write(png)
        if piece is not None:
            box = browser.evaluate("(() => { const s = document.querySelectorAll('section.piece')[%d];"
                                   " s.scrollIntoView(); const r = s.getBoundingClientRect();"
                                   " return [r.x + scrollX, r.y + scrollY, r.width, r.height]; })()" % piece)
            clip = {"x": box[0], "y": box[1], "width": box[2], "height": min(box[3], 2400), "scale": 1}
            shot = browser.send("Page.captureScreenshot", {"format": "png", "clip": clip,
                                                             "captureBeyondViewport": True})
            png = base64.b64decode(shot["data"])
            check_screenshot(png)
            if keep_piece:
                with open(keep_piece, "wb") as f:
                    f.write(png)
        print("ok: %d sections, %d run drawings, screenshot with %d colours" % (len(facts), drawings, colours))
        return 0
    finally:
        browser.close()
        shutil.rmtree(profile, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
