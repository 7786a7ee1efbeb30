#!/usr/bin/env python3
"""Writes the fuzzer's seed corpus from a good elementDat.edb.

    fuzz/make_corpus.py build/elementDat.edb fuzz/corpus

The seeds are the whole file, a few short tables, and malformed variants that
stop at each of the reader's checks.
"""
import os
import struct
import sys

RECORD = 492
# Offsets inside a record of the fields the reader validates.
LEVEL_COUNT, LEVEL_ELECTRONS, CLASSIFICATION, STATE = 27, 29, 55, 481


def header(count):
    return struct.pack('<h', count)


def main(source, target):
    data = open(source, 'rb').read()
    (n,) = struct.unpack_from('<h', data)
    records = [data[2 + i * RECORD:2 + (i + 1) * RECORD] for i in range(n)]
    first3 = b''.join(records[:3])

    def patched(index, offset, fmt, value):
        rec = bytearray(records[index])
        struct.pack_into(fmt, rec, offset, value)
        return header(3) + b''.join(records[:index]) + bytes(rec) + b''.join(records[index + 1:3])

    seeds = {
        'whole_table.edb': data,
        'three_records.edb': header(3) + first3,
        'one_record.edb': header(1) + records[0],
        'og_only_slot1.edb': header(1) + records[-1],
        'trailing_bytes.edb': header(3) + first3 + b'\xff' * 100,
        'count_zero.edb': header(0) + first3,
        'count_negative.edb': b'\xff\xff' + first3,
        'count_119.edb': header(119) + data[2:] + records[-1],
        'short_last_record.edb': header(3) + first3[:-200],
        'header_only.edb': header(5),
        'one_byte.edb': b'\x03',
        'empty.edb': b'',
        'bad_classification.edb': patched(1, CLASSIFICATION, '<h', 11),
        'bad_state.edb': patched(2, STATE, '<h', -1),
        'bad_level_count.edb': patched(0, LEVEL_COUNT, '<h', 8),
        'bad_level_electrons.edb': patched(1, LEVEL_ELECTRONS + 2, '<h', 0),
        'undefined_cp1252_byte.edb': patched(0, 10, 'B', 0x81),
    }
    os.makedirs(target, exist_ok=True)
    for name, content in seeds.items():
        with open(os.path.join(target, name), 'wb') as f:
            f.write(content)


if __name__ == '__main__':
    if len(sys.argv) != 3:
        sys.exit('usage: make_corpus.py <elementDat.edb> <corpus folder>')
    main(sys.argv[1], sys.argv[2])
