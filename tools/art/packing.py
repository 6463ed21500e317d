"""Shelf packing of frames into one atlas, with a padding ring around every frame."""


def pack(items, pad, max_width, fixed_height=None):
    """items: list of (name, (w, h)). Returns (atlas width, atlas height, {name: (x, y, w, h)}).

    Frames are placed tallest first on shelves from the top left; (x, y) is the frame's own top-left
    pixel, inside its padding ring. The atlas is as narrow as the widest shelf allows (a multiple of 4)
    and as tall as the shelves need, or fixed_height when given.
    """
    order = sorted(items, key=lambda it: (-it[1][1], -it[1][0], it[0]))
    spots = {}
    x = y = shelf_h = used_w = 0
    for name, (w, h) in order:
        cw, ch = w + 2 * pad, h + 2 * pad
        if cw > max_width:
            raise ValueError(f"{name} ({w} x {h}) is wider than its atlas ({max_width})")
        if x + cw > max_width:
            y += shelf_h
            x = shelf_h = 0
        spots[name] = (x + pad, y + pad, w, h)
        x += cw
        shelf_h = max(shelf_h, ch)
        used_w = max(used_w, x)
    height = y + shelf_h
    width = (used_w + 3) // 4 * 4
    height = (height + 3) // 4 * 4
    if fixed_height:
        if height > fixed_height:
            raise ValueError(f"frames need {height} pixels of height, the atlas has {fixed_height}")
        height = fixed_height
    if width > 4096 or height > 4096:
        raise ValueError(f"atlas of {width} x {height} is larger than 4096 x 4096")
    return width, height, spots
