#!/usr/bin/python3
"""Loopback SMTP server for the mail transport tests.

Binds 127.0.0.1 on a free port, prints "READY <port>" on stdout and then
writes every accepted message to the output folder as <n>.eml (the raw DATA)
and <n>.json (envelope, login and whether the session ran over TLS). It ends
when stdin closes, so a crashed test never leaves it behind.
"""

import argparse
import asyncio
import email
import email.policy
import binascii
import json
import os
import socket
import ssl
import sys
from base64 import b64decode, b64encode

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword, MISSING


class RecordingHandler:
    def __init__(self, out_dir, stall=False):
        self.out_dir = out_dir
        self.count = 0
        self.stall = stall

    async def handle_DATA(self, server, session, envelope):
        if self.stall:
            # Takes the whole message, then never answers the final dot.
            with open(os.path.join(self.out_dir, "stalled"), "wb") as f:
                f.write(envelope.original_content or envelope.content)
            await asyncio.sleep(3600)
        self.count += 1
        base = os.path.join(self.out_dir, str(self.count))
        with open(base + ".eml.part", "wb") as f:
            f.write(envelope.original_content or envelope.content)
        login = session.auth_data.login.decode() if isinstance(session.auth_data, LoginPassword) else None
        meta = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "login": login,
            "tls": server.transport.get_extra_info("ssl_object") is not None,
        }
        meta.update(parse(envelope.original_content or envelope.content))
        with open(base + ".json.part", "w") as f:
            json.dump(meta, f)
        # Renamed only when complete: the test reads them as soon as the client returns.
        os.rename(base + ".eml.part", base + ".eml")
        os.rename(base + ".json.part", base + ".json")
        return "250 Message accepted for delivery"


def parse(raw):
    """The message as a mail reader sees it, decoded by Python's email package."""
    msg = email.message_from_bytes(raw, policy=email.policy.default)
    body = msg.get_body(preferencelist=("plain",))
    attachments = []
    for part in msg.iter_attachments():
        attachments.append({
            "filename": part.get_filename(),
            "content_type": part.get_content_type(),
            "data": b64encode(part.get_payload(decode=True)).decode(),
        })
    return {
        "subject": str(msg["subject"]),
        "from": str(msg["from"]),
        "to": str(msg["to"]),
        "date": str(msg["date"]),
        "message_id": str(msg["message-id"]),
        "body": body.get_content() if body is not None else None,
        "defects": [type(d).__name__ for part in msg.walk() for d in part.defects],
        "attachments": attachments,
    }


class FixtureSMTP(SMTP):
    async def challenge_auth(self, challenge, encode_to_b64=True, log_client_response=False):
        # RFC 4954 sends an empty response as "=", which aiosmtpd cannot decode;
        # an empty user name for LOGIN arrives exactly like that.
        if isinstance(challenge, str):
            challenge = challenge.encode()
        await self.push(b"334 " + (b64encode(challenge) if encode_to_b64 else challenge))
        blob = (await self._reader.readline()).strip()
        if blob == b"*":
            await self.push("501 5.7.0 Auth aborted")
            return MISSING
        if blob == b"=":
            return b""
        try:
            return b64decode(blob, validate=True)
        except binascii.Error:
            await self.push("501 5.5.2 Can't decode base64")
            return MISSING


def make_authenticator(user, password):
    def authenticate(server, session, envelope, mechanism, auth_data):
        if (mechanism == "LOGIN" and isinstance(auth_data, LoginPassword)
                and auth_data.login.decode() == user and auth_data.password.decode() == password):
            return AuthResult(success=True, auth_data=auth_data)
        # handled=False makes aiosmtpd answer 535; otherwise the client waits forever.
        return AuthResult(success=False, handled=False)
    return authenticate


async def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--out", required=True)
    parser.add_argument("--tls", choices=["none", "starttls", "implicit"], default="none")
    parser.add_argument("--cert")
    parser.add_argument("--key")
    parser.add_argument("--user")
    parser.add_argument("--password")
    parser.add_argument("--stall-after-data", action="store_true")
    args = parser.parse_args()

    context = None
    if args.tls != "none":
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(args.cert, args.key)

    handler = RecordingHandler(args.out, stall=args.stall_after_data)
    auth = {}
    if args.password is not None or args.user is not None:
        auth = dict(authenticator=make_authenticator(args.user or "", args.password or ""),
                    auth_required=True, auth_require_tls=False)

    loop = asyncio.get_running_loop()

    def factory():
        return FixtureSMTP(handler, hostname="localhost", loop=loop,
                           tls_context=context if args.tls == "starttls" else None, **auth)

    sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    sock.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    sock.bind(("127.0.0.1", 0))
    server = await loop.create_server(factory, sock=sock,
                                      ssl=context if args.tls == "implicit" else None)
    print("READY", sock.getsockname()[1], flush=True)

    stdin_closed = loop.create_future()
    loop.add_reader(sys.stdin.fileno(), lambda: stdin_closed.done() or (
        sys.stdin.buffer.read1(4096) or stdin_closed.set_result(None)))
    await stdin_closed
    server.close()


if __name__ == "__main__":
    asyncio.run(main())
