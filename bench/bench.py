#!/usr/bin/python3
"""Times a whole-extent export and a render of terrain-like DEM files against
GDAL's XYZ export and the floor exporter, in one run, and checks that the
exports agree.

    bench.py BUILD_DIR [--runs N]

Files of 1201 x 1201 and 3601 x 3601 points (30 m, UTM metres) are made once
with GDAL's Python bindings and its USGSDEM writer, given an accepted producer
signature, and cached in BUILD_DIR/bench-data.
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

import numpy as np
from osgeo import gdal, osr

SIGNATURE = b"Digital Elevation Model by Qarn"
SIZES = (1201, 3601)
SPACING = 30.0
ORIGIN = (499980.0, 4599990.0)  # UTM zone 10 north, metres, on multiples of the spacing


def make_dem(path, n):
    """A smooth relief with some noise, hundreds to thousands of metres."""
    rng = np.random.default_rng(n)
    y, x = np.mgrid[0:n, 0:n] / float(n)
    relief = (1400 + 900 * np.sin(3.1 * x + 0.4) * np.cos(2.3 * y - 0.2) + 500 * np.sin(9.0 * x * y)
              + 120 * np.cos(17.0 * x) * np.sin(13.0 * y))
    z = np.round(relief + rng.normal(0, 6, (n, n))).astype(np.int16)
    tif = path + ".tif"
    ds = gdal.GetDriverByName("GTiff").Create(tif, n, n, 1, gdal.GDT_Int16)
    # Pixel-is-area edges half a spacing outside the grid points.
    west, north = ORIGIN[0] - SPACING / 2, ORIGIN[1] + (n - 1) * SPACING + SPACING / 2
    ds.SetGeoTransform((west, SPACING, 0, north, 0, -SPACING))
    srs = osr.SpatialReference()
    srs.ImportFromEPSG(32610)
    ds.SetProjection(srs.ExportToWkt())
    ds.GetRasterBand(1).WriteArray(z)
    ds = None
    subprocess.run(["gdal_translate", "-q", "-of", "USGSDEM", tif, path], check=True)
    os.remove(tif)
    with open(path, "r+b") as f:
        f.write(SIGNATURE)
    return path


def timed(command):
    """Seconds and peak resident memory (MiB) of one run of `command`."""
    with tempfile.NamedTemporaryFile() as report:
        start = time.perf_counter()
        subprocess.run(["/usr/bin/time", "-f", "%M", "-o", report.name] + command, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        seconds = time.perf_counter() - start
        peak = int(open(report.name).read().split()[-1]) / 1024.0
    return seconds, peak


def extent(path):
    ds = gdal.Open(path)
    gt = ds.GetGeoTransform()
    west, north = gt[0], gt[3]
    east, south = west + gt[1] * ds.RasterXSize, north + gt[5] * ds.RasterYSize
    return [str(int(v)) for v in (west - SPACING, south - SPACING, east + SPACING, north + SPACING)]


def points(path):
    """The (x, y) keys and elevations of a point file, sorted by key."""
    with open(path, "rb") as f:
        values = np.fromstring(f.read().replace(b",", b" "), sep=" ")  # noqa: the fast C parser
    values = values.reshape(-1, 3)
    keys = np.round(values[:, 0]).astype(np.int64) * 100000000 + np.round(values[:, 1]).astype(np.int64)
    order = np.argsort(keys, kind="stable")
    return keys[order], values[order, 2]


def check_agreement(ours, theirs):
    our_keys, our_z = points(ours)
    their_keys, their_z = points(theirs)
    # GDAL's raster of the file has a row more than the grid, all NoData.
    kept = their_z != -32767
    their_keys, their_z = their_keys[kept], their_z[kept]
    if len(our_keys) != len(their_keys):
        return "counts differ: %d here, %d in GDAL's" % (len(our_keys), len(their_keys))
    if not np.array_equal(our_keys, their_keys):
        return "the points' x and y differ"
    if not np.allclose(our_z, their_z, atol=0.05, rtol=0):
        return "elevations differ"
    return ""


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    cli = os.path.join(args.build, "src", "tarnwick-cli")
    floor = os.path.join(args.build, "bench", "tarnwick_floor_export")
    data = os.path.join(args.build, "bench-data")
    os.makedirs(data, exist_ok=True)
    failed = False
    for n in SIZES:
        dem = os.path.join(data, "terrain-%d.dem" % n)
        if not os.path.exists(dem):
            make_dem(dem, n)
        out = os.path.join(data, "out-%d" % n)
        commands = {
            "tarnwick export": [cli, "export", dem, "--rect"] + extent(dem) + ["-o", out + ".csv"],
            "gdal_translate XYZ": ["gdal_translate", "-q", "-of", "XYZ", dem, out + ".xyz"],
            "tarnwick render": [cli, "render", dem, "-o", out + ".png"],
            "floor exporter": [floor, dem, out + ".floor.csv"],
        }
        runs = {name: [] for name in commands}
        gdal_runs = max(1, args.runs if n < 3000 else min(args.runs, 3))
        for r in range(args.runs):  # alternating, so that all meet the same machine
            for name, command in commands.items():
                if name.startswith("gdal") and r >= gdal_runs:
                    continue
                runs[name].append(timed(command))
        median = {name: statistics.median(s for s, _ in v) for name, v in runs.items()}
        peak = {name: max(m for _, m in v) for name, v in runs.items()}
        print("== %d x %d points (%.0f MB)" % (n, n, os.path.getsize(dem) / 1e6))
        for name in commands:
            print("  %-20s median %7.3f s over %d runs, peak %6.1f MiB" %
                  (name, median[name], len(runs[name]), peak[name]))
        export = median["tarnwick export"]
        gdal_ratio = median["gdal_translate XYZ"] / export
        floor_ratio = export / median["floor exporter"]
        render_ratio = median["tarnwick render"] / export
        memory = abs(peak["tarnwick export"] - peak["tarnwick render"])
        print("  export is %.1f times faster than gdal_translate XYZ (goal: at least 20)" % gdal_ratio)
        print("  export takes %.2f times the floor's time (goal: at most 1.5)" % floor_ratio)
        print("  render takes %.2f of the export's time (goal for 3601: at most 0.25)" % render_ratio)
        print("  export and render peak memory differ by %.1f MiB (goal: within 2)" % memory)
        problem = check_agreement(out + ".csv", out + ".xyz")
        print("  exports agree with GDAL's: " + ("yes, every point" if not problem else "NO: " + problem))
        failed = failed or bool(problem)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
