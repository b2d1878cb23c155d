#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and runs the installed program headless, with
# HOME and XDG_DATA_HOME in a temporary folder, as a user of an installed Natalis would:
# the layout is complete, the chart folder is the user's data folder, made on first start
# with the sample charts in it, and a user's files are never replaced.
#
#   install_test.sh BUILD_DIR SOURCE_DIR VERSION APP_ID
set -euo pipefail
build=$1 source=$2 version=$3 appid=$4

tmp=$(mktemp -d /tmp/natalis-install-XXXXXX)
trap 'rm -rf "$tmp"' EXIT
fail() {
  echo "FALLO: $*" >&2
  exit 1
}

DESTDIR="$tmp/dest" cmake --install "$build" --prefix /usr >/dev/null
root="$tmp/dest/usr"
natalis="$root/bin/natalis"

# The layout.
for f in bin/natalis bin/natalis-gui share/natalis/ORRASTRO.TTF share/natalis/atlas.tsv \
  share/applications/natalis.desktop \
  share/icons/hicolor/scalable/apps/natalis.svg "share/metainfo/$appid.metainfo.xml" \
  share/man/man1/natalis.1 share/doc/natalis/LICENSE share/doc/natalis/LICENSE-DejaVu.txt \
  share/doc/natalis/copyright; do
  [ -f "$root/$f" ] || fail "cmake --install no instala $f"
done
[ -x "$natalis" ] || fail "bin/natalis no es ejecutable"
[ -x "$root/bin/natalis-gui" ] || fail "bin/natalis-gui no es ejecutable"
[ ! -e "$root/bin/ORRASTRO.TTF" ] || fail "la fuente está junto al programa instalado"
samples=()
for c in "$source"/charts/*.dat; do samples+=("$(basename "$c")"); done
[ ${#samples[@]} -gt 0 ] || fail "no hay cartas de ejemplo en charts/"
for s in "${samples[@]}"; do
  cmp -s "$source/charts/$s" "$root/share/natalis/$s" || fail "share/natalis/$s no es la de charts/"
done
grep -qx "Exec=natalis" "$root/share/applications/natalis.desktop" ||
  fail "la entrada de escritorio no arranca natalis"
grep -q "<release version=\"$version\"" "$root/share/metainfo/$appid.metainfo.xml" ||
  fail "el metainfo no lleva la versión $version"
grep -q "\"Natalis $version\"" "$root/share/man/man1/natalis.1" ||
  fail "la página de manual no lleva la versión $version"

# --version and --help answer on standard output, exit 0.
[ "$("$natalis" --version)" = "Natalis $version" ] || fail "--version: $("$natalis" --version)"
help=$("$natalis" --help)

# The man page documents every command of the usage text.
while read -r cmd; do
  grep -q -- "\\\\-\\\\-${cmd#--}" "$root/share/man/man1/natalis.1" ||
    fail "la página de manual no documenta $cmd"
done < <(printf '%s\n' "$help" | sed -n 's/^  natalis \[*\(--[a-z-]*\).*/\1/p' | sort -u)

# A chart folder is ready as the window would have it: every sample, byte for byte; mode 0700.
check_seeded() {
  local folder=$1
  [ -d "$folder" ] || fail "no se creó $folder"
  [ "$(stat -c %a "$folder")" = 700 ] || fail "$folder tiene modo $(stat -c %a "$folder")"
  for s in "${samples[@]}"; do
    cmp -s "$source/charts/$s" "$folder/$s" || fail "$folder/$s no es la carta de ejemplo"
  done
  if ls -A "$folder" | grep -q '\.tmp$'; then fail "quedó un archivo temporal en $folder"; fi
}

# First start with HOME only: ~/.local/share/natalis, made with its missing parents.
home="$tmp/home"
mkdir "$home"
out=$(env -u XDG_DATA_HOME HOME="$home" "$natalis" --carpeta)
[ "$out" = "$home/.local/share/natalis/" ] || fail "--carpeta con HOME: «$out»"
check_seeded "$home/.local/share/natalis"

# The installed program reads a chart of that folder as the build's program does.
chart="$home/.local/share/natalis/${samples[0]}"
[ "$(HOME="$home" "$natalis" --listing "$chart")" = "$("$build/natalis" --listing "$chart")" ] ||
  fail "--listing del programa instalado difiere del de la compilación"

# The installed program answers a text command without Qt, and starts the graphical program
# installed beside it for a drawn export.
if LD_DEBUG=libs HOME="$home" "$natalis" --listing "$chart" 2>&1 >/dev/null | grep -q 'libQt'; then
  fail "--listing del programa instalado carga Qt"
fi
HOME="$home" "$natalis" --svg "$chart" "$tmp/carta.svg" || fail "--svg del programa instalado"
grep -q '<svg' "$tmp/carta.svg" || fail "--svg del programa instalado no escribió un SVG"

# Later starts keep the user's files: a changed chart stays changed, a removed one stays away.
user="$home/.local/share/natalis"
printf 'mía\r\n' >"$user/${samples[0]}"
rm "$user/${samples[1]}"
env -u XDG_DATA_HOME HOME="$home" "$natalis" --carpeta >/dev/null
[ "$(cat "$user/${samples[0]}")" = $'mía\r' ] || fail "se reemplazó una carta del usuario"
[ ! -e "$user/${samples[1]}" ] || fail "volvió una carta que el usuario quitó"

# XDG_DATA_HOME wins over HOME; a relative one is ignored.
out=$(HOME="$home" XDG_DATA_HOME="$tmp/xdg" "$natalis" --carpeta)
[ "$out" = "$tmp/xdg/natalis/" ] || fail "--carpeta con XDG_DATA_HOME: «$out»"
check_seeded "$tmp/xdg/natalis"
mkdir "$tmp/home2"
out=$(cd "$tmp" && HOME="$tmp/home2" XDG_DATA_HOME=relativa "$natalis" --carpeta)
[ "$out" = "$tmp/home2/.local/share/natalis/" ] || fail "XDG_DATA_HOME relativa: «$out»"
[ ! -e "$tmp/relativa" ] || fail "se usó un XDG_DATA_HOME relativo"

# --folder overrides: it must exist, and is never seeded.
if err=$(HOME="$home" "$natalis" --carpeta --folder "$tmp/propia" 2>&1 >/dev/null); then
  fail "--folder de una carpeta que no existe fue aceptado"
fi
[ -n "$err" ] && [ ! -e "$tmp/propia" ] || fail "--folder inexistente: «$err»"
mkdir "$tmp/propia"
out=$(HOME="$home" "$natalis" --carpeta --folder "$tmp/propia")
[ "$out" = "$tmp/propia/" ] || fail "--carpeta --folder: «$out»"
[ -z "$(ls -A "$tmp/propia")" ] || fail "--folder recibió cartas de ejemplo"

# The build's own program stays portable: its charts beside it, whatever HOME says.
out=$(HOME="$tmp/home3" "$build/natalis" --carpeta)
[ "$out" = "$(cd "$build" && pwd -P)/" ] || fail "el programa de la compilación usa «$out»"
[ ! -e "$tmp/home3" ] || fail "el programa de la compilación creó una carpeta de usuario"

echo "instalación correcta"
