"""Screenshots of the running program for the help page (run by captures.sh)."""
import os, shutil, subprocess, sys, tempfile, time

build, gui_dir, out = sys.argv[1:4]
sys.path.insert(0, gui_dir)
from gui import *  # noqa: E402,F401

# Geometry of the bundled demo: the ball falls from y = 40 and lies on the
# floor at y = 440 from frame 26 on; the ruler stands at x = 110..146.
W, H = 640, 480
def ball_y(i):
    t = max(0, i - 10) / 25
    return min(40 + 0.5 * 9.81 * t * t * 200, 440)

# A home whose path reads well in the pictures.
home = "/tmp/kinotab-napoveda/jana"
shutil.rmtree(os.path.dirname(home), ignore_errors=True)
demo = os.path.join(build, "resources/demo/kinotab-demo.avi")
videos = os.path.join(home, "Videa")
os.makedirs(os.path.join(videos, "fyzika"), exist_ok=True)
for dest in ("chute.avi", "fyzika/kyvadlo.avi", "fyzika/vozik.avi"):
    shutil.copy(demo, os.path.join(videos, dest))
open(os.path.join(videos, "fyzika/mereni.ktb"), "w").close()

app = App(os.path.join(build, "app/kinotab"), [], home=home, env={"KINOTAB_OPEN_VIDEO": demo})
main = window(app, "kinotab-demo", timeout=10)
if main is None:
    fail(f"no main window: {windows(app)}")
time.sleep(1)


def save(w, name):
    time.sleep(0.6)
    shot(w, os.path.join(out, name))
    print("wrote", name)


def tool(caption):
    b = find(main, {"push button", "toggle button", "check box"}, "^" + caption + "$", timeout=3)
    if b is None:
        fail(f"no tool button '{caption}'")
    x, y, w, h = extents(b)
    xdo("mousemove", x + w // 2, y + h // 2)
    xdo("click", 1)
    time.sleep(0.4)


save(main, "Image1.png")

# Marks on the ball from its release to the floor.
xdo("key", "--window", subprocess.run(["xdotool", "search", "--name", "kinotab-demo"],
                                      capture_output=True, text=True).stdout.split()[0], "Home")
for _ in range(10):
    xdo("key", "Right")
for i in range(10, 27):
    click_video(app, 330, ball_y(i), W, H)
save(main, "Image2.png")

# The scale: both ends of the ruler, then the length dialog.
tool("Zadat meritko")
click_video(app, 128, 40, W, H)
click_video(app, 128, 440, W, H)
box = window(app, "měřítko", timeout=5)
if box is not None:
    xdo("type", "2")
    xdo("key", "Return")
    time.sleep(0.5)
else:
    print("no scale dialog:", windows(app))

# The origin on the floor under the ball.
tool("Pocatek soustavy souradne")
click_video(app, 330, 440, W, H)
save(main, "Image3.png")

# The table of values of this measurement.
menu(app, "Výsledky", "Tabulka hodnot")
box = window(app, "^Tabulka hodnot( –|$)", timeout=8)
if box is not None:
    save(box, "Image7.png")
    xdo("key", "Escape")
    time.sleep(0.8)
else:
    print("no results window:", windows(app))

# The colour of marks and axes.
menu(app, "Zobrazení", "Barva")
box = window(app, "Barva", timeout=5)
if box is not None:
    save(box, "Image4.png")
    xdo("key", "Escape")
    time.sleep(0.5)

# Options and search.
menu(app, "Zobrazení", "Nastavení")
box = window(app, "^Moznosti$", timeout=5)
if box is not None:
    save(box, "Image5.png")
    press(box, "OK")

menu(app, "Soubor", "Rechercher")
box = window(app, "^Vyhledat$", timeout=5)
if box is not None:
    press(box, "Vyhledat")
    time.sleep(1.5)
    save(box, "Image6.png")
    xdo("key", "Escape")

app.close()
shutil.rmtree(os.path.dirname(home), ignore_errors=True)
