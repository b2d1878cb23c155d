#!/usr/bin/env bash
# Fuzzes the file readers with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer:
# the chart reader and the readers of the exchange formats (aaf, quickchart, morinus, csv).
# Builds only what the targets need, with clang, into build-fuzz/; runs each target named
# (all of them when none is) for SECONDS seconds (default 60). Inputs found go to
# build-fuzz/corpus-TARGET, a crashing one to build-fuzz/.
# Usage: scripts/fuzz.sh [SECONDS] [chart|aaf|quickchart|morinus|csv ...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then targets=(chart aaf quickchart morinus csv); fi
out=build-fuzz
mkdir -p "$out/obj"

compiler=(clang++)
if command -v ccache >/dev/null; then compiler=(ccache clang++); fi
flags=(-std=c++17 -O1 -g -Wall -Wextra -fsanitize=fuzzer,address,undefined
       -fno-sanitize-recover=undefined -DUSE_OS_TZDB=1 -Isrc -I.)
# What every target links: the chart file's reader and writer and what they use.
common=(src/app/model/ChartFileReader.cpp src/app/model/ChartFileWriter.cpp
        src/app/model/ChartFormats.cpp src/app/model/Cp1252.cpp src/app/model/Notas.cpp
        src/app/model/NuevaHora.cpp src/app/model/SafeFileWrite.cpp
        src/app/model/ZoneSourceLine.cpp src/astro/Calendar.cpp src/astro/DateTimeParse.cpp
        src/astro/NumberText.cpp src/astro/TextTrim.cpp src/astro/UtcOffsetText.cpp)
# The exchange readers and what they use besides (rows of the formats table).
exchange=(src/app/model/CartaIntercambio.cpp src/app/model/Transliteracion.cpp
          src/app/model/FormatoAaf.cpp src/app/model/FormatoQuickChart.cpp
          src/app/model/FormatoMorinus.cpp src/app/model/PickleEstricto.cpp
          src/app/model/FormatoCsv.cpp src/astro/InstanteCivil.cpp
          src/astro/TimeZoneHistory.cpp src/astro/PosixTzRule.cpp)
declare -A main=([chart]=fuzz/ChartReaderFuzz.cpp [aaf]=fuzz/AafReaderFuzz.cpp
                 [quickchart]=fuzz/QuickChartReaderFuzz.cpp
                 [morinus]=fuzz/MorinusReaderFuzz.cpp [csv]=fuzz/CsvReaderFuzz.cpp)
declare -A seeds=([chart]=fuzz/seeds [aaf]=fuzz/seeds-aaf [quickchart]=fuzz/seeds-quickchart
                  [morinus]=fuzz/seeds-morinus [csv]=fuzz/seeds-csv)

object() { echo "$out/obj/$(echo "$1" | tr / _).o"; }
sources=("${common[@]}" "${exchange[@]}")
for t in "${targets[@]}"; do sources+=("${main[$t]}"); done
pids=()
for s in "${sources[@]}"; do
  "${compiler[@]}" "${flags[@]}" -c "$s" -o "$(object "$s")" &
  pids+=($!)
  # Two compilers at a time: the machine is shared.
  if [ ${#pids[@]} -ge 2 ]; then wait "${pids[0]}"; pids=("${pids[@]:1}"); fi
done
for p in "${pids[@]}"; do wait "$p"; done

for t in "${targets[@]}"; do
  objects=()
  for s in "${common[@]}"; do objects+=("$(object "$s")"); done
  # The formats table names the exchange readers, so every target links them.
  for s in "${exchange[@]}"; do objects+=("$(object "$s")"); done
  objects+=("$(object "${main[$t]}")")
  clang++ "${flags[@]}" "${objects[@]}" -ldate-tz -o "$out/${t}_reader_fuzz"
  dict=()
  if [ "$t" = chart ]; then dict=(-dict=fuzz/chart.dict); fi
  mkdir -p "$out/corpus-$t"
  "$out/${t}_reader_fuzz" -max_total_time="$seconds" -max_len=2048 -timeout=10 \
    "${dict[@]}" -artifact_prefix="$out/" -print_final_stats=1 "$out/corpus-$t" "${seeds[$t]}"
done
