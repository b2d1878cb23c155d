#!/usr/bin/env bash
# Writes what the headless commands print and draw for every sample chart, house system and
# technique into OUTDIR, one file per run (standard output, standard error and exit code), so
# two builds can be compared with `diff -r`: scripts/golden-outputs.sh build/natalis OUTDIR
set -uo pipefail
natalis=$1
out=$2
cd "$(dirname "$0")/.."
mkdir -p "$out"
run() {  # run NAME ARGS...
    local name=$1
    shift
    "$natalis" "$@" >"$out/$name.out" 2>"$out/$name.err"
    echo "exit $?" >>"$out/$name.err"
}
# A PDF's bytes hold the moment it was written: its text, as pdftotext reads it, is kept.
runpdf() {  # runpdf NAME CHART OPTIONS...
    local name=$1 chart=$2
    shift 2
    run "$name" --pdf "$chart" "$out/$name.pdf" "$@"
    pdftotext -layout "$out/$name.pdf" "$out/$name.pdf.txt" 2>/dev/null
    rm -f "$out/$name.pdf"
}
for chart in charts/*.dat; do
    base=$(basename "$chart" .dat)
    for h in P K R; do
        run "$base.listing.$h" --listing "$chart" --houses "$h"
        run "$base.json.$h" --json "$chart" --houses "$h"
        run "$base.png.$h" --png "$chart" "$out/$base.$h.png" --houses "$h"
    done
    for t in "Primaria" "Arco Solar" "Grado x Año" "Secundaria"; do
        tag=${t// /_}
        run "$base.progress.$tag" --progress "$chart" --tecnica "$t" --fecha "1 1 2030"
        run "$base.progress.$tag.conversa" --progress "$chart" --tecnica "$t" --fecha "1 1 2030" --conversa
        run "$base.progress.$tag.asc" --progress "$chart" --tecnica "$t" --fecha "5 6 2031" --asc-en-arco
        run "$base.pngprog.$tag" --png "$chart" "$out/$base.prog.$tag.png" --progress --tecnica "$t" --fecha "1 1 2030" --transit --fecha "3 4 2027" --hora "10 30"
    done
    runpdf "$base.pdfsimple" "$chart" --simple --progress --tecnica "Arco Solar" --fecha "1 1 2030"
    runpdf "$base.informe" "$chart"
    runpdf "$base.informe.anillos" "$chart" --papel carta --progress --tecnica "Arco Solar" --fecha "1 1 2030" --transit --fecha "3 4 2027" --hora "10 30"
    run "$base.retorno.solar" --retorno solar "$chart" --fecha "1 1 2030"
    run "$base.retorno.lunar" --retorno lunar "$chart" --fecha "3 4 2027"
    run "$base.transit" --transit "$chart" --fecha "3 4 2027" --hora "10 30"
    run "$base.transit.bad" --transit "$chart" --fecha "32 4 2027" --hora "10 30"
    run "$base.progress.bad" --progress "$chart" --tecnica "Arco Solar" --fecha "1 13 2030"
done
run missing --listing charts/no-such-chart.dat
run noargs --listing
