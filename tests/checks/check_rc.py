"""Compiles the Windows resource script with mingw's windres and reads the
version record back from the compiled resources."""
import os
import struct
import subprocess
import sys
import tempfile


def utf16(s):
    return s.encode("utf-16-le")


def version_failures(data):
    """What is wrong with the version record held somewhere in data (a .res or an .exe)."""
    failures = []
    for key, value in [("FileVersion", "1.00"), ("ProductVersion", "1.00"), ("ProductName", "hueprev"),
                       ("InternalName", "hueprev"), ("OriginalFilename", "hueprev.exe")]:
        at = data.find(utf16(key) + b"\0\0")
        if at < 0:
            failures.append("no %s" % key)
            continue
        # The value follows the key, aligned to 32 bits.
        start = at + len(utf16(key)) + 2
        start += (-start) % 4
        end = data.find(b"\0\0", start)
        end += (end - start) % 2
        got = data[start:end].decode("utf-16-le")
        if got != value:
            failures.append("%s is %r, not %r" % (key, got, value))
    if utf16("040904B0") not in data and utf16("040904b0") not in data:
        failures.append("no 040904B0 string block")
    fixed = data.find(struct.pack("<I", 0xFEEF04BD))
    if fixed < 0:
        failures.append("no fixed file info")
    else:
        file_ms, file_ls, product_ms, product_ls = struct.unpack("<4I", data[fixed + 8:fixed + 24])
        if (file_ms, file_ls, product_ms, product_ls) != (0x10000, 0, 0x10000, 0):
            failures.append("numeric versions are not 1.0.0.0")
    return failures


def report(failures):
    for f in failures:
        print("FAIL:", f)
    print("1 passed, 0 failed" if not failures else "0 passed, 1 failed")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    rc, windres = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as tmp:
        res = os.path.join(tmp, "hueprev.res")
        subprocess.run([windres, "-O", "res", "-i", rc, "-o", res], check=True)
        data = open(res, "rb").read()
    failures = version_failures(data)
    # An icon group (type 14) holding the 16 and 32 pixel images (type 3).
    if struct.pack("<HH", 0xFFFF, 14) not in data:
        failures.append("no icon group")
    if data.count(struct.pack("<HH", 0xFFFF, 3)) != 2:
        failures.append("icon images are not exactly two")
    report(failures)
