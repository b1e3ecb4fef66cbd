#!/usr/bin/env python3
"""Which tests fail for each mutant of tests/mutants.json: the whole picture, where a
mutation-testing run that stops at the first failure shows only whether a mutant is caught.

For each mutant it plants the fault, rebuilds BUILD, runs both test programs whole (each in
one process, which is far quicker than one process a test) and records every failing test; a
mutant no test program catches is tried against the other ctest tests (the installed tree, the
metadata, the web pages). The source is put back after each one. One JSON line per mutant goes
to OUT, so an interrupted run goes on where it stopped.

  scripts/kill_matrix.py OUT [--build build] [--only ID,ID] [--list tests/mutants.json]
  scripts/kill_matrix.py OUT --report [--under tests/ui]

The report lists each test with the mutants it fails on; "!" marks one that no other test
catches. A test that catches none is a candidate to cut, unless it guards what no mutant
plants; a test with "!" must keep catching its mutants. Run on a clean tree built with
-DABACORE_BENCH=OFF.
"""
import argparse
import json
import os
import re
import subprocess
import sys
import tempfile
import time
from collections import defaultdict
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
FAILED = re.compile(r"^\[  FAILED  \] (\S+\.\S+)", re.M)
RESULT = re.compile(r"Test\s+#\d+: (\S+) \.*\s*(.*?)\s+[\d.]+ sec")
TEST = re.compile(r"^TEST(?:_F|_P)?\((\w+),\s*(\w+)\)", re.M)
OTHER_TESTS = r"^(InstalledTree|Validate\..*|WebPages)$"


def run(cmd, env, timeout, cwd=None):
    try:
        p = subprocess.run(cmd, env=env, cwd=cwd, stdout=subprocess.PIPE,
                           stderr=subprocess.STDOUT, text=True, errors="replace", timeout=timeout)
        return p.returncode, p.stdout
    except subprocess.TimeoutExpired as e:
        out = e.stdout.decode(errors="replace") if isinstance(e.stdout, bytes) else e.stdout
        return 124, out or ""


def ctest_failures(build, env, regex):
    _, out = run(["ctest", "--test-dir", str(build), "-j", str(os.cpu_count() or 2),
                  "--timeout", "120", "-R", regex], env, 1800)
    return sorted(n for n, s in RESULT.findall(out) if s != "Passed" and "Skipped" not in s)


def gtest_names(binary, env):
    names, suite = [], None
    for line in run([str(binary), "--gtest_list_tests"], env, 60)[1].splitlines():
        if not line.startswith(" ") and line.endswith("."):
            suite = line
        elif line.startswith("  ") and suite:
            names.append(suite + line.split()[0])
    return names


def failing_tests(build, env):
    failed = []
    for name in ("logic_tests", "window_tests"):
        binary = build / "tests" / name
        code, out = run([str(binary), "--gtest_brief=1"], env, 600, cwd=str(build / "tests"))
        found = sorted(set(FAILED.findall(out)))
        if code not in (0, 1) or (code == 1 and not found):
            # A crash or a hang ends the process: ask ctest, one process a test.
            names = gtest_names(binary, env)
            found = ctest_failures(build, env, "^(" + "|".join(map(re.escape, names)) + ")$")
            found.append(f"<{name} exit {code}>")
        failed += found
    return failed or ctest_failures(build, env, OTHER_TESTS)


def source_of(mutant):
    path = REPO / mutant["file"]
    if path.exists():
        return path
    tracked = subprocess.run(["git", "-C", str(REPO), "ls-files"], capture_output=True,
                             text=True).stdout.split()
    same = [f for f in tracked if Path(f).name == Path(mutant["file"]).name]
    return REPO / same[0] if len(same) == 1 else path


def measure(args):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    env["XDG_RUNTIME_DIR"] = tempfile.mkdtemp()
    build = Path(args.build).resolve()
    rebuild = ["cmake", "--build", str(build), "-j", str(os.cpu_count() or 2)]
    if run(rebuild, env, 1800)[0] != 0 or failing_tests(build, env):
        sys.exit("the tree as it stands must build and pass first")
    out = Path(args.out)
    done = {json.loads(l)["id"] for l in out.read_text().splitlines()} if out.exists() else set()
    only = set(args.only.split(",")) if args.only else None
    for mutant in json.loads(Path(args.list).read_text()):
        if mutant["id"] in done or (only and mutant["id"] not in only):
            continue
        started, path = time.time(), source_of(mutant)
        record = {"id": mutant["id"], "result": "invalid"}
        original = path.read_bytes() if path.exists() else b""
        if original.count(mutant["find"].encode()) == 1:
            try:
                path.write_bytes(original.replace(mutant["find"].encode(),
                                                  mutant["replace"].encode()))
                if run(rebuild, env, 1800)[0] != 0:
                    record["result"] = "not compiled"
                else:
                    record["by"] = failing_tests(build, env)
                    record["result"] = "killed" if record["by"] else "survived"
            finally:
                path.write_bytes(original)
        record["secs"] = round(time.time() - started, 1)
        with out.open("a") as f:
            f.write(json.dumps(record) + "\n")
        print(record["id"], record["result"], len(record.get("by", [])), record["secs"],
              flush=True)
    run(rebuild, env, 1800)


def report(args):
    records = [json.loads(l) for l in Path(args.out).read_text().splitlines() if l.strip()]
    catchers = {r["id"]: set(r.get("by", [])) for r in records}
    caught = defaultdict(set)
    for mutant, tests in catchers.items():
        for test in tests:
            caught[test].add(mutant)
    where = {}
    for f in subprocess.run(["git", "-C", str(REPO), "ls-files", "tests"], capture_output=True,
                            text=True).stdout.split():
        if f.endswith(".cpp"):
            for m in TEST.finditer((REPO / f).read_text(errors="replace")):
                where[f"{m.group(1)}.{m.group(2)}"] = f
    for f in sorted(set(where.values())):
        if not f.startswith(args.under):
            continue
        print(f)
        for test in sorted(t for t, ff in where.items() if ff == f):
            marks = [m + ("!" if len(catchers[m]) == 1 else f"({len(catchers[m])})")
                     for m in sorted(caught.get(test, ()))]
            print("   ", test.split(".", 1)[1], ":", " ".join(marks) or "catches none")
    missed = [r["id"] + " " + r["result"] for r in records if r["result"] != "killed"]
    print(f"{len(records) - len(missed)} of {len(records)} caught; not caught:", ", ".join(missed))


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    p.add_argument("out", help="the JSON-lines file of results")
    p.add_argument("--build", default=str(REPO / "build"))
    p.add_argument("--list", default=str(REPO / "tests" / "mutants.json"))
    p.add_argument("--only", help="comma-separated mutant ids")
    p.add_argument("--report", action="store_true", help="print the tests and what they catch")
    p.add_argument("--under", default="tests/", help="with --report: only tests under this folder")
    args = p.parse_args()
    if args.report:
        report(args)
    else:
        measure(args)


if __name__ == "__main__":
    main()
