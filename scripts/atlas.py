#!/usr/bin/env python3
"""Writes the program's atlas (data/atlas.tsv) from GeoNames' files.

    scripts/atlas.py --lugares cities500.txt --regiones admin1.json [--regiones admin1Codes.txt]
                     --paises countryInfo.txt --castellano geonames.mo --salida data/atlas.tsv

Sources (GeoNames, https://www.geonames.org, CC BY 4.0):
  cities500.txt    places of 500 people or more, 19 tab-separated fields a line (id, name,
                   ASCII name, other names, latitude, longitude, class, code, country, other
                   countries, first-level division, lower divisions, population, elevations,
                   zone, date of change)
  admin1           first-level divisions: admin1CodesASCII.txt lines ("ES.51", name, ...) or a
                   JSON list of {"code", "name"}; a later file fills codes an earlier lacks
  countryInfo.txt  countries: ISO code, ..., English name in the fifth field; "#" comments
  geonames.mo      GeoNames' Spanish names as a gettext catalogue: place ids, division codes
                   ("ES.51") and ISO codes ("DE") as originals

The atlas, UTF-8, one record a line, tab-separated:
  "#" lines         the credit, the licence and what was changed
  C code es en      a country: ISO code, Spanish name, GeoNames' name
  R key es en       a first-level division: "ES.51", short Spanish name, GeoNames' name
  id shown other lat lon key population zone
                    a place: GeoNames id, the name shown (Spanish when GeoNames has one), the
                    other names it is searched by ("|" between them: GeoNames' name and ASCII
                    name when they differ from the shown one), latitude and longitude (decimal
                    degrees, north and east positive, as GeoNames writes them), its division's
                    key ("ES.51"), population, IANA zone
Places come largest first (then by shown name and id), so the order of the file is the order
of the search's ranking.
"""
import argparse
import gettext
import json
import sys

# Openings of Spanish division names that only say what kind of division it is:
# "Comunidad Autónoma de Andalucía" is shown as "Andalucía". Longer openings first.
DIVISION_KINDS = [
    "Comunidad Autónoma de ", "Comunidad Autónoma del ", "Comunidad Foral de ", "Principado de ",
    "Región Autónoma de ", "Provincia de ", "Provincia del ", "Región de ", "Región del ",
    "Estado de ", "Estado del ", "Departamento de ", "Departamento del ", "Distrito de ",
    "Distrito del ", "Prefectura de ", "Municipio de ", "Condado de ", "Parroquia de ",
    "Gobernación de ", "Voivodato de ", "Óblast de ", "Oblast de ", "Cantón de ", "Cantón del ",
    "Krai de ", "Territorio de ", "Territorio del ",
]
# Articles dropped after such an opening ("de las Islas Baleares").
LOWER_ARTICLES = ["las ", "los ", "la ", "el "]


def short_division_name(spanish):
    for kind in DIVISION_KINDS:
        if len(spanish) > len(kind) and spanish.startswith(kind):
            rest = spanish[len(kind):]
            for article in LOWER_ARTICLES:
                if len(rest) > len(article) and rest.startswith(article):
                    return rest[len(article):]
            return rest
    return spanish


def clean(text):
    """A field of the atlas: no tabs, line breaks or the name separator."""
    return " ".join(text.replace("|", " ").split())


def read_spanish(path):
    with open(path, "rb") as f:
        catalogue = gettext.GNUTranslations(f)._catalog
    return {k: v for k, v in catalogue.items() if isinstance(k, str) and k and v}


def read_regions(paths):
    regions = {}
    for path in paths:
        with open(path, encoding="utf-8") as f:
            if path.endswith(".json"):
                rows = [(r["code"], r["name"]) for r in json.load(f)]
            else:
                rows = [tuple(line.rstrip("\n").split("\t")[:2]) for line in f if "\t" in line]
        for code, name in rows:
            if code and name:
                regions.setdefault(code, name)
    return regions


def read_countries(path):
    countries = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if line.startswith("#") or len(fields) < 5 or not fields[0]:
                continue
            countries[fields[0]] = fields[4]
    return countries


def read_places(path):
    places = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            fields = line.rstrip("\r\n").split("\t")
            if len(fields) != 19:
                sys.exit(f"{path}:{number}: se esperaban 19 campos y hay {len(fields)}")
            places.append(fields)
    return places


def main():
    parser = argparse.ArgumentParser(description="Escribe el atlas de Natalis.")
    parser.add_argument("--lugares", required=True)
    parser.add_argument("--regiones", required=True, action="append")
    parser.add_argument("--paises", required=True)
    parser.add_argument("--castellano", required=True)
    parser.add_argument("--salida", required=True)
    args = parser.parse_args()

    es = read_spanish(args.castellano)
    regions = read_regions(args.regiones)
    countries = read_countries(args.paises)
    places = read_places(args.lugares)

    rows = []
    used_countries, used_regions = set(), set()
    for f in places:
        gid, name, ascii_name, lat, lon, country, admin1, population, zone = (
            f[0], f[1], f[2], f[4], f[5], f[8], f[10], f[14], f[17])
        if not zone or not name:
            continue
        shown = clean(es.get(gid, name))
        other = []
        for n in (clean(name), clean(ascii_name)):
            if n and n != shown and n not in other:
                other.append(n)
        key = f"{country}.{admin1}"
        used_countries.add(country)
        if key in regions or key in es:
            used_regions.add(key)
        rows.append((-int(population or 0), shown, int(gid), "|".join(other), lat, lon, key, zone))
    rows.sort()

    with open(args.salida, "w", encoding="utf-8", newline="\n") as out:
        out.write(
            "# Atlas de Natalis: lugares de 500 habitantes o más, con su huso horario.\n"
            "# Datos de GeoNames (https://www.geonames.org), bajo licencia Creative Commons\n"
            "# Atribución 4.0 Internacional (CC BY 4.0, "
            "https://creativecommons.org/licenses/by/4.0/).\n"
            "# Cambios: nombres en castellano del catálogo de GeoNames donde los hay, regiones\n"
            "# con su nombre corto, solo los campos que usa el programa, ordenado por población.\n"
            "# Hecho con scripts/atlas.py; no editar a mano.\n")
        for code in sorted(used_countries):
            english = clean(countries.get(code, code))
            out.write(f"C\t{code}\t{clean(es.get(code, english))}\t{english}\n")
        for key in sorted(used_regions):
            english = clean(regions.get(key, ""))
            spanish = es.get(key)
            shown = clean(short_division_name(spanish)) if spanish else english
            out.write(f"R\t{key}\t{shown}\t{english or shown}\n")
        for population, shown, gid, other, lat, lon, key, zone in rows:
            out.write(f"{gid}\t{shown}\t{other}\t{lat}\t{lon}\t{key}\t{-population}\t{zone}\n")


if __name__ == "__main__":
    main()
