#!/usr/bin/env python3
"""Writes the program's data files from the public raw data in ../shared/data-sources.

    python3 tools/make-data/make_data.py [--sources DIR] [--output DIR]

Python 3 standard library only. The output is deterministic: running it again gives
the same bytes.
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True  # leave no caches in the checkout
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from common import DEFAULT_OUTPUT, DEFAULT_SOURCES, Context  # noqa: E402
import satellites  # noqa: E402
import solarsystem  # noqa: E402
import stars  # noqa: E402
import constellations  # noqa: E402
import deepsky  # noqa: E402
import maps  # noqa: E402
import places  # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sources", default=DEFAULT_SOURCES)
    parser.add_argument("--output", default=DEFAULT_OUTPUT)
    args = parser.parse_args()
    if not os.path.isdir(args.sources):
        sys.exit("raw data folder not found: %s" % args.sources)
    os.makedirs(args.output, exist_ok=True)
    ctx = Context(args.sources, args.output)

    print("SATMAG: %d magnitudes" % satellites.make_satmag(ctx))
    print("iridiums.tle: %d satellites" % satellites.make_iridiums(ctx))
    for name, count in satellites.make_sample_element_files(ctx).items():
        print("%s: %d satellites" % (name, count))
    print("ASTEROID.TXT: %d epochs" % solarsystem.make_asteroids(ctx))
    print("KOMET: %s" % solarsystem.make_comet(ctx))
    catalogue = stars.make_star_catalogue(ctx)
    print("STERNKAT: %d stars" % len(catalogue))
    print("STERNNAM: %d named stars" % stars.make_named_stars(ctx, catalogue))
    print("SLINIEN: %d segments" % constellations.make_figures(ctx, catalogue))
    print("SNAMEN: %d labels" % constellations.make_labels(ctx))
    print("NEBEL: %d objects" % deepsky.make_nebulae(ctx))
    print("ORTE: %d German places, %d elsewhere" % places.make_places(ctx))
    print("Staedte: %d + %d + %d towns" % places.make_towns(ctx))
    print("Grenzen: %d strokes, %d lines" % maps.make_borders(ctx))
    print("welt.bmp: %.1f %% land" % maps.make_world_map(ctx))


if __name__ == "__main__":
    main()
