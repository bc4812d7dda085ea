"""The table server's settings: server/server.conf, then environment
variables of the same names, then the command line.

server.conf has one format, read here and by the build
(cmake/ServerConf.cmake) alike: NAME=value lines with nothing around the =
and no blanks at either end of the value, comments starting with #, empty
lines. Anything else is an error that names the line."""

import argparse
import os
import re

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LINE = re.compile(r"([A-Z][A-Z0-9_]*)=((?:[^ \t;](?:[^;]*[^ \t;])?)?)")

# Setting: (command-line option, type, help). The defaults are in server.conf.
SETTINGS = {
    "TINTFALL_FTP_HOST": ("listen", str, "address to listen on"),
    "TINTFALL_FTP_PORT": ("ftp_port", int, "FTP port (0: any free port)"),
    "TINTFALL_FTP_USER": ("user", str, "the program's FTP account"),
    "TINTFALL_FTP_PASSWORD": ("password", str, "its password"),
    "TINTFALL_FTP_PASSIVE_PORTS": ("passive_ports", None, "first-last"),
    "TINTFALL_WEB_PORT": ("web_port", int, "port of the pages' web server (0: any free port)"),
    "TINTFALL_MAX_SESSIONS": ("max_sessions", int, "FTP sessions at once, all addresses together"),
    "TINTFALL_MAX_CONNECTIONS_PER_ADDRESS": ("max_connections_per_address", int, "FTP sessions of one address"),
    "TINTFALL_MAX_LOGINS_PER_ADDRESS": ("max_logins_per_address", int, "logged-in sessions of one address"),
    "TINTFALL_UPLOADS_PER_HOUR": ("uploads_per_hour", int, "uploads one address may send in an hour"),
    "TINTFALL_MAX_REFUSALS": ("max_refusals", int, "refusals in 10 minutes after which an address is turned away"),
    "TINTFALL_IDLE_SECONDS": ("idle_seconds", int, "a session or transfer idle this long is closed"),
    "TINTFALL_SESSION_SECONDS": ("session_seconds", int, "no session lasts longer"),
    "TINTFALL_MIN_RATE": ("min_rate", int, "bytes per second a transfer must reach after its first seconds"),
    "TINTFALL_JUDGE_SECONDS": ("judge_seconds", int, "a judge that takes longer is stalled and restarted"),
    "TINTFALL_JUDGE_QUEUE": ("judge_queue", int, "uploads waiting for the judge; more are asked to come back"),
    "TINTFALL_VERIFIED_ONLY": ("verified_only", "switch", "1: publish only rows their replay verified, 0: all"),
}


class ConfError(ValueError):
    pass


def read_conf(path):
    """The settings of a server.conf, as texts."""
    values = {}
    with open(path, encoding="utf-8") as conf:
        for number, line in enumerate(conf.read().split("\n"), 1):
            if line == "" or line.startswith("#"):
                continue
            match = LINE.fullmatch(line)
            if not match:
                raise ConfError("%s:%d: not NAME=value: %r" % (path, number, line))
            values[match.group(1)] = match.group(2)
    return values


def port_range(text):
    first, _, last = text.partition("-")
    try:
        first, last = int(first), int(last or first)
    except ValueError:
        first = last = 0
    if not 0 < first <= last < 65536:
        raise argparse.ArgumentTypeError("not a port range: " + text)
    return range(first, last + 1)


def switch(text):
    if text not in ("0", "1"):
        raise argparse.ArgumentTypeError("not 0 or 1: " + text)
    return text == "1"


def parser_of(kind):
    return {None: port_range, "switch": switch}.get(kind, kind)


def parse_settings(argv):
    parser = argparse.ArgumentParser(description="Runs the Tintfall internet table server.")
    parser.add_argument("--conf", default=os.path.join(ROOT, "server", "server.conf"))
    parser.add_argument("--data", default=os.path.join(ROOT, "build", "server-data"),
                        help="folder of the database, the published files and the incoming uploads")
    parser.add_argument("--judge", default=os.path.join(ROOT, "build", "native", "server", "tintfall_judge"))
    parser.add_argument("--masquerade", help="address the FTP server gives clients for passive transfers")
    parser.add_argument("--no-web", action="store_true",
                        help="start no web server: the host's own serves DATA/web (see README.md)")
    for name, (option, kind, text) in SETTINGS.items():
        parser.add_argument("--" + option.replace("_", "-"), dest=option, help="%s (%s)" % (text, name),
                            type=parser_of(kind))
    options = parser.parse_args(argv)

    try:
        values = read_conf(options.conf)
    except (OSError, ConfError) as error:
        parser.error(str(error))
    values.update({name: os.environ[name] for name in SETTINGS if name in os.environ})
    for name, (option, kind, _) in SETTINGS.items():
        if getattr(options, option) is not None:
            continue
        if name not in values:
            parser.error("%s is not set in %s" % (name, options.conf))
        try:
            setattr(options, option, parser_of(kind)(values[name]))
        except (ValueError, argparse.ArgumentTypeError) as error:
            parser.error("%s: %s" % (name, error))
    options.data = os.path.abspath(options.data)
    return options
