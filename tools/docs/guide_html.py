#!/usr/bin/env python3
"""Writes the user's guides as HTML pages, for readers who open them from the
release zip: Debian's cmark-gfm converts each Markdown guide (GitHub's
dialect, with its table and autolink extensions) and this script only wraps
the converter's output in a page: the language, a small stylesheet, a table
of contents built from the converter's headings, and GitHub's heading
anchors, which the guides' own "#section" links use.

usage: guide_html.py OUT_DIR GUIDE.md...

Writes OUT_DIR/NAME.html for each GUIDE NAME.md. Links from one guide to
another given guide ("guide.ja.md") point to its page instead. The pages
show their pictures by the same relative paths as the Markdown, so they
belong in the folder of the Markdown guides (docs/ in the zip).
"""
import html
import os
import re
import subprocess
import sys
import unicodedata

CONVERTER = ["cmark-gfm", "--unsafe", "-e", "table", "-e", "autolink", "-e", "tagfilter"]
HEADING = re.compile(r"<h([1-6])>(.*?)</h\1>")
CONTENTS = {"en": "Contents", "ja": "目次"}

STYLE = """\
body { margin: 0; font: 16px/1.6 system-ui, "Segoe UI", "Yu Gothic UI", Meiryo, sans-serif;
  color: #1f2328; background: #fff; }
main { max-width: 52rem; padding: 1rem 2rem 4rem; }
nav { padding: 1rem 1.5rem; background: #f6f8fa; border-bottom: 1px solid #d0d7de; font-size: 0.95rem; }
nav h2 { margin: 0 0 0.5rem; font-size: 1rem; border: 0; }
nav ul { margin: 0; padding-left: 1.2rem; }
nav > ul { padding-left: 0; list-style: none; }
nav ul ul { font-size: 0.9rem; }
nav code { background: none; padding: 0; overflow-wrap: anywhere; }
@media (min-width: 70rem) {
  nav { position: fixed; top: 0; bottom: 0; left: 0; width: 17rem; overflow-y: auto;
    border-bottom: 0; border-right: 1px solid #d0d7de; box-sizing: border-box; }
  main { margin-left: 18rem; }
}
a { color: #0969da; }
h1, h2 { border-bottom: 1px solid #d0d7de; padding-bottom: 0.3rem; }
h2, h3 { margin-top: 2rem; }
img { max-width: 100%; height: auto; border: 1px solid #d0d7de; }
code { font: 0.9em/1.4 ui-monospace, Consolas, monospace; background: #eff1f3;
  padding: 0.1em 0.3em; border-radius: 4px; }
pre { background: #f6f8fa; padding: 0.8rem 1rem; overflow-x: auto; border-radius: 6px; }
pre code { background: none; padding: 0; }
table { border-collapse: collapse; margin: 1rem 0; display: block; overflow-x: auto; }
th, td { border: 1px solid #d0d7de; padding: 0.3rem 0.7rem; text-align: left; vertical-align: top; }
th { background: #f6f8fa; }
"""


def slug(heading_html, taken):
    """GitHub's anchor for a heading: its text lower-cased, without
    punctuation or symbols, spaces turned into hyphens; a repeated anchor
    gets -1, -2..."""
    text = html.unescape(re.sub(r"<[^>]*>", "", heading_html)).lower()
    text = "".join(c for c in text if c in " -_" or unicodedata.category(c)[0] in "LNM")
    base = text.replace(" ", "-")
    anchor, n = base, 0
    while anchor in taken:
        n += 1
        anchor = f"{base}-{n}"
    taken.add(anchor)
    return anchor


def page(body, language):
    taken, headings = set(), []

    def add_id(match):
        level, inner = int(match.group(1)), match.group(2)
        anchor = slug(inner, taken)
        headings.append((level, anchor, inner))
        return f'<h{level} id="{anchor}">{inner}</h{level}>'

    body = HEADING.sub(add_id, body)
    title = next((re.sub(r"<[^>]*>", "", inner) for level, _, inner in headings if level == 1), "")
    items, open_sub = [], False
    for level, anchor, inner in headings:
        entry = f'<a href="#{anchor}">{re.sub(r"</?a[^>]*>", "", inner)}</a>'
        if level == 2:
            items.append(("</ul>" if open_sub else "") + ("</li>" if items else "") + f"<li>{entry}")
            open_sub = False
        elif level == 3 and items:
            items.append(("" if open_sub else "<ul>") + f"<li>{entry}</li>")
            open_sub = True
    if items:
        items.append(("</ul>" if open_sub else "") + "</li>")
    contents = "\n".join(items)
    return f"""<!DOCTYPE html>
<html lang="{language}">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{title}</title>
<style>
{STYLE}</style>
</head>
<body>
<nav aria-label="{CONTENTS[language]}">
<h2>{CONTENTS[language]}</h2>
<ul>
{contents}
</ul>
</nav>
<main>
{body}</main>
</body>
</html>
"""


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    out_dir, guides = sys.argv[1], sys.argv[2:]
    names = {os.path.basename(guide)[:-3] for guide in guides if guide.endswith(".md")}
    os.makedirs(out_dir, exist_ok=True)
    for guide in guides:
        name = os.path.basename(guide)[:-3]
        try:
            body = subprocess.run(CONVERTER + [guide], capture_output=True, text=True, check=True).stdout
        except FileNotFoundError:
            sys.exit("guide_html: no cmark-gfm (scripts/bootstrap.sh installs it)")
        # A link to another guide, and its text when that is the file name.
        body = re.sub(r'href="([^"/#:]+)\.md(#[^"]*)?"([^>]*>)(\1\.md</a>)?',
                      lambda m: m.group(0) if m.group(1) not in names else
                      f'href="{m.group(1)}.html{m.group(2) or ""}"{m.group(3)}'
                      + (f"{m.group(1)}.html</a>" if m.group(4) else ""), body)
        language = "ja" if name.endswith(".ja") else "en"
        with open(os.path.join(out_dir, name + ".html"), "w", encoding="utf-8", newline="\n") as out:
            out.write(page(body, language))


if __name__ == "__main__":
    main()
