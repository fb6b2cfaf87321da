"""Writes the hosted copy of the page, which installs to a phone's home
screen and works offline: the page as index.html with its manifest and
service worker named, the manifest, the service worker and the icons.
    make_site.py PAGE SITE_DIR VERSION SW_TEMPLATE ICON_192 ICON_512"""
import json
import os
import shutil
import sys

from make_policy import with_policy

page, site, version, worker, icon192, icon512 = sys.argv[1:]
os.makedirs(site, exist_ok=True)

# Only this copy names them: the single file stays one file that makes no request.
head = ('<link rel="manifest" href="manifest.webmanifest">\n<link rel="icon" href="icon-192.png">\n'
        '<script>if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js");</script>\n')
with open(page, encoding="utf-8") as f:
    html = f.read()
if "</head>" not in html:
    sys.exit("make_site.py: no </head> in " + page)
with open(os.path.join(site, "index.html"), "w", encoding="utf-8") as f:
    f.write(with_policy(html.replace("</head>", head + "</head>", 1), site=True))

manifest = {
    "name": "hueprev",
    "short_name": "hueprev",
    "start_url": "./",
    "scope": "./",
    "display": "standalone",
    "background_color": "#efefef",
    "theme_color": "#404040",
    "icons": [{"src": "icon-192.png", "sizes": "192x192", "type": "image/png"},
              {"src": "icon-512.png", "sizes": "512x512", "type": "image/png", "purpose": "any"}],
}
with open(os.path.join(site, "manifest.webmanifest"), "w", encoding="utf-8") as f:
    json.dump(manifest, f, indent=2)
with open(worker, encoding="utf-8") as f:
    script = f.read().replace("@VERSION@", version)
with open(os.path.join(site, "sw.js"), "w", encoding="utf-8") as f:
    f.write(script)
# What only a header can say: no framing by other sites. Static hosts that read
# a _headers file (Netlify, Cloudflare Pages) send it with every file.
with open(os.path.join(site, "_headers"), "w", encoding="utf-8") as f:
    f.write("/*\n  Content-Security-Policy: frame-ancestors 'self'\n  X-Frame-Options: SAMEORIGIN\n"
            "  X-Content-Type-Options: nosniff\n")
shutil.copyfile(icon192, os.path.join(site, "icon-192.png"))
shutil.copyfile(icon512, os.path.join(site, "icon-512.png"))
