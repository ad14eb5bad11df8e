#!/usr/bin/python3
"""Writes the tool-button icons of res/icons in three colour sets.

One drawing per icon on a 24 x 24 grid (2 px round strokes, one accent colour),
written once per theme:
  icons/        light palette (window #efefef, text black)
  icons/dark/   dark palette  (window #353535, text white)
  icons/green/  green palette (window #1e321e, text #c8ffc8)
The accent follows each palette's highlight colour, brightened or darkened so
that it keeps at least 3:1 contrast against the window and button colours.

Plain SVG 1.1 subset (paths, circles, ellipses, rects, group transforms) so
that Qt's SVG Tiny renderer draws it. Needs only python3.
"""

import argparse
import math
import os

THEMES = {
    "": {"ink": "#26323e", "accent": "#1f6fb2"},
    "dark": {"ink": "#ececec", "accent": "#62b0f2"},
    "green": {"ink": "#c8ffc8", "accent": "#78e678"},
}


def gear_path(cx, cy, r_out, r_in, teeth, tooth=0.42):
    """Closed outline of a gear: flat-topped teeth between r_in and r_out."""
    pts = []
    step = 2 * math.pi / teeth
    for i in range(teeth):
        a = i * step - math.pi / 2
        half_top = step * tooth / 2
        half_base = step * (tooth + 0.18) / 2
        for ang, r in ((a - half_base, r_in), (a - half_top, r_out), (a + half_top, r_out), (a + half_base, r_in)):
            pts.append((cx + r * math.cos(ang), cy + r * math.sin(ang)))
    return "M" + " L".join(f"{x:.2f},{y:.2f}" for x, y in pts) + " Z"


def icons(ink, accent):
    line = f'fill="none" stroke="{ink}" stroke-width="2" stroke-linecap="round" stroke-linejoin="round"'
    acc = f'fill="none" stroke="{accent}" stroke-width="2" stroke-linecap="round" stroke-linejoin="round"'
    return {
        # Full screen: four outward corners around an accent frame.
        "expand": f"""
  <path {line} d="M3 9V3h6M15 3h6v6M21 15v6h-6M9 21H3v-6"/>
  <path {acc} d="M3 3l6 6M21 3l-6 6M21 21l-6-6M3 21l6-6"/>""",
        # Choose planet: a ringed planet.
        "planet": f"""
  <g transform="rotate(-20 12 12)">
    <path {acc} d="M3.2 12.6A9 3.2 0 0 1 20.8 12.6"/>
    <circle cx="12" cy="12" r="6.2" fill="{accent}" fill-opacity="0.25" stroke="{ink}" stroke-width="2"/>
    <path {acc} d="M20.8 12.6A9 3.2 0 0 1 3.2 12.6"/>
  </g>""",
        # Population of capital cities: cylinders of growing height.
        "cylinder": f"""
  <path {line} d="M2.5 21.5h19"/>
  <path {line} d="M3.5 16v3.6a2.5 1 0 0 0 5 0V16"/>
  <ellipse cx="6" cy="16" rx="2.5" ry="1" fill="{accent}" fill-opacity="0.35" stroke="{ink}" stroke-width="2"/>
  <path {line} d="M9.5 11v8.6a2.5 1 0 0 0 5 0V11"/>
  <ellipse cx="12" cy="11" rx="2.5" ry="1" fill="{accent}" fill-opacity="0.35" stroke="{ink}" stroke-width="2"/>
  <path {acc} d="M15.5 5v14.6a2.5 1 0 0 0 5 0V5"/>
  <ellipse cx="18" cy="5" rx="2.5" ry="1" fill="{accent}" stroke="{accent}" stroke-width="2"/>""",
        # Orbital flight: a satellite circling a planet.
        "app": f"""
  <circle cx="12" cy="12" r="3.5" fill="{accent}" fill-opacity="0.35" stroke="{ink}" stroke-width="2"/>
  <g transform="rotate(-25 12 12)">
    <path {line} d="M20.5 12A8.5 4.5 0 1 1 12 7.5"/>
    <path {acc} d="M10.2 5.6L12.4 7.5 10.2 9.4"/>
  </g>
  <circle cx="19.2" cy="5.6" r="2" fill="{accent}"/>""",
        # New window: a window with a title bar and a plus.
        "window": f"""
  <rect x="2.5" y="4" width="15" height="13" rx="1.5" {line}/>
  <path {line} d="M2.5 8h15"/>
  <path {acc} d="M19 14v7M15.5 17.5h7"/>""",
        # Options: a gear.
        "wheel": f"""
  <path {line} d="{gear_path(12, 12, 10, 7.4, 8)}"/>
  <circle cx="12" cy="12" r="3" {acc}/>""",
        # Clear the log panel: a waste bin.
        "delete": f"""
  <path {line} d="M3.5 6h17M9 6V3.5h6V6"/>
  <path {line} d="M5.5 6l1.2 14.2a1.5 1.5 0 0 0 1.5 1.3h7.6a1.5 1.5 0 0 0 1.5-1.3L18.5 6"/>
  <path {acc} d="M10 10v7.5M14 10v7.5"/>""",
        # Copy to clipboard: two sheets.
        "copy": f"""
  <rect x="9" y="9" width="12" height="12" rx="1.5" {line}/>
  <path {acc} d="M5 15H4.5A1.5 1.5 0 0 1 3 13.5v-9A1.5 1.5 0 0 1 4.5 3h9A1.5 1.5 0 0 1 15 4.5V5"/>
  <path {line} d="M12.5 13h5M12.5 17h3.5"/>""",
        # Separator line in the log: text lines around a bold rule.
        "minus1": f"""
  <path {line} d="M4 4.5h12M4 8h16M4 16h14M4 19.5h10"/>
  <path fill="none" stroke="{accent}" stroke-width="3" stroke-linecap="round" d="M2.5 12h19"/>""",
    }


def svg(body):
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="24" height="24" viewBox="0 0 24 24">'
            f"{body}\n</svg>\n")


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--out", required=True, help="output folder (res/icons)")
    args = ap.parse_args()
    for theme, colours in THEMES.items():
        folder = os.path.join(args.out, theme) if theme else args.out
        os.makedirs(folder, exist_ok=True)
        for name, body in icons(**colours).items():
            with open(os.path.join(folder, name + ".svg"), "w", newline="\n") as f:
                f.write(svg(body))
    print(f"  {len(THEMES)} x {len(icons('', ''))} icons")


if __name__ == "__main__":
    main()
