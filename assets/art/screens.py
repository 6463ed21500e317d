"""Full-screen pictures: the five menu page backdrops, the "0_MainMenu" frame, the splash pictures, the
loading picture and the end-screen words.
"""

import math

import backgrounds
import font
import hero
import world
from kit import (INK, WHITE, CREAM, HONEY, HONEY_DEEP, LEAF, LEAF_DEEP, LEAF_DARK, ROSE, doc, ellipse, circle, path,
                 rect, radial, linear, embed, fmt, single)
from hud import gold_defs

LAYER = "Screens"
# The end-screen words have an atlas of their own: a level shows them without the menus' large one.
WORDS = "Words"
W, H = 1280, 720


def scene(mood, prefix):
    """A landscape of sky, hills and trees filling the screen."""
    b = embed(backgrounds.sky(mood), prefix + "s", 0, 0, W, H)
    b += embed(backgrounds.hills(mood), prefix + "h", -200, 330, 2048 * 0.8, 480 * 0.8)
    b += embed(backgrounds.trees(mood), prefix + "t", -300, 690 - 640 * 0.85, 2048 * 0.85, 640 * 0.85)
    b += path(f"M0 {H} L0 660 Q320 630 640 650 Q960 670 {W} 640 L{W} {H} Z", "#6ab04a" if mood == "meadow" else "#3f6e34",
              INK, 4)
    for i in range(24):
        x = 20 + i * 54 + (i * 37) % 20
        y = 662 + 8 * math.sin(i * 1.3)
        b += path(f"M{x} {fmt(y)} l4 -14 l4 12 l5 -16 l3 18", "#8fd05a" if mood == "meadow" else "#5f9a3f", INK, 2)
        if i % 3 == 0 and mood == "meadow":
            b += circle(x + 20, fmt(y + 22), 6, ROSE if i % 2 else WHITE, INK, 2) + circle(x + 20, fmt(y + 22), 2.5, HONEY, "none", 0)
    return b


def title(txt, y=92, size=64):
    return font.text(txt, W / 2, y, size, fill="url(#gold)", weight=size * 0.15, outline_weight=size * 0.26)


def panel(x, y, w, h):
    """A soft cream board with a honey rim, behind the menu items."""
    b = rect(x + 6, y + 10, w, h, INK, "none", 0, rx=40, extra='opacity="0.25"')
    b += rect(x, y, w, h, "#fff6e0", HONEY_DEEP, 8, rx=40, extra='fill-opacity="0.9"')
    b += rect(x + 14, y + 14, w - 28, h - 28, "none", "#ffe3a0", 3, rx=30, extra='stroke-dasharray="2 12"')
    return b


def wood_board(x, y, w, h):
    """A dark wooden board, for pages whose content is light lettering (the credits)."""
    b = rect(x + 6, y + 10, w, h, INK, "none", 0, rx=40, extra='opacity="0.25"')
    b += rect(x, y, w, h, "url(#wood)", INK, 6, rx=40)
    for i in range(1, 5):
        yy = y + h * i / 5
        b += path(f"M{x + 24} {fmt(yy)} L{x + w - 24} {fmt(yy)}", "none", "#4a2c18", 3, 'opacity="0.6"')
    b += rect(x + 14, y + 14, w - 28, h - 28, "none", HONEY_DEEP, 3, rx=30, extra='stroke-dasharray="2 12" opacity="0.7"')
    return b


def page(mood, txt, prefix, extra="", board=panel):
    b = scene(mood, prefix) + board(240, 150, 800, 500) + extra
    if txt:
        b += title(txt)
    return doc(W, H, b, gold_defs(1.5, 12.5) + linear("wood", [(0, "#9a6a42"), (1, "#6e4426")]))


def main_screen():
    extra = embed(hero.kibbet(wing_a=60, mouth="open"), "k", 70, 380, 260, 260)
    b = scene("meadow", "m") + panel(390, 200, 500, 470) + extra
    b += font.text("KIBBET", W / 2, 110, 120, fill="url(#gold)", weight=17, outline_weight=29)
    return doc(W, H, b, gold_defs(1.5, 12.5))


def vine_frame():
    """Leafy vines and flowers around the edges; the middle stays clear."""
    b = ""
    for side in range(4):
        pts = []
        if side in (0, 2):
            y = 18 if side == 0 else H - 18
            for i in range(17):
                x = i * W / 16
                pts.append((x, y + 8 * math.sin(i * 1.7)))
        else:
            x = 18 if side == 3 else W - 18
            for i in range(10):
                y = i * H / 9
                pts.append((x + 8 * math.sin(i * 1.9), y))
        d = "M" + " L".join(f"{fmt(px)} {fmt(py)}" for px, py in pts)
        b += path(d, "none", INK, 12) + path(d, "none", LEAF_DEEP, 7)
        for i, (px, py) in enumerate(pts):
            if i % 2 == 0:
                rot = (i * 47) % 360
                b += ellipse(px + 12, py, 16, 8, LEAF, INK, 2.5, f'transform="rotate({rot} {fmt(px)} {fmt(py)})"')
            else:
                for k in range(5):
                    a = math.radians(k * 72)
                    b += circle(fmt(px + 7 * math.cos(a)), fmt(py + 7 * math.sin(a)), 5.5, ROSE if i % 4 == 1 else WHITE, INK, 1.8)
                b += circle(px, py, 4, HONEY, INK, 1.5)
    return doc(W, H, b)


def splash_logo():
    defs = radial("bg", "#4a2e22", "#1e120c", 0.5, 0.45, 0.8) + gold_defs(1.5, 12.5)
    b = rect(0, 0, W, H, "url(#bg)", "none", 0)
    cx, cy = W / 2, 280
    # the emblem: a V made of two leaves around a drop of honey
    for side in (-1, 1):
        leaf = path(f"M{cx} {cy + 90} Q{cx + side * 20} {cy - 40} {cx + side * 110} {cy - 110} "
                    f"Q{cx + side * 100} {cy + 10} {cx} {cy + 90} Z", LEAF if side < 0 else "#a6d98a", INK, 5)
        leaf += path(f"M{cx} {cy + 80} Q{cx + side * 40} {cy - 10} {cx + side * 100} {cy - 100}", "none", LEAF_DARK, 3)
        b += leaf
    b += path(f"M{cx} {cy - 30} Q{cx + 26} {cy + 10} {cx + 22} {cy + 26} Q{cx} {cy + 50} {cx - 22} {cy + 26} "
              f"Q{cx - 26} {cy + 10} {cx} {cy - 30} Z", HONEY, INK, 4)
    b += ellipse(cx - 8, cy + 14, 5, 8, WHITE, "none", 0, 'opacity="0.7"')
    b += font.text("VENTREL", cx, 500, 84, fill="url(#gold)", weight=12, outline_weight=20, track=2.0)
    b += path(f"M{cx - 240} 570 L{cx + 240} 570", "none", HONEY_DEEP, 3, 'opacity="0.6"')
    return doc(W, H, b, defs)


def splash_controller():
    defs = radial("bg", "#fff6dc", "#f2d9a8", 0.5, 0.45, 0.8) + linear("pad", [(0, "#f4efe8"), (1, "#c9bfb2")]) + gold_defs(
        1.5, 12.5)
    b = rect(0, 0, W, H, "url(#bg)", "none", 0)
    cx, cy = W / 2, 300
    body = (f"M{cx - 200} {cy - 90} Q{cx} {cy - 130} {cx + 200} {cy - 90} Q{cx + 300} {cy - 60} {cx + 300} {cy + 80} "
            f"Q{cx + 300} {cy + 200} {cx + 220} {cy + 190} Q{cx + 170} {cy + 180} {cx + 130} {cy + 90} L{cx - 130} {cy + 90} "
            f"Q{cx - 170} {cy + 180} {cx - 220} {cy + 190} Q{cx - 300} {cy + 200} {cx - 300} {cy + 80} "
            f"Q{cx - 300} {cy - 60} {cx - 200} {cy - 90} Z")
    b += path(body, "url(#pad)", INK, 6)
    b += rect(cx - 210, cy - 40, 26, 90, "#5a4a40", INK, 3, rx=6) + rect(cx - 242, cy - 8, 90, 26, "#5a4a40", INK, 3, rx=6)
    for dx, dy in ((0, -44), (-44, 0), (44, 0), (0, 44)):
        b += circle(cx + 190 + dx, cy + 5 + dy, 22, HONEY, INK, 4)
    b += circle(cx - 90, cy + 60, 36, "#8d8076", INK, 4) + circle(cx - 90, cy + 60, 22, "#a99d92", INK, 3)
    b += circle(cx + 90, cy + 60, 36, "#8d8076", INK, 4) + circle(cx + 90, cy + 60, 22, "#a99d92", INK, 3)
    b += rect(cx - 60, cy - 36, 40, 18, "#8d8076", INK, 3, rx=9) + rect(cx + 20, cy - 36, 40, 18, "#8d8076", INK, 3, rx=9)
    b += font.text("BEST PLAYED WITH A CONTROLLER", cx, 600, 40, fill="url(#gold)", weight=6, outline_weight=10.5)
    return doc(W, H, b, defs)


def loading():
    defs = linear("bg", [(0, "#3b6fa0"), (1, "#f6cf8a")]) + gold_defs(1.5, 12.5)
    b = rect(0, 0, W, H, "url(#bg)", "none", 0)
    for i in range(30):
        b += circle((i * 97) % W, (i * 53) % 300 + 20, 2 + i % 3, WHITE, "none", 0, 'opacity="0.6"')
    b += embed(world.cloud(560, 180, False, seed=5), "cl", 360, 330, 560, 180)
    b += embed(hero.kibbet(eyes="closed", mouth="smile", wing_a=10), "k", 540, 250, 200, 200)
    b += font.text("Z", 760, 250, 36, fill=CREAM) + font.text("Z", 800, 205, 26, fill=CREAM)
    b += font.text("LOADING...", 640, 600, 56, fill="url(#gold)", weight=8.5, outline_weight=14.5)
    return doc(W, H, b, defs)


def word(w, h, txt, size, warm=False):
    defs = (linear("red", [(0, "#ffd2a0"), (0.5, "#ff8a4a"), (1, "#c8342a")], x1=0, y1=1.5, x2=0, y2=12.5, user=True)
            if warm else gold_defs(1.5, 12.5))
    fill = "url(#red)" if warm else "url(#gold)"
    return doc(w, h, font.text(txt, w / 2, h / 2, size, fill=fill, weight=size * 0.15, outline_weight=size * 0.26), defs)


def sprites():
    out = [
        single("MainScreen", LAYER, (W, H), main_screen(), "main menu page backdrop (object `MainScreen`)"),
        single("HowToPlayScreen", LAYER, (W, H), page("meadow", "HOW TO PLAY", "a"), "how-to-play page backdrop"),
        single("OptionsScreen", LAYER, (W, H), page("forest", "OPTIONS", "b"), "options page backdrop"),
        single("ControlsScreen", LAYER, (W, H), page("forest", "CONTROLS", "e"), "controls page backdrop"),
        single("CreditsScreen", LAYER, (W, H), page("forest", "CREDITS", "c", board=wood_board), "credits page backdrop"),
        single("LevelsScreen", LAYER, (W, H), page("meadow", "LEVELS", "e"), "level list page backdrop"),
        single("ConfirmationScreen", LAYER, (W, H), page("meadow", "", "d"), "quit confirmation page backdrop"),
        single("MainMenuFrame", LAYER, (W, H), vine_frame(), "`0_MainMenu`: leafy frame kept on the current page"),
        single("Splash_Ventrel", LAYER, (W, H), splash_logo(), "studio logo splash (`SplashVentrel`)"),
        single("Splash_Controller", LAYER, (W, H), splash_controller(), "controller splash (`XboxController`)"),
        single("Loading", "Sky", (W, H), loading(), "loading picture (`Level_00_Load`); in the first atlas, the only one loaded when it is drawn"),
        single("Game_Over", WORDS, (900, 200), word(900, 200, "GAME OVER", 110, warm=True), "end screen words"),
        single("You_Win", WORDS, (900, 200), word(900, 200, "YOU WIN!", 120), "end screen words"),
        single("For_Now", WORDS, (800, 160), word(800, 160, "...FOR NOW!", 84), "shown under `You_Win`"),
    ]
    return out
