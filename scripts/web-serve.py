#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
"""Serves a folder of static files on 127.0.0.1, for trying the browser build and for its tests.

    web-serve.py FOLDER [--port N] [--address A] [--background LOG] [--header "NAME: VALUE" ...]
                                            (N = 0: any free port; A: another address to serve on)

Once the server listens, the address goes to standard output as one line, e.g.
http://127.0.0.1:8080/. With --background the server then goes on in a process of its own, with
its output in LOG, the line holds that process's ID after the address, and the command ends: a
caller that has read the line can use the server at once and end it by that ID. A file stored
beside its precompressed copies (FILE.br, FILE.gz) is sent in the smallest encoding the browser
accepts; the type always follows FILE's own name, so the browser compiles FILE.wasm while it
streams in. Every answer must be revalidated (a rebuilt program is seen at the next reload; the
service worker keeps its own copy for offline use). Each --header goes with every answer, e.g.
a Content-Security-Policy to try the page under. Nothing outside FOLDER is served, and a folder
is never listed. Only the server's own errors are logged.
"""

import argparse
import email.utils
import http.server
import mimetypes
import os
import posixpath
import shutil
import sys
import urllib.parse

TYPES = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".mjs": "text/javascript; charset=utf-8",
    ".wasm": "application/wasm",
    ".webmanifest": "application/manifest+json",
    ".json": "application/json",
    ".png": "image/png",
    ".svg": "image/svg+xml",
    ".ico": "image/x-icon",
    ".css": "text/css; charset=utf-8",
    ".txt": "text/plain; charset=utf-8",
}

# Preferred first: brotli packs the .wasm tighter than gzip.
ENCODINGS = (("br", ".br"), ("gzip", ".gz"))


def content_type(name):
    extension = posixpath.splitext(name)[1].lower()
    return TYPES.get(extension) or mimetypes.guess_type(name)[0] or "application/octet-stream"


def accepted(header):
    """The encodings an Accept-Encoding header allows, by name ("*" stands for any other)."""
    allowed = {}
    for item in header.split(","):
        name, _, params = item.strip().partition(";")
        quality = 1.0
        for param in params.split(";"):
            key, _, value = param.strip().partition("=")
            if key.lower() == "q":
                try:
                    quality = float(value)
                except ValueError:
                    quality = 0.0
        if name:
            allowed[name.strip().lower()] = quality > 0
    return lambda encoding: allowed.get(encoding, allowed.get("*", False))


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def version_string(self):
        return "web-serve"

    # Requests and refusals alike: a page load is dozens of them.
    def log_message(self, format, *args):
        pass

    def do_HEAD(self):
        self.answer(send_body=False)

    def do_GET(self):
        self.answer(send_body=True)

    def requested(self):
        """The path the request names, a folder's being its index.html; None when it climbs."""
        path = urllib.parse.unquote(urllib.parse.urlsplit(self.path).path)
        if not path.startswith("/") or any(
            part in ("..", ".") or "\\" in part or "\0" in part for part in path.split("/")
        ):
            return None
        return path + "index.html" if path.endswith("/") else path

    def inside(self, path):
        """PATH when it is a regular file whose real place lies under the root (no link out)."""
        real = os.path.realpath(path)
        if real.startswith(self.server.root + os.sep) and os.path.isfile(real):
            return real
        return None

    def answer(self, send_body):
        name = self.requested()
        path = name and self.inside(os.path.join(self.server.root, *filter(None, name.split("/"))))
        if path is None:
            self.send_error(404)
            return
        wanted = accepted(self.headers.get("Accept-Encoding", ""))
        encoding = None
        for coding, suffix in ENCODINGS:
            packed = wanted(coding) and self.inside(path + suffix)
            if packed:
                path, encoding = packed, coding
                break
        try:
            body = open(path, "rb")
        except OSError:
            self.send_error(404)
            return
        with body:
            stat = os.fstat(body.fileno())
            tag = '"%x-%x%s"' % (stat.st_size, stat.st_mtime_ns, "-" + encoding if encoding else "")
            fresh = self.headers.get("If-None-Match") == tag
            self.send_response(304 if fresh else 200)
            self.send_header("Content-Type", content_type(name))
            if encoding:
                self.send_header("Content-Encoding", encoding)
            self.send_header("Vary", "Accept-Encoding")
            self.send_header("Cache-Control", "no-cache")
            self.send_header("ETag", tag)
            self.send_header("Last-Modified", email.utils.formatdate(stat.st_mtime, usegmt=True))
            self.send_header("X-Content-Type-Options", "nosniff")
            for header in self.server.headers:
                self.send_header(*header)
            if not fresh:
                self.send_header("Content-Length", str(stat.st_size))
            self.end_headers()
            if send_body and not fresh:
                shutil.copyfileobj(body, self.wfile)


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True

    # A browser drops connections it no longer needs (a reload, a closed tab): no error of ours.
    def handle_error(self, request, client_address):
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


def main():
    parser = argparse.ArgumentParser(description="Serves FOLDER on 127.0.0.1 or ADDRESS.")
    parser.add_argument("folder")
    parser.add_argument("--port", type=int, default=8080, help="0 picks a free port")
    parser.add_argument("--address", default="127.0.0.1",
                        help="serve on this address of the machine, e.g. its network's")
    parser.add_argument("--background", metavar="LOG",
                        help="serve in a process of its own, its output in LOG")
    parser.add_argument("--header", action="append", default=[], metavar="'NAME: VALUE'",
                        help="send this header with every answer")
    args = parser.parse_args()
    headers = [tuple(part.strip() for part in header.split(":", 1)) for header in args.header]
    if any(len(header) != 2 for header in headers):
        parser.error("a header is NAME: VALUE")
    root = os.path.realpath(args.folder)
    if not os.path.isdir(root):
        parser.error("no such folder: " + args.folder)
    try:
        server = Server((args.address, args.port), Handler)
    except OSError as error:
        sys.exit("web-serve: cannot serve on port %d: %s" % (args.port, error.strerror))
    server.root = root
    server.headers = headers
    url = "http://%s:%d/" % (args.address, server.server_address[1])
    if args.background:
        log = open(args.background, "ab")
        pid = os.fork()
        if pid:
            print(url, pid, flush=True)
            os._exit(0)
        # Nothing of the caller's stays open in the server: a caller such as ctest waits until
        # its pipes close.
        null = os.open(os.devnull, os.O_RDONLY)
        os.dup2(null, 0)
        os.dup2(log.fileno(), 1)
        os.dup2(log.fileno(), 2)
        os.close(null)
        log.close()
    else:
        print(url, flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()


if __name__ == "__main__":
    main()
