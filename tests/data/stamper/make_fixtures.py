#!/usr/bin/env python3
"""Builds the stamp data fixtures byte by byte, independently of the program's
own writer: run it from this folder to regenerate the .bin files."""
import struct


def sjis(text):
    return text.encode("cp932")


def short_text(data):
    assert len(data) < 255
    return bytes([len(data)]) + data


def text16(data):
    assert 255 <= len(data) < 0xFFFE
    return b"\xff" + struct.pack("<H", len(data)) + data


def text(data):
    return short_text(data) if len(data) < 255 else text16(data)


def wide_text(value):
    units = value.encode("utf-16-le")
    count = len(units) // 2
    assert count < 255
    return b"\xff\xfe\xff" + bytes([count]) + units


def int32(value):
    return struct.pack("<i", value)


def stamp(approver=None, comment=None, code=10, colour=b"128"):
    upper = sjis("<Up1><Text>経理部</Text></Up1><Up2><Text>本社</Text></Up2>")
    fonts = sjis("<BoldUp>1</BoldUp><BoldUp2></BoldUp2><BoldDate>0</BoldDate><BoldLow>1</BoldLow>"
                 "<FontUp>ＭＳ 明朝</FontUp><FontUp2></FontUp2><FontDate>Arial</FontDate>"
                 "<FontLow></FontLow><SizeUp>12</SizeUp><SizeUp2></SizeUp2><SizeDate>9</SizeDate>"
                 "<SizeLow>14</SizeLow><PenWidth>3</PenWidth>")
    info = sjis("<ComputerName>KEIRI-PC01</ComputerName><WinUserID>yamada</WinUserID>"
                "<Version>Ver5.6.3</Version><Color>") + colour + sjis("</Color>"
                "<Up1>経理部</Up1><Date><Format>'YY.MM.DD</Format></Date>"
                "<Shape><Size><X>18</X><Y>21</Y></Size></Shape>")
    return b"".join([
        approver if approver is not None else short_text(sjis("山田太郎")),
        short_text(sjis("経理部")),
        short_text(sjis("2012年3月7日(水) 9時5分")),
        comment if comment is not None else short_text(sjis("至急\r\n確認済み")),
        short_text(sjis("山田")),
        short_text(upper),
        short_text(b"'12. 3. 7"),
        short_text(b"A-2012-0042"),
        int32(code),
        short_text(sjis("<Up1>経理部</Up1><Down>山田</Down>")),
        text(fonts),
        text(info),
        short_text(b"<Circle>1</Circle>"),
    ])


def write(name, data):
    with open(name, "wb") as out:
        out.write(data)


full = stamp()
write("SealStamp.bin", full)
write("LongComment.bin", stamp(comment=text16(sjis("長い説明。") * 40), code=21, colour=b""))
write("WideApprover.bin", stamp(approver=wide_text("山田太郎"), code=0, colour=b""))
write("TruncatedStamp.bin", full[: len(full) // 2])
write("TruncatedAfterTwelveItems.bin", full[: full.rindex(short_text(b"<Circle>1</Circle>"))])
# The comment declares two gigabytes, far beyond the data and every limit.
write("BrokenOversizedLength.bin",
      stamp(comment=b"\xff\xff\xff" + struct.pack("<I", 0x7FFFFFFF) + b"short"))
# The comment declares 200 bytes and the data ends after a few.
write("BrokenLengthPastEnd.bin", full.split(sjis("至急"))[0][:-1] + b"\xc8" + b"abc")
write("BrokenTrailingBytes.bin", full + b"\x00\x00")
# A wide text with a character that Shift-JIS cannot hold (U+1F600).
write("BrokenWideCharacter.bin",
      stamp(approver=b"\xff\xfe\xff\x02" + "\U0001F600".encode("utf-16-le")))
