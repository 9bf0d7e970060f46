"""Serves the built page on this machine only: make serve.

    python3 serve.py PORT DIRECTORY

Prints the address once the port is taken, and serves until Ctrl-C. A port
in use, or any other reason it cannot listen, is said in one line, and the
exit status is 1. Port 0 takes any free port.

It serves the files under DIRECTORY alone (a directory by its index.html),
to GET and HEAD, one request a connection. Anything else gets its 4xx
answer and the server goes on: a path with a NUL or another control
character, a "." or ".." segment, an encoded slash or a backslash, more
than MAX_TARGET_BYTES bytes, or bytes that are no UTF-8, a file not found
or outside DIRECTORY (through a symbolic link too). One thread serves every
connection; a request not received whole within REQUEST_TIMEOUT seconds
gets 408 and its connection is closed, and so is a client that takes as
long to take a part of its answer; beyond MAX_CONNECTIONS open connections
a new one gets 503 at once.
"""
import asyncio
import email.utils
import http
import mimetypes
import os
import resource
import socket
import sys
import time
import urllib.parse

REQUEST_TIMEOUT = 5.0  # seconds, for a request's head and for each part of its answer
LINGER_SECONDS = 1.0  # after an answer, for the client to close
MAX_HEAD_BYTES = 16384  # a request line and its headers
MAX_TARGET_BYTES = 2048  # the path and query
MAX_CONNECTIONS = 4000  # fewer when this process may open fewer files
CHUNK_BYTES = 65536
TOO_LARGE = object()  # read_head's mark of a head past MAX_HEAD_BYTES
# Whatever this Python's mimetypes knows: a module and WebAssembly need these.
TYPES = {".html": "text/html", ".css": "text/css", ".js": "text/javascript", ".mjs": "text/javascript",
         ".wasm": "application/wasm", ".svg": "image/svg+xml", ".png": "image/png", ".json": "application/json"}


def content_type(path):
    """The Content-Type of a file, by its extension."""
    extension = os.path.splitext(path)[1].lower()
    return TYPES.get(extension) or mimetypes.guess_type(path)[0] or "application/octet-stream"


def resolve(root, target):
    """What a request's target (its path and query) names under root, the
    real path of the directory served: (200, the file's real path), (301,
    the target with a slash after its path) for a directory named without
    one, or (a 4xx status, None)."""
    if len(target) > MAX_TARGET_BYTES:
        return 414, None
    path, question, query = target.partition("?")
    path = path.partition("#")[0]
    if not path.startswith("/"):
        return 400, None
    if "%2f" in path.lower() or "%5c" in path.lower():
        return 400, None  # a slash inside a name could only mean an escape
    try:
        text = urllib.parse.unquote_to_bytes(path).decode("utf-8")
    except UnicodeDecodeError:
        return 400, None
    if any(c < " " or c == "\x7f" or c == "\\" for c in text):
        return 400, None
    names = text.split("/")[1:]
    if "." in names or ".." in names:
        return 400, None

    def inside(real):
        return real == root or real.startswith(root + os.sep)

    real = os.path.realpath(os.path.join(root, *[name for name in names if name]))
    if not inside(real):
        return 404, None
    if os.path.isdir(real):
        if not path.endswith("/"):
            return 301, path + "/" + question + query
        real = os.path.realpath(os.path.join(real, "index.html"))
        if not inside(real):
            return 404, None
    if not os.path.isfile(real):
        return 404, None
    return 200, real


def printable(line):
    """A request line as the log shows it: control and non-ASCII bytes
    escaped, at most 200 characters."""
    text = line.rstrip(b"\r\n").decode("ascii", "backslashreplace")
    text = "".join(c if " " <= c < "\x7f" else f"\\x{ord(c):02x}" for c in text)
    return text[:200]


class Server:
    """The connections of one listening socket, served from root."""

    def __init__(self, root, max_connections):
        self.root = root
        self.max_connections = max_connections
        self.connections = 0

    async def connection(self, reader, writer):
        """Serves one connection: one request, its answer, and the close."""
        self.connections += 1
        # drain() then waits until every byte is handed to the system, so
        # that the close never waits on a client that stopped reading.
        writer.transport.set_write_buffer_limits(0)
        try:
            if self.connections > self.max_connections:
                # At once, without lingering: these must cost nothing.
                await self.answer(writer, b"", 503)
                return
            try:
                head = await asyncio.wait_for(self.read_head(reader), REQUEST_TIMEOUT)
            except asyncio.TimeoutError:
                await self.answer(writer, b"", 408)
            else:
                if head is None:
                    return  # the client went before its request was whole
                await self.respond(writer, head)
            await self.linger(reader, writer)
        except (OSError, asyncio.TimeoutError):  # the client gone or too slow, a file unreadable
            writer.transport.abort()
        finally:
            self.connections -= 1
            writer.close()

    @staticmethod
    async def linger(reader, writer):
        """Ends the answer, then reads and drops what the client still sends
        for up to LINGER_SECONDS: a close with unread input would reset the
        connection, and the client could lose its answer."""
        writer.write_eof()
        try:
            await asyncio.wait_for(Server.drop_input(reader), LINGER_SECONDS)
        except asyncio.TimeoutError:
            pass

    @staticmethod
    async def drop_input(reader):
        """Reads until the end of the input."""
        while await reader.read(CHUNK_BYTES):
            pass

    @staticmethod
    async def read_head(reader):
        """The request line and header lines, up to the empty line; None at
        the end of the input, [TOO_LARGE] past MAX_HEAD_BYTES."""
        lines, size = [], 0
        while True:
            try:
                line = await reader.readline()
            except ValueError:  # a line beyond the reader's limit
                return [TOO_LARGE]
            size += len(line)
            if size > MAX_HEAD_BYTES:
                return [TOO_LARGE]
            if not line.endswith(b"\n"):
                return None
            if line in (b"\r\n", b"\n"):
                return lines
            lines.append(line)

    async def respond(self, writer, head):
        """Answers a whole request head."""
        request = head[0] if head else b""
        if request is TOO_LARGE:
            await self.answer(writer, b"", 431)
            return
        try:
            method, target, version = request.decode("ascii").split()
        except (UnicodeDecodeError, ValueError):
            await self.answer(writer, request, 400)
            return
        with_body = method != "HEAD"
        if version not in ("HTTP/1.0", "HTTP/1.1"):
            await self.answer(writer, request, 400, with_body=with_body)
            return
        if method not in ("GET", "HEAD"):
            await self.answer(writer, request, 405, [("Allow", "GET, HEAD")])
            return
        status, found = resolve(self.root, target)
        if status == 301:
            await self.answer(writer, request, 301, [("Location", found)], with_body=with_body)
            return
        try:
            file = open(found, "rb") if status == 200 else None
        except OSError:
            status, file = 404, None
        if file is None:
            await self.answer(writer, request, status, with_body=with_body)
            return
        with file:
            stat = os.fstat(file.fileno())
            modified = email.utils.formatdate(stat.st_mtime, usegmt=True)
            since = next((line.partition(b":")[2].strip() for line in head[1:]
                          if line.lower().startswith(b"if-modified-since:")), None)
            if since and self.not_modified(since.decode("latin-1"), stat.st_mtime):
                await self.answer(writer, request, 304, [("Last-Modified", modified)])
                return
            headers = [("Content-Type", content_type(found)), ("Content-Length", str(stat.st_size)),
                       ("Last-Modified", modified)]
            await self.answer(writer, request, 200, headers, file, with_body)

    @staticmethod
    def not_modified(since, mtime):
        """Whether a file changed at mtime is as old as If-Modified-Since says."""
        try:
            return int(mtime) <= email.utils.parsedate_to_datetime(since).timestamp()
        except (TypeError, ValueError, OverflowError):
            return False

    async def answer(self, writer, request, status, headers=(), file=None, with_body=True):
        """Writes the status line, the headers and the body: the file's bytes,
        or for another status than 200 and 304 its phrase."""
        phrase = http.HTTPStatus(status).phrase
        text = b""
        if file is None and status != 304:
            text = f"{status} {phrase}\n".encode()
            headers = [*headers, ("Content-Type", "text/plain; charset=utf-8"), ("Content-Length", str(len(text)))]
        lines = [f"HTTP/1.1 {status} {phrase}", "Server: revareza", f"Date: {email.utils.formatdate(usegmt=True)}",
                 *(f"{name}: {value}" for name, value in headers), "Connection: close", "", ""]
        writer.write("\r\n".join(lines).encode("latin-1") + (text if with_body else b""))
        await asyncio.wait_for(writer.drain(), REQUEST_TIMEOUT)
        while file and with_body and (chunk := file.read(CHUNK_BYTES)):
            writer.write(chunk)
            await asyncio.wait_for(writer.drain(), REQUEST_TIMEOUT)
        if request:
            print(f"[{time.strftime('%d/%b/%Y %H:%M:%S')}] \"{printable(request)}\" {status}", file=sys.stderr)


def open_files_allowed():
    """Raises this process's limit of open files to what MAX_CONNECTIONS
    needs, within its hard limit, and returns the limit."""
    soft, hard = resource.getrlimit(resource.RLIMIT_NOFILE)
    wanted = MAX_CONNECTIONS + 64 if hard == resource.RLIM_INFINITY else min(hard, MAX_CONNECTIONS + 64)
    if soft != resource.RLIM_INFINITY and soft < wanted:
        resource.setrlimit(resource.RLIMIT_NOFILE, (wanted, hard))
        soft = wanted
    return soft


async def serve(listener, root):
    """Serves on the listening socket until cancelled."""
    limit = open_files_allowed()
    server = Server(root, max(1, min(MAX_CONNECTIONS, limit - 64)))
    async with await asyncio.start_server(server.connection, sock=listener, limit=MAX_HEAD_BYTES,
                                          backlog=socket.SOMAXCONN) as listening:
        await listening.serve_forever()


def main():
    """serve.py PORT DIRECTORY: the exit status."""
    port, directory = int(sys.argv[1]), sys.argv[2]
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    try:
        listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        listener.bind(("127.0.0.1", port))
        listener.listen(socket.SOMAXCONN)
    except OSError as error:
        listener.close()
        print(f"revareza: cannot serve on 127.0.0.1:{port}: {error.strerror or error}"
              f"{' (make serve PORT=8080 for another port)' if port else ''}", file=sys.stderr)
        return 1
    print(f"revareza: http://127.0.0.1:{listener.getsockname()[1]}/ (Ctrl-C ends it)", flush=True)
    try:
        asyncio.run(serve(listener, os.path.realpath(directory)))
    except KeyboardInterrupt:
        pass
    finally:
        listener.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
