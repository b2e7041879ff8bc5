#!/usr/bin/env python3
"""Adds up the JUnit results ctest wrote for each stage (--output-junit) and
prints one line for them all: "total: N passed, N failed, N skipped".
Fails when a stage failed a test or ran none."""
import sys
import xml.etree.ElementTree as ET

totals = {"passed": 0, "failed": 0, "skipped": 0}
ok = True
for path in sys.argv[1:]:
    suite = ET.parse(path).getroot()
    tests, failed = int(suite.get("tests", 0)), int(suite.get("failures", 0))
    skipped = int(suite.get("skipped", 0)) + int(suite.get("disabled", 0))
    print(f"{path}: {tests - failed - skipped} passed, {failed} failed, {skipped} skipped")
    ok = ok and failed == 0 and tests > 0
    totals["passed"] += tests - failed - skipped
    totals["failed"] += failed
    totals["skipped"] += skipped
print("total: {passed} passed, {failed} failed, {skipped} skipped".format(**totals))
sys.exit(0 if ok else 1)
