// The folder's charts as one exchange file.
#include "app/session/ExportarColeccion.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>

#include "app/model/ChartFile.h"
#include "app/model/FileBytes.h"
#include "app/model/Importacion.h"
#include "astro/Puntos.h"
#include "astro/TextTrim.h"
#include "chart/CalcularNatal.h"
#include "chart/ErrorCalculoNatal.h"

namespace natalis {

namespace {

const char* const kAngulos[] = {"ASC", "MC"};

std::string Mayusculas(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// Every row of the point table, so that any point can be asked for.
std::vector<int> TodasLasFilas() {
    std::vector<int> filas;
    for (int r = 0; r < kNumPuntos; ++r) filas.push_back(r);
    return filas;
}

// The longitude of point in tables computed for every row of the point table.
double Longitud(const NatalTables& t, const std::string& punto) {
    if (punto == kAngulos[0]) return t.CuspideNatal[1].Lon;
    if (punto == kAngulos[1]) return t.CuspideNatal[10].Lon;
    const int fila = PuntoPorEtiqueta(punto);
    for (std::size_t k = 0; k < t.Puntos.size(); ++k)
        if (t.Puntos[k] == fila) return t.PlanetaNatal[k + 1].Lon;
    return std::nan("");
}

}  // namespace

const ChartFormat* FormatoExportarPorNombre(const std::string& nombre) {
    return CollectionWriterNamed(nombre);
}

std::vector<std::string> PuntosExportables() {
    std::vector<std::string> puntos;
    for (int r = 0; r < kNumPuntos; ++r) puntos.push_back(FilaPunto(r).Etiqueta);
    for (const char* a : kAngulos) puntos.push_back(a);
    return puntos;
}

std::optional<std::vector<std::string>> LeerPuntos(const std::string& lista, std::string& error) {
    const std::vector<std::string> validos = PuntosExportables();
    std::vector<std::string> puntos;
    std::size_t desde = 0;
    for (;;) {
        const std::size_t coma = lista.find(',', desde);
        const std::string p = Mayusculas(TrimBlanks(lista.substr(desde, coma - desde)));
        if (std::find(validos.begin(), validos.end(), p) == validos.end()) {
            std::string nombres;
            for (const std::string& v : validos) nombres += (nombres.empty() ? "" : ", ") + v;
            error = "El punto «" + p + "» no se conoce; los puntos son " + nombres + ".";
            return std::nullopt;
        }
        puntos.push_back(p);
        if (coma == std::string::npos) return puntos;
        desde = coma + 1;
    }
}

CartasDeCarpeta LeerCarpeta(const std::string& folder) {
    namespace fs = std::filesystem;
    CartasDeCarpeta c;
    std::vector<std::string> nombres;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), fin; !ec && it != fin; it.increment(ec)) {
        const std::string nombre = it->path().filename().string();
        if (IsChartFileName(nombre) && it->is_regular_file(ec)) nombres.push_back(nombre);
    }
    if (ec) {
        c.error = "No se pudo leer la carpeta «" + folder + "».";
        return c;
    }
    std::sort(nombres.begin(), nombres.end());
    for (const std::string& nombre : nombres) {
        NatalRecord r;
        const ChartReadResult leida = ReadChartAnyFormat(folder, nombre, r);
        if (!leida.ok) {
            std::string razon = ChartReadReport(leida);
            razon = razon.substr(razon.rfind('\n') + 1);
            c.rechazos.push_back(nombre + ": " + razon);
            continue;
        }
        const FileReadResult bytes = ReadFileBytes(folder, nombre);
        c.cartas.push_back({r, bytes.ok ? NotasDeCarta(bytes.bytes) : ""});
        c.archivos.push_back(nombre);
    }
    return c;
}

Exportacion ExportarColeccion(const CartasDeCarpeta& carpeta, const ChartFormat& formato,
                              const std::vector<std::string>& puntos, SistemaCasas casas,
                              Ephemeris& eph) {
    Exportacion e;
    for (const std::string& r : carpeta.rechazos) e.avisos.push_back("No se exporta " + r);
    if (!formato.wantsPositions) {
        e.bytes = formato.writeMany(carpeta.cartas, {});
        return e;
    }
    std::vector<ColumnaPosiciones> columnas;
    for (const std::string& p : puntos) columnas.push_back({p, {}});
    ChartTables tablas;
    tablas.natal.Puntos = TodasLasFilas();
    for (std::size_t i = 0; i < carpeta.cartas.size(); ++i) {
        if (puntos.empty()) break;
        CalcularNatal(carpeta.cartas[i].registro, casas, eph, tablas);
        const bool calculada = !ErrorCalculoNatal(tablas);
        if (!calculada)
            e.avisos.push_back(carpeta.archivos[i] +
                               ": las efemérides no dieron las posiciones; quedan en blanco");
        for (ColumnaPosiciones& c : columnas)
            c.longitudes.push_back(calculada ? Longitud(tablas.natal, c.nombre) : std::nan(""));
    }
    e.bytes = formato.writeMany(carpeta.cartas, columnas);
    return e;
}

}  // namespace natalis
