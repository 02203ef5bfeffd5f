#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Converts tests/data/vcard_round_trip.txt to vCard with nickbridge-convert and reads the file
back with a real vCard reader (Debian's python3-vobject), field by field.

Usage: vcard_round_trip.py NICKBRIDGE_CONVERT DATA_DIR
"""
import os
import subprocess
import sys
import tempfile
import uuid

import vobject

# NickBridge's namespace for the cards' UIDs (README: "The vCard export").
UID_NAMESPACE = uuid.UUID("31ecaae8-9fac-47c4-8188-ad5e563009ae")

NOTE = ("Met at the Z\u00fcrich fair; likes \"strong\" coffee, no sugar.\n"
        "Path: C:\\Eudora\\nick.txt\n"
        "Owes me 20 \u20ac \u2013 ask in May, or June; or later.\n")


def expected_note():
    note = NOTE.replace("\n", "\x03")
    while len(note.encode("cp1252")) < 300:
        note += "Notes go on, line after line; with commas, too. "
    return note[:300].replace("\x03", "\n").strip()


failures = []


def check(what, got, expected):
    if got != expected:
        failures.append(f"{what}: read {got!r}, expected {expected!r}")


def values(card, name):
    return [line.value for line in card.contents.get(name, [])]


def main():
    program, data = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as folder:
        output = os.path.join(folder, "contacts.vcf")
        subprocess.run([program, os.path.join(data, "vcard_round_trip.txt"), output], check=True)
        raw = open(output, "rb").read()
        text = raw.decode("utf-8")  # fails on anything but UTF-8
        cards = list(vobject.readComponents(text))

    check("byte-order mark", raw[:3] == b"\xef\xbb\xbf", False)
    check("number of cards", len(cards), 2)
    rene, crew = cards

    check("FN", rene.fn.value, "Ren\u00e9 O\u2019Hara, Jr.")
    check("N family", rene.n.value.family, "O\u2019Hara; Jr.")
    check("N given", rene.n.value.given, "Ren\u00e9")
    check("NICKNAME", rene.nickname.value, "ren\u00e9")
    check("EMAIL", values(rene, "email"), ["rene@example.com"])
    check("TEL", values(rene, "tel"), ["+1 555 0100, ext. 7"])
    check("TEL type", rene.tel.params.get("TYPE"), ["HOME", "VOICE"])
    adr = rene.adr.value
    check("ADR street", adr.street, "1 Rue de l\u2019\u00c9glise\nApt; 4")
    check("ADR city", adr.city, "Montr\u00e9al")
    check("ADR code", adr.code, "H2X 1Y4")
    check("ADR country", adr.country, "Canada")
    check("ADR type", rene.adr.params.get("TYPE"), ["HOME"])
    check("ORG", rene.org.value, ["Caf\u00e9 M\u00fcller; Sons"])
    check("TITLE", rene.title.value, "Chef \\ Owner")
    check("NOTE", rene.note.value, expected_note())
    check("UID", rene.uid.value, "urn:uuid:" + str(uuid.uuid5(UID_NAMESPACE, "ren\u00e9")))

    check("list FN", crew.fn.value, "Crew \"The Three\"")
    check("list NICKNAME", crew.nickname.value, "crew")
    check("list EMAIL", values(crew, "email"),
          ["zo\u00eb@example.com", "bjork@example.com", "rene@example.com"])
    check("list UID", crew.uid.value, "urn:uuid:" + str(uuid.uuid5(UID_NAMESPACE, "crew")))

    for failure in failures:
        print(failure, file=sys.stderr)
    if failures:
        return 1
    print("vCard read back by vobject: 2 cards, every field as written")
    return 0


if __name__ == "__main__":
    sys.exit(main())
