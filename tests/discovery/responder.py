#!/usr/bin/env python3
"""A scripted SNMPv1 agent on the loopback, for answers a real agent never gives.

Usage: responder.py PORT MODE
  repeat  serves one profile row, then answers every later GETNEXT with the
          row's last variable again (an OID that does not increase)
  empty   answers every request with an empty variable list
  silent  answers only GET requests (so the test can see it is up); never
          answers a GETNEXT
Every answer is hand-built BER; only 127.0.0.1 is ever bound.
"""
import socket
import sys

ENTRY = (1, 3, 6, 1, 4, 1, 18334, 1, 1, 1, 1, 6, 13, 1, 1)
INTEGER, OCTET_STRING, NULL, OID, SEQUENCE = 0x02, 0x04, 0x05, 0x06, 0x30
GET, GETNEXT, RESPONSE = 0xA0, 0xA1, 0xA2

# One row: (column, row) -> (type, value)
ROW = [
    ((1, 1, 1), INTEGER, 9),
    ((2, 1, 1), INTEGER, 4),
    ((3, 1, 1), OCTET_STRING, b"Repeated"),
    ((4, 1, 1), OCTET_STRING, b"REP.ICC"),
    ((5, 1, 1), INTEGER, 1),
]


def length(n):
    if n < 0x80:
        return bytes([n])
    body = n.to_bytes((n.bit_length() + 7) // 8, "big")
    return bytes([0x80 | len(body)]) + body


def tlv(tag, body):
    return bytes([tag]) + length(len(body)) + body


def enc_int(v):
    return tlv(INTEGER, v.to_bytes(max(1, (v.bit_length() + 8) // 8), "big", signed=True))


def enc_oid(sub):
    body = bytes([40 * sub[0] + sub[1]])
    for s in sub[2:]:
        chunk = [s & 0x7F]
        s >>= 7
        while s:
            chunk.insert(0, 0x80 | (s & 0x7F))
            s >>= 7
        body += bytes(chunk)
    return tlv(OID, body)


def dec_oid(body):
    sub = [body[0] // 40, body[0] % 40]
    v = 0
    for b in body[1:]:
        v = (v << 7) | (b & 0x7F)
        if not b & 0x80:
            sub.append(v)
            v = 0
    return tuple(sub)


def read(data, pos):
    """One TLV at pos: (tag, body, next position)."""
    tag = data[pos]
    n = data[pos + 1]
    pos += 2
    if n & 0x80:
        k = n & 0x7F
        n = int.from_bytes(data[pos:pos + k], "big")
        pos += k
    return tag, data[pos:pos + n], pos + n


def parse(packet):
    """(community, pdu type, request id, first requested OID) of a v1 message."""
    _, msg, _ = read(packet, 0)
    _, _, p = read(msg, 0)
    _, community, p = read(msg, p)
    pdu_type, pdu, _ = read(msg, p)
    _, reqid, p = read(pdu, 0)
    _, _, p = read(pdu, p)
    _, _, p = read(pdu, p)
    _, vbl, _ = read(pdu, p)
    _, vb, _ = read(vbl, 0)
    _, name, _ = read(vb, 0)
    return community, pdu_type, reqid, dec_oid(name)


def answer(community, reqid, varbinds):
    vbl = b"".join(tlv(SEQUENCE, enc_oid(o) + v) for o, v in varbinds)
    pdu = tlv(INTEGER, reqid) + enc_int(0) + enc_int(0) + tlv(SEQUENCE, vbl)
    return tlv(SEQUENCE, enc_int(0) + tlv(OCTET_STRING, community) + tlv(RESPONSE, pdu))


def value(kind, v):
    return enc_int(v) if kind == INTEGER else tlv(OCTET_STRING, v)


def next_in_row(requested):
    for suffix, kind, v in ROW:
        name = ENTRY + suffix
        if name > requested:
            return name, value(kind, v)
    suffix, kind, v = ROW[-1]
    return ENTRY + suffix, value(kind, v)


def main():
    port, mode = int(sys.argv[1]), sys.argv[2]
    sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    sock.bind(("127.0.0.1", port))
    while True:
        packet, peer = sock.recvfrom(65535)
        try:
            community, pdu_type, reqid, requested = parse(packet)
        except (IndexError, ValueError):
            continue
        if pdu_type == GET:
            reply = answer(community, reqid, [] if mode == "empty" else [(requested, tlv(NULL, b""))])
        elif mode == "silent":
            continue
        elif mode == "empty":
            reply = answer(community, reqid, [])
        else:
            reply = answer(community, reqid, [next_in_row(requested)])
        sock.sendto(reply, peer)


if __name__ == "__main__":
    main()
