#!/usr/bin/env python3
"""Polaride's SGP4/SDP4 against Vallado's verification output.

Arguments: polaride-cli, SGP4-VER.TLE, tcppver.out. For each case of the element file
(its line 2 carries the start, stop and step of the run in minutes) polaride-cli sgp
--model sgp4 is asked for every time the reference lists; position and velocity must
agree within 1 m and 1 mm/s. Where the reference stops before the run's stop time
(the orbit failed), Polaride must report an orbit error at the next time of the run.
The reference program prints the state once more when the propagation fails at once
(case 33334): a row equal to the previous case's last row is that left-over state, and
Polaride must then report an error at that time.
"""
import json
import os
import subprocess
import sys
import tempfile

POSITION_KM = 1e-3
VELOCITY_KM_S = 1e-6


def cases_of(tle_path):
    cases = []
    line1 = None
    for raw in open(tle_path):
        line = raw.rstrip("\n")
        if not line or line.startswith("#"):
            continue
        if line.startswith("1 "):
            line1 = line
            continue
        start, stop, step = (float(x) for x in line[69:].split())
        cases.append({"number": int(line[2:7]), "line1": line1[:69], "line2": line[:69],
                      "start": start, "stop": stop, "step": step})
    return cases


def reference_of(out_path):
    blocks = []
    for raw in open(out_path):
        parts = raw.split()
        if len(parts) == 2 and parts[1] == "xx":
            blocks.append({"number": int(parts[0]), "rows": []})
            continue
        if len(parts) >= 7 and blocks:
            blocks[-1]["rows"].append([float(x) for x in parts[:7]])
    return blocks


def schedule(case):
    """The times the reference run visits, as its driver steps them."""
    times = [0.0]
    t = case["start"]
    if abs(t) > 1e-8:
        t -= case["step"]
    while t < case["stop"]:
        t += case["step"]
        if t > case["stop"]:
            t = case["stop"]
        times.append(t)
    return times


def polaride(cli, case, times, work):
    path = os.path.join(work, "case.tle")
    with open(path, "w") as f:
        f.write("CASE %05d\n%s\n%s\n" % (case["number"], case["line1"], case["line2"]))
    args = [cli, "sgp", "--model", "sgp4", "--tle", path, "--index", "1", "--lon", "0",
            "--lat", "0"]
    for t in times:
        args += ["--minutes", repr(t)]
    run = subprocess.run(args, capture_output=True, text=True, cwd=work)
    if not run.stdout.strip():
        raise SystemExit("polaride-cli sgp failed for case %d: %s" % (case["number"], run.stderr))
    data = json.loads(run.stdout)
    return data if isinstance(data, list) else [data]


def main():
    cli, tle_path, out_path = sys.argv[1:4]
    cases = cases_of(tle_path)
    blocks = reference_of(out_path)
    if len(cases) != len(blocks):
        raise SystemExit("%d cases but %d reference blocks" % (len(cases), len(blocks)))
    failures = []
    rows = errors = 0
    worst_r = worst_v = 0.0
    previous_last = None
    with tempfile.TemporaryDirectory() as work:
        for case, block in zip(cases, blocks):
            if case["number"] != block["number"]:
                raise SystemExit("case %d against reference %d" % (case["number"], block["number"]))
            ref = block["rows"]
            times = [r[0] for r in ref]
            runs = schedule(case)
            ends_early = len(ref) < len(runs)
            if ends_early:
                times.append(runs[len(ref)])
            got = polaride(cli, case, times, work)
            for i, t in enumerate(times):
                g = got[i]
                if i == len(ref):
                    errors += 1
                    if not g["math_error"]:
                        failures.append("case %d: no orbit error at %.1f min" % (case["number"], t))
                    continue
                r = ref[i]
                if g["math_error"]:
                    if previous_last is not None and r[1:] == previous_last[1:]:
                        errors += 1  # the reference's left-over state of a failed start
                        continue
                    failures.append("case %d: orbit error %s at %.1f min" % (
                        case["number"], g["orbit_error"], t))
                    continue
                dr = max(abs(a - b) for a, b in zip(g["position_km"], r[1:4]))
                dv = max(abs(a - b) for a, b in zip(g["velocity_km_s"], r[4:7]))
                rows += 1
                worst_r, worst_v = max(worst_r, dr), max(worst_v, dv)
                if dr > POSITION_KM or dv > VELOCITY_KM_S:
                    failures.append("case %d at %.1f min: %.3f m, %.3f mm/s" % (
                        case["number"], t, dr * 1e3, dv * 1e6))
            previous_last = ref[-1] if ref else None
    print("SGP4 verification: %d cases, %d states, %d orbit errors; worst %.2f mm, %.4f mm/s"
          % (len(cases), rows, errors, worst_r * 1e6, worst_v * 1e6))
    if failures:
        print("\n".join(failures[:40]))
        sys.exit(1)


if __name__ == "__main__":
    main()
