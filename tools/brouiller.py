#!/usr/bin/env python3
"""Scrambles texts for the about box: reads lines "key<TAB>text" on standard
input and prints, for each, a C++ initialiser {"key", "scrambled bytes"}.

Each byte of the text's UTF-8 form becomes (byte + key byte + len(key) // 2)
mod 256, the key restarting after its last character; the program's Decoder
undoes this.
"""
import sys


def brouiller(cle: bytes, texte: bytes) -> bytes:
    h = len(cle) // 2
    return bytes((b + cle[i % len(cle)] + h) % 256 for i, b in enumerate(texte))


def litteral(octets: bytes) -> str:
    return '"' + "".join(f"\\x{b:02x}" for b in octets) + '"'


for ligne in sys.stdin.read().splitlines():
    if not ligne.strip():
        continue
    cle, texte = ligne.split("\t", 1)
    if 0 in brouiller(cle.encode(), texte.encode()):
        sys.exit(f"key {cle!r} gives a zero byte, which would end the C string: choose another")
    print(f'    {{"{cle}", {litteral(brouiller(cle.encode(), texte.encode()))}}},')
