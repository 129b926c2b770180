#!/usr/bin/python3
# Plays a whole game of the real program on the X display $DISPLAY with
# xdotool, as a player would: types a name, confirms it, turns cards and
# remembers their faces by their pixels, finds all pairs, waits for the list
# and takes a screenshot of the screen. Run by real-game.sh.
# Usage: play-real-game.py NAME OUT.png [SCALE] [--rtl]
import subprocess, sys, time
from PIL import Image
name, out = sys.argv[1], sys.argv[2]
import os
import tempfile
CUR = os.path.join(tempfile.gettempdir(), 'kestrelon-screen-%d.png' % os.getpid())
scale = float(sys.argv[3]) if len(sys.argv) > 3 else 1.0
def sh(*a): return subprocess.run(a, capture_output=True, text=True).stdout
def shot():
    subprocess.run(["import", "-window", "root", CUR], check=True)
    return Image.open(CUR).convert("RGB")
wid = None
for _ in range(100):
    ids = sh("xdotool", "search", "--onlyvisible", "--name", "Kestrelon Memory").split()
    if ids: wid = ids[-1]; break
    time.sleep(0.2)
time.sleep(1.5)
geo = sh("xdotool", "getwindowgeometry", wid)
pos = [l for l in geo.splitlines() if "Position" in l][0].split()[1].split(",")
wx, wy = int(pos[0]), int(pos[1])
img = shot()
bg = img.getpixel((wx + 2, wy + 200))
rtl = "--rtl" in sys.argv
# find the first card's top: scan down the middle of card 1
cx = wx + int(46 * scale) if not rtl else None
if rtl:
    # window width in logical px is 1076
    cx = wx + int((1076 - 46) * scale)
top = None
for y in range(wy, wy + int(200 * scale)):
    if all(img.getpixel((cx, y + d)) != bg for d in range(0, int(60 * scale), 3)):
        top = y; break
top0 = top - int(8 * scale)
def center(k):
    col, row = (k - 1) % 9, (k - 1) // 9
    x = 12 + col * 74 + 34
    if rtl: x = 1076 - x
    return wx + int(x * scale), top0 + int((8 + row * 74 + 34) * scale)
def face(k):
    # A coarse picture of the card's middle: the same face at another place
    # of a fractionally scaled window differs in a few pixels, not in this.
    x, y = center(k)
    h = int(20 * scale)
    small = shot().crop((x - h, y - h, x + h, y + h)).resize((6, 6), Image.BILINEAR)
    return [v for pixel in small.getdata() for v in pixel]


def same(a, b):
    return max(abs(x - y) for x, y in zip(a, b)) < 24
def click(k):
    x, y = center(k)
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"])
# the name
subprocess.run(["xdotool", "windowfocus", wid])
ex = wx + int((1076 - 100 if rtl else 100) * scale)
for y in range(top0 + int(340 * scale), top0 + int(520 * scale)):
    if all(img.getpixel((ex + d, y))[:3] == (255, 255, 255) for d in range(0, 20)):
        subprocess.run(["xdotool", "mousemove", str(ex), str(y + int(6 * scale)), "click", "1"])
        break
time.sleep(0.3)
subprocess.run(["xdotool", "type", "--delay", "30", name])
subprocess.run(["xdotool", "key", "Return"])
time.sleep(0.5)
known = {}  # position -> face, for the cards seen and not yet found
found = set()


def seen(f, other_than):
    for j, g in known.items():
        if j != other_than and j not in found and same(f, g):
            return j
    return None


for k in range(1, 37):
    if k in found: continue
    click(k); time.sleep(0.15); f = face(k)
    j = seen(f, k)
    if j is not None:
        click(j); time.sleep(0.8); found |= {j, k}; continue
    known[k] = f
    # second card: the next one not found yet
    n = k + 1
    while n in found: n += 1
    if n > 36: break
    click(n); time.sleep(0.15); g = face(n)
    time.sleep(0.9)
    if same(g, f): found |= {k, n}; continue
    j = seen(g, n)
    if j is not None and j != k:
        click(n); time.sleep(0.15); click(j); time.sleep(0.9); found |= {n, j}
    else:
        known[n] = g
time.sleep(3.5)
shot().save(out)
os.remove(CUR)
print("pairs found:", len(found) // 2)
