#!/usr/bin/env python3
"""Prints a C++ string literal holding the CP949 bytes of each UTF-8 argument, with the text
itself in a comment above it. Korean texts live in the sources as these escaped bytes, so they
compile to the same bytes with any compiler and any source or execution character set."""
import sys

def literal(text: str) -> str:
    out, after_escape = [], False
    for byte in text.encode("cp949"):
        if byte < 0x80:
            ch = chr(byte)
            if after_escape and ch in "0123456789abcdefABCDEF":
                out.append('" "')  # end the escape before a following hex digit
            out.append("\\" + ch if ch in '"\\' else ch)
            after_escape = False
        else:
            out.append("\\x%02X" % byte)
            after_escape = True
    return '"' + "".join(out) + '"'

for arg in sys.argv[1:]:
    print(f'// "{arg}"\n{literal(arg)}')
