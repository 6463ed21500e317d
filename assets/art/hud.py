"""Everything in the topmost layer "Char_0": the glyphs of "PrimaryFont", the heads-up display, menu and
pause labels, the bee cursor, the plank backdrops, the how-to-play card and the credits roll.
"""

import math

import font
import hero
from kit import (INK, INK_SOFT, WHITE, CREAM, HONEY, HONEY_DEEP, AMBER, BLUSH, BARK, BARK_DARK, BARK_LIGHT, LEAF,
                 LEAF_DEEP, WASP_YELLOW, Sprite, doc, ellipse, circle, path, rect, group, radial, linear, embed, fmt,
                 single)

LAYER = "Char_0"
GLYPH = (48, 64)
CREDITS_SIZE = (640, 2400)

def gold_defs(y1, y2, gid="gold"):
    return linear(gid, [(0, "#fffbe8"), (0.45, "#ffe08a"), (1, HONEY_DEEP)], x1=0, y1=y1, x2=0, y2=y2, user=True)


def glyph(ch):
    w, h = GLYPH
    body = font.text([ch], w / 2, h / 2, 44, fill="url(#gold)", weight=6.5, outline_weight=11, shadow=True)
    return doc(w, h, body, gold_defs(1.5, 12.5))


def stick(lit):
    w, h = GLYPH
    if lit:
        b = rect(15, 6, 18, 52, "url(#st)", INK, 3.5, rx=9)
        b += rect(19, 11, 5, 24, WHITE, "none", 0, rx=2.5, extra='opacity="0.6"')
        defs = linear("st", [(0, "#fff3b0"), (1, HONEY_DEEP)])
    else:
        b = rect(15, 6, 18, 52, WHITE, INK, 3, rx=9, extra='fill-opacity="0.18" stroke-opacity="0.45"')
        defs = ""
    return doc(w, h, b, defs)


def font_sprite():
    f = {}
    anims = {"default": ["Char_Arrow_2"]}
    for ch in "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789":
        f["Char_" + ch] = glyph(ch)
    f["Char_Slash"] = glyph("/")
    f["Char_Exclamation"] = glyph("!")
    f["Char_Colon"] = glyph(":")
    f["Char_Question"] = glyph("?")
    f["Char_Dot"] = glyph(".")
    f["Char_Dash"] = glyph("-")
    f["Char_Arrow"] = glyph("<>")
    # Marks a key name may hold (the names are shown in the player's own layout).
    for name, ch in (("Period", "."), ("Comma", ","), ("Minus", "-"), ("Apostrophe", "'"), ("Plus", "+"),
                     ("Equals", "="), ("Semicolon", ";"), ("LeftBracket", "["), ("RightBracket", "]"),
                     ("Backslash", "\\"), ("Grave", "`"), ("Underscore", "_"), ("Ampersand", "&")):
        f["Char_" + name] = glyph(ch)
    f["Char_Arrow_2"] = doc(GLYPH[0], GLYPH[1], "")
    f["Char_Stick"] = stick(True)
    f["Char_Stick_Transparent"] = stick(False)
    for n in f:
        anims[n] = [n]
    return Sprite("PrimaryFont", LAYER, GLYPH, f, anims,
                  note="glyphs; each animation `Char_*` shows the frame of the same name; `Char_Arrow_2` is blank; "
                       "`Char_Arrow` points both ways; `Char_Stick`/`Char_Stick_Transparent` are volume bars")


def head(dead):
    s = 64
    svg = hero.kibbet(eyes="x" if dead else "open", mouth="wobble" if dead else "smile", wing_a=30)
    inner = embed(svg, "h", -4, -4, 72, 72)
    if dead:
        inner = f'<g opacity="0.55" filter="url(#grey)">{inner}</g>'
        defs = ('<filter id="grey"><feColorMatrix type="saturate" values="0.15"/></filter>')
    else:
        defs = ""
    return doc(s, s, inner, defs)


def pollen_icon():
    s = 56
    defs = radial("pi", "#fffbe0", HONEY_DEEP, 0.38, 0.32, 0.8)
    b = circle(28, 28, 26, HONEY, "none", 0, 'opacity="0.3"')
    b += circle(28, 28, 17, "url(#pi)", INK, 3)
    for i in range(8):
        a = math.radians(i * 45)
        b += circle(fmt(28 + 17 * math.cos(a)), fmt(28 + 17 * math.sin(a)), 3.4, HONEY, INK, 1.8)
    b += circle(22, 22, 4.5, WHITE, "none", 0, 'opacity="0.85"')
    return doc(s, s, b, defs)


def clock_icon():
    s = 56
    defs = radial("ci", "#fffbe0", HONEY_DEEP, 0.38, 0.32, 0.8)
    b = circle(28, 28, 26, HONEY, "none", 0, 'opacity="0.3"')
    b += rect(23, 2, 10, 7, HONEY, INK, 2.2, rx=2)
    b += circle(28, 31, 20, "url(#ci)", INK, 3)
    for i in range(12):
        a = math.radians(i * 30)
        r1 = 15.5 if i % 3 else 13.5
        b += path(f"M{fmt(28 + r1 * math.cos(a))} {fmt(31 + r1 * math.sin(a))} "
                  f"L{fmt(28 + 17.5 * math.cos(a))} {fmt(31 + 17.5 * math.sin(a))}", "none", INK, 1.8)
    b += path("M28 31 L28 19 M28 31 L36 35", "none", INK, 3.2)
    b += circle(28, 31, 2.6, INK, "none", 0)
    b += circle(21, 23, 3.5, WHITE, "none", 0, 'opacity="0.8"')
    return doc(s, s, b, defs)


def bar(full):
    w, h = 22, 44
    if full:
        defs = linear("bf", [(0, "#fff3b0"), (1, AMBER)])
        b = rect(3, 3, 16, 38, "url(#bf)", INK, 3, rx=6) + rect(6, 7, 4, 16, WHITE, "none", 0, rx=2, extra='opacity="0.6"')
    else:
        defs = ""
        b = rect(3, 3, 16, 38, "#3a2216", INK, 3, rx=6, extra='fill-opacity="0.45"')
    return doc(w, h, b, defs)


LABELS = [
    ("Label_Beegin", "BEEGIN"),
    ("Label_HowToPlay", "HOW TO PLAY"),
    ("Label_Options", "OPTIONS"),
    ("Label_Credits", "CREDITS"),
    ("Label_Exit", "EXIT"),
    ("Label_Yes", "YES"),
    ("Label_No", "NO"),
    ("Label_Resolution", "RESOLUTION"),
    ("Label_Sound", "SOUND"),
    ("Label_ToggleFullscreen", "TOGGLE FULL SCREEN"),
    ("Label_ToggleSound", "TOGGLE SOUND"),
    ("Label_ReturnToMain", "RETURN TO MAIN"),
    ("Label_Continue", "CONTINUE"),
    ("Label_Restart", "RESTART"),
    ("Label_Quit", "QUIT"),
    ("Label_QuitQuestion", "QUIT THE GAME?"),
    ("Label_SureQuestion", "ARE YOU SURE?"),
    ("Label_Levels", "LEVELS"),
    ("Label_Controls", "CONTROLS"),
    ("Label_Left", "LEFT"),
    ("Label_Right", "RIGHT"),
    ("Label_Jump", "JUMP"),
    ("Label_Roll", "ROLL"),
    ("Label_Pause", "PAUSE"),
    ("Label_Defaults", "DEFAULTS"),
    ("Label_Apply", "SELECT TO APPLY"),
]
LABEL_H = 72
LABEL_TEXT = 40
STATE_SIZE = (136, LABEL_H)


def label(txt):
    w = int(font.text_width(txt, LABEL_TEXT) + 40 + 7) // 8 * 8
    body = font.text(txt, w / 2, LABEL_H / 2, LABEL_TEXT, fill="url(#gold)", weight=6, outline_weight=10.5)
    return w, doc(w, LABEL_H, body, gold_defs(1.5, 12.5))


def bee(x, y, facing, wing):
    b = ""
    for off, op in ((-4, 0.6), (4, 0.85)):
        a = -20 + 50 * wing
        wg = ellipse(x - facing * 2 + off, y - 16, 9, 14, "#eefaff", INK, 2, f'fill-opacity="{op}"')
        b += group(wg, rot=facing * a, cx=x + off, cy=y - 6)
    body = ellipse(x, y, 22, 16, "url(#bee)", INK, 3)
    body += path(f"M{x - 8} {y - 15} q-3 15 0 30 M{x + 2} {y - 16} q-3 16 0 32", "none", INK, 5)
    body += path(f"M{x - 21} {y} l-9 3 l8 4", INK, INK, 2)
    body += circle(x + 13, y - 3, 5, WHITE, INK, 2) + circle(x + 14.5, y - 2.5, 2.6, INK, "none", 0)
    body += ellipse(x + 15, y + 6, 3.5, 2, BLUSH, "none", 0, 'opacity="0.8"')
    body += path(f"M{x + 12} {y - 15} q2 -10 9 -10", "none", INK, 2) + circle(x + 21, y - 25, 2.4, INK, "none", 0)
    if facing < 0:
        body = group(body, cx=x, cy=y, sx=-1, sy=1)
    return b + body


def cursor(wing):
    w, h = 720, 96
    defs = radial("bee", "#fff6c8", WASP_YELLOW, 0.35, 0.3, 0.8)
    b = ""
    for i in range(5):
        b += circle(78 + i * 14, 60 + 4 * math.sin(i + wing * 3), 2.2, HONEY_DEEP, "none", 0, f'opacity="{0.8 - i * 0.14}"')
        b += circle(w - 78 - i * 14, 60 + 4 * math.sin(i + wing * 3), 2.2, HONEY_DEEP, "none", 0, f'opacity="{0.8 - i * 0.14}"')
    b += bee(40, 48 - 4 * wing, 1, wing)
    b += bee(w - 40, 48 - 4 * wing, -1, wing)
    return doc(w, h, b, defs)


def plank(w, h, title=None):
    defs = linear("pk", [(0, BARK_LIGHT), (1, BARK)]) + gold_defs(1.5, 12.5)
    b = path(f"M{w * 0.3} 0 L{w * 0.3} 34 M{w * 0.7} 0 L{w * 0.7} 34", "none", "#c9a66b", 6)
    b += rect(8, 26, w - 16, h - 34, "url(#pk)", INK, 5, rx=26)
    n = 5
    for i in range(1, n):
        y = 26 + (h - 34) * i / n
        b += path(f"M20 {fmt(y)} L{w - 20} {fmt(y)}", "none", BARK_DARK, 2.6, 'opacity="0.6"')
    b += rect(26, 44, w - 52, h - 70, "#fff3d6", "none", 0, rx=18, extra='opacity="0.12"')
    for x, y in ((30, 48), (w - 30, 48), (30, h - 30), (w - 30, h - 30)):
        b += circle(x, y, 6, "#cfc4b6", INK, 2)
    b += path(f"M{w - 90} {h - 10} q30 -40 70 -30", "none", LEAF_DEEP, 6)
    b += ellipse(w - 52, h - 44, 14, 7, LEAF, INK, 2, f'transform="rotate(-30 {w - 52} {h - 44})"')
    if title:
        b += font.text(title, w / 2, 80, 36, fill="url(#gold)", weight=5.5, outline_weight=9.5)
    return doc(w, h, b, defs)


def keycap(x, y, w, h, txt, size=22):
    b = rect(x, y + 4, w, h, "#8f7a66", INK, 3, rx=10)
    b += rect(x, y, w, h, "#fff8ea", INK, 3, rx=10)
    b += rect(x + 6, y + 5, w - 12, h * 0.35, WHITE, "none", 0, rx=6, extra='opacity="0.7"')
    b += font.text(txt, x + w / 2, y + h / 2 + 1, size, fill=INK, outline=INK, weight=3, outline_weight=3, shadow=False)
    return b


def arrow_key(x, y, s, direction):
    b = keycap(x, y, s, s, "")
    rot = {"up": 0, "right": 90, "down": 180, "left": 270}[direction]
    tri = path(f"M{x + s / 2} {y + s * 0.25} L{x + s * 0.72} {y + s * 0.65} L{x + s * 0.28} {y + s * 0.65} Z", INK, INK, 2)
    return b + group(tri, rot=rot, cx=x + s / 2, cy=y + s / 2)


def pad_button(x, y, r, txt):
    b = circle(x, y + 3, r, "#7c6a5a", INK, 3)
    b += circle(x, y, r, "#fff8ea", INK, 3)
    b += font.text(txt, x, y + 1, r * 0.9, fill=INK, outline=INK, weight=3, outline_weight=3, shadow=False)
    return b


def mini_pad(x, y):
    """A small plain controller drawing for the how-to card (no maker's marks)."""
    b = path(f"M{x + 30} {y + 20} Q{x + 100} {y} {x + 170} {y + 20} Q{x + 215} {y + 40} {x + 200} {y + 110} "
             f"Q{x + 190} {y + 140} {x + 160} {y + 110} L{x + 40} {y + 110} Q{x + 10} {y + 140} {x} {y + 110} "
             f"Q{x - 15} {y + 40} {x + 30} {y + 20} Z", "#e8dccb", INK, 4)
    b += rect(x + 40, y + 40, 14, 42, INK, "none", 0, rx=3) + rect(x + 26, y + 54, 42, 14, INK, "none", 0, rx=3)
    b += circle(x + 84, y + 82, 13, "#9c8d7e", INK, 3)
    for dx, dy, t in ((150, 40, "Y"), (130, 60, "X"), (170, 60, "B"), (150, 80, "A")):
        b += circle(x + dx, y + dy, 10, CREAM, INK, 2.5)
        b += font.text(t, x + dx, y + dy + 1, 11, fill=INK, outline=INK, weight=2, outline_weight=2, shadow=False)
    b += rect(x + 92, y + 42, 18, 8, INK, "none", 0, rx=4)
    return b


def how_to_play():
    w, h = 1000, 560
    defs = linear("card", [(0, "#fff8e6"), (1, "#f6e2b8")]) + gold_defs(1.5, 12.5)
    b = rect(6, 6, w - 12, h - 12, "url(#card)", INK, 5, rx=30)
    b += path(f"M{w / 2} 40 L{w / 2} {h - 40}", "none", "#d8b98a", 4, 'stroke-dasharray="2 14"')
    b += font.text("KEYBOARD", 250, 52, 30, fill="url(#gold)", weight=5, outline_weight=9)
    b += font.text("CONTROLLER", 750, 52, 30, fill="url(#gold)", weight=5, outline_weight=9)
    tx = dict(fill=INK_SOFT, outline=INK_SOFT, weight=3, outline_weight=3, shadow=False)
    # keyboard column
    y = 100
    b += arrow_key(30, y, 48, "left") + arrow_key(84, y, 48, "right") + keycap(146, y, 48, 48, "A") + keycap(200, y, 48, 48, "D")
    b += font.text("MOVE", 400, y + 26, 24, **tx)
    y += 80
    b += keycap(30, y, 150, 48, "SPACE") + keycap(188, y, 48, 48, "W") + arrow_key(242, y, 48, "up")
    b += font.text("JUMP", 400, y + 26, 24, **tx)
    y += 80
    b += font.text("JUMP AGAIN IN THE AIR: FLY", 250, y + 14, 20, **tx)
    y += 50
    b += keycap(30, y, 48, 48, "M") + keycap(84, y, 48, 48, "S") + keycap(138, y, 84, 48, "CTRL", 18)
    b += font.text("ROLL", 400, y + 26, 24, **tx)
    y += 80
    b += keycap(30, y, 76, 48, "ESC", 20)
    b += font.text("PAUSE", 400, y + 26, 24, **tx)
    y += 70
    b += keycap(30, y, 96, 40, "ENTER", 16) + keycap(132, y, 96, 40, "SPACE", 16)
    b += font.text("SELECT", 400, y + 22, 20, **tx)
    # controller column
    b += mini_pad(650, 90)
    y = 260
    rows = [("STICK / PAD", "MOVE"), ("A", "JUMP / FLY"), ("X", "ROLL"), ("START", "PAUSE"), ("B", "BACK")]
    for key, what in rows:
        if len(key) == 1:
            b += pad_button(600, y + 20, 22, key)
        else:
            b += keycap(560, y, 170 if key.startswith("STICK") else 96, 40, key, 16)
        b += font.text(what, 860, y + 22, 22, **tx)
        y += 56
    return doc(w, h, b, defs)


def credits_roll():
    w, h = CREDITS_SIZE
    defs = gold_defs(1.5, 12.5)
    b = ""
    y = 80
    b += font.text("KIBBET", w / 2, y, 72, fill="url(#gold)", weight=10, outline_weight=17)
    y += 100
    sections = [
        ("A GAME BY", ["THE KIBBET TEAM"]),
        ("GAME DESIGN", ["THE DESIGN CREW"]),
        ("ENGINE AND PROGRAMMING", ["THE ENGINE TEAM", "THE GAMEPLAY TEAM"]),
        ("ART AND ANIMATION", ["THE ART TEAM"]),
        ("LEVEL DESIGN", ["THE LEVEL BUILDERS"]),
        ("SOUND AND MUSIC", ["THE AUDIO TEAM"]),
        ("TESTING", ["EVERY PLAYTESTER", "WHO FELL IN A TRAP"]),
        ("SPECIAL THANKS", ["FRIENDS AND FAMILIES", "AND THE BEES"]),
    ]
    for head_txt, names in sections:
        b += font.text(head_txt, w / 2, y, 30, fill="url(#gold)", weight=5, outline_weight=9)
        y += 56
        for n in names:
            b += font.text(n, w / 2, y, 24, fill=CREAM, weight=4, outline_weight=8)
            y += 44
        y += 70
    b += embed(hero.kibbet(wing_a=40, mouth="open"), "k", w / 2 - 80, y - 20, 160, 160)
    y += 200
    b += font.text("THANK YOU FOR PLAYING!", w / 2, y, 30, fill="url(#gold)", weight=5, outline_weight=9)
    return doc(w, h, b, defs)


def sprites():
    out = [font_sprite()]
    out.append(Sprite("HUD_Head", LAYER, (64, 64), {"HUD_Head_Alive": head(False), "HUD_Head_Dead": head(True)},
                      {"default": ["HUD_Head_Alive"], "dead": ["HUD_Head_Dead"]}, note="life head"))
    out.append(single("HUD_PollenIcon", LAYER, (56, 56), pollen_icon(), "pollen counter icon"))
    out.append(single("HUD_ClockIcon", LAYER, (56, 56), clock_icon(), "level timer icon"))
    out.append(Sprite("HUD_Bar", LAYER, (22, 44), {"HUD_Bar_Full": bar(True), "HUD_Bar_Empty": bar(False)},
                      {"default": ["HUD_Bar_Full"], "empty": ["HUD_Bar_Empty"]}, note="energy bar"))
    for name, txt in LABELS:
        w, svg = label(txt)
        out.append(single(name, LAYER, (w, LABEL_H), svg, f'menu label "{txt}"'))
    # A switch's state beside its label: "on", "off", or blank by default.
    sw = {}
    for frame, txt in (("Label_State_On", "ON"), ("Label_State_Off", "OFF")):
        sw[frame] = doc(STATE_SIZE[0], STATE_SIZE[1], font.text(txt, STATE_SIZE[0] / 2, LABEL_H / 2, LABEL_TEXT,
                                                                 fill="url(#gold)", weight=6, outline_weight=10.5),
                        gold_defs(1.5, 12.5))
    sw["Label_State_Blank"] = doc(STATE_SIZE[0], STATE_SIZE[1], "")
    out.append(Sprite("Label_State", LAYER, STATE_SIZE, sw,
                      {"default": ["Label_State_Blank"], "on": ["Label_State_On"], "off": ["Label_State_Off"]},
                      note="a switch's state: `on`, `off`; `default` is blank"))
    cf = {"Cursor_Bees_0": cursor(0.0), "Cursor_Bees_1": cursor(1.0)}
    out.append(Sprite("Cursor_Bees", LAYER, (720, 96), cf, {"default": list(cf)},
                      note="`Z_Bees` / `HUD_Z_Bees`: two bees 640 apart, centred on the selected label; loop `default`"))
    out.append(single("Plank", LAYER, (640, 640), plank(640, 640), "pause menu backdrop `HUD_0_Plank`"))
    out.append(single("Plank_Small", LAYER, (600, 420), plank(600, 420), "smaller backdrop `HUD_0_Credit_Plank`"))
    out.append(single("HowToPlay", LAYER, (1000, 560), how_to_play(), "controls card (`HUD_UI_HowToPlay` and the menu page)"))
    out.append(Sprite("TeamCredits", LAYER, (CREDITS_SIZE[0], 345), {"TeamCredits": credits_roll()},
                      {"default": ["TeamCredits"]}, render=CREDITS_SIZE,
                      note="tall credits roll (640 x 2400 pixels); its size is the 345-texel page the scrolling credits show"))
    return out
