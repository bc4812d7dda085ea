#!/usr/bin/python3
"""Load on the table server, beside a floor, on loopback.

Honest clients (each upload from an address of its own, as players are)
connect, upload a valid file under a new key, fetch top10.tft and leave.
The same honest load runs three times for the same number of seconds:
against the floor (a bare pyftpdlib server that only stores files),
against the table server (server/run.sh on free ports, a new data folder),
and against the table server while hostile clients attack it (idle and
PASV-hogging sessions, trickling and oversize uploads, a flood from one
address, forged log lines, idle and half-sent web requests). Prints a
Markdown section: uploads per second, latency p50 and p99, the servers'
peak memory, honest clients refused, and whether every accepted upload is
in the database.

Usage: loadgen.py JUDGE [--seconds N] [--clients N]
"""

import argparse
import ftplib
import io
import multiprocessing
import os
import re
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "unit", "server"))
from table_server_test import upload  # noqa: E402  the program's upload layout

USER, PASSWORD = "tintfall", "dropcolours"

FLOOR = """
import sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer
import logging
logging.basicConfig(level=logging.WARNING)
authorizer = DummyAuthorizer()
authorizer.add_user("%s", "%s", sys.argv[1], perm="elrw")
open(sys.argv[1] + "/top10.tft", "wb").write(bytes(1333))
FTPHandler.authorizer = authorizer
FTPHandler.passive_ports = list(range(31000, 31100))
server = FTPServer(("127.0.0.1", 0), FTPHandler)
server.max_cons = 0
print(server.socket.getsockname()[1], flush=True)
server.serve_forever(timeout=1.0)
""" % (USER, PASSWORD)


class Run:
    """One stretch of honest load and what it measured."""

    def __init__(self):
        self.latencies = []
        self.refused = []
        self.accepted = 0
        self.lock = threading.Lock()
        self.next_client = 0

    def address(self):
        with self.lock:
            self.next_client += 1
            number = self.next_client
        return "127.1.%d.%d" % (number // 250, number % 250 + 1), number


def honest_client(port, run, until, tag):
    while time.monotonic() < until:
        address, number = run.address()
        key = "%08x%024x" % (tag, number)
        data = upload(key, "Player %d" % number, score=1000 + number)
        started = time.monotonic()
        try:
            with ftplib.FTP(source_address=(address, 0), timeout=30) as ftp:
                ftp.connect("127.0.0.1", port)
                ftp.login(USER, PASSWORD)
                ftp.storbinary("STOR %s.tft" % key, io.BytesIO(data))
                took = time.monotonic() - started
                ftp.retrbinary("RETR top10.tft", lambda _: None)
            with run.lock:
                run.latencies.append(took)
                run.accepted += 1
        except (ftplib.Error, OSError, EOFError) as error:
            with run.lock:
                run.refused.append(str(error)[:60])


def hostile(ftp_port, web_port, until, stop):
    """A few attackers, each from its own address, over and over."""
    def forever(attack):
        # Each attacker starts its attack again ten times a second at most: a
        # few clients, not a flood of connections (which a firewall limits).
        def loop():
            while time.monotonic() < until and not stop.is_set():
                began = time.monotonic()
                try:
                    attack()
                except (ftplib.Error, OSError, EOFError):
                    pass
                time.sleep(max(0.0, began + 0.1 - time.monotonic()))
        return threading.Thread(target=loop, daemon=True)

    def session(address):
        ftp = ftplib.FTP(source_address=(address, 0), timeout=10)
        ftp.connect("127.0.0.1", ftp_port)
        ftp.login(USER, PASSWORD)
        return ftp

    def hog():
        held = [session("127.9.1.1") for _ in range(4)]
        for ftp in held:
            ftp.sendcmd("PASV")
        time.sleep(5)
        for ftp in held:
            ftp.close()

    def trickle():
        ftp = session("127.9.2.1")
        data = ftp.transfercmd("STOR %032x.tft" % 1)
        for _ in range(10):
            data.send(b"x")
            time.sleep(1)
        data.close()
        ftp.close()

    def oversize():
        with session("127.9.3.1") as ftp:
            ftp.storbinary("STOR %032x.tft" % 2, io.BytesIO(bytes(2 * 1024 * 1024)))

    def flood():
        with session("127.9.4.1") as ftp:
            key = "%032x" % int(time.monotonic() * 1e6)
            ftp.storbinary("STOR %s.tft" % key, io.BytesIO(upload(key, "Flood", score=10 ** 8)))

    def forge():
        with socket.create_connection(("127.0.0.1", ftp_port), 10, ("127.9.5.1", 0)) as raw:
            raw.sendall(b"USER x\nFORGED upload accepted\x1b[2J\r\n" * 20)
            raw.recv(4096)

    def web():
        held = [socket.create_connection(("127.0.0.1", web_port), 10, ("127.9.6.1", 0)) for _ in range(100)]
        for connection in held[::2]:
            connection.send(b"GET /tintfall/ HTTP/1.1\r\nHost: x")
        time.sleep(5)
        for connection in held:
            connection.close()

    threads = [forever(attack) for attack in (hog, trickle, oversize, flood, forge, web)]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()


def attackers(ftp_port, web_port, seconds):
    """The hostile clients in a process of their own, so that they take no
    turns from the honest ones in this one."""
    return multiprocessing.Process(target=hostile, args=(ftp_port, web_port, time.monotonic() + seconds,
                                                         threading.Event()), daemon=True)


def sample_servers(pids, stop, peaks, cpu):
    """Samples the resident memory of pids and their children, and the
    processor time each has used (first and last reading per process)."""
    while True:
        total = 0
        for pid in family(pids):
            try:
                with open("/proc/%d/status" % pid) as status:
                    total += int(re.search(r"VmRSS:\s+(\d+)", status.read()).group(1))
                with open("/proc/%d/stat" % pid) as stat:
                    fields = stat.read().rsplit(")", 1)[1].split()
                used = (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")
                cpu.setdefault(pid, [used, used])[1] = used
            except (OSError, AttributeError):
                pass
        peaks.append(total)
        if stop.wait(0.2):
            return


def family(pids):
    found = list(pids)
    for pid in found:
        try:
            with open("/proc/%d/task/%d/children" % (pid, pid)) as children:
                found.extend(int(child) for child in children.read().split())
        except OSError:
            pass
    return found


def measure(port, pids, seconds, clients, tag, attack_ports=None):
    run = Run()
    until = time.monotonic() + seconds
    stop = threading.Event()
    peaks = []
    cpu = {}
    sampler = threading.Thread(target=sample_servers, args=(pids, stop, peaks, cpu), daemon=True)
    sampler.start()
    attack = attackers(port, attack_ports, seconds) if attack_ports else None
    workers = [threading.Thread(target=honest_client, args=(port, run, until, tag)) for _ in range(clients)]
    started = time.monotonic()
    if attack:
        attack.start()
    for thread in workers:
        thread.start()
    for thread in workers:
        thread.join()
    elapsed = time.monotonic() - started
    if attack:
        attack.join(15)
    stop.set()
    sampler.join()
    run.rate = run.accepted / elapsed
    run.peak_mb = max(peaks or [0]) / 1024
    run.cpu_ms = 1000 * sum(last - first for first, last in cpu.values()) / max(run.accepted, 1)
    return run


def percentile(values, share):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(share * len(ordered)))] * 1000 if ordered else float("nan")


def start_floor(folder):
    floor = subprocess.Popen([sys.executable, "-c", FLOOR, folder], stdout=subprocess.PIPE, text=True)
    return floor, int(floor.stdout.readline())


def start_server(judge, data):
    log = open(data + ".log", "w")
    server = subprocess.Popen(["bash", os.path.join(ROOT, "server", "run.sh"), "--judge", judge, "--data", data,
                               "--ftp-port", "0", "--web-port", "0", "--passive-ports", "31100-31299",
                               "--max-sessions", "300"],
                              stdout=subprocess.PIPE, stderr=log, text=True)
    banner = ""
    for line in server.stdout:
        banner += line
        if line.startswith("Stop with"):
            break
    ftp = int(re.search(r"FTP:  ftp://[\d.]+:(\d+)/", banner).group(1))
    web = int(re.search(r"Web:  http://[\d.]+:(\d+)/", banner).group(1))
    return server, ftp, web


def stored_keys(judge, data, tag):
    listing = subprocess.run([judge, "--data", data, "--list"], capture_output=True, text=True).stdout
    return sum(1 for line in listing.splitlines() if line.startswith("%08x" % tag))


def load_average():
    with open("/proc/loadavg") as load:
        return " ".join(load.read().split()[:3])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("judge")
    parser.add_argument("--seconds", type=int, default=20)
    parser.add_argument("--clients", type=int, default=8)
    options = parser.parse_args()
    load_at_start = load_average()
    work = tempfile.mkdtemp(prefix="tintfall-load-")
    try:
        floor, floor_port = start_floor(work)
        try:
            floor_run = measure(floor_port, [floor.pid], options.seconds, options.clients, 1)
        finally:
            # Not SIGINT: pyftpdlib takes a KeyboardInterrupt raised inside a
            # handler for that handler's error and serves on.
            floor.terminate()
            floor.wait()
        data = os.path.join(work, "table")
        server, ftp_port, web_port = start_server(options.judge, data)
        try:
            quiet = measure(ftp_port, [server.pid], options.seconds, options.clients, 2)
            attacked = measure(ftp_port, [server.pid], options.seconds, options.clients, 3, web_port)
        finally:
            server.send_signal(signal.SIGTERM)
            server.wait()
        stored = {2: stored_keys(options.judge, data, 2), 3: stored_keys(options.judge, data, 3)}
    finally:
        shutil.rmtree(work, ignore_errors=True)

    print("## Table server under load\n")
    print("Command: `/usr/bin/python3 server/loadgen.py build/native/server/tintfall_judge --seconds %d "
          "--clients %d` (also run by `scripts/bench.sh`). %d honest clients on loopback, each upload from an "
          "address of its own, connect, upload a valid file under a new key, fetch `top10.tft` and leave, for %d "
          "seconds against each server in turn; latency is from connecting to the upload's reply. The attacks "
          "(one process, each attacker starting again at most ten times a second): four PASV-holding sessions, "
          "a trickling upload, 2 MB uploads, a flood of new installations from one address, forged log lines, "
          "100 idle and half-sent web requests. Processor time (user and system) and peak memory: all the "
          "server's processes together; the time is divided by the accepted honest uploads, and the load "
          "generator takes its own share of the same cores. Load "
          "average %s at the start, %s at the end (the machine is shared, so single figures move by tens of "
          "percent between runs).\n" % (options.seconds, options.clients, options.clients, options.seconds,
                                         load_at_start, load_average()))
    print("| server | honest uploads/s | latency p50 | latency p99 | server processor time per upload "
          "| peak memory | honest refused | accepted uploads in the database |")
    print("|---|---|---|---|---|---|---|---|")
    for name, run, tag in (("floor: bare pyftpdlib, stores only", floor_run, None),
                           ("table server", quiet, 2), ("table server under attack", attacked, 3)):
        in_db = "—" if tag is None else "%d of %d" % (stored[tag], run.accepted)
        print("| %s | %.1f | %.1f ms | %.1f ms | %.2f ms | %.1f MB | %d | %s |" % (
            name, run.rate, percentile(run.latencies, 0.5), percentile(run.latencies, 0.99), run.cpu_ms,
            run.peak_mb, len(run.refused), in_db))
    for name, run in (("floor", floor_run), ("server", quiet), ("attacked", attacked)):
        for reason in sorted(set(run.refused))[:5]:
            print("\n%s refused an honest client: %s" % (name, reason))


if __name__ == "__main__":
    main()
