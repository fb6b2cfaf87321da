"""Lints this build's own sources with clang-tidy, as the build compiles them:
    lint.py CLANG_TIDY BUILD_DIR SOURCE_DIR REGEX JOBS [CLANG_TIDY_ARG...]

REGEX picks the sources, by their path below SOURCE_DIR. Where the build joins
sources into one file (CMake's unity build), that file is linted once with
every other check, which reads the platform's headers once, not once per
source; the few checks that look only at a file of its own (a using-declaration
left unused, namespaces to join, a .cpp included) then lint each source alone.
Exits 1 if clang-tidy warned of anything."""
import concurrent.futures
import json
import os
import re
import subprocess
import sys

# The checks that pass over everything outside the file clang-tidy was given,
# and what a source must hold for them to find anything: a using-declaration
# (always of a qualified name), a second named namespace, an included source.
ALONE = "misc-unused-using-decls,modernize-concat-nested-namespaces,bugprone-suspicious-include"
USING = re.compile(r"\busing\s+(?!namespace\b)[\w:]*::")
NAMESPACE = re.compile(r"\bnamespace\s+[A-Za-z_]")
INCLUDED_SOURCE = re.compile(r'#\s*include\s*[<"][^>"]*\.(c|cc|cpp|cxx|inc)[>"]')


def needs_alone(path):
    with open(path, encoding="utf-8") as source:
        text = source.read()
    code = re.sub(r"//[^\n]*|/\*.*?\*/", "", text, flags=re.DOTALL)
    return bool(USING.search(code) or len(NAMESPACE.findall(code)) > 1 or INCLUDED_SOURCE.search(text))


def unity_sources(path):
    """The sources a unity file includes, or None for a source of its own."""
    if "/Unity/unity_" not in path:
        return None
    with open(path, encoding="utf-8") as unity:
        return re.findall(r'^#include "([^"]+)"$', unity.read(), re.MULTILINE)


def nearest_config(path, source):
    """The .clang-tidy that clang-tidy reads for a source of ours."""
    folder = os.path.dirname(path)
    while folder != source and not os.path.exists(os.path.join(folder, ".clang-tidy")):
        folder = os.path.dirname(folder)
    return os.path.join(folder, ".clang-tidy")


def main():
    clang_tidy, build, source, regex, jobs, *args = sys.argv[1:]
    picked = re.compile(regex)

    def own(path):
        return path.startswith(source + "/") and picked.match(path[len(source) + 1:])

    # Diagnostics from every file of ours that a unity file includes, but not
    # from the build's generated sources.
    ours = "^%s/(preview|window|scripts|tests|bench)/" % re.escape(source)
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as db:
        entries = json.load(db)

    runs = []
    alone = []
    files = 0
    for entry in entries:
        sources = unity_sources(entry["file"])
        if sources is None:
            if own(entry["file"]):
                runs.append(["-p", build, "--header-filter=" + ours, entry["file"]])
                files += 1
            continue
        sources = [s for s in sources if own(s)]
        if not sources:
            continue
        # clang-tidy reads the configuration next to the file it is given: that
        # of the folder the sources are in, which a folder's own adds to.
        configs = {nearest_config(s, source) for s in sources}
        if len(configs) != 1:
            sys.exit("%s joins sources of folders configured apart: %s" % (entry["file"], " ".join(configs)))
        runs.append(["-p", build, "--config-file=" + configs.pop(), "--header-filter=" + ours,
                     "--checks=-" + ALONE.replace(",", ",-"), entry["file"]])
        alone += [{"directory": entry["directory"], "file": s, "command": entry["command"].replace(entry["file"], s)}
                  for s in sources if needs_alone(s)]
        files += len(sources)

    if alone:
        single = os.path.join(build, "lint")
        os.makedirs(single, exist_ok=True)
        with open(os.path.join(single, "compile_commands.json"), "w", encoding="utf-8") as db:
            json.dump(alone, db)
        runs += [["-p", single, "--checks=-*," + ALONE, entry["file"]] for entry in alone]

    def lint(run):
        done = subprocess.run([clang_tidy, "-quiet", *args, *run], capture_output=True, text=True)
        return done.returncode, done.stdout + "".join(
            line + "\n" for line in done.stderr.splitlines() if not re.match(r"^\d+ warnings? generated\.$", line))

    failed = False
    with concurrent.futures.ThreadPoolExecutor(int(jobs)) as pool:
        for status, output in pool.map(lint, runs):
            sys.stdout.write(output)
            failed |= status != 0 or bool(re.search(r"(warning|error): ", output))
    print("%d files linted in %d runs of clang-tidy" % (files, len(runs)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
