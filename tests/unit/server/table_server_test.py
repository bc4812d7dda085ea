#!/usr/bin/python3
"""The table server as clients see it: server/run.sh started on free loopback
ports with a temporary data folder, spoken to with plain ftplib and urllib.

Usage: table_server_test.py PATH_OF_TINTFALL_JUDGE
"""

import ftplib
import io
import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import unittest
import urllib.error
import urllib.request

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
JUDGE = None
USER, PASSWORD = "tintfall", "dropcolours"
KEY = "0123456789abcdef0123456789abcdef"
PER_ADDRESS = 4


def text(value):
    data = value.encode("latin-1")
    if len(data) < 255:
        return bytes([len(data)]) + data
    return b"\xff" + struct.pack("<H", len(data)) + data


def integers(*values):
    return b"".join(struct.pack("<i", value) for value in values)


def row(name="Empty", level=0, score=0, blocks=0, real=False, country=""):
    dates = "Sunday, 5 January 2003 9:05:07" if real else ""
    return (text(name) + integers(level, score, blocks, 1 if real else 0) + text(dates) + text(dates)
            + integers(1800 if real else 0, 400 if real else 0, 0, 1 if real else 0, 9 if real else 0,
                       4 if real else 0, 0, 0, 5 if real else 0, 0) + text(country))


def upload(key, player, header="TINTFALL_SENDTABLE_FILE", score=12000):
    rows = row("Fox", 7, score, 300, True, "Local") + row() * 9
    return (text(header) + integers(10) + text(key) + text(player) + text("fox@example.org") + text("Norway")
            + text("notes") + text("Monday, 6 January 2003 10:00:00") + text("12:5:33") + text("UNKNOWN")
            + rows + text("Monday, 6 January 2003 10:00:00"))


def top10_names(data):
    """The names of the ten rows of a top10.tft."""
    assert data[:25] == text("TINTFALL_TABLETOP10_FILE"), data[:25]
    assert struct.unpack("<i", data[25:29])[0] == 10
    names, at = [], 29
    for _ in range(10):
        fields = []
        for kind in "tiiiittiiiiiiiiiit":
            if kind == "i":
                at += 4
                continue
            length = data[at]
            fields.append(data[at + 1:at + 1 + length].decode("latin-1"))
            at += 1 + length
        names.append(fields[0])
    assert at == len(data)
    return names


class ServerCase(unittest.TestCase):
    """Each class of tests has a server of its own."""

    @classmethod
    def setUpClass(cls):
        cls.data = tempfile.mkdtemp(prefix="tintfall-table-")
        cls.log = open(os.path.join(cls.data, "server.log"), "w+")
        cls.server = subprocess.Popen(
            ["bash", os.path.join(ROOT, "server", "run.sh"), "--judge", JUDGE, "--data", cls.data,
             "--ftp-port", "0", "--web-port", "0", "--max-connections-per-address", str(PER_ADDRESS)],
            stdout=subprocess.PIPE, stderr=cls.log, text=True)
        lines = []
        for line in cls.server.stdout:
            lines.append(line)
            if line.startswith("Stop with"):
                break
        banner = "".join(lines)
        ftp = re.search(r"FTP:  ftp://127\.0\.0\.1:(\d+)/", banner)
        web = re.search(r"Web:  http://127\.0\.0\.1:(\d+)/ \(home\)", banner)
        if not ftp or not web:
            cls.server.kill()
            cls.log.seek(0)
            raise RuntimeError("server did not start:\n" + banner + cls.log.read())
        cls.ftp_port, cls.web_port = int(ftp.group(1)), int(web.group(1))

    def run(self, result=None):
        result = super().run(result)
        if result is not None and not result.wasSuccessful():
            type(self).failed = True
        return result

    @classmethod
    def tearDownClass(cls):
        cls.server.send_signal(signal.SIGTERM)
        status = None
        try:
            status = cls.server.wait(timeout=20)
        finally:
            cls.server.kill()
            cls.server.stdout.close()
            if status != 0 or getattr(cls, "failed", False):
                cls.log.seek(0)
                sys.stderr.write("server log:\n" + cls.log.read())
            cls.log.close()
            shutil.rmtree(cls.data, ignore_errors=True)
        assert status == 0, "server ended with %s" % status

    def connect(self, user=USER, password=PASSWORD):
        ftp = ftplib.FTP()
        ftp.connect("127.0.0.1", self.ftp_port, timeout=20)
        self.addCleanup(ftp.close)
        ftp.login(user, password)
        return ftp

    def top10(self):
        data = io.BytesIO()
        with self.connect() as ftp:
            ftp.retrbinary("RETR top10.tft", data.write)
        return data.getvalue()

    def store(self, name, data):
        with self.connect() as ftp:
            return ftp.storbinary("STOR " + name, io.BytesIO(data))

    def page(self, name):
        with urllib.request.urlopen("http://127.0.0.1:%d/%s" % (self.web_port, name), timeout=20) as response:
            return response.read().decode("cp1252")


class TableServerTest(ServerCase):
    def test_only_the_account_logs_in(self):
        for user, password in ((USER, "wrong"), ("anonymous", "guest@example.org")):
            with self.assertRaises(ftplib.error_perm, msg=user):
                self.connect(user, password)

    def test_the_account_can_neither_list_nor_change_the_folder(self):
        before = self.top10()
        ftp = self.connect()
        refused = [
            lambda: ftp.nlst(), lambda: ftp.dir(), lambda: list(ftp.mlsd()), lambda: ftp.sendcmd("MLST top10.tft"),
            lambda: ftp.size("top10.tft"), lambda: ftp.sendcmd("MDTM top10.tft"), lambda: ftp.cwd("/"),
            lambda: ftp.sendcmd("CDUP"), lambda: ftp.mkd("new"), lambda: ftp.rmd("new"), lambda: ftp.delete("top10.tft"),
            lambda: ftp.rename("top10.tft", "old.tft"), lambda: ftp.sendcmd("SITE CHMOD 777 top10.tft"),
            lambda: ftp.sendcmd("REST 10"), lambda: ftp.storbinary("APPE top10.tft", io.BytesIO(b"x")),
            lambda: ftp.storbinary("STOU", io.BytesIO(b"x")),
            lambda: ftp.retrbinary("RETR " + KEY + ".tft", lambda _: None),
            lambda: ftp.retrbinary("RETR ../table.sqlite", lambda _: None),
        ]
        for number, command in enumerate(refused):
            with self.assertRaises(ftplib.error_perm, msg="command %d" % number):
                command()
        ftp.set_pasv(False)
        with self.assertRaises(ftplib.error_perm):
            ftp.retrbinary("RETR top10.tft", lambda _: None)
        self.assertEqual(self.top10(), before)

    def test_only_uploads_named_by_a_key_are_stored(self):
        before = self.top10()
        good = upload(KEY, "Nobody")
        for name in ("top10.tft", "../" + KEY + ".tft", "incoming/" + KEY + ".tft", KEY.upper() + ".tft",
                     KEY + ".TFT", KEY[1:] + ".tft", KEY, "x" + KEY + ".tft"):
            with self.assertRaises(ftplib.error_perm, msg=name):
                self.store(name, good)
        self.assertEqual(self.top10(), before)
        self.assertEqual(os.listdir(os.path.join(self.data, "incoming")), [])

    def test_a_good_upload_is_judged_and_published(self):
        key = "f" * 32
        self.assertTrue(self.store(key + ".tft", upload(key, "<b>Blue Fox</b>", score=2000000)).startswith("226"))
        self.assertEqual(top10_names(self.top10())[0], "<b>Blue Fox</b>")
        for name in ("", "top50.html"):
            page = self.page(name)
            self.assertIn("&lt;b&gt;Blue Fox&lt;/b&gt;", page)
            self.assertNotIn("<b>Blue", page)
        with self.assertRaises(urllib.error.HTTPError):
            self.page("table.sqlite")
        self.assertEqual(os.listdir(os.path.join(self.data, "incoming")), [])

    def test_a_judge_that_died_is_started_again(self):
        with open("/proc/%d/task/%d/children" % (self.server.pid, self.server.pid)) as children:
            judges = [int(pid) for pid in children.read().split()]
        self.assertEqual(len(judges), 1)
        os.kill(judges[0], signal.SIGKILL)
        key = "d" * 32
        self.assertTrue(self.store(key + ".tft", upload(key, "Green Eel", score=3000000)).startswith("226"))
        self.assertEqual(top10_names(self.top10())[0], "Green Eel")

    def test_refused_and_oversize_uploads_fail_and_leave_nothing(self):
        key = "e" * 32
        with self.assertRaisesRegex(ftplib.error_perm, "550 Upload refused \\(wrong header\\)"):
            self.store(key + ".tft", upload(key, "Red Owl", header="TINTFALL_TABLE_FILE", score=2100000000))
        with self.assertRaisesRegex(ftplib.error_perm, "key differs"):
            self.store(key + ".tft", upload(KEY, "Red Owl", score=2100000000))
        with self.assertRaises((ftplib.error_perm, OSError)):
            self.store(key + ".tft", upload(key, "Red Owl", score=2100000000) + bytes(70 * 1024))
        self.assertNotIn("Red Owl", top10_names(self.top10()))
        self.assertEqual(os.listdir(os.path.join(self.data, "incoming")), [])



class ConnectionLimitTest(ServerCase):
    def test_connections_are_limited_per_address(self):
        opened = []
        for _ in range(PER_ADDRESS + 1):
            ftp = ftplib.FTP()
            self.addCleanup(ftp.close)
            try:
                ftp.connect("127.0.0.1", self.ftp_port, timeout=20)
                ftp.login(USER, PASSWORD)
            except (ftplib.error_temp, OSError):
                break
            opened.append(ftp)
        self.assertGreaterEqual(len(opened), 1)
        self.assertLessEqual(len(opened), PER_ADDRESS)


if __name__ == "__main__":
    JUDGE = os.path.abspath(sys.argv.pop(1))
    unittest.main()
