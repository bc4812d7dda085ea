#!/usr/bin/python3
"""The internet table server: FTP for the program, the judge on every upload,
and the web pages of the table.

The program logs in with the one account whose name and password anyone can
read out of it, so every client is treated as hostile. The account may log
in, store a file named <key>.tft (32 lower-case hexadecimal digits) and
retrieve top10.tft, and nothing else: no listing (it would show other
players' keys), no directories, no delete or rename, no resume or append.
Uploads go to an incoming folder outside the FTP folder, are cut off past
64 KiB and are judged (tintfall_judge, kept running) before the transfer is
answered, so a refused upload ends in an error reply. The judge publishes
top10.tft into the FTP folder and index.html and top50.html into the web
folder.

Settings come from server/server.conf, then from environment variables of
the same names, then from the options below.
"""

import argparse
import functools
import logging
import os
import re
import select
import signal
import subprocess
import sys
import tempfile
import threading
from http.server import SimpleHTTPRequestHandler, ThreadingHTTPServer

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler, proto_cmds
from pyftpdlib.servers import FTPServer

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
UPLOAD_LIMIT = 64 * 1024
UPLOAD_NAME = re.compile(r"[0-9a-f]{32}\.tft")
TOP10 = "top10.tft"
JUDGE_SECONDS = 30
# Everything else (LIST, NLST, MLSD, MLST, SIZE, MDTM, CWD, CDUP, MKD, RMD,
# DELE, RNFR, RNTO, APPE, STOU, REST, SITE, PORT, EPRT ...) is not understood.
ALLOWED_COMMANDS = (
    "USER", "PASS", "QUIT", "NOOP", "SYST", "FEAT", "OPTS", "HELP", "PWD", "XPWD",
    "TYPE", "MODE", "STRU", "ALLO", "PASV", "EPSV", "RETR", "STOR", "ABOR", "STAT",
)
SETTINGS = (
    "TINTFALL_FTP_HOST", "TINTFALL_FTP_PORT", "TINTFALL_FTP_USER", "TINTFALL_FTP_PASSWORD",
    "TINTFALL_FTP_PASSIVE_PORTS", "TINTFALL_WEB_PORT",
)

log = logging.getLogger("tintfall")


def read_conf(path):
    values = {}
    with open(path, encoding="utf-8") as conf:
        for line in conf:
            line = line.strip()
            if line and not line.startswith("#") and "=" in line:
                name, value = line.split("=", 1)
                values[name.strip()] = value.strip()
    return values


def port_range(text):
    first, _, last = text.partition("-")
    first, last = int(first), int(last or first)
    if not 0 < first <= last < 65536:
        raise argparse.ArgumentTypeError("not a port range: " + text)
    return range(first, last + 1)


def parse_settings(argv):
    parser = argparse.ArgumentParser(description="Runs the Tintfall internet table server.")
    parser.add_argument("--conf", default=os.path.join(ROOT, "server", "server.conf"))
    parser.add_argument("--data", default=os.path.join(ROOT, "build", "server-data"),
                        help="folder of the database, the published files and the incoming uploads")
    parser.add_argument("--judge", default=os.path.join(ROOT, "build", "native", "server", "tintfall_judge"))
    parser.add_argument("--listen", help="address to listen on (default: the configured host)")
    parser.add_argument("--masquerade", help="address the FTP server gives clients for passive transfers")
    parser.add_argument("--ftp-port", type=int, help="0 takes any free port")
    parser.add_argument("--web-port", type=int, help="0 takes any free port")
    parser.add_argument("--user")
    parser.add_argument("--password")
    parser.add_argument("--passive-ports", type=port_range, help="first-last")
    parser.add_argument("--max-connections", type=int,
                        help="default: one per passive port, so a transfer always finds one in the range")
    parser.add_argument("--max-connections-per-address", type=int, default=8)
    options = parser.parse_args(argv)

    values = read_conf(options.conf)
    values.update({name: os.environ[name] for name in SETTINGS if name in os.environ})
    options.listen = options.listen or values["TINTFALL_FTP_HOST"]
    options.ftp_port = values["TINTFALL_FTP_PORT"] if options.ftp_port is None else options.ftp_port
    options.web_port = values["TINTFALL_WEB_PORT"] if options.web_port is None else options.web_port
    options.ftp_port, options.web_port = int(options.ftp_port), int(options.web_port)
    options.user = options.user or values["TINTFALL_FTP_USER"]
    options.password = options.password or values["TINTFALL_FTP_PASSWORD"]
    options.passive_ports = options.passive_ports or port_range(values["TINTFALL_FTP_PASSIVE_PORTS"])
    options.max_connections = options.max_connections or len(options.passive_ports)
    options.data = os.path.abspath(options.data)
    return options


class JudgedDTPHandler(DTPHandler):
    """An upload past the size limit is cut off (and its part removed); a
    completed one is judged before the transfer is answered, so the client
    learns whether it was taken."""

    def handle_read(self):
        super().handle_read()
        if self.receive and not self._closed and self.tot_bytes_received > UPLOAD_LIMIT:
            self._resp = ("552 Upload larger than %d bytes; transfer aborted." % UPLOAD_LIMIT, log.info)
            self.close()

    handle_read_event = handle_read

    def close(self):
        if not self._closed and self.receive and self.transfer_finished and self.file_obj is not None:
            self.file_obj.close()
            self._resp = self.cmd_channel.judge(self.file_obj.name) or self._resp
        super().close()


class TableFTPHandler(FTPHandler):
    proto_cmds = {name: value for name, value in proto_cmds.items() if name in ALLOWED_COMMANDS}
    dtp_handler = JudgedDTPHandler
    banner = "Tintfall table server ready."
    timeout = 120
    max_login_attempts = 3
    permit_foreign_addresses = False
    use_sendfile = False
    # Set by serve() before the server starts.
    incoming_folder = None
    judge_process = None

    def pre_process_command(self, line, cmd, arg):
        # Bare names only, before any path is worked out.
        if self.authenticated and cmd == "RETR" and arg != TOP10:
            self.respond("550 Only %s can be retrieved." % TOP10)
        elif self.authenticated and cmd == "STOR" and not UPLOAD_NAME.fullmatch(arg):
            self.respond("553 Only an upload named <key>.tft can be stored.")
        else:
            super().pre_process_command(line, cmd, arg)

    def ftp_STOR(self, file, mode="w"):
        """Stores into the incoming folder, under a name of its own."""
        handle, target = tempfile.mkstemp(prefix=os.path.basename(file) + ".", dir=self.incoming_folder)
        os.close(handle)
        return super().ftp_STOR(target, mode)

    def judge(self, path):
        """The judge's verdict on a received upload: None when it was taken,
        else the reply that tells the client why not."""
        name = os.path.basename(path).rsplit(".", 1)[0]
        verdict = self.judge_process.judge(path, name)
        if verdict == "accepted":
            log.info("upload %s from %s accepted", name, self.remote_ip)
            return None
        if verdict.startswith("refused: "):
            return ("550 Upload refused (%s)." % verdict.removeprefix("refused: "), log.info)
        log.error("upload %s not judged: %s", name, verdict)
        return ("451 The upload could not be judged.", log.error)

    def on_file_received(self, file):
        remove_quietly(file)

    def on_incomplete_file_received(self, file):
        remove_quietly(file)


class PageHandler(SimpleHTTPRequestHandler):
    """The published pages, and no folder listings."""

    def list_directory(self, path):
        self.send_error(404)
        return None

    def log_message(self, format, *args):
        log.info("web %s %s", self.address_string(), format % args)


def remove_quietly(path):
    try:
        os.remove(path)
    except OSError:
        pass


class JudgeProcess:
    """The judge, kept running so that its database stays open: one line
    per upload to it, one verdict line back. A judge that dies or hangs is
    started again for the next upload."""

    def __init__(self, command, data):
        self.command = [command, "--data", data, "--serve"]
        self.process = None

    def start(self):
        """Starts the judge, which publishes the table first: True when it
        is ready."""
        self.process = subprocess.Popen(self.command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        text=True, bufsize=1)
        if self.answer() == "ready":
            return True
        self.stop()
        return False

    def answer(self):
        """The judge's next line; "" when it has ended, None when it gives
        no answer in time."""
        ready, _, _ = select.select([self.process.stdout], [], [], JUDGE_SECONDS)
        return self.process.stdout.readline().strip() if ready else None

    def judge(self, path, name):
        # A judge found ended is started again and asked once more.
        for _ in range(2):
            if (self.process is None or self.process.poll() is not None) and not self.start():
                return "failed: the judge does not start"
            try:
                self.process.stdin.write("%s\t%s\n" % (path, name))
                verdict = self.answer()
            except OSError:
                verdict = ""
            if verdict != "":
                break
            self.stop()
        if verdict is None or verdict.startswith("failed: "):
            self.stop()
        return verdict or "failed: no answer from the judge"

    def stop(self):
        """Ends the judge: at the end of its input it closes the database."""
        if self.process is None:
            return
        try:
            self.process.stdin.close()
            self.process.wait(timeout=5)
        except (OSError, subprocess.TimeoutExpired):
            self.process.kill()
            self.process.wait()
        self.process.stdout.close()
        self.process = None


def serve(options):
    ftp_folder = os.path.join(options.data, "ftp")
    incoming = os.path.join(options.data, "incoming")
    os.makedirs(incoming, exist_ok=True)
    for leftover in os.listdir(incoming):
        remove_quietly(os.path.join(incoming, leftover))
    judge = JudgeProcess(options.judge, options.data)
    if not judge.start():
        raise SystemExit("The judge cannot publish the table in " + options.data)

    authorizer = DummyAuthorizer()
    authorizer.add_user(options.user, options.password, ftp_folder, perm="rw")
    TableFTPHandler.authorizer = authorizer
    TableFTPHandler.passive_ports = list(options.passive_ports)
    TableFTPHandler.masquerade_address = options.masquerade
    TableFTPHandler.incoming_folder = incoming
    TableFTPHandler.judge_process = judge

    try:
        ftp = FTPServer((options.listen, options.ftp_port), TableFTPHandler)
        web = ThreadingHTTPServer((options.listen, options.web_port),
                                  functools.partial(PageHandler, directory=os.path.join(options.data, "web")))
    except OSError as error:
        judge.stop()
        raise SystemExit("Cannot listen on %s: %s" % (options.listen, error))
    ftp.max_cons = options.max_connections
    ftp.max_cons_per_ip = options.max_connections_per_address
    web.daemon_threads = True
    ftp_port = ftp.socket.getsockname()[1]
    web_port = web.server_address[1]

    web_thread = threading.Thread(target=web.serve_forever, daemon=True)
    web_thread.start()
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    print("Tintfall table server", flush=True)
    print("FTP:  ftp://%s:%d/ (user %s, passive ports %d-%d)" % (
        options.listen, ftp_port, options.user, options.passive_ports[0], options.passive_ports[-1]), flush=True)
    print("Web:  http://%s:%d/ (home), http://%s:%d/top50.html (Top 50)" % (
        options.listen, web_port, options.listen, web_port), flush=True)
    print("Data: %s" % options.data, flush=True)
    print("Stop with Ctrl+C.", flush=True)
    try:
        ftp.serve_forever(handle_exit=True)
    finally:
        web.shutdown()
        web.server_close()
        judge.stop()
    print("Stopped.", flush=True)


def main(argv):
    logging.basicConfig(level=logging.INFO, format="%(asctime)s %(message)s")
    serve(parse_settings(argv))


if __name__ == "__main__":
    main(sys.argv[1:])
