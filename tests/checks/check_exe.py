"""Static checks of a hueprev.exe: its machine type, that it imports system DLLs
only, its version record, its two icon sizes and its manifest, its size and the zip
that cpack makes of it (win32 or win64, both shipped):
python3 check_exe.py EXE MACHINE OBJDUMP [CPACK_CONFIG]"""
import os
import subprocess
import sys
import tempfile
import zipfile

from check_rc import report, version_failures

exe, machine, objdump = sys.argv[1:4]
cpack_config = sys.argv[4] if len(sys.argv) > 4 else None
# What every Windows since 7 has in its system folder.
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "msvcrt.dll", "advapi32.dll",
               "shell32.dll", "ole32.dll", "oleaut32.dll", "oleacc.dll", "comdlg32.dll"}


def run(*args):
    return subprocess.run(list(args), check=True, capture_output=True, text=True).stdout


failures = []
header = run(objdump, "-f", exe)
if "file format pei-%s" % machine not in header:
    failures.append("not a %s executable: %s" % (machine, header.strip()))
dlls = {line.split(":", 1)[1].strip().lower() for line in run(objdump, "-p", exe).splitlines()
        if "DLL Name:" in line}
if not dlls or not dlls <= SYSTEM_DLLS:
    failures.append("imports DLLs beyond the system's: %s" % sorted(dlls - SYSTEM_DLLS))
failures += version_failures(open(exe, "rb").read())

resources = run("wrestool", "--list", exe)
if "--type=24" not in resources:
    failures.append("no application manifest")
with tempfile.TemporaryDirectory() as tmp:
    ico = os.path.join(tmp, "icon.ico")
    with open(ico, "wb") as f:
        f.write(subprocess.run(["wrestool", "--extract", "--type=14", exe], check=True,
                               capture_output=True).stdout)
    sizes = sorted(line.split("--width=")[1].split()[0] for line in run("icotool", "--list", ico).splitlines())
    if sizes != ["16", "32"]:
        failures.append("icon sizes are %s, not 16 and 32" % sizes)

    if cpack_config:
        size = os.path.getsize(exe)
        if size > 400 * 1024:
            failures.append("hueprev.exe is %d KiB, more than 400" % (size // 1024))
        subprocess.run(["cpack", "--config", cpack_config, "-B", tmp], check=True, capture_output=True)
        names = [n for n in os.listdir(tmp) if n.endswith(".zip")]
        bits = "32" if machine == "i386" else "64"
        if names != ["hueprev-1.00-win%s.zip" % bits]:
            failures.append("cpack wrote %s" % names)
        else:
            with zipfile.ZipFile(os.path.join(tmp, names[0])) as z:
                files = sorted(os.path.basename(n) for n in z.namelist() if not n.endswith("/"))
            if files != ["LICENSE.txt", "README.txt", "hueprev.exe"]:
                failures.append("the zip holds %s" % files)
report(failures)
