#!/usr/bin/env python3
"""The independent property-list reader and writer of the profile tests.

  plist_peer.py dump FILE         prints FILE, read with plistlib, as JSON
  plist_peer.py write FILE JSON   writes the JSON file JSON to FILE with plistlib
  plist_peer.py time FILE N       loads FILE N times, prints the median seconds
"""
import json
import plistlib
import statistics
import sys
import time


def main(argv):
    if argv[1] == "dump":
        with open(argv[2], "rb") as f:
            print(json.dumps(plistlib.load(f), sort_keys=True))
    elif argv[1] == "write":
        with open(argv[3], encoding="utf-8") as f:
            value = json.load(f)
        with open(argv[2], "wb") as f:
            plistlib.dump(value, f, fmt=plistlib.FMT_XML, sort_keys=False)
    elif argv[1] == "time":
        times = []
        for _ in range(int(argv[3])):
            start = time.perf_counter()
            with open(argv[2], "rb") as f:
                plistlib.load(f)
            times.append(time.perf_counter() - start)
        print(statistics.median(times))
    else:
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
