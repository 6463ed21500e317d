"""Writers of the four resource tables, in the layout the game's text data reader walks token by token.

Every punctuation mark stands as a token of its own (spaces around colons and commas).
"""


def num(v):
    if isinstance(v, int):
        return str(v)
    return f"{v:.8g}"


def _file(path, block, entries):
    with open(path, "w", newline="\n") as f:
        f.write("{\n\t\"" + block + "\" : {\n")
        f.write(" ,\n".join(entries))
        f.write("\n\t}\n}\n")


def _vec(name, x, y, indent):
    i = "\t" * indent
    return f'{i}"{name}" : {{\n{i}\t"x" : {num(x)} ,\n{i}\t"y" : {num(y)}\n{i}}}'


def write_uv(path, uv):
    """uv: name -> (u0, v0, u1, v1) with v0 the top edge."""
    entries = []
    for name in sorted(uv):
        u0, v0, u1, v1 = uv[name]
        corners = [
            _vec("m_UVTopRight", u1, v0, 3),
            _vec("m_UVBottomRight", u1, v1, 3),
            _vec("m_UVBottomLeft", u0, v1, 3),
            _vec("m_UVTopLeft", u0, v0, 3),
        ]
        entries.append(f'\t\t"{name}" : {{\n' + " ,\n".join(corners) + "\n\t\t}")
    _file(path, "UV_Map", entries)


def write_dimensions(path, dims):
    entries = [
        f'\t\t"{name}" : {{\n\t\t\t"Width" : {w} ,\n\t\t\t"Height" : {h}\n\t\t}}' for name, (w, h) in sorted(dims.items())
    ]
    _file(path, "dimensions", entries)


def write_zorders(path, layers):
    entries = [f'\t\t"{name}" : {index}' for name, index in sorted(layers.items(), key=lambda kv: kv[1])]
    _file(path, "Z_Order_Map", entries)


def write_custom_shapes(path, shapes):
    entries = [f'\t\t"{name}" : "{layer}"' for name, layer in sorted(shapes.items())]
    _file(path, "CustomShapeMap", entries)
