#!/usr/bin/env python3
"""Adds up the test results of every build into one line: N passed, N failed.

Each CTest test is a GoogleTest program that leaves an XML report; a program
that crashed leaves none and counts as one failure (from CTest's own report).
"""
import sys
import xml.etree.ElementTree as ET
from pathlib import Path


def gtest_counts(report):
    root = ET.parse(report).getroot()
    failed = skipped = total = 0
    for case in root.iter("testcase"):
        if case.get("result") == "suppressed" or case.get("status") == "notrun":
            continue
        total += 1
        if case.find("failure") is not None:
            failed += 1
        elif case.find("skipped") is not None or case.get("result") == "skipped":
            skipped += 1
    return total - failed - skipped, failed, skipped


def main(build_dirs):
    passed = failed = skipped = 0
    for build in map(Path, build_dirs):
        junit = build / "ctest-results.xml"
        if not junit.exists():
            continue
        for test in ET.parse(junit).getroot().iter("testcase"):
            name, ok = test.get("name"), test.get("status") == "run"
            report = build / "test-results" / f"{name}.xml"
            if report.exists():
                p, f, s = gtest_counts(report)
                # A program can fail after its report is written (crash at exit).
                if not ok and f == 0:
                    f = 1
                    print(f"{name}: the test program failed outside its tests", file=sys.stderr)
            else:
                p, f, s = (1, 0, 0) if ok else (0, 1, 0)
            passed, failed, skipped = passed + p, failed + f, skipped + s
    line = f"{passed} passed, {failed} failed"
    if skipped:
        line += f", {skipped} skipped"
    print(line)
    return 1 if failed or passed == 0 else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
