#!/usr/bin/env bash
# The translators' catalogues, resources/po: the template made from the
# sources, and one catalogue per language.
#   bash scripts/update-catalogues.sh          makes the template anew and merges it
#                                              into every catalogue; then translate
#                                              what msgmerge marks
#   bash scripts/update-catalogues.sh --check  fails unless the template holds every
#                                              word of the sources and every catalogue
#                                              translates every one, placeholders alike
set -euo pipefail
shopt -s nullglob
cd "$(dirname "$0")/.."
po=resources/po

# The words: marked with translatable(), or passed to translate() or format().
template() {
  xgettext --language=C++ --from-code=UTF-8 --keyword=translatable --keyword=translate:1,1t --keyword=format:1 \
    --add-comments=TRANSLATORS: --add-location=file --sort-by-file --package-name=hueprev \
    --package-version=1.00 --msgid-bugs-address=https://github.com/hueprev/hueprev/issues -o "$1" \
    preview/*.cpp window/*.cpp window/*.h window/*/*.cpp
}

if [ "${1:-}" = --check ]; then
  fresh=$(mktemp --suffix=.pot)
  trap 'rm -f "$fresh"' EXIT
  template "$fresh"
  # The same words in the committed template as in the sources, both ways.
  msgcmp --use-untranslated "$po/hueprev.pot" "$fresh"
  msgcmp --use-untranslated "$fresh" "$po/hueprev.pot"
  for catalogue in "$po"/*.po; do
    # Well formed, placeholders as in the English, every word translated.
    msgfmt --check --output-file=/dev/null "$catalogue"
    msgcmp "$catalogue" "$po/hueprev.pot"
    echo "$catalogue: complete"
  done
  exit 0
fi

template "$po/hueprev.pot"
for catalogue in "$po"/*.po; do
  msgmerge --quiet --update --backup=none --no-fuzzy-matching --no-wrap "$catalogue" "$po/hueprev.pot"
done
