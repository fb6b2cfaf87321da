"""Gives a page a strict Content-Security-Policy: its own inline scripts and
styles by their hashes, the module allowed to compile, pictures and the font
only from the page itself, and nothing from the network; a markup fault can
then neither run script nor send the name anywhere.
    make_policy.py PAGE [--site]
--site: the hosted copy, which also names its manifest, icon and service worker."""
import base64
import hashlib
import re
import sys

META = re.compile(r'<meta http-equiv="Content-Security-Policy"[^>]*>\n?')


def hashes(html, tag):
    found = re.findall(r"<%s(?: [^>]*)?>(.*?)</%s>" % (tag, tag), html, re.S)
    return " ".join("'sha256-%s'" % base64.b64encode(hashlib.sha256(body.encode("utf-8")).digest()).decode()
                    for body in found)


def with_policy(html, site=False):
    html = META.sub("", html)
    own = " 'self'" if site else ""
    policy = ("default-src 'none'; script-src %s 'wasm-unsafe-eval'; style-src %s; img-src data:%s; "
              "font-src data:; base-uri 'none'; form-action 'none'"
              % (hashes(html, "script"), hashes(html, "style"), own))
    if site:
        policy += "; manifest-src 'self'; worker-src 'self'"
    meta = '<meta http-equiv="Content-Security-Policy" content="%s">\n' % policy
    if '<meta charset="utf-8">\n' not in html:
        sys.exit("make_policy.py: no <meta charset> to follow")
    return html.replace('<meta charset="utf-8">\n', '<meta charset="utf-8">\n' + meta, 1)


if __name__ == "__main__":
    path = sys.argv[1]
    with open(path, encoding="utf-8") as f:
        page = f.read()
    with open(path, "w", encoding="utf-8") as f:
        f.write(with_policy(page, "--site" in sys.argv[2:]))
