"""The FTP front end for the program's public account.

The program logs in with the one account whose name and password anyone
can read out of it, so every client is treated as hostile. The account may
log in, store a file named <key>.tft (32 lower-case hexadecimal digits),
before it the replays of its rows as <key>.<n>.tfr (n from 1 to 10), and
retrieve top10.tft, and nothing else: no listing (it would show other
players' keys), no directories, no delete or rename, no resume or append.

An upload is received into memory, never past its limit, and handed to the
judge worker when it is complete, with the replays of its key that the
session sent before it; the transfer's reply waits for the verdict, so a
refused upload ends in an error reply. Nothing is written to disk before a
whole upload has arrived, and the replays a session did not hand over go
with it. Replays do not count as uploads per hour: a session holds at most
ten, and all sessions together at most REPLAYS_HELD_LIMIT bytes.

Limits, each counted per client address and answered with an FTP error
reply: sessions, logins, uploads per hour; and for everyone: sessions at
once (the server's own listening and passive sockets do not count), idle
time, whole-session time and a minimum transfer rate.

Only pyftpdlib's documented extension points are used: the handler's
on_* callbacks, respond, pre_process_command, log_cmd and log_transfer,
the file system's open, the data channel's public counters and the event
loop's timers. table_server_test.py checks what is relied on (an upload is
cut at its limit while it arrives; the verdict is the transfer's reply)."""

import collections
import errno
import io
import logging
import os
import re
import time

from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import DTPHandler, FTPHandler, proto_cmds

from tablelog import short_hash

log = logging.getLogger("tintfall.ftp")
UPLOAD_LIMIT = 64 * 1024
UPLOAD_NAME = re.compile(r"([0-9a-f]{32})\.tft")
# A replay the judge's reader would take is at most 1 MiB.
REPLAY_LIMIT = 1024 * 1024
REPLAY_NAME = re.compile(r"([0-9a-f]{32})\.([1-9]|10)\.tfr")
REPLAYS_HELD_LIMIT = 64 * 1024 * 1024
TOP10 = "top10.tft"
HOUR = 3600
# An address refused max_refusals times within STRIKE_SECONDS is turned
# away at once, before it costs a login or a transfer.
STRIKE_SECONDS = 600
STRIKE_CODES = ("421", "426", "450", "530", "550", "552", "553")
# Everything else (LIST, NLST, MLSD, MLST, SIZE, MDTM, CWD, CDUP, MKD, RMD,
# DELE, RNFR, RNTO, APPE, STOU, REST, SITE, PORT, EPRT ...) is not understood.
ALLOWED_COMMANDS = (
    "USER", "PASS", "QUIT", "NOOP", "SYST", "FEAT", "OPTS", "HELP", "PWD", "XPWD",
    "TYPE", "MODE", "STRU", "ALLO", "PASV", "EPSV", "RETR", "STOR", "ABOR", "STAT",
)


class RecentEvents:
    """The times of each address's events within the last `window` seconds.
    Addresses are kept in the order of their latest event, so the ones with
    nothing recent are forgotten from the front as time passes: every call
    costs the same however many addresses have come and gone."""

    def __init__(self, window, clock, keep=None):
        self.window = window
        self.clock = clock
        self.keep = keep  # at most this many times per address
        self.times = collections.OrderedDict()

    def add(self, address):
        now = self.forget_old()
        times = self.times.get(address)
        if times is None:
            times = self.times[address] = collections.deque(maxlen=self.keep)
        self.times.move_to_end(address)
        times.append(now)

    def count(self, address):
        now = self.forget_old()
        times = self.times.get(address)
        if times is None:
            return 0
        while times and times[0] <= now - self.window:
            times.popleft()
        return len(times)

    def forget_old(self):
        now = self.clock()
        while self.times:
            address, times = next(iter(self.times.items()))
            if times and times[-1] > now - self.window:
                break
            del self.times[address]
        return now


class Limits:
    """The limits and what each address uses of them, shared by all
    sessions. One sweep a second closes idle, overlong and trickling
    sessions and transfers: pyftpdlib's own idle timer is left off, since
    each command moves it in the event loop's heap without reordering it,
    which holds back every other timer of the server for as long as one
    client keeps sending."""

    def __init__(self, options, clock=time.monotonic):
        self.max_sessions = options.max_sessions
        self.max_logins = options.max_logins_per_address
        self.uploads_per_hour = options.uploads_per_hour
        self.idle_seconds = options.idle_seconds
        self.session_seconds = options.session_seconds
        self.min_rate = options.min_rate
        self.max_refusals = options.max_refusals
        self.clock = clock
        self.sessions = set()
        self.transfers = set()
        self.logins = collections.Counter()
        self.uploads = RecentEvents(HOUR, clock)
        self.strikes = RecentEvents(STRIKE_SECONDS, clock, keep=2 * self.max_refusals)
        self.replay_bytes = 0  # held by all sessions

    def strike(self, address):
        self.strikes.add(address)

    def banned(self, address):
        return self.strikes.count(address) >= self.max_refusals

    def may_upload(self, address):
        """Counts an upload of address; False when it has sent its share
        this hour."""
        if self.uploads.count(address) >= self.uploads_per_hour:
            return False
        self.uploads.add(address)
        return True

    def sweep(self):
        now = self.clock()
        for transfer in list(self.transfers):
            transfer.check(now)
        for session in list(self.sessions):
            session.check(now)


class UploadBuffer(io.BytesIO):
    """Where an upload or a replay arrives: memory, refusing every byte past
    the limit (the data channel then answers 426 and closes)."""

    def __init__(self, name, limit=UPLOAD_LIMIT, replay=None):
        super().__init__()
        self.name = name
        self.limit = limit
        self.replay = replay  # (key, number) of a replay
        self.data = None
        self.overflowed = False

    def write(self, chunk):
        if self.tell() + len(chunk) > self.limit:
            self.overflowed = True
            raise OSError(errno.EFBIG, "File larger than %d bytes" % self.limit)
        return super().write(chunk)

    def close(self):
        if self.data is None:
            self.data = self.getvalue()
        super().close()


class UploadFS(AbstractedFS):
    """Files opened for writing are the session's upload buffer."""

    def open(self, filename, mode):
        if "w" not in mode:
            return super().open(filename, mode)
        return self.cmd_channel.begin_upload(filename)


class RateDTPHandler(DTPHandler):
    """A data channel that must keep up a minimum rate once its first
    seconds are over; one that trickles or stalls is closed."""

    grace_seconds = 5
    timeout = 0  # the sweep watches it

    def __init__(self, sock, cmd_channel):
        self.limits = cmd_channel.limits
        self.opened = self.limits.clock()
        super().__init__(sock, cmd_channel)
        if self.connected:
            self.limits.transfers.add(self)

    def check(self, now):
        elapsed = now - self.opened
        if elapsed < self.grace_seconds:
            return
        if self.get_transmitted_bytes() < self.limits.min_rate * elapsed:
            channel = self.cmd_channel
            channel.log("data connection closed: slower than %d bytes/s" % self.limits.min_rate, logfun=log.info)
            self.close()
            channel.respond("426 Transfer too slow; aborted.", logfun=log.info)

    def close(self):
        self.limits.transfers.discard(self)
        super().close()


class TableFTPHandler(FTPHandler):
    proto_cmds = {name: value for name, value in proto_cmds.items() if name in ALLOWED_COMMANDS}
    dtp_handler = RateDTPHandler
    abstracted_fs = UploadFS
    banner = "Tintfall table server ready."
    max_login_attempts = 3
    permit_foreign_addresses = False
    use_sendfile = False
    timeout = 0  # the sweep watches it
    # Set by serve() before the server starts.
    limits = None
    judge = None

    def on_connect(self):
        self.upload = None
        self.replays = {}  # (key, number): bytes, all of one key
        self.judging = False
        self.logged_in = False
        self.gone = False
        self.started = self.last_seen = self.limits.clock()
        if self.limits.banned(self.remote_ip):
            self.respond("421 Too many refused requests from your address; try again later.", logfun=log.info)
            self.close_when_done()
            return
        if len(self.limits.sessions) >= self.limits.max_sessions:
            self.log("refused: too many sessions", logfun=log.info)
            self.respond("421 Too many connections. Service temporarily unavailable.", logfun=log.info)
            self.close_when_done()
            return
        self.limits.sessions.add(self)

    def check(self, now):
        if now - self.started > self.limits.session_seconds:
            self.end("421 Session time is over.")
        elif now - self.last_seen > self.limits.idle_seconds and not self.judging and \
                not any(transfer.cmd_channel is self for transfer in self.limits.transfers):
            self.end("421 Control connection timed out.")

    def end(self, reply):
        self.limits.sessions.discard(self)
        self.respond(reply, logfun=log.info)
        self.close_when_done()

    def on_disconnect(self):
        self.gone = True
        self.upload = None
        self.drop_replays()
        self.limits.sessions.discard(self)
        self.count_logout()

    def on_login(self, username):
        self.limits.logins[self.remote_ip] += 1
        self.logged_in = True

    def on_logout(self, username):
        self.count_logout()

    def count_logout(self):
        if self.logged_in:
            self.logged_in = False
            self.limits.logins[self.remote_ip] -= 1
            if not self.limits.logins[self.remote_ip]:
                del self.limits.logins[self.remote_ip]

    def pre_process_command(self, line, cmd, arg):
        self.last_seen = self.limits.clock()
        # Bare names only, before any path is worked out.
        if cmd == "PASS" and not self.authenticated and \
                self.limits.logins[self.remote_ip] >= self.limits.max_logins:
            self.respond("421 Too many logins from your address.", logfun=log.info)
            self.close_when_done()
        elif cmd == "ABOR" and not self.judging:
            # An upload not yet received is dropped; a transfer running ends with 426.
            self.upload = None
            super().pre_process_command(line, cmd, arg)
        elif self.authenticated and cmd == "RETR" and arg != TOP10:
            self.respond("550 Only %s can be retrieved." % TOP10)
        elif self.authenticated and cmd == "STOR" and not (UPLOAD_NAME.fullmatch(arg) or REPLAY_NAME.fullmatch(arg)):
            self.respond("553 Only an upload named <key>.tft or its replays <key>.<n>.tfr can be stored.")
        elif self.authenticated and cmd == "STOR" and (self.upload is not None or self.judging):
            self.respond("450 One upload at a time.")
        elif self.authenticated and cmd == "STOR" and REPLAY_NAME.fullmatch(arg) and \
                self.limits.replay_bytes >= REPLAYS_HELD_LIMIT:
            self.log("refused: the server holds too many replays", logfun=log.warning)
            self.respond("452 The server holds too many replays; try again later.", logfun=log.info)
        elif self.authenticated and cmd == "STOR" and UPLOAD_NAME.fullmatch(arg) and \
                not self.limits.may_upload(self.remote_ip):
            self.log("refused: more than %d uploads this hour" % self.limits.uploads_per_hour, logfun=log.info)
            self.respond("450 Too many uploads from your address; try again later.", logfun=log.info)
        else:
            super().pre_process_command(line, cmd, arg)

    def begin_upload(self, path):
        replay = REPLAY_NAME.fullmatch(os.path.basename(path))
        if replay:
            self.upload = UploadBuffer(path, REPLAY_LIMIT, (replay.group(1), int(replay.group(2))))
        else:
            self.upload = UploadBuffer(path)
        return self.upload

    def keep_replay(self, key, number, data):
        """Holds a replay for the session's next upload of key; a replay of
        another key drops those held."""
        if any(held_key != key for held_key, _ in self.replays):
            self.drop_replays()
        self.drop_replays([(key, number)])
        self.replays[(key, number)] = data
        self.limits.replay_bytes += len(data)

    def drop_replays(self, which=None):
        for held in list(self.replays) if which is None else which:
            data = self.replays.pop(held, None)
            if data is not None:
                self.limits.replay_bytes -= len(data)

    def take_replays(self, key):
        replays = [data for (held_key, _), data in sorted(self.replays.items()) if held_key == key]
        self.drop_replays()
        return replays

    def respond(self, resp, logfun=logging.debug):
        # A received upload is answered by its verdict, not by "226"; a replay is answered at once.
        if resp.startswith("226") and (self.judging or (self.upload is not None and self.upload.closed
                                                        and self.upload.replay is None)):
            return
        if resp.startswith("426") and self.upload is not None and self.upload.overflowed:
            resp = "552 %s larger than %d bytes; transfer aborted." % (
                "Upload" if self.upload.replay is None else "Replay", self.upload.limit)
        if resp.startswith(STRIKE_CODES):
            self.limits.strike(self.remote_ip)
        super().respond(resp, logfun=logfun)

    def on_file_received(self, file):
        upload, self.upload = self.upload, None
        if upload is None or upload.data is None:
            return
        if upload.replay is not None:
            self.keep_replay(*upload.replay, upload.data)
            return
        self.judging = True
        name = os.path.basename(file)
        self.judge.submit(upload.data, name, lambda verdict: self.answer(name, verdict),
                          self.take_replays(name[:32]))

    def on_incomplete_file_received(self, file):
        self.upload = None

    def handle_max_cons_per_ip(self):
        self.limits.strike(self.remote_ip)
        super().handle_max_cons_per_ip()

    def answer(self, name, verdict):
        self.judging = False
        self.last_seen = self.limits.clock()
        who = "upload %s (%d) from %s" % (short_hash(name[:32]), self.remote_port, self.remote_ip)
        if verdict.startswith("accepted"):
            log.info("%s %s", who, verdict.replace("accepted ", "accepted, ", 1))
            reply = "226 Upload accepted."
        elif verdict.startswith("refused: "):
            log.info("%s refused: %s", who, verdict[9:])
            reply = "550 Upload refused (%s)." % verdict[9:]
        elif verdict.startswith("busy: "):
            log.warning("%s not judged: %s", who, verdict[6:])
            reply = "450 The table is busy; try again later."
        else:
            log.error("%s not judged: %s", who, verdict)
            reply = "451 The upload could not be judged."
        if not self.gone:
            super().respond(reply)

    def log_cmd(self, cmd, arg, respcode, respstr):
        # The arguments of PASS and of refused commands stay out of the log.
        if cmd in ("USER", "RETR", "STOR", "QUIT") or respcode >= 400:
            shown = arg if cmd in ("USER", "RETR", "STOR") else ""
            self.log("%s %s %d %s" % (cmd, os.path.basename(shown or ""), respcode, respstr), logfun=log.info)

    def log_transfer(self, cmd, filename, receive, completed, elapsed, bytes):
        self.log("%s %s %s %d bytes in %.3f s" % (cmd, os.path.basename(filename),
                                                  "completed" if completed else "incomplete", bytes, elapsed),
                 logfun=log.info)
