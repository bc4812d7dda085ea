"""The pages' web server on one machine: Debian's nginx, started without
root on the given address with a configuration written here, serving the
judge's web folder and nothing else. A deployment uses the host's nginx
with server/deploy/nginx-site.conf instead."""

import os
import pwd
import shutil
import socket
import subprocess
import time

NGINX = shutil.which("nginx") or "/usr/sbin/nginx"

CONFIG = """\
# Written by server/webserver.py for this run; changes are lost.
{user}worker_processes 1;
worker_rlimit_nofile 4096;
pid {prefix}/nginx.pid;
error_log stderr warn;
events {{ worker_connections 1024; }}
http {{
    access_log {prefix}/access.log;
    server_tokens off;
    client_body_temp_path {prefix}/body;
    proxy_temp_path {prefix}/proxy;
    fastcgi_temp_path {prefix}/fastcgi;
    uwsgi_temp_path {prefix}/uwsgi;
    scgi_temp_path {prefix}/scgi;
    types {{ text/html htm html; image/png png; text/css css; application/octet-stream tfr; }}
    default_type application/octet-stream;
    charset utf-8;
    sendfile on;
    # A slow or silent client holds a connection for seconds, not minutes.
    client_header_timeout 10s;
    client_body_timeout 10s;
    send_timeout 10s;
    keepalive_timeout 15s;
    client_max_body_size 1k;
    limit_conn_zone $binary_remote_addr zone=address:1m;
    limit_req_zone $binary_remote_addr zone=requests:1m rate=20r/s;
    server {{
        listen {address}:{port};
        root {web};
        limit_conn address 16;
        limit_req zone=requests burst=40 nodelay;
        autoindex off;
        location = / {{ return 302 /tintfall/; }}
        location /tintfall/ {{
            index index.htm;
            expires 1m;
        }}
        location / {{ return 404; }}
    }}
}}
"""


def write_config(prefix, web, address, port):
    os.makedirs(prefix, mode=0o700, exist_ok=True)
    # As root (a CI machine), the workers stay with this user instead of nobody.
    user = "user %s;\n" % pwd.getpwuid(os.geteuid()).pw_name if os.geteuid() == 0 else ""
    path = os.path.join(prefix, "nginx.conf")
    with open(path, "w", encoding="utf-8") as conf:
        conf.write(CONFIG.format(user=user, prefix=prefix, web=web, address=address, port=port))
    return path


class WebServer:
    def __init__(self, prefix, web, address, port):
        self.prefix, self.web, self.address, self.port = prefix, web, address, port
        self.process = None

    def start(self):
        """Starts nginx; the port it listens on, or raises OSError."""
        port = self.port or free_port(self.address)
        path = write_config(self.prefix, self.web, self.address, port)
        pid = os.path.join(self.prefix, "nginx.pid")
        if os.path.exists(pid):
            os.remove(pid)
        self.process = subprocess.Popen([NGINX, "-p", self.prefix, "-c", path, "-g", "daemon off;"],
                                        stdin=subprocess.DEVNULL, start_new_session=True)
        for _ in range(50):
            if self.process.poll() is not None:
                raise OSError("nginx ended with status %d" % self.process.returncode)
            if os.path.exists(pid):
                return port
            time.sleep(0.1)
        self.stop()
        raise OSError("nginx did not start")

    def stop(self):
        if self.process is None:
            return
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.process = None


def free_port(address):
    with socket.socket() as probe:
        probe.bind((address, 0))
        return probe.getsockname()[1]
