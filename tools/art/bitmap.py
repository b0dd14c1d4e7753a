"""What the drawing scripts share: a colour function sampled SS x SS times per pixel and
written as a 24-bit Windows bitmap (bottom-up rows, each padded to four bytes)."""
import struct


def supersampled(colour, ss):
    def pixel(px, py):
        total = [0, 0, 0]
        for sy in range(ss):
            for sx in range(ss):
                c = colour(px + (sx + 0.5) / ss, py + (sy + 0.5) / ss)
                for i in range(3):
                    total[i] += c[i]
        return tuple(t // (ss * ss) for t in total)

    return pixel


def write_bmp(path, width, height, pixel):
    row_size = (width * 3 + 3) & ~3
    data = bytearray()
    for py in range(height - 1, -1, -1):
        row = bytearray()
        for px in range(width):
            r, g, b = pixel(px, py)
            row += bytes((b, g, r))
        row += b"\0" * (row_size - len(row))
        data += row
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)
