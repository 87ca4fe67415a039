# SPDX-License-Identifier: GPL-3.0-or-later
"""A speech server that speaks nothing and keeps every text: it answers the speech-dispatcher
protocol (SSIP) on a private unix socket, so a screen reader pointed at it (SPEECHD_ADDRESS)
is heard exactly, without an audio stack.

    with SpeechRecorder(folder) as speech:
        env["SPEECHD_ADDRESS"] = speech.address
        ...
        speech.wait_for(lambda said: "Board" in said)

`heard` holds the spoken texts in order, markup stripped; key and character echoes are
kept too, as "key: NAME" and "char: C"."""

import html
import os
import re
import socket
import threading
import time

from waiting import limit, wait_until

CRLF = b"\r\n"


class SpeechRecorder:
    def __init__(self, folder):
        self.path = os.path.join(folder, "speech.sock")
        self.address = "unix_socket:" + self.path
        self.heard = []
        self._lock = threading.Lock()
        self._next_message = 1

    def __enter__(self):
        self._server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self._server.bind(self.path)
        self._server.listen(4)
        threading.Thread(target=self._accept, daemon=True).start()
        return self

    def __exit__(self, *exc):
        self._server.close()
        return False

    # -- what was said ---------------------------------------------------------------------

    def mark(self):
        """A place in the transcript; `since(mark)` gives what was said after it."""
        with self._lock:
            return len(self.heard)

    def since(self, mark):
        with self._lock:
            return self.heard[mark:]

    def wait_for(self, predicate, mark=0, timeout=None, what="speech", quiet=0.4):
        """Waits until predicate(text said since mark, one line per utterance) holds, then
        lets the speech settle (nothing new for a moment) and returns that text. A time-out
        tells the last words said since mark."""
        def said():
            return "\n".join(self.since(mark))
        wait_until(lambda: predicate(said()), timeout, what, lambda: time.sleep(0.05),
                   lambda: f"the words {said()!r}" if said() else "silence")
        return self.settle(mark, quiet)

    def settle(self, mark=0, quiet=0.4, timeout=5.0):
        """What was said since mark, once nothing new has come for `quiet` seconds (or, if
        the talk goes on, after `timeout`)."""
        deadline = time.monotonic() + limit(timeout)
        count, since = self.mark(), time.monotonic()
        while time.monotonic() - since < quiet and time.monotonic() < deadline:
            time.sleep(0.05)
            if self.mark() != count:
                count, since = self.mark(), time.monotonic()
        return "\n".join(self.since(mark))

    # -- the protocol ----------------------------------------------------------------------

    def _accept(self):
        while True:
            try:
                client, _ = self._server.accept()
            except OSError:
                return
            threading.Thread(target=self._serve, args=(client,), daemon=True).start()

    def _keep(self, text):
        with self._lock:
            self.heard.append(text)

    def _serve(self, client):
        buffer = b""
        data = None  # the lines of a SPEAK body while it is being received

        def reply(code, text, lines=()):
            out = b"".join(f"{code}-{line}".encode() + CRLF for line in lines)
            client.sendall(out + f"{code} {text}".encode() + CRLF)

        while True:
            try:
                chunk = client.recv(65536)
            except OSError:
                return
            if not chunk:
                return
            buffer += chunk
            while CRLF in buffer:
                raw, buffer = buffer.split(CRLF, 1)
                line = raw.decode("utf-8", "replace")
                if data is not None:
                    if line != ".":
                        data.append(line[1:] if line.startswith("..") else line)
                        continue
                    self._keep(plain("\n".join(data)))
                    data, number = None, self._next_message
                    self._next_message += 1
                    # No progress events follow: only a say-all waits for them.
                    reply(225, "OK MESSAGE QUEUED", [str(number)])
                    continue
                words = line.split(" ", 2)
                command = words[0].upper()
                if command == "SPEAK":
                    data = []
                    reply(230, "OK RECEIVING DATA")
                elif command in ("KEY", "CHAR"):
                    self._keep(f"{command.lower()}: {line.split(' ', 1)[1]}")
                    reply(225, "OK MESSAGE QUEUED", [str(self._next_message)])
                    self._next_message += 1
                elif command == "HISTORY":
                    reply(245, "OK CLIENT ID SENT", ["1"])
                elif command == "LIST":
                    kind = words[1].upper() if len(words) > 1 else ""
                    if kind == "OUTPUT_MODULES":
                        reply(250, "OK MODULE LIST SENT", ["recorder"])
                    else:
                        reply(249, "OK VOICE LIST SENT", ["recorder\ten\tnone"])
                elif command == "GET":
                    reply(251, "OK GET RETURNED", ["0"])
                elif command == "QUIT":
                    reply(231, "HAPPY HACKING")
                    client.close()
                    return
                else:
                    reply(200, "OK")


def plain(ssml):
    """The words of an SSML text, without its tags and marks."""
    return html.unescape(re.sub(r"<[^>]*>", "", ssml)).strip()
