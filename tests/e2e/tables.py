#!/usr/bin/env python3
"""Table files of the end-to-end tests, and a plain FTP client for the table
server (host and account from server/server.conf).

  book PATH ROW...                    writes a "data.tft" whose Classic table holds the rows
  upload PATH KEY NAME COUNTRY ROW... writes an upload file as the program does
  put FILE NAME                       stores FILE as NAME on the table server
  internet PATH                       prints the internet table of a "data.tft": name|country|score
                                      per row, then the last-update text
  count PATH N                        sets the row count of a "top10.tft"

A ROW is name:score:level:blocks:colours:blockCode (Classic mode, with Game Info).
"""
import ftplib
import os
import struct
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WHEN = "Sunday, 5 January 2003 9:05:07"


def text(value):
    data = value.encode("latin-1") if isinstance(value, str) else value
    if len(data) < 255:
        return bytes([len(data)]) + data
    return b"\xff" + struct.pack("<H", len(data)) + data


def entry(name="Empty", score=0, level=0, blocks=0, colours=0, block_code=0, info=0, country=""):
    out = text(name) + struct.pack("<4i", level, score, blocks, info)
    out += text(WHEN if info else "") + text(WHEN if info else "")
    # seconds, pieces, bombs, min/max/average drop, bombs on, mode, colours, block code
    out += struct.pack("<10i", 300 if info else 0, 120 if info else 0, 0, 1 if info else 0, 4 if info else 0,
                       2 if info else 0, 0, 0, colours, block_code)
    return out + text(country)


def rows_of(row_texts):
    rows = []
    for row_text in row_texts:
        name, score, level, blocks, colours, code = row_text.split(":")
        rows.append(entry(name, int(score), int(level), int(blocks), int(colours), int(code), 1))
    return rows + [entry()] * (10 - len(rows))


def book(path, row_texts):
    classic = rows_of(row_texts)
    scores = [int(row_text.split(":")[1]) for row_text in row_texts] + [0] * 10
    out = text("TINTFALL_TABLE_FILE") + struct.pack("<i", 10)
    out += struct.pack("<3i", scores[0], 0, 0) + struct.pack("<3i", scores[9], 0, 0)
    out += b"".join(classic) + entry() * 30
    out += b"".join(text(WHEN if i == 0 else "Never") for i in range(4))
    with open(path, "wb") as f:
        f.write(out)


def upload(path, key, name, country, row_texts):
    out = text("TINTFALL_SENDTABLE_FILE") + struct.pack("<i", 10)
    for value in (key, name, name.lower().replace(" ", ".") + "@example.org", country, "", WHEN, "1:2:3", WHEN):
        out += text(value)
    out += b"".join(rows_of(row_texts)) + text(WHEN)
    with open(path, "wb") as f:
        f.write(out)


def conf():
    values = {}
    with open(os.path.join(ROOT, "server", "server.conf")) as f:
        for line in f:
            if "=" in line and not line.startswith("#"):
                name, value = line.strip().split("=", 1)
                values[name] = value
    return values


def put(path, name):
    c = conf()
    with ftplib.FTP() as ftp:
        ftp.connect(c["TINTFALL_FTP_HOST"], int(c["TINTFALL_FTP_PORT"]), timeout=30)
        ftp.login(c["TINTFALL_FTP_USER"], c["TINTFALL_FTP_PASSWORD"])
        with open(path, "rb") as f:
            ftp.storbinary("STOR " + name, f)


class Reader:
    def __init__(self, data):
        self.data, self.at = data, 0

    def int32(self):
        value = struct.unpack_from("<i", self.data, self.at)[0]
        self.at += 4
        return value

    def text(self):
        n = self.data[self.at]
        self.at += 1
        if n == 255:
            n = struct.unpack_from("<H", self.data, self.at)[0]
            self.at += 2
        value = self.data[self.at:self.at + n].decode("latin-1")
        self.at += n
        return value

    def entry(self):
        name = self.text()
        level, score, blocks, info = (self.int32() for _ in range(4))
        self.text(), self.text()
        for _ in range(10):
            self.int32()
        return name, score, self.text()


def internet(path):
    with open(path, "rb") as f:
        r = Reader(f.read())
    r.text()
    for _ in range(7):
        r.int32()
    rows = [r.entry() for _ in range(40)]
    updates = [r.text() for _ in range(4)]
    for name, score, country in rows[30:]:
        print("%s|%s|%d" % (name, country, score))
    print(updates[3])


def count(path, n):
    with open(path, "r+b") as f:
        f.seek(25)
        f.write(struct.pack("<i", n))


def main(args):
    command = args[0]
    if command == "book":
        book(args[1], args[2:])
    elif command == "upload":
        upload(args[1], args[2], args[3], args[4], args[5:])
    elif command == "put":
        put(args[1], args[2])
    elif command == "internet":
        internet(args[1])
    elif command == "count":
        count(args[1], int(args[2]))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
