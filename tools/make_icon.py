#!/usr/bin/env python3
"""Draws picoron's icon and writes it as win/res/picoron.ico.

The picture is described once, in a 32 x 32 design grid: a clipboard with a
yellow frame and a grey clip at its top, and a blue dolphin leaping across
it. Each image size (16, 32, 48) samples that description at its own scale,
so all of them show the same picture. The .ico holds 8-bit (256-colour)
images with a transparency mask.
"""
import math
import struct
import sys
from pathlib import Path

TRANSPARENT = None
PALETTE = {
    "frame": (0xF2, 0xC0, 0x1E),      # yellow frame of the board
    "frame_dark": (0xB8, 0x86, 0x0B),
    "paper": (0xFF, 0xFF, 0xFF),
    "line": (0xC8, 0xC8, 0xC8),       # ruled lines on the paper
    "clip": (0x9A, 0x9A, 0x9A),       # grey clip
    "clip_dark": (0x5E, 0x5E, 0x5E),
    "dolphin": (0x1E, 0x6F, 0xD9),    # blue dolphin
    "dolphin_dark": (0x0D, 0x3F, 0x8C),
    "belly": (0xA9, 0xD2, 0xFF),
    "eye": (0x10, 0x10, 0x10),
}


def in_round_rect(x, y, left, top, right, bottom, radius):
    if not (left <= x < right and top <= y < bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


ARC_CENTRE = (16.0, 28.0)
ARC_RADIUS = 13.0
HEAD_ANGLE, TAIL_ANGLE = math.radians(28), math.radians(152)


def arc_point(angle, radius=ARC_RADIUS):
    return ARC_CENTRE[0] + radius * math.cos(angle), ARC_CENTRE[1] - radius * math.sin(angle)


def body_half_width(t):
    """Half the body's thickness along it: t is 0 at the head, 1 at the tail."""
    if t < 0.22:
        return 1.2 + 2.6 * (t / 0.22) ** 0.6
    return 3.8 - 3.0 * (t - 0.22) / 0.78


def dolphin(x, y):
    """A dolphin leaping along an arc: head at the lower right, tail at the left."""
    cx, cy = ARC_CENTRE
    angle = math.atan2(cy - y, x - cx)
    distance = math.hypot(x - cx, y - cy) - ARC_RADIUS  # > 0 on the back
    if HEAD_ANGLE <= angle <= TAIL_ANGLE:
        t = (angle - HEAD_ANGLE) / (TAIL_ANGLE - HEAD_ANGLE)
        half = body_half_width(t)
        if -half <= distance <= half:
            if 0.08 < t < 0.16 and 0.2 < distance < 1.3:
                return "eye"
            if distance < -half * 0.25:
                return "belly"
            return "dolphin_dark" if distance > half * 0.65 else "dolphin"
    # The beak, pointing on along the arc past the head.
    bx, by = arc_point(HEAD_ANGLE - math.radians(7))
    if math.hypot(x - bx, y - by) <= 1.0:
        return "dolphin"
    # The dorsal fin, rising from the back a little behind the middle.
    fx, fy = arc_point(math.radians(100), ARC_RADIUS + 3.2)
    if 0 <= fy + 1.5 - y <= 3.0 and abs(x - fx - (fy + 1.5 - y) * 0.7) <= 1.2 - (fy + 1.5 - y) * 0.3:
        return "dolphin_dark"
    # The tail fluke, across the end of the body.
    tx, ty = arc_point(TAIL_ANGLE + math.radians(4))
    across = (x - tx) * math.sin(TAIL_ANGLE) + (y - ty) * math.cos(TAIL_ANGLE)
    along = (x - tx) * math.cos(TAIL_ANGLE) - (y - ty) * math.sin(TAIL_ANGLE)
    if abs(along) <= 1.0 and abs(across) <= 3.2 - abs(along):
        return "dolphin_dark"
    return None


def design(x, y):
    """The colour at a point of the 32 x 32 design grid, or None."""
    dolphin_colour = dolphin(x, y)
    if dolphin_colour:
        return dolphin_colour
    # The clip: a grey tab over the top edge of the board.
    if in_round_rect(x, y, 11, 1, 21, 8, 1.5):
        return "clip_dark" if (y < 2 or x < 12 or x >= 20) else "clip"
    # The board: yellow frame around white paper with ruled lines.
    if in_round_rect(x, y, 4, 4, 28, 31, 2.5):
        if in_round_rect(x, y, 7, 8, 25, 28, 0.5):
            return "line" if int(y) in (12, 16, 20, 24) and 9 <= x < 23 else "paper"
        return "frame_dark" if (x >= 27 or y >= 30) else "frame"
    return TRANSPARENT


def render(size):
    """Samples the design at the centre of each pixel of a size x size image."""
    scale = 32.0 / size
    return [[design((col + 0.5) * scale, (row + 0.5) * scale) for col in range(size)] for row in range(size)]


def ico_image(pixels, names):
    size = len(pixels)
    index = {name: i for i, name in enumerate(names)}
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in (PALETTE[n] for n in names))
    palette += b"\0\0\0\0" * (256 - len(names))
    xor_rows, and_rows = [], []
    row_and_bytes = ((size + 31) // 32) * 4
    for row in reversed(pixels):  # bottom-up
        xor_rows.append(bytes(index.get(p, 0) if p else 0 for p in row) + b"\0" * ((4 - size % 4) % 4))
        mask = bytearray(row_and_bytes)
        for col, p in enumerate(row):
            if p is None:
                mask[col // 8] |= 0x80 >> (col % 8)
        and_rows.append(bytes(mask))
    return header + palette + b"".join(xor_rows) + b"".join(and_rows)


def main(out):
    names = list(PALETTE)
    images = [(size, ico_image(render(size), names)) for size in (16, 32, 48)]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in images:
        data += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8, len(image), offset)
        offset += len(image)
    data += b"".join(image for _, image in images)
    Path(out).write_bytes(data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "win/res/picoron.ico")
