"""Skin packages as the end-to-end tests make them: the stored skin read apart, a variant of it
whose every colour has its channels turned round (red takes green's value, green blue's, blue
red's), packed again, and the record of the preview interface that names a skin."""

import re
import struct
import subprocess
import zlib
from pathlib import Path

SIGNATURE = b"ASzf"
PREVIEW_MARKER = 0xA400
PREVIEW_COPYDATA_ID = 7
NAME_BYTES, DIRECTORY_BYTES, OPTIONS_BYTES = 128, 512, 30001
KEY_COLOUR = (255, 0, 255)  # never changed: it marks what is cut out

# Option keys whose values are colours written blue-green-red, and those written
# alpha-red-green-blue (the button faces' gradient colours).
BGR_KEY = re.compile(r"^(HOT)?(COLOR|FONTCOLOR)2?$|^BORDERCOLOR$|^GRIDLINE$|^EDITTEXT_|^EDITBG_|"
                     r"^BTNBORDER|^BTNFONT|^SHADOW1COLOR$")
ARGB_KEY = re.compile(r"^BTNCOLOR")
GRADIENT_KEY = re.compile(r"^(HOT)?GRADIENTDATA2?$")


def turned(rgb):
    """The colour with its channels turned round: (r, g, b) becomes (g, b, r)."""
    r, g, b = rgb
    return g, b, r


def read_package(data):
    """The members of a package as [(name, bytes)] and the preview block after them."""
    if data[:4] != SIGNATURE:
        raise ValueError("not a skin package")
    count, = struct.unpack_from("<I", data, 4)
    at, members = 8, []
    for _ in range(count):
        length, = struct.unpack_from("<I", data, at)
        name = data[at + 4:at + 4 + length].decode("latin-1")
        at += 4 + length
        size, = struct.unpack_from("<I", data, at)
        at += 4
        inflater = zlib.decompressobj()
        content = inflater.decompress(data[at:])
        if len(content) != size:
            raise ValueError(f"member {name} is {len(content)} bytes, not {size}")
        at = len(data) - len(inflater.unused_data)
        members.append((name, content))
    return members, data[at:]


def write_package(members, preview):
    out = bytearray(SIGNATURE) + struct.pack("<I", len(members))
    for name, content in members:
        encoded = name.encode("latin-1")
        out += struct.pack("<I", len(encoded)) + encoded + struct.pack("<I", len(content))
        out += zlib.compress(content, 9)
    return bytes(out + preview)


def _turned_bgr(value):
    if value < 0 or value > 0xFFFFFF:
        return value  # a system colour or none: not the skin's own
    r, g, b = value & 0xFF, value >> 8 & 0xFF, value >> 16 & 0xFF
    r, g, b = turned((r, g, b))
    return b << 16 | g << 8 | r


def _turned_argb(value):
    unsigned = value & 0xFFFFFFFF
    r, g, b = unsigned >> 16 & 0xFF, unsigned >> 8 & 0xFF, unsigned & 0xFF
    r, g, b = turned((r, g, b))
    result = (unsigned & 0xFF000000) | r << 16 | g << 8 | b
    return result - (1 << 32) if result & 0x80000000 else result


def _turned_gradient(value):
    """Each stop is five numbers, its two colours first."""
    fields = value.split(";")
    for i, field in enumerate(fields):
        if i % 5 < 2 and field.lstrip("-").isdigit():
            fields[i] = str(_turned_bgr(int(field)))
    return ";".join(fields)


def turned_options(text):
    lines = []
    for line in text.split("\r\n"):
        key, sep, value = line.partition("=")
        if sep and BGR_KEY.search(key) and value.lstrip("-").isdigit():
            value = str(_turned_bgr(int(value)))
        elif sep and ARGB_KEY.search(key) and value.lstrip("-").isdigit():
            value = str(_turned_argb(int(value)))
        elif sep and GRADIENT_KEY.search(key):
            value = _turned_gradient(value)
        lines.append(key + sep + value if sep else line)
    return "\r\n".join(lines)


def turned_bmp(data):
    """A 24-bit bitmap with every pixel but the key colour turned."""
    offset, = struct.unpack_from("<I", data, 10)
    width, height = struct.unpack_from("<ii", data, 18)
    bits, = struct.unpack_from("<H", data, 28)
    if bits != 24:
        raise ValueError(f"a {bits}-bit bitmap")
    stride = (width * 3 + 3) // 4 * 4
    out = bytearray(data)
    for row in range(abs(height)):
        start = offset + row * stride
        for x in range(start, start + width * 3, 3):
            b, g, r = out[x], out[x + 1], out[x + 2]
            if (r, g, b) != KEY_COLOUR:
                r, g, b = turned((r, g, b))
                out[x], out[x + 1], out[x + 2] = b, g, r
    return bytes(out)


def turned_picture(data, suffix, work):
    """A JPEG or PNG member turned by ImageMagick."""
    source, target = Path(work) / f"in{suffix}", Path(work) / f"out{suffix}"
    source.write_bytes(data)
    subprocess.run(["convert", str(source), "-color-matrix", "0 1 0 0 0 1 1 0 0",
                    "-quality", "95", str(target)], check=True)
    return target.read_bytes()


def turned_package(data, work):
    """The package with every colour of its options and its pictures turned."""
    members, preview = read_package(data)
    out = []
    for name, content in members:
        upper = name.upper()
        if upper.endswith(".DAT"):
            content = turned_options(content.decode("latin-1")).encode("latin-1")
        elif upper.endswith(".BMP"):
            content = turned_bmp(content)
        elif upper.endswith((".JPG", ".JPEG", ".PNG")):
            content = turned_picture(content, Path(name).suffix.lower(), work)
        out.append((name, content))
    return write_package(out, preview)


def with_options(data, change):
    """The package with its options text replaced by `change(text)`."""
    members, preview = read_package(data)
    return write_package([(n, change(c.decode("latin-1")).encode("latin-1"))
                          if n.upper() == "OPTIONS.DAT" else (n, c) for n, c in members], preview)


def options_of(data):
    """The options text of a package."""
    members, _ = read_package(data)
    return next(c for n, c in members if n.upper() == "OPTIONS.DAT").decode("latin-1")


def preview_record(name, directory, options=""):
    """The copy-data record of the preview interface: the marker, then the skin's name, its
    directory and an options text, each zero-terminated in a field of its own."""
    def field(text, size):
        encoded = text.encode("latin-1")
        if len(encoded) >= size:
            raise ValueError(f"{text[:20]!r}... does not fit in {size} bytes")
        return encoded + bytes(size - len(encoded))

    return (struct.pack("<I", PREVIEW_MARKER) + field(name, NAME_BYTES)
            + field(directory, DIRECTORY_BYTES) + field(options, OPTIONS_BYTES))


def wine_path(path):
    """A path of this machine as the program in the emulation sees it."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")
