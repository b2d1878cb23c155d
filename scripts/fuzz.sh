#!/usr/bin/env bash
# Fuzzes the chart reader for SECONDS seconds (default 60) with libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer. Builds only what the target needs, with clang, into
# build-fuzz/; inputs it finds go to build-fuzz/corpus, a crashing one to build-fuzz/.
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
out=build-fuzz
mkdir -p "$out/obj" "$out/corpus"

compiler=(clang++)
if command -v ccache >/dev/null; then compiler=(ccache clang++); fi
flags=(-std=c++17 -O1 -g -Wall -Wextra -fsanitize=fuzzer,address,undefined
       -fno-sanitize-recover=undefined -Isrc -I.)
sources=(fuzz/ChartReaderFuzz.cpp src/app/model/ChartFileReader.cpp
         src/app/model/ChartFileWriter.cpp src/app/model/ChartFormats.cpp
         src/app/model/Cp1252.cpp
         src/app/model/SafeFileWrite.cpp src/app/model/ZoneSourceLine.cpp
         src/astro/Calendar.cpp src/astro/DateTimeParse.cpp src/astro/NumberText.cpp
         src/astro/TextTrim.cpp src/astro/UtcOffsetText.cpp)

objects=() pids=()
for s in "${sources[@]}"; do
  o="$out/obj/$(echo "$s" | tr / _).o"
  "${compiler[@]}" "${flags[@]}" -c "$s" -o "$o" &
  pids+=($!) objects+=("$o")
done
for p in "${pids[@]}"; do wait "$p"; done
clang++ "${flags[@]}" "${objects[@]}" -o "$out/chart_reader_fuzz"

"$out/chart_reader_fuzz" -max_total_time="$seconds" -max_len=2048 -timeout=10 \
  -dict=fuzz/chart.dict -artifact_prefix="$out/" -print_final_stats=1 \
  "$out/corpus" fuzz/seeds
