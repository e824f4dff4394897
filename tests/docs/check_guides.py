#!/usr/bin/env python3
"""Opens the HTML guides in Debian's chromium, headless and offline, as a
user opens them from the unpacked zip, and checks each page: every picture
loaded (natural width above 0), every "#section" link has its target, every
relative link names a file of the package (and its "#section", when it is
another guide), nothing came from the network, no error reached the page or
its console; the page says its language and is UTF-8, with an embedded
stylesheet and a table of contents. Saves a screenshot of each page's first
screen as NAME-screenshot.png.

usage: check_guides.py --zip ZIP [--screenshots DIR]
       check_guides.py --source SOURCE_DIR --work DIR [--screenshots DIR]

--zip checks the release zip's docs/. --source lays out WORK/package/docs as
the zip holds it (the Markdown guides, the pictures they show, the pages
tools/docs/guide_html.py writes) and checks that; screenshots go to WORK
unless --screenshots says otherwise. Exit status 0 when every check passed,
1 when one failed, 77 when chromium is missing or cannot start (skipped).
"""
import argparse
import glob
import html
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import urllib.parse
import zipfile

SKIPPED = 77
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tests", "package"))
from check_package import guide_images  # noqa: E402  the zip's rule for the guides' pictures

# Offline: no host name resolves, and nothing that calls home is started.
CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--host-resolver-rules=MAP * ~NOTFOUND", "--hide-scrollbars", "--force-device-scale-factor=1",
    "--window-size=1280,800", "--enable-logging=stderr", "--v=0",
]
CONSOLE_LINE = re.compile(r":CONSOLE[:(]\d*\)?\] (.*)")

# Injected into a copy of the page: the first records every error event
# (a picture or stylesheet that failed to load, a script error) from the
# start; the second reports what the page holds once it has loaded, into
# the DOM that --dump-dom prints.
RECORD_ERRORS = """<script>
window.velumbraErrors = [];
addEventListener("error", e => velumbraErrors.push(e.target && e.target !== window
  ? "failed to load " + (e.target.src || e.target.href) : String(e.message)), true);
addEventListener("unhandledrejection", e => velumbraErrors.push(String(e.reason)));
</script>"""
REPORT = """<script>
addEventListener("load", () => {
  const result = {
    errors: velumbraErrors,
    lang: document.documentElement.lang,
    charset: document.characterSet,
    stylesheets: [...document.styleSheets].map(sheet => sheet.href),
    contents: document.querySelectorAll('nav a[href^="#"]').length,
    ids: [...document.querySelectorAll("[id]")].map(e => e.id),
    images: [...document.images].map(i => ({src: i.getAttribute("src"), width: i.naturalWidth})),
    links: [...document.querySelectorAll("a[href]")].map(a => ({href: a.getAttribute("href"), url: a.href})),
    loaded: [...document.querySelectorAll("[src], link[href]")].map(e => e.src || e.href)
      .concat(performance.getEntriesByType("resource").map(r => r.name)),
  };
  const out = document.createElement("pre");
  out.id = "velumbra-check";
  out.textContent = JSON.stringify(result);
  document.body.append(out);
});
</script>"""

failures = []


def check(condition, message):
    print(("ok:   " if condition else "FAIL: ") + message)
    if not condition:
        failures.append(message)


def chromium(browser, arguments, timeout=60):
    """Runs chromium once in a fresh profile; returns (exit code, stdout,
    stderr), exit code None when it ran out of time (and was ended)."""
    profile = tempfile.mkdtemp(prefix="velumbra-chromium-")
    try:
        process = subprocess.Popen([browser, *CHROMIUM_FLAGS, f"--user-data-dir={profile}", *arguments],
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                                   start_new_session=True)
        try:
            out, err = process.communicate(timeout=timeout)
            return process.returncode, out, err
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            out, err = process.communicate()
            return None, out, err
    finally:
        shutil.rmtree(profile, ignore_errors=True)


def skip(reason):
    print(f"SKIPPED: {reason}")
    sys.exit(SKIPPED)


def lay_out_from_source(source, work):
    """WORK/package/docs as make dist fills the zip's docs/."""
    package = os.path.join(work, "package")
    shutil.rmtree(package, ignore_errors=True)
    guides = sorted(os.path.relpath(path, source) for path in glob.glob(os.path.join(source, "docs", "guide*.md")))
    for name in guides + sorted(guide_images(source, guides)):
        if not os.path.isfile(os.path.join(source, name)):
            continue  # nor in the zip: the page's check reports it
        os.makedirs(os.path.dirname(os.path.join(package, name)), exist_ok=True)
        shutil.copyfile(os.path.join(source, name), os.path.join(package, name))
    subprocess.run([sys.executable, os.path.join(source, "tools", "docs", "guide_html.py"),
                    os.path.join(package, "docs"), *(os.path.join(source, name) for name in guides)], check=True)
    return package


def inspect(browser, page, screenshot):
    """Loads a copy of PAGE with the reporting scripts beside it; returns the
    report, the console lines and chromium's failure, if any."""
    text = open(page, encoding="utf-8").read()
    copy = os.path.join(os.path.dirname(page), ".check-" + os.path.basename(page))
    with open(copy, "w", encoding="utf-8") as out:
        out.write(re.sub(r"(<head[^>]*>)", lambda m: m.group(1) + RECORD_ERRORS, text, count=1)
                  .replace("</body>", REPORT + "</body>"))
    try:
        arguments = ["--dump-dom", "file://" + urllib.parse.quote(copy)]
        if screenshot:
            arguments.insert(0, f"--screenshot={screenshot}")
        code, out, err = chromium(browser, arguments)
    finally:
        os.remove(copy)
    report = re.search(r'<pre id="velumbra-check">(.*?)</pre>', out, re.S)
    problem = None if code == 0 and report else \
        f"chromium {'timed out' if code is None else f'exited with {code}'}" + ("" if report else ", no report")
    report = json.loads(html.unescape(report.group(1))) \
        if report else None
    return report, CONSOLE_LINE.findall(err), problem


def check_page(name, report, console, reports, root):
    language = "ja" if name.endswith(".ja.html") else "en"
    check(report["lang"] == language and report["charset"] == "UTF-8",
          f"{name}: lang {report['lang']!r} (want {language!r}), {report['charset']}")
    check(report["stylesheets"] and all(href is None for href in report["stylesheets"])
          and report["contents"] > 0,
          f"{name}: embedded stylesheet {report['stylesheets']}, table of contents of {report['contents']} links")
    broken = [image["src"] for image in report["images"] if image["width"] <= 0]
    check(report["images"] and not broken,
          f"{name}: {len(report['images'])} pictures loaded" + (f"; not loaded: {broken}" if broken else ""))
    remote = sorted({url for url in report["loaded"] if not url.startswith(("file:", "data:"))})
    check(not remote, f"{name}: nothing loaded from the network" + (f"; loaded {remote}" if remote else ""))
    errors = report["errors"] + console
    check(not errors, f"{name}: no errors and no console messages" + (f"; {errors}" if errors else ""))

    ids = set(report["ids"])
    internal = [link["href"] for link in report["links"] if link["href"].startswith("#")]
    missing = [href for href in internal if urllib.parse.unquote(href[1:]) not in ids]
    check(not missing, f"{name}: {len(internal)} in-page links have their target"
          + (f"; missing {missing}" if missing else ""))
    relative = [link for link in report["links"]
                if not re.match(r"^([a-z][a-z0-9+.-]*:|#|//)", link["href"], re.I)]
    dangling = []
    for link in relative:
        url = urllib.parse.urlsplit(link["url"])
        path = os.path.realpath(urllib.parse.unquote(url.path))
        target = os.path.relpath(path, root)
        fragment = urllib.parse.unquote(url.fragment)
        if target.startswith("..") or not os.path.isfile(path):
            dangling.append(link["href"])
        elif fragment and target in reports and fragment not in reports[target]["ids"]:
            dangling.append(link["href"])
    check(not dangling, f"{name}: {len(relative)} relative links name files of the package"
          + (f"; dangling {dangling}" if dangling else ""))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--zip")
    parser.add_argument("--source")
    parser.add_argument("--work")
    parser.add_argument("--screenshots")
    options = parser.parse_args()
    if bool(options.zip) == bool(options.source) or (options.source and not options.work):
        parser.error("give --zip ZIP, or --source DIR with --work DIR")
    start = time.monotonic()

    browser = shutil.which("chromium")
    if not browser:
        skip("chromium is not installed (scripts/bootstrap.sh installs it); the HTML guides were not checked")
    code, out, err = chromium(browser, ["--dump-dom", "data:text/html,<p>started</p>"])
    if code != 0 or "started" not in out:
        tail = "\n".join(err.strip().splitlines()[-5:])
        skip(f"chromium cannot start here ({'timed out' if code is None else f'exit {code}'}); "
             f"the HTML guides were not checked:\n{tail}")

    with tempfile.TemporaryDirectory(prefix="velumbra-guides-") as temporary:
        if options.zip:
            zipfile.ZipFile(options.zip).extractall(temporary)
            root = temporary
        else:
            os.makedirs(options.work, exist_ok=True)
            root = lay_out_from_source(os.path.abspath(options.source), os.path.abspath(options.work))
        shots = options.screenshots or options.work
        if shots:
            os.makedirs(shots, exist_ok=True)
        docs = os.path.join(root, "docs")
        guides = sorted(re.sub(r"\.md$", "", name) for name in os.listdir(docs) if re.fullmatch(r"guide.*\.md", name))
        pages = sorted(name for name in os.listdir(docs) if re.fullmatch(r"guide.*\.html", name))
        check(pages and [re.sub(r"\.html$", "", name) for name in pages] == guides,
              f"docs/ holds an HTML page for each guide: {pages} for {[name + '.md' for name in guides]}")

        reports, console = {}, {}
        for name in pages:
            shot = os.path.join(os.path.abspath(shots), name[:-5] + "-screenshot.png") if shots else None
            report, lines, problem = inspect(browser, os.path.join(docs, name), shot)
            check(problem is None, f"{name}: chromium loaded the page" + (f"; {problem}" if problem else ""))
            if report:
                reports[os.path.join("docs", name)] = report
                console[os.path.join("docs", name)] = lines
            if shot:
                check(os.path.isfile(shot) and os.path.getsize(shot) > 0, f"{name}: screenshot {shot}")
        for page, report in reports.items():
            check_page(os.path.basename(page), report, console[page], reports, os.path.realpath(root))

    print(f"HTML guides: {'all checks passed' if not failures else f'{len(failures)} checks failed'} "
          f"in {time.monotonic() - start:.1f} s")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
