#!/usr/bin/python3
"""The table server as clients see it: server/run.sh started on free loopback
ports with a temporary data folder, spoken to with plain ftplib and urllib,
honest clients and hostile ones.

Usage: table_server_test.py PATH_OF_TINTFALL_JUDGE
"""

import ftplib
import http.client
import io
import os
import re
import resource
import shutil
import signal
import socket
import stat
import struct
import subprocess
import sys
import tempfile
import threading
import time
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


def upload(key, player, header="TINTFALL_SENDTABLE_FILE", score=12000, first_row=None):
    rows = (first_row or row("Fox", 7, score, 300, True, "Local")) + row() * 9
    return (text(header) + integers(10) + text(key) + text(player) + text("fox@example.org") + text("Norway")
            + text("notes") + text("Monday, 6 January 2003 10:00:00") + text("12:5:33") + text("UNKNOWN")
            + rows + text("Monday, 6 January 2003 10:00:00"))


def top10_names(data):
    """The names of the ten rows of a top10.tft."""
    return [texts[0] for texts in top10_texts(data)]


def top10_texts(data):
    """The texts of each of the ten rows of a top10.tft."""
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
        names.append(fields)
    assert at == len(data)
    return names


class ServerCase(unittest.TestCase):
    """Each class of tests has a server of its own."""

    # These tests provoke refusals from one address on purpose.
    options = ("--max-connections-per-address", str(PER_ADDRESS), "--max-refusals", "1000")

    @staticmethod
    def limit_descriptors():
        pass

    @classmethod
    def setUpClass(cls):
        cls.data = tempfile.mkdtemp(prefix="tintfall-table-")
        cls.log = open(cls.data + ".log", "w+")
        cls.server = subprocess.Popen(
            ["bash", os.path.join(ROOT, "server", "run.sh"), "--judge", JUDGE, "--data", cls.data,
             "--ftp-port", "0", "--web-port", "0"] + list(cls.options),
            stdout=subprocess.PIPE, stderr=cls.log, text=True, preexec_fn=cls.limit_descriptors)
        lines = []
        for line in cls.server.stdout:
            lines.append(line)
            if line.startswith("Stop with"):
                break
        banner = "".join(lines)
        ftp = re.search(r"FTP:  ftp://127\.0\.0\.1:(\d+)/", banner)
        web = re.search(r"Web:  http://127\.0\.0\.1:(\d+)/tintfall/ \(home\)", banner)
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
            os.remove(cls.data + ".log")
            shutil.rmtree(cls.data, ignore_errors=True)
        assert status == 0, "server ended with %s" % status

    def connect(self, user=USER, password=PASSWORD, address="127.0.0.1"):
        ftp = ftplib.FTP(source_address=(address, 0))
        ftp.connect("127.0.0.1", self.ftp_port, timeout=20)
        self.addCleanup(ftp.close)
        if user:
            ftp.login(user, password)
        return ftp

    def top10(self, address="127.0.0.1"):
        data = io.BytesIO()
        with self.connect(address=address) as ftp:
            ftp.retrbinary("RETR top10.tft", data.write)
        return data.getvalue()

    def store(self, name, data, address="127.0.0.1"):
        with self.connect(address=address) as ftp:
            return ftp.storbinary("STOR " + name, io.BytesIO(data))

    def page(self, name):
        with urllib.request.urlopen("http://127.0.0.1:%d/%s" % (self.web_port, name), timeout=20) as response:
            return response.read().decode("utf-8")

    def server_log(self):
        with open(self.data + ".log", encoding="utf-8", errors="replace") as log:
            return log.read()

    def judge_pid(self):
        for pid in os.listdir("/proc"):
            try:
                with open("/proc/%s/comm" % pid) as comm, open("/proc/%s/stat" % pid) as stat_file:
                    if comm.read().strip() == "tintfall_judge" and \
                            int(stat_file.read().rsplit(")", 1)[1].split()[1]) == self.server.pid:
                        return int(pid)
            except (OSError, ValueError, IndexError):
                continue
        return None


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
                     KEY + ".TFT", KEY[1:] + ".tft", KEY, "x" + KEY + ".tft", KEY + ".0.tfr", KEY + ".11.tfr",
                     KEY + ".01.tfr", KEY + ".tfr"):
            with self.assertRaises(ftplib.error_perm, msg=name):
                self.store(name, good)
        self.assertEqual(self.top10(), before)
        self.assertEqual(os.listdir(os.path.join(self.data, "incoming")), [])

    def test_a_good_upload_is_judged_and_published(self):
        key = "f" * 32
        self.assertTrue(self.store(key + ".tft", upload(key, "<b>Blue Fox</b>", score=2000000)).startswith("226"))
        self.assertEqual(top10_names(self.top10())[0], "<b>Blue Fox</b>")
        for name in ("tintfall/", "tintfall/top.htm"):
            page = self.page(name)
            self.assertIn("&lt;b&gt;Blue Fox&lt;/b&gt;", page)
            self.assertNotIn("<b>Blue", page)
        with self.assertRaises(urllib.error.HTTPError):
            self.page("table.sqlite")
        self.assertEqual(os.listdir(os.path.join(self.data, "incoming")), [])

    def test_a_judge_that_died_is_started_again(self):
        os.kill(self.judge_pid(), signal.SIGKILL)
        key = "d" * 32
        self.assertTrue(self.store(key + ".tft", upload(key, "Green Eel", score=3000000)).startswith("226"))
        self.assertEqual(top10_names(self.top10())[0], "Green Eel")

    def test_refused_and_oversize_uploads_fail_and_leave_nothing(self):
        key = "e" * 32
        with self.assertRaisesRegex(ftplib.error_perm, "550 Upload refused \\(wrong header\\)"):
            self.store(key + ".tft", upload(key, "Red Owl", header="TINTFALL_TABLE_FILE", score=2100000000))
        with self.assertRaisesRegex(ftplib.error_perm, "key differs"):
            self.store(key + ".tft", upload(KEY, "Red Owl", score=2100000000))
        with self.assertRaises((ftplib.error_perm, ftplib.error_temp, OSError)):
            self.store(key + ".tft", upload(key, "Red Owl", score=2100000000) + bytes(70 * 1024))
        self.assertNotIn("Red Owl", top10_names(self.top10()))
        self.assertEqual(os.listdir(os.path.join(self.data, "incoming")), [])

    def test_replays_sent_before_the_upload_reach_the_judge_and_leave_nothing(self):
        key = "c" * 32
        with self.connect() as ftp:
            self.assertTrue(ftp.storbinary("STOR %s.1.tfr" % key, io.BytesIO(b"TFRP forged")).startswith("226"))
            ftp.storbinary("STOR %s.tft" % key, io.BytesIO(upload(key, "Grey Cat", score=1500000)))
        self.assertIn("accepted, unverified: replay ", self.server_log())
        with self.assertRaisesRegex((ftplib.error_perm, OSError), "^552 Replay larger|Connection reset"):
            self.store(key + ".2.tfr", bytes(2 * 1024 * 1024))
        self.assertIn("Grey Cat", top10_names(self.top10()))
        self.assertEqual(os.listdir(os.path.join(self.data, "incoming")), [])
        self.assertEqual(os.listdir(os.path.join(self.data, "web", "tintfall", "replays")), [])


class VerifiedOnlyTest(ServerCase):
    options = ServerCase.options + ("--verified-only", "1")

    def test_a_row_without_a_replay_is_taken_but_not_published(self):
        key = "b" * 32
        self.assertEqual(self.store(key + ".tft", upload(key, "Old Client")), "226 Upload accepted.")
        self.assertNotIn("Old Client", top10_names(self.top10()))
        self.assertNotIn("Old Client", self.page("tintfall/top.htm"))



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


class AddressLimitsTest(unittest.TestCase):
    """Uploads an hour and refusals before a ban, counted per address over a
    sliding window, whatever the number of other addresses."""

    def test_each_address_has_its_share_of_its_window(self):
        sys.path.insert(0, os.path.join(ROOT, "server"))
        import types
        import ftpfront
        now = [0.0]
        options = types.SimpleNamespace(max_sessions=2, max_logins_per_address=2, uploads_per_hour=3,
                                        idle_seconds=30, session_seconds=60, min_rate=100, max_refusals=2)
        limits = ftpfront.Limits(options, clock=lambda: now[0])
        for n in range(50):  # many other addresses come and go meanwhile
            limits.strike("other%d" % n)
            limits.may_upload("other%d" % n)
        self.assertEqual([limits.may_upload("a") for _ in range(4)], [True, True, True, False])
        limits.strike("a")
        self.assertFalse(limits.banned("a"))
        limits.strike("a")
        self.assertTrue(limits.banned("a"))
        now[0] = ftpfront.STRIKE_SECONDS
        self.assertFalse(limits.banned("a"))
        self.assertFalse(limits.may_upload("a"))
        now[0] = ftpfront.HOUR
        self.assertTrue(limits.may_upload("a"))


class ServerConfTest(unittest.TestCase):
    """The build and the server read server.conf alike, or both refuse it."""

    def test_both_readers_agree(self):
        sys.path.insert(0, os.path.join(ROOT, "server"))
        import tablesettings
        with open(os.path.join(ROOT, "server", "server.conf")) as conf:
            real = conf.read()
        cases = [real, "A=1\n# B=2\n\nC=\nD=two words\n", "A = 1\n", "A=1 \n", "A= 1\n", " A=1\n", "a=1\n",
                 "A\n", "A=1;B=2\n", "A=x=y\n", "A=1\r\n"]
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "server.conf")
            for text in cases:
                with open(path, "w", newline="") as conf:
                    conf.write(text)
                built = subprocess.run(["cmake", "-DCONF=" + path, "-P", os.path.join(ROOT, "cmake", "ServerConf.cmake")],
                                       capture_output=True, text=True)
                try:
                    served = tablesettings.read_conf(path)
                except tablesettings.ConfError:
                    served = None
                by_build = dict(line.split("=", 1) for line in built.stdout.splitlines()) \
                    if built.returncode == 0 else None
                self.assertEqual(by_build, served, repr(text))


def descriptors_128():
    resource.setrlimit(resource.RLIMIT_NOFILE, (128, resource.getrlimit(resource.RLIMIT_NOFILE)[1]))


class HostileClientTest(ServerCase):
    """Each attack of a hostile client ends safe, and afterwards an honest
    player from another address still logs in, uploads and fetches."""

    options = ("--max-sessions", "40", "--max-connections-per-address", "4", "--max-logins-per-address", "3",
               "--uploads-per-hour", "3", "--idle-seconds", "3", "--session-seconds", "8", "--min-rate", "2000",
               "--judge-seconds", "3")
    limit_descriptors = staticmethod(descriptors_128)
    honest_players = 0

    def honest(self):
        type(self).honest_players += 1
        number = type(self).honest_players
        address, key = "127.0.100.%d" % number, "%032x" % (0xC0FFEE00 + number)
        self.assertEqual(self.store(key + ".tft", upload(key, "Honest %d" % number, score=10 ** 6 + number),
                                    address=address), "226 Upload accepted.")
        self.assertIn("Honest %d" % number, top10_names(self.top10(address=address)))

    def sockets(self, count, address, port=None):
        opened = []
        for _ in range(count):
            opened.append(socket.create_connection(("127.0.0.1", port or self.ftp_port), 10, (address, 0)))
            self.addCleanup(opened[-1].close)
        return opened

    def attack_web_flood(self):
        # Idle and half-sent requests far over the server's descriptor limit.
        for connection in self.sockets(150, "127.0.1.1", self.web_port):
            connection.send(b"GET /tintfall/ HTTP/1.1\r\nHost: x")
        self.assertIn("Internet Top 10", self.page("tintfall/"))

    def attack_lock_out(self):
        for number in range(7):
            for _ in range(4):
                try:
                    self.connect(address="127.0.2.%d" % (number + 1)).sendcmd("PASV")
                except ftplib.error_temp as refused:
                    self.assertRegex(str(refused), "^421 Too many (logins|connections)")

    def attack_endless_session(self):
        ftp = self.connect(address="127.0.3.1")
        with self.assertRaisesRegex((ftplib.error_temp, EOFError, OSError), "421 Session time|^$"):
            for _ in range(20):
                ftp.voidcmd("NOOP")
                time.sleep(1)

    def attack_trickle(self):
        ftp = self.connect(address="127.0.3.2")
        data = ftp.transfercmd("STOR " + "1" * 32 + ".tft")
        with self.assertRaises((ftplib.error_temp, OSError)):
            for _ in range(20):
                data.send(b"x")
                time.sleep(1)
            ftp.voidresp()
        self.assertIn("slower than 2000 bytes/s", self.server_log())

    def attack_no_data_connection(self):
        for number in range(3):
            ftp = self.connect(address="127.0.4.1")
            ftp.sendcmd("PASV")
            self.assertTrue(ftp.sendcmd("STOR %032x.tft" % number).startswith("150"))
            with self.assertRaisesRegex(ftplib.error_temp, "450 One upload at a time"):
                ftp.sendcmd("STOR %032x.tft" % number)
        self.assertEqual(os.listdir(os.path.join(self.data, "incoming")), [])

    def attack_flood_the_table(self):
        replies = []
        for number in range(5):
            key = "%032x" % (0xF100D00 + number)
            try:
                replies.append(self.store(key + ".tft", upload(key, "Flood", score=10 ** 7), address="127.0.5.1"))
            except ftplib.error_temp as refused:
                replies.append(str(refused)[:3])
        self.assertEqual(replies, ["226 Upload accepted."] * 3 + ["450"] * 2)
        self.assertEqual(top10_names(self.top10()).count("Flood"), 3)

    def attack_stalled_judge(self):
        judge = self.judge_pid()
        os.kill(judge, signal.SIGSTOP)
        held = []
        key = "5" * 32
        waiting = threading.Thread(target=lambda: held.append(self.held_store(key)))
        waiting.start()
        time.sleep(0.5)
        self.assertTrue(waiting.is_alive())
        # Others are served while the upload waits for its verdict.
        self.top10(address="127.0.6.2")
        waiting.join(30)
        self.assertEqual(held, ["451"])
        self.assertNotEqual(self.judge_pid(), judge)

    def held_store(self, key):
        try:
            return self.store(key + ".tft", upload(key, "Held"), address="127.0.6.1")
        except ftplib.error_temp as error:
            return str(error)[:3]

    def attack_forged_log_lines(self):
        ftp = self.connect(user=None, address="127.0.7.1")
        ftp.sock.sendall(b"USER x\nFORGED upload accepted\x1b[2J\r\n")
        ftp.getresp()
        self.assertNotRegex(self.server_log(), "\nFORGED|\x1b")

    def attack_oversize_upload(self):
        # The limit holds while the bytes arrive, whatever pyftpdlib does around it.
        key = "9" * 32
        with self.assertRaisesRegex((ftplib.error_perm, OSError), "^552 Upload larger|Connection reset"):
            self.store(key + ".tft", bytes(10 * 1024 * 1024), address="127.0.8.1")
        received = [int(n) for n in re.findall(r"STOR #\w+\.tft incomplete (\d+) bytes", self.server_log())]
        self.assertTrue(received and max(received) <= 64 * 1024 + 65536, received)

    def attack_dirty_texts(self):
        key = "7" * 32
        first = row("Fox\x81\x9d\r\n", 7, 10 ** 8, 300, True, "Local").replace(
            text("Sunday, 5 January 2003 9:05:07"), text("\x1b[2J"), 1)
        self.assertEqual(self.store(key + ".tft", upload(key, "Dirty\x81\n", first_row=first),
                                    address="127.0.9.1"), "226 Upload accepted.")
        for texts in top10_texts(self.top10()):
            self.assertNotRegex("".join(texts), "[\x00-\x1f]")
        self.assertIn("Dirty\ufffd <", self.page("tintfall/"))
        connection = http.client.HTTPConnection("127.0.0.1", self.web_port, timeout=10)
        connection.request("GET", "/%00")
        response = connection.getresponse()
        body = response.read().decode("latin-1")
        self.assertEqual(response.status, 400)
        self.assertNotIn("Traceback", body)
        self.assertRegex(response.getheader("Server"), "^[a-z]+$")

    def test_every_attack_ends_safe(self):
        for name in sorted(name for name in dir(self) if name.startswith("attack_")):
            with self.subTest(attack=name):
                getattr(self, name)()
                self.honest()
        log = self.server_log()
        for key in re.findall(r"[0-9a-f]{32}", log):
            self.fail("a key in the log: " + key)
        for path, mode in (("table.sqlite", 0o600), ("incoming", 0o700)):
            self.assertEqual(stat.S_IMODE(os.stat(os.path.join(self.data, path)).st_mode), mode, path)
        self.assertEqual(self.server.poll(), None)


if __name__ == "__main__":
    JUDGE = os.path.abspath(sys.argv.pop(1))
    unittest.main()
