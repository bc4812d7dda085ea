#!/usr/bin/python3
"""The internet table server: the FTP front end for the program with the
judge as its worker process, and the pages' web server, each in a process
of its own.

This process runs the FTP front end (ftpfront.py) and keeps the judge
(judgeworker.py) running; unless --no-web is given it starts nginx for the
pages on the same address (webserver.py). Settings: tablesettings.py.
Private data (the database, uploads being judged) is readable by this
user alone; the published top10.tft and pages are readable by all.
"""

import logging
import os
import resource
import signal
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.ioloop import IOLoop
from pyftpdlib.servers import FTPServer

import ftpfront
import tablelog
import tablesettings
from judgeworker import JudgeWorker, remove_quietly
from webserver import WebServer

log = logging.getLogger("tintfall")
# Descriptors a session may hold at once: control, passive listener, data.
DESCRIPTORS_PER_SESSION = 3
SPARE_DESCRIPTORS = 32


def session_budget(wanted):
    """As many sessions as the descriptor limit allows, raised to its
    maximum, so that accept() never fails for want of a descriptor."""
    soft, hard = resource.getrlimit(resource.RLIMIT_NOFILE)
    if soft != hard:
        resource.setrlimit(resource.RLIMIT_NOFILE, (hard, hard))
        soft = hard
    fitting = max(1, (soft - SPARE_DESCRIPTORS) // DESCRIPTORS_PER_SESSION)
    if fitting < wanted:
        log.warning("descriptor limit %d allows only %d sessions", soft, fitting)
    return min(wanted, fitting)


def prepare_data(data):
    """The data folder: itself and what is published open to read (a host's
    web server reads the pages), the rest private; incoming/ emptied."""
    os.makedirs(data, exist_ok=True)
    os.chmod(data, 0o755)
    for folder, mode in (("incoming", 0o700), ("ftp", 0o755), ("web", 0o755), ("web/tintfall", 0o755),
                         ("web/tintfall/replays", 0o755)):
        path = os.path.join(data, folder)
        os.makedirs(path, exist_ok=True)
        os.chmod(path, mode)
    incoming = os.path.join(data, "incoming")
    for leftover in os.listdir(incoming):
        remove_quietly(os.path.join(incoming, leftover))
    return incoming


def serve(options):
    incoming = prepare_data(options.data)
    ioloop = IOLoop.instance()
    judge = JudgeWorker(options.judge, options.data, incoming, ioloop, options.judge_queue, options.judge_seconds,
                        options.verified_only)
    if not judge.start(wait=True):
        raise SystemExit("The judge cannot publish the table in " + options.data)

    authorizer = DummyAuthorizer()
    authorizer.add_user(options.user, options.password, os.path.join(options.data, "ftp"), perm="rw")
    handler = ftpfront.TableFTPHandler
    handler.authorizer = authorizer
    handler.passive_ports = list(options.passive_ports)
    handler.masquerade_address = options.masquerade
    handler.limits = ftpfront.Limits(options)
    handler.limits.max_sessions = session_budget(options.max_sessions)
    handler.judge = judge
    ioloop.call_every(1, handler.limits.sweep)

    web = None if options.no_web else WebServer(os.path.join(options.data, "nginx"),
                                                os.path.join(options.data, "web"), options.listen, options.web_port)
    try:
        ftp = FTPServer((options.listen, options.ftp_port), handler, ioloop=ioloop)
        web_port = web.start() if web else options.web_port
    except OSError as error:
        judge.stop()
        raise SystemExit("Cannot listen on %s: %s" % (options.listen, error))
    # Sessions are counted by the handler; pyftpdlib's total would count
    # the server's own listening and passive sockets too.
    ftp.max_cons = 0
    ftp.max_cons_per_ip = options.max_connections_per_address
    ftp_port = ftp.socket.getsockname()[1]

    stopping = []

    def stop(*_):
        stopping.append(True)
        raise KeyboardInterrupt

    signal.signal(signal.SIGTERM, stop)
    print("Tintfall table server", flush=True)
    print("FTP:  ftp://%s:%d/ (user %s, passive ports %d-%d)" % (
        options.listen, ftp_port, options.user, options.passive_ports[0], options.passive_ports[-1]), flush=True)
    if web:
        site = "http://%s:%d/tintfall/" % (options.listen, web_port)
        print("Web:  %s (home), %stop.htm (Top 50)" % (site, site), flush=True)
    else:
        print("Web:  %s/web, served by the host's web server" % options.data, flush=True)
    print("Data: %s" % options.data, flush=True)
    print("Stop with Ctrl+C.", flush=True)
    status = 0
    try:
        # A wake-up at least once a second runs every timer that is due.
        ftp.serve_forever(timeout=1.0, handle_exit=False)
        # The loop ends by itself only when its listening socket failed.
        log.error("the FTP server stopped")
        status = 1
    except KeyboardInterrupt:
        pass
    finally:
        # The judge first: closing every channel would close its channel too.
        judge.stop()
        ftp.close_all()
        if web:
            web.stop()
    print("Stopped.", flush=True)
    return status


def main(argv):
    os.umask(0o077)
    tablelog.start_logging()
    sys.exit(serve(tablesettings.parse_settings(argv)))


if __name__ == "__main__":
    main(sys.argv[1:])
