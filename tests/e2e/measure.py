#!/usr/bin/env python3
"""Measures a printed page or a picture for the end-to-end tests.

  measure.py pdf FILE [--dpi N] [--at X,Y]...   a PDF's first page
  measure.py ppm FILE [--at X,Y]...             a binary PPM (P6) picture

Prints key=value lines:
  pages=N, page=W H (points), paper=NAME, rot=R   (pdf only, from pdfinfo)
  raster=W H         the picture's size in pixels (pdf: rendered at --dpi,
                     72 by default, so that one pixel is one point)
  bbox=X0 Y0 X1 Y1   the smallest rectangle holding every pixel that is not
                     pure white (X1 and Y1 exclusive), or "bbox=none"
  at=X,Y R G B       the colour at each --at point, in the order given
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile

WHITE = 255


def pdf_info(path):
    """pages, page size in points, paper name and rotation of page 1."""
    text = subprocess.run(["pdfinfo", path], check=True, capture_output=True,
                          text=True, env=dict(os.environ, LC_ALL="C")).stdout
    info = {}
    for line in text.splitlines():
        key, _, value = line.partition(":")
        info[key.strip()] = value.strip()
    size = re.match(r"([\d.]+) x ([\d.]+) pts(?: \((.*)\))?", info.get("Page size", ""))
    if not size:
        sys.exit(f"measure.py: pdfinfo gives no page size for {path}")
    return {
        "pages": info.get("Pages", "0"),
        "page": f"{size.group(1)} {size.group(2)}",
        "paper": size.group(3) or "",
        "rot": info.get("Page rot", "0"),
    }


def read_ppm(path):
    """Width, height and the RGB rows of a binary PPM with 8-bit samples."""
    with open(path, "rb") as f:
        data = f.read()
    # Header: magic, width, height, maxval, each followed by white space;
    # comments run from # to the end of the line.
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos].decode("ascii"))
    pos += 1
    if fields[0] != "P6" or fields[3] != "255":
        sys.exit(f"measure.py: {path} is not an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    stride = width * 3
    rows = [data[pos + y * stride:pos + (y + 1) * stride] for y in range(height)]
    if len(rows[-1]) != stride:
        sys.exit(f"measure.py: {path} is truncated")
    return width, height, rows


def render(pdf, dpi, folder):
    """Page 1 of the PDF as a PPM file at the given resolution."""
    base = os.path.join(folder, "page")
    subprocess.run(["pdftoppm", "-r", str(dpi), "-f", "1", "-l", "1", "-singlefile", pdf, base],
                   check=True)
    return base + ".ppm"


def bounding_box(width, rows):
    white = bytes([WHITE])
    x0, y0, x1, y1 = width, len(rows), 0, 0
    for y, row in enumerate(rows):
        left = len(row) - len(row.lstrip(white))
        if left == len(row):
            continue
        right = len(row.rstrip(white))
        x0, x1 = min(x0, left // 3), max(x1, (right + 2) // 3)
        y0, y1 = min(y0, y), y + 1
    return None if x1 == 0 else (x0, y0, x1, y1)


def point(text):
    try:
        x, y = (int(v) for v in text.split(","))
    except ValueError:
        raise argparse.ArgumentTypeError("expected X,Y")
    return x, y


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("kind", choices=["pdf", "ppm"])
    parser.add_argument("file")
    parser.add_argument("--dpi", type=int, default=72)
    parser.add_argument("--at", type=point, action="append", default=[])
    args = parser.parse_args()

    with tempfile.TemporaryDirectory() as folder:
        if args.kind == "pdf":
            for key, value in pdf_info(args.file).items():
                print(f"{key}={value}")
            width, height, rows = read_ppm(render(args.file, args.dpi, folder))
        else:
            width, height, rows = read_ppm(args.file)

    print(f"raster={width} {height}")
    box = bounding_box(width, rows)
    print("bbox=" + (" ".join(map(str, box)) if box else "none"))
    for x, y in args.at:
        if not (0 <= x < width and 0 <= y < height):
            sys.exit(f"measure.py: point {x},{y} is outside the {width}x{height} picture")
        r, g, b = rows[y][3 * x:3 * x + 3]
        print(f"at={x},{y} {r} {g} {b}")


if __name__ == "__main__":
    main()
