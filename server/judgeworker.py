"""The judge as a worker process beside the FTP server.

The judge (tintfall_judge --serve) keeps the database open and takes one
request line per upload, answering one verdict line. It talks over a
socket pair that the FTP server's event loop watches, so waiting for a
verdict blocks no client. Uploads wait in a bounded queue; when it is full
the upload is turned away at once. A judge that takes longer than its time
or ends is started again, and only the upload it held fails.

A request is "FILE<tab>NAME": where the upload lies and the name it was
sent under, then "<tab>REPLAY" for each replay sent with it, then
"<tab>later" when more uploads wait (the judge then publishes the table
with a later one). The replays lie beside the upload until its verdict."""

import collections
import logging
import os
import socket
import subprocess
import tempfile

from pyftpdlib.ioloop import AsyncChat

log = logging.getLogger("tintfall.judge")
LONGEST_LINE = 4096
RESTART_SECONDS = 1.0


class Job:
    def __init__(self, paths, name, done):
        self.paths, self.name, self.done = paths, name, done
        self.retried = False

    def request(self, later):
        fields = [self.paths[0], self.name] + self.paths[1:] + (["later"] if later else [])
        return ("\t".join(fields) + "\n").encode("utf-8")


class JudgeChannel(AsyncChat):
    """The FTP side of the socket pair: lines in, lines out."""

    def __init__(self, sock, ioloop, worker):
        AsyncChat.__init__(self, sock, ioloop=ioloop)
        self.worker = worker
        self.incoming = []
        self.set_terminator(b"\n")

    def collect_incoming_data(self, data):
        self.incoming.append(data)
        if sum(map(len, self.incoming)) > LONGEST_LINE:
            self.incoming = []
            self.close()

    def found_terminator(self):
        line = b"".join(self.incoming).decode("utf-8", "replace").strip()
        self.incoming = []
        self.worker.on_line(self, line)

    def handle_close(self):
        self.close()

    def close(self):
        if not self._closed:
            AsyncChat.close(self)
            self.worker.on_closed(self)

    def handle_error(self):
        log.exception("judge channel")
        self.close()


class JudgeWorker:
    def __init__(self, command, data, incoming, ioloop, queue_size, seconds, verified_only=False):
        self.command = [command, "--data", data, "--serve"] + (["--verified-only"] if verified_only else [])
        self.incoming = incoming
        self.ioloop = ioloop
        self.queue = collections.deque()
        self.queue_size = queue_size
        self.seconds = seconds
        self.process = None
        self.channel = None
        self.ready = False
        self.current = None
        self.timer = None
        self.restarting = False

    def start(self, wait=False):
        """Starts the judge, which publishes the table and says "ready".
        wait: block until it has (at start-up); False when it does not."""
        ours, theirs = socket.socketpair()
        try:
            # The judge keeps its database private itself; what it publishes is for all to read.
            self.process = subprocess.Popen(self.command, stdin=theirs, stdout=theirs, close_fds=True, umask=0o022)
        except OSError as error:
            ours.close()
            log.error("the judge cannot start: %s", error)
            return False
        finally:
            theirs.close()
        if wait:
            ours.settimeout(self.seconds)
            try:
                answer = ours.recv(LONGEST_LINE)
            except OSError:
                answer = b""
            if answer.strip() != b"ready":
                ours.close()
                self.kill()
                return False
            ours.settimeout(None)
            self.ready = True
        self.channel = JudgeChannel(ours, self.ioloop, self)
        self.timer = self.ioloop.call_later(self.seconds, self.stalled) if not wait else None
        log.info("judge started (pid %d)", self.process.pid)
        return True

    def submit(self, data, name, done, replays=()):
        """Judges an upload's bytes, sent as name, with the bytes of the
        replays sent before it; done(verdict) is called from the event loop:
        "accepted verified", "accepted unverified: <why>", "refused: <why>",
        "failed: <why>" or "busy: <why>"."""
        if len(self.queue) >= self.queue_size:
            done("busy: the judge has too many uploads waiting")
            return
        paths = []
        try:
            for prefix, content in [("upload.", data)] + [("replay.", replay) for replay in replays]:
                handle, path = tempfile.mkstemp(prefix=prefix, dir=self.incoming)
                paths.append(path)
                try:
                    os.write(handle, content)
                finally:
                    os.close(handle)
        except OSError as error:
            for path in paths:
                remove_quietly(path)
            done("failed: the upload cannot be kept: %s" % error.strerror)
            return
        self.queue.append(Job(paths, name, done))
        self.pump()

    def pump(self):
        if not self.ready or self.current is not None or not self.queue:
            return
        self.current = self.queue.popleft()
        # With more uploads waiting the judge may publish the table with a later one.
        self.channel.push(self.current.request(later=bool(self.queue)))
        self.timer = self.ioloop.call_later(self.seconds, self.stalled)

    def on_line(self, channel, line):
        if channel is not self.channel:
            return
        self.cancel_timer()
        if not self.ready:
            if line == "ready":
                self.ready = True
            else:
                log.error("the judge did not start: %s", line)
                self.restart()
                return
        elif self.current is not None:
            self.finish(line if line else "failed: empty answer from the judge")
        self.pump()

    def on_closed(self, channel):
        if channel is self.channel and not self.restarting:
            log.error("the judge ended")
            # It may have ended before it saw the upload: the next one tries it once more.
            if self.current is not None and not self.current.retried:
                self.current.retried = True
                self.queue.appendleft(self.current)
                self.current = None
            self.restart()

    def stalled(self):
        self.timer = None
        log.error("the judge gave no answer in %d s", self.seconds)
        self.restart()

    def restart(self):
        """Ends this judge, fails the upload it held (a stalled one would
        stall the next judge too) and starts another."""
        self.restarting = True
        self.cancel_timer()
        self.ready = False
        if self.channel is not None:
            self.channel.close()
            self.channel = None
        self.kill()
        self.restarting = False
        if self.current is not None:
            self.finish("failed: the judge stopped")
        self.ioloop.call_later(RESTART_SECONDS, self.start_again)

    def start_again(self):
        if self.channel is None and not self.start():
            self.ioloop.call_later(RESTART_SECONDS, self.start_again)
            # Nothing can be judged meanwhile; the waiting uploads are told so.
            while self.queue:
                self.current = self.queue.popleft()
                self.finish("failed: the judge does not start")

    def finish(self, verdict):
        job, self.current = self.current, None
        for path in job.paths:
            remove_quietly(path)
        job.done(verdict)

    def cancel_timer(self):
        if self.timer is not None and not self.timer.cancelled:
            self.timer.cancel()
        self.timer = None

    def kill(self):
        if self.process is None:
            return
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()
        self.process = None

    def stop(self):
        """Ends the judge: at the end of its input it closes the database."""
        self.restarting = True
        self.cancel_timer()
        if self.channel is not None:
            self.channel.close()
            self.channel = None
        if self.process is not None:
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                pass
            self.kill()


def remove_quietly(path):
    try:
        os.remove(path)
    except OSError:
        pass
