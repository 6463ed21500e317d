"""Writes tiled/kibbet.tiled-project: the Tiled project whose custom types are the game's object types.

Each object type of Resources/Data/Objects becomes a class (used as an object's class) whose members are the
fields a level entry may override, named as the game's map reader names them ("Body.m_Mass",
"Emitter.m_ParticleTypes[0].m_ParticleType", "Transform.Scale.x") with the type's values as defaults, so Tiled's
property panel offers them. Vertex lists are left out: polygons and polylines carry them. Tiled 1.8 takes an
object's properties from the project's object types file (tiled/objecttypes.xml, written beside it); Tiled 1.9
and later from the classes of "propertyTypes" ("useAs": object). Both are written. Run by the art build;
runs alone too: /usr/bin/python3 tools/art/tiled_project.py
"""
import json
import os
from xml.sax.saxutils import quoteattr

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OBJECTS = os.path.join(ROOT, "Resources", "Data", "Objects")
PROJECT = os.path.join(ROOT, "tiled", "kibbet.tiled-project")
OBJECT_TYPES = os.path.join(ROOT, "tiled", "objecttypes.xml")
# The writer's name for an empty path list; maps use the list's own name.
RENAMED = {"stupidVector": "m_PathVector"}
COLOR = "#ffa0a0a4"


def escape(text):
    return quoteattr(text)[1:-1]


def tokens(text):
    """Splits at white space as the game's reader does; a quoted text with spaces is joined back."""
    parts = text.split()
    out = []
    i = 0
    while i < len(parts):
        token = parts[i]
        if token.startswith('"') and (len(token) == 1 or not token.endswith('"')):
            while i + 1 < len(parts) and not token.endswith('"') or token == '"':
                i += 1
                token += " " + parts[i]
        out.append(token)
        i += 1
    return out


def parse(items, i):
    """One value at items[i]: (value, next index). Blocks and lists are lists of (name or None, value)."""
    token = items[i]
    if token in ("{", "["):
        close = "}" if token == "{" else "]"
        fields = []
        i += 1
        while items[i] != close:
            name = None
            if i + 1 < len(items) and items[i + 1] == ":":
                name = items[i].strip('"')
                i += 2
            value, i = parse(items, i)
            fields.append((name, value))
            if items[i] == ",":
                i += 1
        return (token, fields), i + 1
    return token, i + 1


def is_vertex_list(kind, fields):
    return kind == "[" and fields and all(isinstance(v, tuple) and v[0] == "{" and len(v[1]) == 3 for _, v in fields)


def members(value, path, out):
    if isinstance(value, tuple):
        kind, fields = value
        if is_vertex_list(kind, fields):
            return
        for index, (name, child) in enumerate(fields):
            child_path = f"{path}.{RENAMED.get(name, name)}" if name else f"{path}[{index}]"
            members(child, child_path, out)
        return
    if value in ("true", "false"):
        out.append({"name": path, "type": "bool", "value": value == "true"})
    elif value.startswith('"'):
        out.append({"name": path, "type": "string", "value": value[1:-1]})
    else:
        number = float(value)
        out.append({"name": path, "type": "float", "value": int(number) if number.is_integer() else number})


def type_members(path):
    with open(path) as f:
        root, _ = parse(tokens(f.read()), 0)
    blocks = dict(root[1]).get("Object", ("{", []))[1]
    out = [
        {"name": "Transform.Rotation", "type": "float", "value": 0},
        {"name": "Transform.Scale.x", "type": "float", "value": 1},
        {"name": "Transform.Scale.y", "type": "float", "value": 1},
    ]
    for name, block in blocks:
        if name != "Transform":
            members(block, name, out)
    return sorted(out, key=lambda m: m["name"])


def all_types():
    names = sorted(f[:-5] for f in os.listdir(OBJECTS) if f.endswith(".json"))
    return [(name, type_members(os.path.join(OBJECTS, name + ".json"))) for name in names]


def object_types_xml(types):
    """Tiled 1.8's object types file: each type's properties with their defaults."""
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<objecttypes>"]
    for name, type_members_ in types:
        lines.append(f' <objecttype name="{escape(name)}" color="#{COLOR[3:]}">')
        for m in type_members_:
            value = m["value"]
            text = ("true" if value else "false") if m["type"] == "bool" else str(value)
            lines.append(f'  <property name="{escape(m["name"])}" type="{m["type"]}" default="{escape(text)}"/>')
        lines.append(" </objecttype>")
    lines.append("</objecttypes>")
    return "\n".join(lines) + "\n"


def project(types):
    property_types = []
    for index, (name, type_members_) in enumerate(types):
        property_types.append({
            "color": COLOR,
            "id": index + 1,
            "members": type_members_,
            "name": name,
            "type": "class",
            "useAs": ["object"],
        })
    return {
        "automappingRulesFile": "",
        "commands": [],
        "extensionsPath": "extensions",
        "folders": ["../Resources/Data/Levels"],
        "objectTypesFile": "objecttypes.xml",
        "propertyTypes": property_types,
    }


def write():
    os.makedirs(os.path.dirname(PROJECT), exist_ok=True)
    types = all_types()
    with open(PROJECT, "w") as f:
        json.dump(project(types), f, indent=4)
        f.write("\n")
    with open(OBJECT_TYPES, "w") as f:
        f.write(object_types_xml(types))


if __name__ == "__main__":
    write()
    print(os.path.relpath(PROJECT, ROOT))
