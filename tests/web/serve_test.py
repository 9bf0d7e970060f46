"""web/serve.py, the server of make serve, on a site of its own: the page's
files with their types, a 4xx answer to every bad request with the server
still serving, and 1,500 idle connections that neither hold a thread each
nor keep a normal request waiting, and that the server closes."""

import os
import re
import resource
import selectors
import socket
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

SERVE = Path(__file__).resolve().parents[2] / "web" / "serve.py"
IDLE_CONNECTIONS = 1500
MAX_THREADS = 4


def exchange(port, data, timeout=10.0):
    """Sends data on a new connection and returns all the server answers
    until it closes the connection."""
    with socket.create_connection(("127.0.0.1", port), timeout=timeout) as connection:
        connection.sendall(data)
        answer = b""
        while chunk := connection.recv(65536):
            answer += chunk
    return answer


def get(port, target, method="GET"):
    """The status, headers (lower-case names) and body of a request for target."""
    answer = exchange(port, f"{method} {target} HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n".encode("latin-1"))
    head, _, body = answer.partition(b"\r\n\r\n")
    lines = head.decode("latin-1").split("\r\n")
    headers = dict((name.lower(), value.strip()) for name, _, value in (line.partition(":") for line in lines[1:]))
    return int(lines[0].split()[1]), headers, body


def threads(pid):
    """The number of threads of process pid."""
    return int(re.search(r"^Threads:\s+(\d+)", Path(f"/proc/{pid}/status").read_text(), re.MULTILINE).group(1))


class ServeTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.TemporaryDirectory()
        work = Path(cls.work.name)
        site = work / "site"
        (site / "page").mkdir(parents=True)
        (site / "index.html").write_text("<!doctype html><title>revareza</title>\n")
        (site / "revareza.wasm").write_bytes(b"\0asm\1\0\0\0")
        (site / "page.js").write_text("export const page = 1;\n")
        (site / "page" / "index.html").write_text("<p>page</p>\n")
        (work / "secret.txt").write_text("not to be served\n")
        (site / "secret.txt").symlink_to(work / "secret.txt")
        (site / "outside").symlink_to(work)
        cls.log = open(work / "stderr", "w+")
        cls.server = subprocess.Popen([sys.executable, "-u", str(SERVE), "0", str(site)],
                                      stdout=subprocess.PIPE, stderr=cls.log, text=True)
        cls.port = int(re.search(r"http://127\.0\.0\.1:(\d+)/", cls.server.stdout.readline()).group(1))

    @classmethod
    def tearDownClass(cls):
        cls.server.kill()
        cls.server.wait()
        cls.log.close()
        cls.work.cleanup()

    def test_files_with_their_types(self):
        for target, status, content_type in [
                ("/", 200, "text/html"),
                ("/?tipo=2&ponto=1,2,10", 200, "text/html"),
                ("/revareza.wasm", 200, "application/wasm"),
                ("/page.js", 200, "text/javascript"),
                ("/page/", 200, "text/html")]:
            with self.subTest(target=target):
                answer = get(self.port, target)
                self.assertEqual(answer[0], status)
                self.assertEqual(answer[1]["content-type"], content_type)
                self.assertEqual(int(answer[1]["content-length"]), len(answer[2]))
        self.assertEqual(get(self.port, "/revareza.wasm")[2], b"\0asm\1\0\0\0")
        status, headers, body = get(self.port, "/page")
        self.assertEqual((status, headers["location"]), (301, "/page/"))
        status, headers, body = get(self.port, "/page.js", "HEAD")
        self.assertEqual((status, headers["content-length"], body), (200, "23", b""))

    def test_every_bad_request_gets_a_4xx_answer_and_the_server_goes_on(self):
        for request in [b"GET /%00 HTTP/1.1", b"GET /index.html%00.js HTTP/1.1", b"GET /../etc/passwd HTTP/1.1",
                        b"GET /%2e%2e/%2e%2e/etc/passwd HTTP/1.1", b"GET /page/..%2f..%2fsecret.txt HTTP/1.1",
                        b"GET /..%5csecret.txt HTTP/1.1", b"GET /page\\..\\secret.txt HTTP/1.1",
                        b"GET /" + b"a" * 3000 + b" HTTP/1.1", b"GET /" + b"a" * 100_000 + b" HTTP/1.1",
                        b"GET /%ff%fe HTTP/1.1", b"GET /\xff HTTP/1.1", b"GET /\xc3\xa9 HTTP/1.1", b"GET /missing.html HTTP/1.1", b"GET /secret.txt HTTP/1.1",
                        b"GET /outside/secret.txt HTTP/1.1", b"GET /outside/ HTTP/1.1", b"GET index.html HTTP/1.1",
                        b"GET / HTTP/9.9", b"GET /", b"\0\1\2", b"DELETE / HTTP/1.1"]:
            with self.subTest(request=request[:60]):
                answer = exchange(self.port, request + b"\r\nHost: 127.0.0.1\r\n\r\n")
                self.assertRegex(answer, rb"^HTTP/1\.[01] 4\d\d ")
                self.assertNotIn(b"not to be served", answer)
        self.assertEqual(get(self.port, "/")[0], 200)
        self.log.seek(0)
        self.assertNotIn("Traceback", self.log.read())

    def test_idle_connections_hold_no_thread_and_are_closed(self):
        soft, hard = resource.getrlimit(resource.RLIMIT_NOFILE)
        resource.setrlimit(resource.RLIMIT_NOFILE, (max(soft, min(hard, IDLE_CONNECTIONS + 100)), hard))
        idle = []
        try:
            for _ in range(IDLE_CONNECTIONS):
                connection = socket.create_connection(("127.0.0.1", self.port), timeout=10)
                connection.sendall(b"GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n")  # no empty line: half sent
                idle.append(connection)
            started = time.monotonic()
            self.assertEqual(get(self.port, "/")[0], 200)
            self.assertLess(time.monotonic() - started, 5.0)
            self.assertLessEqual(threads(self.server.pid), MAX_THREADS)
            # Each one is closed by the server: its end of input comes (after
            # a 408 answer) well within a minute, however loaded the machine.
            selector = selectors.DefaultSelector()
            for connection in idle:
                connection.setblocking(False)
                selector.register(connection, selectors.EVENT_READ)
            deadline = time.monotonic() + 60
            while selector.get_map() and time.monotonic() < deadline:
                for key, _ in selector.select(timeout=1):
                    try:
                        chunk = key.fileobj.recv(65536)
                    except ConnectionResetError:
                        chunk = b""
                    if not chunk:
                        selector.unregister(key.fileobj)
            self.assertEqual(len(selector.get_map()), 0, "idle connections the server left open")
            self.assertLessEqual(threads(self.server.pid), MAX_THREADS)
            self.assertEqual(get(self.port, "/")[0], 200)
        finally:
            for connection in idle:
                connection.close()


if __name__ == "__main__":
    unittest.main()
