#!/usr/bin/env bash
# Builds the Debian package with cpack into a scratch folder, unpacks it and checks what a
# lab PC gets: the program, launcher, icon and AppStream data under one id, copyright,
# changelog and manual page, the dependencies that pull in Qt, its German texts, libcups and
# the fonts, each once; then lintian judges the whole package.
# With the page built (scripts/web), the package carries it too, byte for byte.
#   check_package.sh CPACK CPACK_CONFIG SCRATCH VERSION KORA PAGE
set -uo pipefail
cpack="$1" config="$2" scratch="$3" version="$4" kora="$5" page="$6"
id=de.kora.Temperatursensoren
deb_name="kora_${version}_$(dpkg --print-architecture).deb"

failures=0
fail() { echo "FEHLER: $*"; failures=$((failures + 1)); }
skip() { echo "übersprungen: $*"; }

rm -rf "$scratch" && mkdir -p "$scratch" || exit 1
if ! "$cpack" --config "$config" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  echo "FEHLER: cpack ist gescheitert"
  exit 1
fi
deb="$scratch/out/$deb_name"
if [ ! -f "$deb" ]; then
  ls "$scratch/out"
  echo "FEHLER: $deb_name fehlt"
  exit 1
fi

root="$scratch/root"
dpkg-deb -x "$deb" "$root" || { echo "FEHLER: dpkg-deb -x"; exit 1; }

# Exactly these files, so that removing the package leaves nothing behind and no build
# by-product slips in.
expected="usr/bin/kora
usr/share/applications/$id.desktop
usr/share/doc/kora/changelog.gz
usr/share/doc/kora/copyright
usr/share/man/man1/kora.1.gz
usr/share/man/en/man1/kora.1.gz
usr/share/applications/$id.English.desktop
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/metainfo/$id.metainfo.xml"
if [ -f "$page" ]; then
  expected="$expected
usr/share/kora/web/kora.html
usr/share/kora/web/kora-lehrer.html"
else
  skip "die Seite $page ist nicht gebaut (scripts/web)"
fi
actual="$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)"
[ "$actual" = "$(LC_ALL=C sort <<<"$expected")" ] || fail "Dateien im Paket:
$actual"

if [ -f "$page" ]; then
  cmp -s "$page" "$root/usr/share/kora/web/kora.html" || fail "/usr/share/kora/web/kora.html ist nicht die gebaute Seite"
  cmp -s "${page%/*}/kora-lehrer.html" "$root/usr/share/kora/web/kora-lehrer.html" ||
    fail "/usr/share/kora/web/kora-lehrer.html ist nicht die gebaute Seite"
fi

bin="$root/usr/bin/kora"
[ -x "$bin" ] || fail "/usr/bin/kora fehlt oder ist nicht ausführbar"
file -b "$bin" | grep -q '^ELF .* executable' || fail "/usr/bin/kora ist kein Programm: $(file -b "$bin")"

desktop="$root/usr/share/applications/$id.desktop"
if [ -f "$desktop" ]; then
  for line in "Type=Application" "Exec=kora" "Icon=$id" "Terminal=false" \
              "Name=KORA - Temperatursensoren als Zweipol" "Categories=Education;Electronics;"; do
    grep -qxF "$line" "$desktop" || fail "$id.desktop: Zeile '$line' fehlt"
  done
  grep -q '^Comment=.' "$desktop" || fail "$id.desktop: englischer Kommentar fehlt"
  grep -q '^Comment\[de\]=.' "$desktop" || fail "$id.desktop: deutscher Kommentar fehlt"
  grep -q '^Name\[en\]=.' "$desktop" || fail "$id.desktop: englischer Name fehlt"
  english="$root/usr/share/applications/$id.English.desktop"
  for line in "Name=KORA (English)" "Exec=kora --sprache en" "Icon=$id"; do
    grep -qxF "$line" "$english" || fail "$id.English.desktop: Zeile '$line' fehlt"
  done
  if command -v desktop-file-validate >/dev/null; then
    # One main category, so hints count too.
    for launcher in "$desktop" "$english"; do
      report="$(desktop-file-validate "$launcher" 2>&1)"; rc=$?
      if [ "$rc" != 0 ] || [ -n "$report" ]; then
        echo "$report"; fail "desktop-file-validate meldet Fehler"
      fi
    done
  else
    skip "desktop-file-validate (desktop-file-utils) fehlt"
  fi
else
  fail "$id.desktop fehlt"
fi

icon="$root/usr/share/icons/hicolor/scalable/apps/$id.svg"
grep -q '<svg' "$icon" 2>/dev/null || fail "Symbol $id.svg fehlt oder ist kein SVG"

metainfo="$root/usr/share/metainfo/$id.metainfo.xml"
if [ -f "$page" ]; then
  expected="$expected
usr/share/kora/web/kora.html
usr/share/kora/web/kora-lehrer.html"
else
  skip "die Seite $page ist nicht gebaut (scripts/web)"
fi
if [ -f "$metainfo" ]; then
  grep -qF "<id>$id</id>" "$metainfo" || fail "metainfo: <id> ist nicht $id"
  grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "metainfo: launchable zeigt nicht auf $id.desktop"
  grep -qF "<binary>kora</binary>" "$metainfo" || fail "metainfo: provides binary kora fehlt"
  grep -qF "<release version=\"$version\"" "$metainfo" || fail "metainfo: keine Release-Angabe für $version"
  # --strict: infos count too (a missing content rating is only an info).
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --strict "$metainfo" >"$scratch/appstream.log" 2>&1 \
      || { cat "$scratch/appstream.log"; fail "appstreamcli validate meldet Fehler"; }
  else
    skip "appstreamcli (appstream) fehlt"
  fi
else
  fail "$id.metainfo.xml fehlt"
fi

[ "$(dpkg-deb -f "$deb" Package)" = kora ] || fail "Paketname ist nicht kora"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "Paketversion ist nicht $version"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for p in fonts-liberation2 qt6-qpa-plugins qt6-translations-l10n libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 \
         libqt6printsupport6 libqt6charts6 libcups2; do
  grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends nennt $p nicht"
done
twice="$(sed 's/, /\n/g' <<<"$depends" | sed 's/[ (].*//' | LC_ALL=C sort | uniq -d)"
[ -z "$twice" ] || fail "Depends nennt mehrfach: $twice"

# The changelog's newest entry is this version; the manual page names every option that
# "kora --help" offers.
changelog="$root/usr/share/doc/kora/changelog.gz"
[ "$(zcat "$changelog" 2>/dev/null | head -1)" = "kora ($version) unstable; urgency=medium" ] \
  || fail "changelog.gz beginnt nicht mit Version $version: $(zcat "$changelog" 2>/dev/null | head -1)"
head -1 "$root/usr/share/doc/kora/copyright" 2>/dev/null | grep -qxF \
       "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
  || fail "copyright ist nicht maschinenlesbar"
manual="$(zcat "$root/usr/share/man/man1/kora.1.gz" 2>/dev/null | sed 's/\\-/-/g')"
options="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$kora" --help | grep -oE '^  (-[^ ,]+(, )?)+' \
           | grep -oE -- '-[^ ,]+')"
[ -n "$options" ] || fail "kora --help nennt keine Optionen"
english_manual="$(zcat "$root/usr/share/man/en/man1/kora.1.gz" 2>/dev/null | sed 's/\\-/-/g')"
for option in $options --sprache; do
  grep -qF -- "$option" <<<"$manual" || fail "die Handbuchseite nennt $option nicht"
  grep -qF -- "$option" <<<"$english_manual" || fail "die englische Handbuchseite nennt $option nicht"
done

# lintian, as Debian's archive would judge the package: errors and warnings fail.
if command -v lintian >/dev/null; then
  lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1 \
    || { cat "$scratch/lintian.log"; fail "lintian meldet Fehler oder Warnungen"; }
  cat "$scratch/lintian.log"
else
  fail "lintian fehlt (scripts/setup installiert es)"
fi

[ "$failures" = 0 ] || exit 1
echo "Paket $deb_name in Ordnung"
