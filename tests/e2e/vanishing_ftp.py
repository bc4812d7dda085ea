"""An FTP server that vanishes in the middle of a transfer: it takes any
login, answers what a client asks before a transfer, opens the passive data
connection, sends (RETR) or takes (STOR) the first part of a file and then
drops both connections and stops listening, as a server that goes away.

    vanishing_ftp.py PORT   (prints "ready" when it listens; serves one session)
"""
import socket
import sys

port = int(sys.argv[1])
listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
listener.bind(("127.0.0.1", port))
listener.listen(1)
print("ready", flush=True)
control, _ = listener.accept()
reader = control.makefile("rb")
data = None


def say(line):
    control.sendall((line + "\r\n").encode())


def vanish():
    for s in (data, control, listener):
        if s is not None:
            s.close()
    sys.exit(0)


# What the server answers to each command that needs no more than a reply.
REPLIES = {
    "USER": "331 password please",
    "PASS": "230 logged in",
    "SYST": "215 UNIX Type: L8",
    "PWD": '257 "/" is the current folder',
    "FEAT": "211 no features",
    "CWD": "250 ok",
    "SIZE": "213 4096",
    "REST": "350 ok",
}
for command in ("TYPE", "MODE", "STRU", "OPTS", "NOOP"):
    REPLIES[command] = "200 ok"

say("220 ready")
for raw in reader:
    words = raw.decode(errors="replace").strip().split(" ", 1)
    command = words[0].upper()
    if command in REPLIES:
        say(REPLIES[command])
    elif command in ("PASV", "EPSV"):
        data = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        data.bind(("127.0.0.1", 0))
        data.listen(1)
        p = data.getsockname()[1]
        if command == "PASV":
            say("227 Entering Passive Mode (127,0,0,1,%d,%d)" % (p // 256, p % 256))
        else:
            say("229 Entering Extended Passive Mode (|||%d|)" % p)
    elif command in ("RETR", "STOR") and data is not None:
        say("150 opening data connection")
        transfer, _ = data.accept()
        if command == "RETR":
            transfer.sendall(b"\x18TINTFALL_TOP10_FILE" + b"\x00" * 40)
        else:
            transfer.recv(64)
        transfer.close()
        vanish()
    elif command == "QUIT":
        say("221 bye")
        vanish()
    else:
        say("502 not here")
vanish()
