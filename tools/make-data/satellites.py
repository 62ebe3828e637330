"""Satellite files: SATMAG, iridiums.tle and the sample element files."""

from common import fixed, text_field

SATMAG_CAPACITY = 1500

# The samples shipped for users: (file in data/, source file, write magnitudes into
# the name lines).
SAMPLE_ELEMENT_FILES = [
    ("visual-2026-04.tle", "visual-2026-04.tle", True),
    ("stations-2026-04.tle", "stations-2026-04.tle", False),
    ("active-2026-04.tle", "active-2026-04.tle", False),
    ("all-2018-01.tle", "all-2018-01.tle", False),
]


def read_element_records(ctx, name):
    """Three-line records (name, line 1, line 2) of an element file."""
    lines = [l.rstrip() for l in ctx.source_lines("tle", name) if l.strip()]
    if len(lines) % 3:
        raise ValueError("%s: not a whole number of three-line records" % name)
    records = []
    for i in range(0, len(lines), 3):
        title, l1, l2 = lines[i : i + 3]
        if not (l1.startswith("1 ") and l2.startswith("2 ") and l1[2:7] == l2[2:7]):
            raise ValueError("%s: bad record at line %d" % (name, i + 1))
        records.append((title, l1, l2))
    return records


def catalogue_number(record):
    return int(record[1][2:7])


def observed_magnitudes(ctx):
    """(number, name, standard magnitude) of every mcnames.txt line that has one."""
    result = []
    for line in ctx.source_lines("tle", "mcnames.txt", encoding="latin-1"):
        number = int(line[0:5])
        name = line[6:22].rstrip()
        mag_text = line[37:41].strip()
        try:
            mag = float(mag_text)
        except ValueError:
            continue
        result.append((number, name, mag))
    return result


def element_file_numbers(ctx):
    numbers = set()
    for _, source, _ in SAMPLE_ELEMENT_FILES:
        numbers.update(catalogue_number(r) for r in read_element_records(ctx, source))
    return numbers


def make_satmag(ctx):
    """Up to 1500 observed standard magnitudes in ascending catalogue order: first the
    satellites of the sample element files, then the brightest of the rest."""
    wanted = element_file_numbers(ctx)
    entries = observed_magnitudes(ctx)
    ranked = sorted(entries, key=lambda e: (e[0] not in wanted, e[2], e[0]))
    chosen = sorted(ranked[:SATMAG_CAPACITY], key=lambda e: e[0])
    lines = []
    for number, name, mag in chosen:
        # columns 1-5 number, 7-22 name, 24-28 standard magnitude
        lines.append("%05d %s %s" % (number, text_field(name, 16), fixed(mag, 5, 1)))
    ctx.write_lines("SATMAG", lines)
    return len(lines)


def write_element_file(ctx, name, records):
    lines = []
    for title, l1, l2 in records:
        lines += [title, l1, l2]
    ctx.write_lines(name, lines)


def make_iridiums(ctx):
    """The first-generation Iridium satellites (three mirror antennas) of January 2018;
    the two dummy masses of the first launch carry no mirrors and are left out."""
    records = [r for r in read_element_records(ctx, "iridium-2018-01.tle")
               if r[0].startswith("IRIDIUM")]
    records.sort(key=catalogue_number)
    write_element_file(ctx, "iridiums.tle", records)
    return len(records)


def standard_magnitudes(ctx):
    import json
    table = json.loads(ctx.read_text("tle", "stdmag.json"))
    return {int(k): float(v) for k, v in table.items()}


def make_sample_element_files(ctx):
    """The sample element files, in ascending catalogue order (the magnitude lookup
    relies on it). The bright-satellite sample carries each standard magnitude in
    columns 31-35 of its name line."""
    stdmag = standard_magnitudes(ctx)
    observed = {n: m for n, _, m in observed_magnitudes(ctx)}
    counts = {}
    for target, source, with_magnitudes in SAMPLE_ELEMENT_FILES:
        records = sorted(read_element_records(ctx, source), key=catalogue_number)
        if with_magnitudes:
            out = []
            for title, l1, l2 in records:
                number = catalogue_number((title, l1, l2))
                mag = observed.get(number, stdmag.get(number))
                title = text_field(title.rstrip(), 24)
                if mag is not None:
                    title = title.ljust(30) + fixed(mag, 5, 1)
                out.append((title, l1, l2))
            records = out
        write_element_file(ctx, target, records)
        counts[target] = len(records)
    return counts
