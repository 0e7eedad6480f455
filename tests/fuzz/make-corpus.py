#!/usr/bin/env python3
"""Writes the hand-made edge files of the fuzz seed corpus into corpus/.

The sample collections under samples/ seed the ordinary layout; these files
seed the corners: empty and cut-off files, counts the layout does not allow,
remark links past the pool, fields without terminators and 0xCC name bytes.
"""
import os
import struct

RECORD = 816
REMARK = 48
FIELDS = [(2, "name"), (23, "name"), (44, "email"), (107, "all"), (122, "all"),
          (137, "all"), (152, "all"), (161, "all")]


def scramble(record):
    for zero in (22, 43, 106, 121, 160, 169):
        record[zero] = 0
    for offset, kind in FIELDS:
        length = 0
        while offset + length < RECORD and record[offset + length] != 0:
            length += 1
        for i in range(length):
            value = record[offset + i]
            if value == 0xCC and (kind == "name" or (kind == "email" and i < 30)):
                continue
            record[offset + i] = (value + i + 52) % 256


def header(count, remarks, month, group=3, secretary=b"secretary@example.org"):
    record = bytearray(RECORD)
    record[44:44 + len(secretary)] = secretary
    record[180] = count & 0xFF
    record[181] = group
    struct.pack_into("<H", record, 184, remarks)
    record[238] = month
    return record


def publisher(first, last, email=b"", phones=(b"", b"", b""), month=5, slot=0,
              shared=True, hours=0, studies=0, remark=0, status=0, late=()):
    record = bytearray(RECORD)
    record[2:2 + len(first)] = first
    record[23:23 + len(last)] = last
    record[44:44 + len(email)] = email
    for offset, number in zip((107, 122, 137), phones):
        record[offset:offset + len(number)] = number
    for m in late:
        record[152 + m if m < 6 else 155 + m] = 1
    s = month * 3 + slot
    record[202 + s] = status
    struct.pack_into("<H", record, 384 + 2 * s, hours)
    struct.pack_into("<H", record, 528 + 2 * s, studies | (0x0800 if shared else 0))
    struct.pack_into("<H", record, 600 + 2 * s, remark)
    scramble(record)
    return record


def remark(text):
    record = bytearray(REMARK)
    record[:len(text)] = text
    return record


def write(name, *parts):
    with open(os.path.join(os.path.dirname(__file__), "corpus", name), "wb") as out:
        for part in parts:
            out.write(part)


def main():
    group = [
        publisher(b"Anna", b"Berg", b"anna@example.org", (b"0301234567", b"12345", b""),
                  hours=12, studies=2, status=2, late=(4, 7)),
        publisher(b"Carl\xcc", b"\xccDahl", b"c" * 30 + b"\xcc@example.org",
                  (b"", b"0409876543", b"0171234567"), shared=False, remark=2),
        publisher(b"Eva", b"Fisher", b"not-an-address", remark=300, status=1),
    ]
    notes = [remark(b"Sick %s %d"), remark(b"x" * 48)]
    write("empty.k09")
    write("header-only.k09", header(0, 0, 5))
    write("group.k09", header(3, 2, 5), *group, *notes)
    write("cut-in-record.k09", (header(3, 2, 5) + b"".join(group))[:RECORD * 2 + 400])
    write("cut-in-remarks.k09", header(3, 2, 5), *group, notes[0][:20])
    write("count-beyond-file.k09", header(127, 0, 5), *group[:2])
    write("negative-count.k09", header(-2, 0, 5), *group)
    write("month-beyond-december.k09", header(3, 0, 12), *group)
    write("january.k09", header(3, 1, 0), *group, notes[0])
    write("full-remark-pool.k09", header(2, 254, 5), *group[:2], *(notes * 127))
    write("huge-remark-count.k09", header(2, 0xFFFF, 5), *group[:2], *notes)
    unterminated = bytearray(RECORD)
    unterminated[2:170] = bytes(range(1, 169))
    write("unterminated-fields.k09", header(2, 0, 5), unterminated, group[0])


if __name__ == "__main__":
    main()
