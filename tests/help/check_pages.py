#!/usr/bin/env python3
"""check_pages.py <folder> <contents page>: the help pages as the program writes them.

Every page is well formed (elements closed in order), has a title, a heading
and text; every link and picture resolves inside the folder, anchors included;
nothing comes from elsewhere (no scheme, no script); every page links to the
contents and is reachable from it; every file is used. Prints each problem.
"""
import os
import pathlib
import sys
from html.parser import HTMLParser
from urllib.parse import unquote, urlsplit

VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "source", "track", "wbr"}
MIN_TEXT = 100  # characters of body text a page needs to count as written


class Page(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.open = []
        self.problems = []
        self.ids = set()
        self.links = []  # (attribute, value)
        self.text = []
        self.title = ""
        self.headings = 0

    def handle_starttag(self, tag, attrs):
        attributes = dict(attrs)
        if tag == "script":
            self.problems.append("has a script")
        if "id" in attributes:
            self.ids.add(attributes["id"])
        for name in ("href", "src"):
            if attributes.get(name) is not None:
                self.links.append((name, attributes[name]))
        if tag == "img" and not attributes.get("alt"):
            self.problems.append(f"picture {attributes.get('src')} has no alt text")
        if tag == "h1":
            self.headings += 1
        if tag not in VOID:
            self.open.append(tag)

    def handle_startendtag(self, tag, attrs):
        self.handle_starttag(tag, attrs)
        if tag not in VOID:
            self.open.pop()

    def handle_endtag(self, tag):
        if tag in VOID:
            self.problems.append(f"</{tag}> closes an empty element")
        elif not self.open or self.open[-1] != tag:
            self.problems.append(f"</{tag}> at line {self.getpos()[0]} closes <{self.open[-1] if self.open else ''}>")
        else:
            self.open.pop()

    def handle_data(self, data):
        if self.open and self.open[-1] == "title":
            self.title += data
        elif "body" in self.open:
            self.text.append(data)


def main(folder, contents):
    problems = []
    files = {os.path.relpath(os.path.join(root, name), folder).replace(os.sep, "/")
             for root, _, names in os.walk(folder) for name in names}
    pages = {}
    for name in sorted(f for f in files if f.endswith(".html")):
        page = Page()
        page.feed(pathlib.Path(folder, name).read_text(encoding="utf-8"))
        page.close()
        problems += [f"{name}: {p}" for p in page.problems]
        if page.open:
            problems.append(f"{name}: <{page.open[-1]}> is never closed")
        if not page.title.strip() or page.headings != 1:
            problems.append(f"{name}: needs a title and one <h1>")
        if len("".join("".join(page.text).split())) < MIN_TEXT:
            problems.append(f"{name}: is empty")
        pages[name] = page
    if contents not in pages:
        problems.append(f"there is no contents page {contents}")

    used = set()
    reached = {}
    for name, page in pages.items():
        reached[name] = set()
        for attribute, value in page.links:
            parts = urlsplit(value)
            if parts.scheme or parts.netloc:
                problems.append(f"{name}: {value} lies outside the help")
                continue
            target = name if not parts.path else os.path.normpath(
                os.path.join(os.path.dirname(name), unquote(parts.path))).replace(os.sep, "/")
            if target not in files:
                problems.append(f"{name}: {attribute}={value} names no file of the help")
                continue
            used.add(target)
            if target in pages:
                reached[name].add(target)
                if parts.fragment and parts.fragment not in pages[target].ids:
                    problems.append(f"{name}: {value} names no place on {target}")
        if name != contents and contents not in reached[name]:
            problems.append(f"{name}: does not link to the contents {contents}")

    seen, todo = set(), [contents]
    while todo:
        name = todo.pop()
        if name in seen or name not in pages:
            continue
        seen.add(name)
        todo += reached[name]
    problems += [f"{name}: cannot be reached from the contents" for name in sorted(set(pages) - seen)]
    problems += [f"{name}: is carried but no page uses it" for name in sorted(files - used - {contents})]

    for problem in problems:
        print(problem)
    print(f"{len(pages)} pages, {len(files)} files, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
