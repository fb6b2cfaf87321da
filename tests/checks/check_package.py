"""Builds the Debian package and checks what it holds: its metadata, its files,
the desktop entry and AppStream metadata, and that the unpacked binary opens
its window under a virtual display."""
import glob
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "scripts"))
from x11 import App, VirtualDisplay  # noqa: E402

build_dir, cpack = sys.argv[1], sys.argv[2]
APP_ID = "io.github.hueprev.hueprev"
passed, failures = 0, []


def check(ok, what):
    global passed
    if ok:
        passed += 1
    else:
        failures.append(what)
        print("FAIL:", what)


def run(*args, **kw):
    return subprocess.run(list(args), capture_output=True, text=True, timeout=300, **kw)


for old in glob.glob(os.path.join(build_dir, "package", "*.deb")):
    os.remove(old)
made = run(cpack, "--config", os.path.join(build_dir, "CPackConfig.cmake"), cwd=build_dir)
debs = glob.glob(os.path.join(build_dir, "package", "hueprev_*.deb"))
if made.returncode != 0 or len(debs) != 1:
    print(made.stdout, made.stderr)
    print("0 passed, 1 failed")
    sys.exit(1)
deb = debs[0]
check(os.path.basename(deb) == "hueprev_1.00_amd64.deb", "package file name: " + os.path.basename(deb))


def field(name):
    return run("dpkg-deb", "-f", deb, name).stdout.strip()


check(field("Package") == "hueprev", "Package field")
check(field("Version") == "1.00", "Version field is %r" % field("Version"))
check(field("Section") == "games", "Section field")
depends = field("Depends")
for lib in ("libqt6widgets6", "libqt6gui6", "libc6", "qt6-qpa-plugins", "fonts-wine"):
    check(lib in depends, "Depends lacks %s: %s" % (lib, depends))
check("qt6-wayland" in field("Recommends"), "Recommends lacks qt6-wayland: " + field("Recommends"))
check(len(field("Description").splitlines()) >= 2, "Description has an extended part")

# apt resolves every dependency from Debian's archive (a dry run: nothing is installed).
result = run("apt-get", "install", "--simulate", "-q", os.path.abspath(deb))
check(result.returncode == 0 and "Inst hueprev" in result.stdout, "apt cannot install it: " + result.stderr)

listing = run("dpkg-deb", "-c", deb).stdout
expected = ["./usr/bin/hueprev", "./usr/share/applications/%s.desktop" % APP_ID,
            "./usr/share/metainfo/%s.metainfo.xml" % APP_ID]
expected += ["./usr/share/icons/hicolor/%dx%d/apps/hueprev.png" % (s, s) for s in (16, 32, 48, 64, 128, 256)]
for path in expected:
    check(path in listing, "package lacks " + path)

with tempfile.TemporaryDirectory() as root:
    run("dpkg-deb", "-x", deb, root)
    desktop = os.path.join(root, "usr/share/applications/%s.desktop" % APP_ID)
    result = run("desktop-file-validate", desktop)
    check(result.returncode == 0 and not result.stdout.strip(), "desktop-file-validate: " + result.stdout)
    result = run("appstreamcli", "validate", "--no-net",
                 os.path.join(root, "usr/share/metainfo/%s.metainfo.xml" % APP_ID))
    check(result.returncode == 0, "appstreamcli validate: " + result.stdout)
    with VirtualDisplay() as display, App(display, os.path.join(root, "usr/bin/hueprev")) as app:
        width, height = app.geometry()
        check(width == 424 and 142 + 12 <= height <= 142 + 30, "the unpacked binary's window: the form and its bar")
        check(app.close() == 0, "the unpacked binary exits cleanly")

print("%d passed, %d failed" % (passed, len(failures)))
sys.exit(1 if failures else 0)
