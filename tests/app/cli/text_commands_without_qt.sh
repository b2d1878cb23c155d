#!/usr/bin/env bash
# The program the user types, natalis, answers every text command without loading any Qt
# library (the dynamic loader's own record, LD_DEBUG=libs, says what was loaded), and hands the
# window and the drawn exports to natalis-gui beside it, with the same arguments.
#
#   text_commands_without_qt.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$1 source=$2
natalis="$build/natalis"
# A sample chart as the build has it, with the glyph font beside it.
chart="$build/$(basename "$(ls "$source"/charts/*.dat | head -n 1)")"
tmp=$(mktemp -d /tmp/natalis-sinqt-XXXXXX)
trap 'rm -rf "$tmp"' EXIT
failed=0
fail() {
  echo "FALLO: $*" >&2
  failed=1
}

# Nothing of Qt among the libraries the program names.
if readelf -d "$natalis" | grep -i 'NEEDED.*libQt'; then fail "natalis enlaza Qt"; fi

# The Qt libraries the loader opened for one run: "caso code args...".
qt_loaded() {
  LD_DEBUG=libs "$natalis" "$@" 2>&1 >/dev/null | grep -o 'libQt[0-9A-Za-z_]*\.so[.0-9]*' | sort -u
}

check() {  # check NAME EXPECTED_CODE ARGS...
  local name=$1 expected=$2
  shift 2
  "$natalis" "$@" >"$tmp/out" 2>"$tmp/err"
  local code=$?
  [ "$code" = "$expected" ] || fail "$name: salida $code, se esperaba $expected ($(cat "$tmp/err"))"
  local qt
  qt=$(qt_loaded "$@")
  [ -z "$qt" ] || fail "$name cargó Qt: $qt"
}

check listing 0 --listing "$chart"
check json 0 --json "$chart" "$chart" --houses K
check progress 0 --progress "$chart" --tecnica "Arco Solar" --fecha "1 1 2030"
check transit 0 --transit "$chart" --fecha "3 4 2027" --hora "10 30"
check periodo 0 --periodo "$chart" --desde "1 3 2025" --hasta "1 4 2025"
check retorno 0 --retorno solar "$chart" --fecha "1 1 2030"
check lugar 0 --lugar Madrid --folder "$tmp"
check huso 0 --huso Europe/Madrid --fecha "27 10 2024" --hora "02 30 00"
check carpeta 0 --carpeta --folder "$tmp"
check version 0 --version
check help 0 --help
# The collection out and back in, between folders of its own.
mkdir "$tmp/coleccion" "$tmp/importadas"
cp "$chart" "$tmp/coleccion/"
check exportar 0 --exportar aaf "$tmp/coleccion.aaf" --folder "$tmp/coleccion"
check importar 0 --importar "$tmp/coleccion.aaf" --folder "$tmp/importadas"
[ "$(ls "$tmp/importadas" | grep -c '\.dat$')" -ge 1 ] || fail "--importar no escribió ninguna carta"
# Refusals too: the message and the exit code without Qt.
check missing 2 --listing "$tmp/no-existe.dat"
check repeated 2 --listing "$chart" --houses K --houses P
check ignored 2 --version --houses K
grep -qx "La opción --houses no se usa con --version." <(head -n 1 "$tmp/err") ||
  fail "--version --houses K: «$(head -n 1 "$tmp/err")»"

# The JSON of two charts is two lines, one object each.
[ "$("$natalis" --json "$chart" "$chart" | wc -l)" = 2 ] || fail "--json de dos cartas no da dos líneas"

# A drawn export goes to natalis-gui, which loads Qt and writes the picture.
png="$tmp/carta.png"
[ -n "$(qt_loaded --png "$chart" "$png")" ] || fail "--png no pasó por la parte gráfica"
[ -s "$png" ] || fail "--png no escribió $png"
# An unknown word reaches natalis-gui, which answers it with the usage text.
"$natalis" --nada >/dev/null 2>"$tmp/err"
code=$?
[ "$code" = 2 ] && grep -q '^Uso:' "$tmp/err" || fail "--nada: salida $code, «$(head -n 1 "$tmp/err")»"

# Without natalis-gui beside it, the text commands still answer and the window says why not.
mkdir "$tmp/solo"
cp "$natalis" "$tmp/solo/natalis"
"$tmp/solo/natalis" --version >/dev/null || fail "natalis solo no responde --version"
out=$("$tmp/solo/natalis" --png "$chart" "$tmp/solo.png" 2>"$tmp/err")
code=$?
[ "$code" = 2 ] && [ -z "$out" ] || fail "sin natalis-gui: salida $code, «$out»"
grep -qx "No se pudo iniciar la parte gráfica del programa («$tmp/solo/natalis-gui»): no existe." \
  "$tmp/err" || fail "sin natalis-gui: «$(cat "$tmp/err")»"

[ "$failed" = 0 ] && echo "órdenes de texto sin Qt: correcto"
exit "$failed"
