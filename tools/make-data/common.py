"""Shared helpers of the data generator: paths and the writing of data files.

Every file the program reads is 8-bit Latin-1 text with CR LF line ends.
"""

import os

CHECKOUT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
DEFAULT_SOURCES = os.path.normpath(os.path.join(CHECKOUT, "..", "shared", "data-sources"))
DEFAULT_OUTPUT = os.path.join(CHECKOUT, "data")


class Context:
    """Where the raw sources are and where the data files go."""

    def __init__(self, sources, output):
        self.sources = sources
        self.output = output

    def source(self, *parts):
        return os.path.join(self.sources, *parts)

    def read_text(self, *parts, encoding="utf-8"):
        with open(self.source(*parts), encoding=encoding, newline="") as f:
            return f.read()

    def source_lines(self, *parts, encoding="utf-8"):
        return self.read_text(*parts, encoding=encoding).splitlines()

    def write_lines(self, name, lines):
        """Writes text lines as Latin-1 with CR LF; characters outside Latin-1 are an error."""
        data = "".join(line + "\r\n" for line in lines).encode("latin-1")
        self.write_bytes(name, data)

    def write_bytes(self, name, data):
        path = os.path.join(self.output, name)
        with open(path, "wb") as f:
            f.write(data)


def fixed(value, width, decimals):
    """A number right-aligned in `width` columns with `decimals` decimals; it must fit."""
    text = "%*.*f" % (width, decimals, value)
    if text.startswith("-0.") and float(text) == 0.0:
        text = text.replace("-0.", " 0.", 1)
    if len(text) != width:
        raise ValueError("%r does not fit in %d columns" % (text, width))
    return text


def text_field(text, width):
    """Text padded with blanks on the right to `width`, cut if longer."""
    return text[:width].ljust(width)
