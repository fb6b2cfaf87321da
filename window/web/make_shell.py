"""Writes the page's shell with its font and button pictures inlined, so that
hueprev.html is one file that makes no request:
    make_shell.py TEMPLATE OUTPUT VERSION FONT PICTURES_DIR"""
import base64
import sys

template, output, version, font, pictures = sys.argv[1:]


def data(path):
    with open(path, "rb") as f:
        return base64.b64encode(f.read()).decode("ascii")


rules = []
for index in range(10):
    one = "url(data:image/gif;base64,%s)" % data("%s/code%d.gif" % (pictures, index))
    two = "url(data:image/gif;base64,%s)" % data("%s/code%d@2x.gif" % (pictures, index))
    rules.append(".code%d { background-image: %s; background-image: image-set(%s 1x, %s 2x); }"
                 % (index, one, one, two))

with open(template, encoding="utf-8") as f:
    page = f.read()
page = page.replace("@VERSION@", version).replace("@FONT@", data(font)).replace("@PICTURES@", "\n".join(rules))
with open(output, "w", encoding="utf-8") as f:
    f.write(page)
