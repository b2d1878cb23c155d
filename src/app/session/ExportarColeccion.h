// Taking a chart folder out as one exchange file: every chart file of the folder, in name
// order, as AAF or as a CSV table with the longitudes of the points asked for.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "app/model/CartaIntercambio.h"
#include "app/model/ChartFormats.h"
#include "astro/Ephemeris.h"
#include "astro/SistemaCasas.h"

namespace natalis {

// The collection format named so on the command line ("aaf", "csv"); null for none.
const ChartFormat* FormatoExportarPorNombre(const std::string& nombre);

// The points a CSV can carry, as its columns name them: every row of the point table ("SOL"
// ... "PLU", "NOD", "PF") and the angles "ASC" and "MC".
std::vector<std::string> PuntosExportables();

// The points of a comma-separated list ("SOL,LUN,ASC", any case); the first name that is
// not one in error.
std::optional<std::vector<std::string>> LeerPuntos(const std::string& lista, std::string& error);

// The chart files of a folder, read; those the reader refuses are listed with its report.
struct CartasDeCarpeta {
    std::vector<CartaGuardada> cartas;
    std::vector<std::string> archivos;  // the file of each chart
    std::vector<std::string> rechazos;  // "Ana.dat: Renglón 4: ..." for each file refused
    std::string error;                  // Spanish, when the folder cannot be read
};
CartasDeCarpeta LeerCarpeta(const std::string& folder);

struct Exportacion {
    std::string bytes;                // the file's content
    std::vector<std::string> avisos;  // Spanish: charts left out and why
};

// The file for the folder's charts in formato (a row of the formats with a collection
// writer); for a format that carries positions, the longitude of each point of puntos in
// each chart (houses in casas for the angles), empty where the ephemeris gave none.
Exportacion ExportarColeccion(const CartasDeCarpeta& carpeta, const ChartFormat& formato,
                              const std::vector<std::string>& puntos, SistemaCasas casas,
                              Ephemeris& eph);

}  // namespace natalis
