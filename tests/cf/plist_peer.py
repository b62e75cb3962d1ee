#!/usr/bin/env python3
"""Independent property-list peer for the tests.

read FILE          print the file's contents as canonical JSON (data as hex)
write FILE FORMAT  write the reference tree in FORMAT ("xml" or "binary")
"""
import json
import plistlib
import sys

REFERENCE = {
    "name": "Gr\u00f6\u00dfe <&> \u65e5\u672c",
    "negative": -2147483648,
    "minusOne": -1,
    "large": 9223372036854775807,
    "real": 0.1,
    "yes": True,
    "no": False,
    "data": b"\x00\x01\xfe\xff",
    "lists": [[1, 2], [], {"inner": ["a", {"deep": -7}]}],
    "empty": {},
}


def canonical(value):
    if isinstance(value, bytes):
        return {"hex": value.hex()}
    if isinstance(value, dict):
        return {k: canonical(v) for k, v in value.items()}
    if isinstance(value, list):
        return [canonical(v) for v in value]
    return value


def main():
    if sys.argv[1] == "read":
        with open(sys.argv[2], "rb") as f:
            print(json.dumps(canonical(plistlib.load(f)), sort_keys=True, ensure_ascii=True))
    else:
        fmt = plistlib.FMT_BINARY if sys.argv[3] == "binary" else plistlib.FMT_XML
        with open(sys.argv[2], "wb") as f:
            plistlib.dump(REFERENCE, f, fmt=fmt, sort_keys=False)


main()
