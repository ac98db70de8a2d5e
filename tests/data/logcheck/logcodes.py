#!/usr/bin/env python3
"""Check codes of stamp log lines, written apart from the C++ code so the
fixtures here test it against an independent reading of the rules."""

KEY = b"QUAVERLY"


def _wrap(x):
    while x > 122:
        x -= 74
    return x


def _enter(c):
    return c if c <= 122 else ((c - 123) % 74) + 49


def _out(v):
    if v < 49:
        v += 49
    if 58 <= v <= 64:
        v += 7
    if v > 90:
        v = ((v - 91) % 5) + 86
    return {73: 74, 79: 77}.get(v, v)


def hash8(text: bytes, key: bytes = KEY) -> bytes:
    r = [b - 256 if b > 127 else b for b in key[:8]]
    for c in text:
        t = r[7]
        r = [_enter(c)] + r[:7]
        r[1] = _wrap(r[1] + t)
        r[3] = _wrap(r[3] + t)
    return bytes(_out(v) & 0xFF for v in r)


def line(fields, sep=b"|"):
    """A log line as the stamping program writes it (fields already clean)."""
    return b"".join(f + sep for f in fields) + hash8(b"".join(fields)) + sep + b"\r\n"


if __name__ == "__main__":
    import sys
    for arg in sys.argv[1:]:
        print(hash8(arg.encode("cp932")).decode())
