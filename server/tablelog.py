"""The table server's log: one line per event on standard error (the
journal, under systemd). Whatever a client sent may end up in a line, so
every line is made safe as it is written: control characters and
everything outside printable ASCII are escaped (\\xNN), so no client can
break a line or forge one, and upload keys, which let their holder replace
a player's row, appear only as a short hash."""

import hashlib
import logging
import re

KEY = re.compile(r"[0-9a-fA-F]{32}")
UNSAFE = re.compile(r"[^\x20-\x5b\x5d-\x7e]")  # all but printable ASCII without the backslash


def short_hash(key):
    """What the log shows of a key: enough to follow one installation."""
    return "#" + hashlib.sha256(key.lower().encode("ascii")).hexdigest()[:10]


def clean(text):
    text = KEY.sub(lambda match: short_hash(match.group(0)), text)
    return UNSAFE.sub(lambda match: "\\x%02x" % ord(match.group(0)) if ord(match.group(0)) < 0x100
                      else "\\u%04x" % ord(match.group(0)), text)


class CleanFormatter(logging.Formatter):
    def format(self, record):
        return clean(super().format(record))


def start_logging(level=logging.INFO):
    handler = logging.StreamHandler()
    handler.setFormatter(CleanFormatter("%(asctime)s %(levelname)s %(message)s"))
    root = logging.getLogger()
    root.handlers[:] = [handler]
    root.setLevel(level)
    # The FTP server's own lines on every connect and login are left out;
    # the front end logs each command and transfer that matters.
    logging.getLogger("pyftpdlib").setLevel(logging.WARNING)
