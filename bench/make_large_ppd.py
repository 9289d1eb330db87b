#!/usr/bin/env python3
"""Writes a large synthetic PPD for the benchmarks.

The file holds the keywords the model builder treats specially (page size,
duplex, media, covers, collation, finishing) beside made-up options, and
thousands of UIConstraints between random choices. The output is the same on
every run, so the committed copy can be checked by regenerating.

Two shapes:
  bench  (default) several hundred options, 3,200 UIConstraints, ~280 KB: the
         option model benchmarks' file, committed as data/large.ppd.
  real   the largest shape met in the field: 85 options, 7,000 UIConstraints,
         ~600 KB, with a device ID, so that the window lists its queue. Too
         big to commit: the window bench writes it into its own temp folder.

Usage: make_large_ppd.py [--shape bench|real] [output]
       (default output: data/large.ppd beside this script for "bench";
       "real" needs an output)
"""

import argparse
import os
import random

OPTION_COUNT = 320
CONSTRAINT_COUNT = 3200
GROUP_COUNT = 60

HEADER = """*PPD-Adobe: "4.3"
*% Synthetic benchmark PPD written by make_large_ppd.py; do not edit.
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "TX9900.PPD"
*Manufacturer: "Tolvane"
*ModelName: "Tolvane TX-9900"
*ShortNickName: "Tolvane TX-9900"
*NickName: "Tolvane TX-9900, 1.0"
*cupsFilter: "application/vnd.cups-raster 0 tolfilter_ras_H"
*SupportsUserLogin: True
*JobFinishNotice: True
*SupportsPrivatePrint: True
*SupportsCustomBox: True
"""

# Options the builder and its later steps look for, with their choices.
KNOWN_OPTIONS = [
    ("PageSize", ["Letter", "A4", "A5", "A3", "B4", "Legal", "Tabloid", "Statement"]),
    ("MediaType", ["Plain", "Transparency", "Labels", "Heavy", "Recycled"]),
    ("Duplex", ["None", "DuplexNoTumble", "DuplexTumble"]),
    ("InputSlot", ["Auto", "Tray1", "Tray2", "Tray3", "Manual"]),
    ("ColorModel", ["CMYK", "Gray", "RGB"]),
    ("Coll", ["True", "False"]),
    ("TCCollate1", ["None", "Collate", "Group"]),
    ("CvrM", ["None", "Tray1", "Tray2", "Inserter1", "Inserter2", "Transparency"]),
    ("BackCvrM", ["None", "Tray1", "Tray2", "Inserter1", "Inserter2", "Transparency"]),
    ("Pmed", ["None", "Tray1", "Inserter1", "Inserter2", "Transparency"]),
    ("Tmed", ["None", "Tray1", "Inserter1", "Inserter2", "Transparency"]),
    ("OutputBin", ["Default", "FLDTRAY", "FDStackerA", "FDStackerB"]),
    ("FldA", ["None", "Bifold", "Trifold", "Zfold", "EngrFold"]),
    ("Stpl", ["None", "Front", "Rear", "Dual"]),
    ("Pnch", ["None", "Hole2", "Hole3", "Hole4"]),
    ("TCBooklet", ["None", "Left", "Right"]),
    ("Option17", ["False", "True"]),
    ("Option18", ["None", "Box", "Drive"]),
    ("Option22", ["False", "True"]),
    ("Option24", ["False", "True"]),
    ("Option28", ["False", "True"]),
    ("TvManagment", ["False", "True"]),
    ("TCSuperWatermark", ["False", "True"]),
    ("Tnlt", ["Off", "On"]),
]


def random_constraints(rng, options, count, defaults_apart=False):
    """UIConstraints lines between choices of random pairs of options, each
    pair once; with defaults_apart, never between two defaults."""
    seen = set()
    lines = []
    while len(seen) < count:
        (k1, c1), (k2, c2) = rng.sample(options, 2)
        pair = (k1, rng.choice(c1), k2, rng.choice(c2))
        if pair in seen or (defaults_apart and pair[1] == c1[0] and pair[3] == c2[0]):
            continue
        seen.add(pair)
        lines.append("*UIConstraints: *%s %s *%s %s" % pair)
    return lines


def bench_shape():
    rng = random.Random(4020)

    options = list(KNOWN_OPTIONS)
    for i in range(OPTION_COUNT - len(KNOWN_OPTIONS)):
        count = rng.randint(4, 14)
        options.append(("TolOpt%03d" % (i + 1), ["Ch%02d" % c for c in range(count)]))

    lines = [HEADER.rstrip("\n")]
    per_group = 40
    for g in range(0, len(options), per_group):
        name = "Group%02d" % (g // per_group + 1)
        lines.append("*OpenGroup: %s/Settings %d" % (name, g // per_group + 1))
        for keyword, choices in options[g:g + per_group]:
            lines.append("*OpenUI *%s/%s Setting: PickOne" % (keyword, keyword))
            lines.append("*Default%s: %s" % (keyword, choices[0]))
            for choice in choices:
                lines.append('*%s %s/%s %s: ""' % (keyword, choice, keyword, choice))
            lines.append("*CloseUI: *%s" % keyword)
        lines.append("*CloseGroup: %s" % name)

    lines += random_constraints(rng, options, CONSTRAINT_COUNT)

    for _ in range(GROUP_COUNT):
        members = rng.sample(options, 3)
        value = "".join(" *%s %s" % (k, rng.choice(c)) for k, c in members)
        lines.append('*cupsUIConstraints: "%s"' % value.strip())
    return lines


REAL_OPTION_COUNT = 85
REAL_CONSTRAINT_COUNT = 7000
REAL_OPTIONS_PER_GROUP = 11


def real_shape():
    """Few options, each with code as a driver writes it, and constraints
    between nearly every pair of them, as a finisher-laden model's PPD has."""
    rng = random.Random(9950)
    header = HEADER.replace("TX-9900", "TX-9950").replace("TX9900", "TX9950")
    header = header.replace('*Manufacturer: "Tolvane"\n',
                            '*Manufacturer: "Tolvane"\n*1284DeviceID: "MFG:Tolvane;MDL:TX-9950;"\n')

    options = list(KNOWN_OPTIONS)
    for i in range(REAL_OPTION_COUNT - len(KNOWN_OPTIONS)):
        count = rng.randint(3, 12)
        options.append(("TolFinisherSetting%02d" % (i + 1),
                        ["Position%02d" % c for c in range(count)]))

    lines = [header.rstrip("\n")]
    for g in range(0, len(options), REAL_OPTIONS_PER_GROUP):
        number = g // REAL_OPTIONS_PER_GROUP + 1
        lines.append("*OpenGroup: Group%02d/Settings %d" % (number, number))
        for keyword, choices in options[g:g + REAL_OPTIONS_PER_GROUP]:
            lines.append("*OpenUI *%s/%s Setting: PickOne" % (keyword, keyword))
            lines.append("*OrderDependency: %d AnySetup *%s" % (10 + number, keyword))
            lines.append("*Default%s: %s" % (keyword, choices[0]))
            # The known keywords keep empty code: the page set-up they would
            # otherwise ask for means nothing here.
            made_up = (keyword, choices) not in KNOWN_OPTIONS
            for n, choice in enumerate(choices):
                code = "<</%s %d>>setpagedevice" % (keyword, n) if made_up else ""
                lines.append('*%s %s/%s %s: "%s"' % (keyword, choice, keyword, choice, code))
            lines.append("*CloseUI: *%s" % keyword)
        lines.append("*CloseGroup: Group%02d" % number)

    # A shipped PPD's defaults never conflict.
    return lines + random_constraints(rng, options, REAL_CONSTRAINT_COUNT, defaults_apart=True)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description="Writes a large synthetic PPD.")
    parser.add_argument("--shape", choices=["bench", "real"], default="bench")
    parser.add_argument("output", nargs="?")
    args = parser.parse_args()
    if args.shape == "bench":
        out = args.output or os.path.join(here, "data", "large.ppd")
        lines = bench_shape()
    else:
        if not args.output:
            parser.error("the real shape is not committed: name an output file")
        out = args.output
        lines = real_shape()

    os.makedirs(os.path.dirname(out) or ".", exist_ok=True)
    with open(out, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
