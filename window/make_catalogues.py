"""Builds the program's catalogues from the translators' .po files:
    make_catalogues.py OUTPUT.cpp LANGUAGE.po...
Each file's name is its language (de.po, pt_BR.po). Fuzzy and untranslated
entries are left out, so the English shows there."""
import os
import sys


def unquote(line):
    text = line.strip()[1:-1]
    out, i = bytearray(), 0
    escapes = {"n": b"\n", "t": b"\t", '"': b'"', "\\": b"\\"}
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            out += escapes[text[i + 1]]
            i += 2
        else:
            out += text[i].encode("utf-8")
            i += 1
    return bytes(out)


def entries(path):
    """(English, translation) pairs of a .po file, as UTF-8 bytes."""
    found, msgid, msgstr, field, fuzzy = [], None, None, None, False

    def flush():
        if msgid and msgstr and not fuzzy:
            found.append((msgid, msgstr))

    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#,") and "fuzzy" in line:
                fuzzy = True
            elif line.startswith("msgid "):
                flush()
                msgid, msgstr, field, fuzzy = unquote(line[6:]), None, "id", fuzzy
            elif line.startswith("msgstr "):
                msgstr, field = unquote(line[7:]), "str"
            elif line.startswith('"') and field == "id":
                msgid += unquote(line)
            elif line.startswith('"') and field == "str":
                msgstr += unquote(line)
            elif not line.strip():
                flush()
                msgid, msgstr, field, fuzzy = None, None, None, False
    flush()
    return sorted(found)


def cpp(data):
    return '"' + "".join(chr(b) if 32 <= b < 127 and chr(b) not in '"\\?' else "\\%03o" % b for b in data) + '"'


output, sources = sys.argv[1], sorted(sys.argv[2:])
lines = ["// Made by window/make_catalogues.py from resources/po; not to be edited.",
         '#include "window/catalogues.h"', "", "namespace hueprev::catalogues {", "namespace {"]
tags = []
for index, path in enumerate(sources):
    tag = os.path.splitext(os.path.basename(path))[0].replace("_", "-")
    tags.append(tag)
    lines.append("constexpr Entry k%d[] = {" % index)
    lines += ["    {%s, %s}," % (cpp(english), cpp(translated)) for english, translated in entries(path)]
    lines.append("};")
lines += ["} // namespace", "", "const Catalogue kAll[] = {"]
lines += ['    {"%s", k%d, sizeof k%d / sizeof k%d[0]},' % (tag, i, i, i) for i, tag in enumerate(tags)]
lines += ["};", "const std::size_t kCount = %d;" % len(tags), "", "} // namespace hueprev::catalogues", ""]
text = "\n".join(lines)
if not os.path.exists(output) or open(output, encoding="ascii").read() != text:
    with open(output, "w", encoding="ascii") as f:
        f.write(text)
