#!/usr/bin/env python3
"""Writes the stamp log fixtures of the log checker tests, and for each the
report `trailscan --check` must print, from this independent reading of the
line format (logcodes.py). Run it from this folder after changing it."""

import random

from logcodes import hash8, line

SJ = lambda text: text.encode("cp932")


def fields(doc, date, time, name, section, comment, user=b"yamada", pc=b"PC01"):
    return [doc, date, time, name, section, comment, user, pc]


def split_fields(text):
    """Non-empty pieces between , | tab LF on CP932 character boundaries."""
    out, cur, i = [], b"", 0
    while i < len(text):
        b = text[i]
        if b in b",|\t\n":
            if cur:
                out.append(cur)
            cur, i = b"", i + 1
            continue
        step = 2 if (0x81 <= b <= 0x9F or 0xE0 <= b <= 0xFC) and i + 1 < len(text) else 1
        cur += text[i:i + step]
        i += step
    if cur:
        out.append(cur)
    return out


def report(data):
    """The report of trailscan --check over the bytes of a log, and the counts."""
    out, total, ok = [], 0, 0
    pieces = data.split(b"\n")
    if pieces and pieces[-1] == b"":
        pieces.pop()
        endings = [True] * len(pieces)
    else:
        endings = [True] * (len(pieces) - 1) + [False]
    for text, lf in zip(pieces, endings):
        if lf and text.endswith(b"\r"):
            text = text[:-1]
        f = split_fields(text)
        body = b"".join(f[:-1])
        code = hash8(body)
        good = bool(f) and f[-1] == code
        total += 1
        ok += good
        # Every verdict on a line of its own, after a last line without a line feed too.
        out.append(text.decode("cp932") + "\n" +
                   "  " + code.decode() + ("  OK\n" if good else "  NG\n"))
    out.append(f"Total: {total}  OK: {ok}  NG: {total - ok}  Bytes: {len(data)}\n")
    return "".join(out), total - ok


def write(name, data):
    with open(name + ".log", "wb") as f:
        f.write(data)
    text, ng = report(data)
    with open(name + ".expected", "w", encoding="utf-8", newline="") as f:
        f.write(text)
    return ng


good = [
    fields(b"A-001", b"2012/03/07", b"09:05", SJ("山田"), SJ("総務部"), SJ("確認済み")),
    fields(b"", b"2012/03/07", b"17:40", SJ("ポール"), SJ("品質保証部"), b""),
    fields(b"B-77", b"2013/12/31", b"23:59", SJ("表示"), SJ("営業−第二課"), SJ("見積書，第2版")),
    fields(b"C 9", b"2014/01/01", b"00:00", b"Smith", b"Sales", b"see page 3"),
]

# A clean log as the stamping program writes it: CR LF, pipes.
clean = b"".join(line(f) for f in good)
assert write("IndependentClean", clean) == 0

# Comma and pipe lines mixed, LF line ends, no line feed after the last line.
mixed = b"".join(line(f, b"," if i % 2 else b"|") for i, f in enumerate(good))
mixed = mixed.replace(b"\r\n", b"\n")[:-1]
assert write("IndependentMixed", mixed) == 0

# Altered lines among good ones.
lines = [line(f) for f in good]
altered = [
    lines[0],
    lines[0].replace(SJ("山田"), SJ("山本")),        # a field changed
    lines[1][:-4] + b"Q|\r\n",                        # last character of the code changed
    lines[2].replace(b"|2013", b"||2013"),            # an empty field added: still OK
    lines[3].replace(b"C 9|", b"C 9,|", 1),            # a separator added after a field: OK
    lines[3][:lines[3].rindex(b"|", 0, -3) + 1] +
    lines[3][lines[3].rindex(b"|", 0, -3) + 1:].lower(),  # lower-case code
    b"QUAVERLY|\r\n",                                 # one field: the code of nothing
    b"\r\n",                                          # an empty line
    b"|,|\t|\r\n",                                    # separators only
    b"|".join(b"f%d" % i for i in range(25)) + b"|" +
    hash8(b"".join(b"f%d" % i for i in range(25))) + b"|\r\n",  # 26 fields
]
ng = write("IndependentAltered", b"".join(altered))
assert ng == 5, ng

# Many lines of all kinds, for the block and core tests.
random.seed(11)
names = [SJ(n) for n in ("山田", "ポール", "表示", "ソフト", "Smith", "田中")]
many = []
for i in range(1200):
    f = fields(b"D-%05d" % i, b"2020/%02d/%02d" % (1 + i % 12, 1 + i % 28), b"%02d:%02d" %
               (i % 24, i % 60), random.choice(names), SJ("部") * (i % 7), SJ("承認") * (i % 3))
    text = line(f, b"," if i % 3 == 0 else b"|")
    if i % 97 == 5:
        text = text.replace(b"D-", b"E-", 1)
    if i % 2 == 0:
        text = text.replace(b"\r\n", b"\n")
    many.append(text)
write("ManyLines", b"".join(many))
