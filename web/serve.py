"""Serves the built page on this machine only: make serve.

    python3 serve.py PORT DIRECTORY

Prints the address once the port is taken, and serves until Ctrl-C. A port
in use, or any other reason it cannot listen, is said in one line, and the
exit status is 1. Port 0 takes any free port.
"""
import functools
import http.server
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    # Whatever this Python's mimetypes knows: a module and WebAssembly need these.
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".js": "text/javascript", ".wasm": "application/wasm", ".svg": "image/svg+xml"}


def main():
    port, directory = int(sys.argv[1]), sys.argv[2]
    handler = functools.partial(Handler, directory=directory)
    try:
        server = http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)
    except OSError as error:
        print(f"revareza: cannot serve on 127.0.0.1:{port}: {error.strerror or error}"
              f"{' (make serve PORT=8080 for another port)' if port else ''}", file=sys.stderr)
        return 1
    print(f"revareza: http://127.0.0.1:{server.server_address[1]}/ (Ctrl-C ends it)", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
