#!/usr/bin/python3
"""Builds the twelve body maps of res/img from maps that Debian packages ship.

Called by make_assets.sh, which unpacks the packages into SRC (one folder per
package, named after it). Every map written here is an equirectangular JPEG
with longitude -180 at the left edge, +180 at the right and north at the top:
the texture loader mirrors it horizontally and the sphere's texture
coordinates then put every longitude where the city code expects it.

The 8k Earth is more than an upscale of the 2k one: the GSHHG full-resolution
shorelines (coast, lakes, islands in lakes) are rasterised with GMT and used to
sharpen the land/water edge of the upsampled imagery, and GSHHG/WDBII major
rivers, national borders and the shorelines are drawn on top.

Needs: python3-pil, python3-numpy, python3-scipy, gmt.
"""

import argparse
import os
import subprocess
import sys
import tempfile

import numpy as np
from PIL import Image, ImageDraw
from scipy import ndimage

Image.MAX_IMAGE_PIXELS = None

STELLARIUM = "stellarium-data/usr/share/stellarium/textures"
OPENUNIVERSE = "openuniverse-common/usr/share/openuniverse/textures"
MARBLE = "marble-qt-data/usr/share/marble/data/maps"
GSHHG = "gmt-gshhg-full/usr/share/gmt-gshhg"

# output file: (source inside SRC, width, height, roll)
# roll = True for sources whose left edge is longitude 0 rather than -180.
# The best map of each body among the packages: Stellarium's for Mercury
# (MESSENGER; OpenUniverse's is an old, partly invented one), Venus, Saturn,
# Uranus (truer colour) and Pluto (New Horizons), its 4k Moon; OpenUniverse's
# for Mars (2k), Jupiter (1k against 512) and Neptune (Voyager features).
BODIES = {
    "2k_mercury.jpg": (f"{STELLARIUM}/mercury.png", 2048, 1024, False),
    "2k_venus.jpg": (f"{STELLARIUM}/venus.png", 2048, 1024, False),
    "2k_moon.jpg": (f"{STELLARIUM}/moon_4k.jpg", 2048, 1024, False),
    "2k_mars.jpg": (f"{OPENUNIVERSE}/mars.jpg", 2048, 1024, False),
    "2k_jupiter.jpg": (f"{OPENUNIVERSE}/jupiter.jpg", 2048, 1024, False),
    "2k_saturn.jpg": (f"{STELLARIUM}/saturn.png", 2048, 1024, False),
    "2k_uranus.jpg": (f"{STELLARIUM}/uranus.png", 2048, 1024, False),
    "2k_neptune.jpg": (f"{OPENUNIVERSE}/neptune.jpg", 2048, 1024, False),
    # Sputnik Planitia (about 175 E) sits in the middle of the source map.
    "2k_pluto.jpg": (f"{STELLARIUM}/pluto.png", 2048, 1024, True),
}
EARTH = f"{MARBLE}/earth/bluemarble/bluemarble.jpg"

JPEG_QUALITY = 92
JPEG_QUALITY_8K = 90

# Lakes that the imagery shows black.
LAKE = (24, 66, 118)


def load(path, roll):
    img = Image.open(path).convert("RGB")
    if roll:
        a = np.asarray(img)
        img = Image.fromarray(np.roll(a, -a.shape[1] // 2, axis=1))
    return img


def resample(img, w, h):
    """Lanczos resize that wraps around the date line instead of clamping,
    so the seam of the sphere shows no edge."""
    src = np.asarray(img)
    sw, sh = img.size
    pad = max(8, int(np.ceil(3.0 * sw / w)) + 2)
    padded = np.concatenate([src[:, -pad:], src, src[:, :pad]], axis=1)
    return Image.fromarray(padded).resize((w, h), Image.LANCZOS, box=(pad, 0, pad + sw, sh))


def save(img, path, quality):
    # Baseline JPEG, 4:2:0, no metadata: small and fast to decode.
    img.save(path, "JPEG", quality=quality, optimize=True, progressive=False, subsampling=2)
    print(f"  {os.path.basename(path)}: {img.size[0]}x{img.size[1]}, {os.path.getsize(path) // 1024} KiB")


# --- 8k Earth -------------------------------------------------------------

def gmt(args, gshhg, out=None):
    cmd = ["gmt", *args, f"--DIR_GSHHG={gshhg}"]
    with open(out, "wb") if out else open(os.devnull, "wb") as f:
        subprocess.run(cmd, check=True, stdout=f)


def surface_fractions(w, h, gshhg, tmp, ss=3):
    """Fractions of each pixel covered by land and by lakes (islands in lakes
    count as land, ponds as lake; the rest is ocean), from a pixel-registered
    GSHHG mask sampled ss x ss times per pixel."""
    inc = 360.0 / (w * ss)
    grid = os.path.join(tmp, "surface.nc")
    raw = os.path.join(tmp, "surface.u8")
    gmt(["grdlandmask", "-R-180/180/-90/90", f"-I{inc!r}", "-r", "-Df", "-N0/1/2/1/2", f"-G{grid}"], gshhg)
    gmt(["grd2xyz", grid, "-ZTLu"], gshhg, out=raw)
    a = np.fromfile(raw, dtype=np.uint8)
    os.remove(raw)
    os.remove(grid)
    if a.size != w * ss * h * ss:
        sys.exit(f"unexpected land mask size {a.size}")
    a = a.reshape(h, ss, w, ss)
    land = (a == 1).sum(axis=(1, 3), dtype=np.uint16).astype(np.float32) / (ss * ss)
    lake = (a == 2).sum(axis=(1, 3), dtype=np.uint16).astype(np.float32) / (ss * ss)
    return land, lake


def read_segments(path):
    with open(path) as f:
        parts = f.read().split(">")
    segs = []
    for p in parts[1:]:
        body = p[p.find("\n") + 1:].split()
        if len(body) >= 4:
            segs.append(np.array(body, dtype=np.float64).reshape(-1, 2))
    return segs


def line_coverage(segs, w, h, width, ss=4):
    """Antialiased coverage (0..1) of polylines given in lon/lat, drawn at
    ss x the final size and box-filtered down."""
    canvas = Image.new("L", (w * ss, h * ss), 0)
    draw = ImageDraw.Draw(canvas)
    px = max(1, int(round(width * ss)))
    for s in segs:
        x = (s[:, 0] + 180.0) / 360.0 * w * ss - 0.5
        y = (90.0 - s[:, 1]) / 180.0 * h * ss - 0.5
        draw.line(np.column_stack([x, y]).ravel().tolist(), fill=255, width=px, joint="curve" if px > 2 else None)
    small = canvas.reduce(ss)
    return np.asarray(small, dtype=np.float32) / 255.0


def smooth_fill(img, core, sigma):
    """Colour of the nearest 'core' pixels, by normalised convolution at half
    resolution, with a wider pass and a global mean where no core is near."""
    h, w = core.shape
    half = img.reshape(h // 2, 2, w // 2, 2, 3).mean(axis=(1, 3))
    c = core.reshape(h // 2, 2, w // 2, 2).mean(axis=(1, 3)).astype(np.float32)
    mode2, mode3 = ("nearest", "wrap"), ("nearest", "wrap", "nearest")

    def normconv(im, wt, s):
        num = ndimage.gaussian_filter(im * wt[..., None], (s, s, 0), mode=mode3)
        den = ndimage.gaussian_filter(wt, s, mode=mode2)
        return num, den

    num, den = normconv(half, c, sigma / 2.0)
    # Wide fallback on a 1/16 grid.
    q = 8
    coarse = half.reshape(h // 16, q, w // 16, q, 3).mean(axis=(1, 3))
    cc = c.reshape(h // 16, q, w // 16, q).mean(axis=(1, 3))
    cnum, cden = normconv(coarse, cc, 6.0)
    total = max(float(c.sum()), 1e-6)
    mean = (half * c[..., None]).sum(axis=(0, 1)) / total
    wide = np.where(cden[..., None] > 1e-3, cnum / np.maximum(cden, 1e-6)[..., None], mean)
    wide = ndimage.zoom(wide, (q, q, 1), order=1, mode="nearest", grid_mode=True)
    near = num / np.maximum(den, 1e-6)[..., None]
    t = np.clip(den / 0.05, 0.0, 1.0)[..., None]
    fill = near * t + wide * (1.0 - t)
    return ndimage.zoom(fill, (2, 2, 1), order=1, mode="nearest", grid_mode=True).astype(np.float32)


def overlay(out, cov, colour, alpha):
    a = (cov * alpha)[..., None]
    out *= 1.0 - a
    out += a * (np.array(colour, dtype=np.float32) / 255.0)


def gshhg_layers(w, h, gshhg, tmp):
    print("  GSHHG land mask ...", flush=True)
    land, lake = surface_fractions(w, h, gshhg, tmp)
    print("  GSHHG lines ...", flush=True)
    lines = {}
    # Shorelines of all levels, the double-lined and major permanent rivers
    # (level 1 of WDBII: smaller ones would clutter a 5 km grid), and national
    # borders.
    for name, opt in [("shore", ["-W"]), ("rivers", ["-I0", "-I1"]), ("borders", ["-N1"])]:
        path = os.path.join(tmp, name + ".txt")
        gmt(["coast", "-R-180/180/-90/90", "-Df", *opt, "-M"], gshhg, out=path)
        lines[name] = read_segments(path)
    return land, lake, lines


def earth_8k(base, src, cache=None, w=8192, h=4096):
    gshhg = os.path.join(src, GSHHG)
    cached = os.path.join(cache, f"gshhg_{w}x{h}.npz") if cache else None
    if cached and os.path.exists(cached):
        with np.load(cached, allow_pickle=True) as z:
            land, lake, lines = z["land"], z["lake"], z["lines"].item()
    else:
        with tempfile.TemporaryDirectory(prefix="skyvale-gmt-") as tmp:
            land, lake, lines = gshhg_layers(w, h, gshhg, tmp)
        if cached:
            np.savez(cached, land=land, lake=lake, lines=np.array(lines, dtype=object))

    print("  compositing ...", flush=True)
    img = np.asarray(resample(base, w, h), dtype=np.float32) / 255.0
    r, g, b = img[..., 0], img[..., 1], img[..., 2]
    # What the imagery shows as water: blue seas, and lakes, which the source
    # paints black.
    looks_wet = (b >= np.maximum(r, g) - 0.01) & ((b > r + 0.06) | (r + g + b < 0.45))
    ocean = np.clip(1.0 - land - lake, 0.0, 1.0)

    # Near the shoreline the upsampled imagery is a blur of land and water;
    # rebuild that band from the sharp mask and the colours found just inland
    # and just offshore.
    is_land = land >= 0.5
    d_land = ndimage.distance_transform_edt(is_land).astype(np.float32)
    d_water = ndimage.distance_transform_edt(~is_land).astype(np.float32)
    d_coast = np.where(is_land, d_land, d_water)
    r_in, r_out = 5.0, 10.0
    land_col = smooth_fill(img, (d_land > r_in) & ~looks_wet, 6.0)
    ocean_col = smooth_fill(img, (d_water > r_in) & (ocean > 0.99), 6.0)
    del d_land, d_water
    # Lakes: keep the imagery where it already shows blue water (the Caspian),
    # otherwise lake blue.
    keep = (np.clip((b - r - 0.12) / 0.12, 0.0, 1.0) * np.clip((b - 0.2) / 0.15, 0.0, 1.0))[..., None]
    lake_col = keep * img + (1.0 - keep) * (np.array(LAKE, dtype=np.float32) / 255.0)
    sharp = land[..., None] * land_col + ocean[..., None] * ocean_col + lake[..., None] * lake_col
    del land_col, ocean_col, lake_col, keep
    weight = np.clip((r_out - d_coast) / (r_out - r_in), 0.0, 1.0)
    del d_coast
    # Also every lake, and land where the imagery shows a blurred lake that
    # the shorelines do not have.
    weight = np.maximum(weight, np.clip(ndimage.gaussian_filter(lake, 1.0, mode=("nearest", "wrap")) * 4.0, 0.0, 1.0))
    stray = ndimage.gaussian_filter((looks_wet & (land > 0.99)).astype(np.float32), 1.5, mode=("nearest", "wrap"))
    weight = np.maximum(weight, np.clip(stray * 2.0, 0.0, 1.0) * (land > 0.99))
    img = weight[..., None] * sharp + (1.0 - weight[..., None]) * img
    del sharp, weight, stray, looks_wet

    print("  drawing lines ...", flush=True)
    overlay(img, line_coverage(lines["borders"], w, h, 1.0), (255, 236, 170), 0.55)
    overlay(img, line_coverage(lines["rivers"], w, h, 1.0), (52, 96, 150), 0.85)
    overlay(img, line_coverage(lines["shore"], w, h, 0.75), (16, 32, 48), 0.45)

    return Image.fromarray(np.clip(img * 255.0 + 0.5, 0, 255).astype(np.uint8))


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--src", required=True, help="folder with the unpacked packages")
    ap.add_argument("--out", required=True, help="output folder (res/img)")
    ap.add_argument("--only", help="comma separated output names to build")
    ap.add_argument("--cache", help="folder to keep the rasterised GSHHG layers between runs")
    args = ap.parse_args()
    os.makedirs(args.out, exist_ok=True)
    only = set(args.only.split(",")) if args.only else None

    def wanted(name):
        return only is None or name in only

    for name, (rel, w, h, roll) in BODIES.items():
        if wanted(name):
            img = load(os.path.join(args.src, rel), roll)
            save(resample(img, w, h), os.path.join(args.out, name), JPEG_QUALITY)

    base = load(os.path.join(args.src, EARTH), False)
    for name, (w, h) in {"1k_earth.jpg": (1024, 512), "2k_earth.jpg": (2048, 1024)}.items():
        if wanted(name):
            save(resample(base, w, h), os.path.join(args.out, name), JPEG_QUALITY)
    if wanted("8k_earth.jpg"):
        save(earth_8k(base, args.src, args.cache), os.path.join(args.out, "8k_earth.jpg"), JPEG_QUALITY_8K)


if __name__ == "__main__":
    main()
