#!/usr/bin/env python3
"""Relays CUPS clients to a private cupsd, and stops the daemon (SIGSTOP)
just before the first request for a queue's PPD reaches it: a CUPS that falls
silent at a known point of a listing, whatever the machine's speed.

    cups-relay.py HOST PORT PIDFILE [QUEUE GATE]

With QUEUE and GATE, the daemon is not stopped: instead each request for
QUEUE's PPD is held, with GATE/held made, until GATE/go exists.

Prints the port it listens on (127.0.0.1), then relays until its standard
input closes."""
import asyncio
import os
import signal
import sys
import threading


async def main():
    host, port, pid_file = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    held_ppd, gate = None, None
    if len(sys.argv) == 6:
        held_ppd = ("GET /printers/" + sys.argv[4] + ".ppd").encode()
        gate = sys.argv[5]
    stopped = False

    async def pipe(reader, writer, upstream):
        nonlocal stopped
        try:
            while True:
                data = await reader.read(65536)
                if not data:
                    break
                if not upstream:
                    pass
                elif held_ppd:
                    if held_ppd in data:
                        open(os.path.join(gate, "held"), "w").close()
                        while not os.path.exists(os.path.join(gate, "go")):
                            await asyncio.sleep(0.02)
                elif not stopped and b"GET /printers/" in data and b".ppd" in data:
                    stopped = True
                    with open(pid_file) as f:
                        os.kill(int(f.read().strip()), signal.SIGSTOP)
                writer.write(data)
                await writer.drain()
        except (OSError, asyncio.IncompleteReadError):
            pass
        finally:
            writer.close()

    async def client(reader, writer):
        try:
            up_reader, up_writer = await asyncio.open_connection(host, port)
        except OSError:
            writer.close()
            return
        await asyncio.gather(pipe(reader, up_writer, True), pipe(up_reader, writer, False))

    server = await asyncio.start_server(client, "127.0.0.1", 0)
    print(server.sockets[0].getsockname()[1], flush=True)
    async with server:
        await server.serve_forever()


def end_with_stdin():
    sys.stdin.read()
    os._exit(0)


threading.Thread(target=end_with_stdin, daemon=True).start()
asyncio.run(main())
