#!/usr/bin/env python3
"""A print-management login server in a process of its own, for tests.

Usage: tls_login_server.py CERT KEY BODY [HEADER_MIB [MODE]]

Listens on 127.0.0.1 at a free port and prints that port as its first line.
Answers every request whole with status 200 and BODY, then closes; prints
"request " and the request body, percent-encoded, for every request it read.
With HEADER_MIB, the answer's header block holds that many MiB of 1 KiB
"X-Fill" lines before the usual ones. MODE "lines" sends header lines without
end instead, "line" one header line without end, "body" a body without
length and without end. Ends when its standard input does, so that it does
not outlive a test that was aborted.
"""

import os
import socket
import ssl
import sys
import threading
import urllib.parse


def fill_lines(mebibytes):
    """Yields the filler header lines, 1 MiB at a time."""
    line = b"X-Fill: " + b"x" * 1014 + b"\r\n"
    for _ in range(mebibytes):
        yield line * 1024


def endless(piece):
    """Yields `piece` for ever."""
    while True:
        yield piece


def answer(tls, body, header_mib, mode):
    tls.sendall(b"HTTP/1.1 200 OK\r\n")
    if mode == "lines":
        pieces = endless(b"X-Fill: " + b"x" * 1014 + b"\r\n")
    elif mode == "line":
        tls.sendall(b"X-Fill: ")
        pieces = endless(b"x" * 65536)
    elif mode == "body":
        tls.sendall(b"Content-Type: application/json\r\nConnection: close\r\n\r\n")
        pieces = endless(b"x" * 65536)
    else:
        pieces = fill_lines(header_mib)
    # Ends when the client goes away, or after the fill lines.
    for piece in pieces:
        tls.sendall(piece)
    tls.sendall(b"Content-Type: application/json\r\n"
                b"Content-Length: %d\r\nConnection: close\r\n\r\n" % len(body) + body)


def serve(context, connection, body, header_mib, mode, lock):
    try:
        with context.wrap_socket(connection, server_side=True) as tls:
            data = b""
            while b"\r\n\r\n" not in data:
                piece = tls.recv(65536)
                if not piece:
                    return
                data += piece
            head, rest = data.split(b"\r\n\r\n", 1)
            length = 0
            for line in head.split(b"\r\n")[1:]:
                name, _, value = line.partition(b":")
                if name.strip().lower() == b"content-length":
                    length = int(value.strip())
            while len(rest) < length:
                piece = tls.recv(65536)
                if not piece:
                    return
                rest += piece
            with lock:
                print("request " + urllib.parse.quote(rest[:length]), flush=True)
            answer(tls, body, header_mib, mode)
    except (OSError, ssl.SSLError):
        # A client that gave up or refused the certificate.
        pass


def end_with_input():
    sys.stdin.buffer.read()
    os._exit(0)


def main():
    cert, key, body = sys.argv[1], sys.argv[2], sys.argv[3].encode()
    header_mib = int(sys.argv[4]) if len(sys.argv) > 4 else 0
    mode = sys.argv[5] if len(sys.argv) > 5 else ""
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.bind(("127.0.0.1", 0))
    listener.listen(16)
    print(listener.getsockname()[1], flush=True)
    lock = threading.Lock()
    threading.Thread(target=end_with_input, daemon=True).start()
    while True:
        connection, _ = listener.accept()
        threading.Thread(target=serve, args=(context, connection, body, header_mib, mode, lock),
                         daemon=True).start()


if __name__ == "__main__":
    main()
