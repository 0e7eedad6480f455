#!/usr/bin/python3
"""A small SMTP server for the mail tests, bound to 127.0.0.1 only.

Prints its port once it accepts connections and runs until its standard input
closes. Every message received is saved in OUTDIR as N.json (envelope,
headers, body text, attachment names), N.eml (the message as it arrived) and
N.attachK (the attachments' bytes, decoded). With --password the server
offers AUTH without TLS and requires it with that password; every AUTH a
client sends adds a line to OUTDIR/auth.log. With --silent the server accepts
connections and never says a word.
"""
import argparse
import logging
import warnings
import email
import email.policy
import json
import os
import socket
import sys
import threading

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword


class SavingHandler:
    def __init__(self, outdir):
        self.outdir = outdir
        self.count = 0

    async def handle_DATA(self, server, session, envelope):
        message = email.message_from_bytes(envelope.content, policy=email.policy.default)
        raw_headers = email.message_from_bytes(envelope.content, policy=email.policy.compat32)
        stem = os.path.join(self.outdir, str(self.count))
        self.count += 1
        with open(stem + ".eml", "wb") as out:
            out.write(envelope.content)
        body = ""
        attachments = []
        for part in message.walk():
            if part.is_multipart():
                continue
            if part.get_filename() is not None:
                path = "%s.attach%d" % (stem, len(attachments))
                with open(path, "wb") as out:
                    out.write(part.get_payload(decode=True))
                attachments.append(part.get_filename())
            elif part.get_content_type() == "text/plain":
                body = part.get_content()
        record = {
            "mailFrom": envelope.mail_from,
            "rcptTos": envelope.rcpt_tos,
            "subject": str(message["Subject"]),
            "rawSubject": str(raw_headers["Subject"]),
            "date": str(message["Date"]),
            "messageId": str(message["Message-ID"]),
            "from": str(message["From"]),
            "to": str(message["To"]),
            "body": body,
            "attachments": attachments,
        }
        with open(stem + ".json.part", "w", encoding="utf-8") as out:
            json.dump(record, out)
        os.rename(stem + ".json.part", stem + ".json")
        return "250 OK"


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def run_silent():
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen()
    connections = []

    def accept():
        while True:
            connections.append(listener.accept()[0])

    threading.Thread(target=accept, daemon=True).start()
    print(listener.getsockname()[1], flush=True)
    sys.stdin.read()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("outdir")
    parser.add_argument("--password")
    parser.add_argument("--silent", action="store_true")
    args = parser.parse_args()
    warnings.simplefilter("ignore")
    logging.disable(logging.WARNING)
    if args.silent:
        run_silent()
        return

    options = {}
    if args.password is not None:
        def authenticate(server, session, envelope, mechanism, data):
            with open(os.path.join(args.outdir, "auth.log"), "a") as log:
                log.write(mechanism + "\n")
            ok = isinstance(data, LoginPassword) and data.password == args.password.encode()
            return AuthResult(success=ok, handled=False)

        options = dict(authenticator=authenticate, auth_required=True, auth_require_tls=False)

    controller = Controller(SavingHandler(args.outdir), hostname="127.0.0.1", port=free_port(),
                            **options)
    controller.start()
    print(controller.port, flush=True)
    sys.stdin.read()
    controller.stop()


if __name__ == "__main__":
    main()
