"""Tight packing of frames into one atlas, with a padding ring around every frame.

Frames go onto a skyline: each frame, tallest first, takes the place where its bottom edge ends highest
(leftmost on ties). Every atlas width from the widest frame up to 4096 is tried and the smallest atlas
wins, so the packing depends only on the frame sizes: rebuilding gives the same atlas, byte for byte.
"""

MAX_SIZE = 4096
WIDTH_STEP = 4


def _round4(v):
    return (v + 3) // 4 * 4


def _skyline(cells, width):
    """cells: list of (name, cw, ch) in placing order. Returns (height, {name: (x, y)}) of the cells' corners."""
    # The skyline as [x, top, length] segments from left to right.
    line = [[0, 0, width]]
    spots = {}
    for name, cw, ch in cells:
        best = None
        for i in range(len(line)):
            x = line[i][0]
            if x + cw > width:
                break
            top = 0
            covered = 0
            j = i
            while covered < cw:
                top = max(top, line[j][1])
                covered += line[j][2]
                j += 1
            if best is None or top + ch < best[0] or (top + ch == best[0] and x < best[1]):
                best = (top + ch, x, top)
        _, x, top = best
        spots[name] = (x, top)
        # Raise the skyline under the cell and merge equal neighbours.
        new = []
        for seg in line:
            sx, st, sl = seg
            end = sx + sl
            if end <= x or sx >= x + cw:
                new.append([sx, st, sl])
                continue
            if sx < x:
                new.append([sx, st, x - sx])
            if end > x + cw:
                new.append([x + cw, st, end - x - cw])
        new.append([x, top + ch, cw])
        new.sort()
        line = []
        for seg in new:
            if line and line[-1][1] == seg[1] and line[-1][0] + line[-1][2] == seg[0]:
                line[-1][2] += seg[2]
            else:
                line.append(seg)
    height = max(spots[name][1] + ch for name, _, ch in cells)
    return height, spots


def pack(items, pad, max_width=MAX_SIZE, fixed_height=None):
    """items: list of (name, (w, h)). Returns (atlas width, atlas height, {name: (x, y, w, h)}).

    (x, y) is the frame's own top-left pixel, inside its padding ring. Width and height are multiples of 4.
    With fixed_height the atlas keeps that height and is as narrow as the frames allow; otherwise the
    atlas of least area (then the squarer one) at most max_width wide is chosen.
    """
    sizes = dict(items)
    cells = sorted(((name, w + 2 * pad, h + 2 * pad) for name, (w, h) in items), key=lambda c: (-c[2], -c[1], c[0]))
    widest = max(c[1] for c in cells)
    if widest > max_width:
        name = next(c[0] for c in cells if c[1] == widest)
        raise ValueError(f"{name} ({sizes[name][0]} x {sizes[name][1]}) is wider than its atlas ({max_width})")
    limit = fixed_height or MAX_SIZE
    if fixed_height:
        # A strip of fixed height: packed across, as a skyline growing to the right.
        across = sorted(((name, ch, cw) for name, cw, ch in cells), key=lambda c: (-c[2], -c[1], c[0]))
        width, corners = _skyline(across, fixed_height)
        width = _round4(width)
        if width > max_width or max(corners[c[0]][0] + c[1] for c in across) > fixed_height:
            raise ValueError(f"the frames do not fit an atlas of {max_width} x {fixed_height}")
        spots = {name: (corners[name][1] + pad, corners[name][0] + pad) + sizes[name] for name in sizes}
        return width, fixed_height, spots
    best = None
    for width in range(_round4(widest), max_width + 1, WIDTH_STEP):
        height, corners = _skyline(cells, width)
        height = _round4(height)
        if height > limit:
            continue
        used_width = _round4(max(corners[c[0]][0] + c[1] for c in cells))
        key = (used_width * height, max(used_width, height), used_width)
        if best is None or key < best[0]:
            best = (key, (used_width, height, corners))
    if best is None:
        raise ValueError(f"the frames do not fit an atlas of {max_width} x {limit}")
    width, height, corners = best[1]
    spots = {name: (corners[name][0] + pad, corners[name][1] + pad) + sizes[name] for name in sizes}
    return width, height, spots


def used_share(items, pad, width, height):
    """Share of the atlas area covered by the frames with their padding rings."""
    return sum((w + 2 * pad) * (h + 2 * pad) for _, (w, h) in items) / float(width * height)
