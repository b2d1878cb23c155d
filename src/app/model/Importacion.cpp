// Format detection, preview and writing of imported charts.
#include "app/model/Importacion.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>

#include "app/model/ChartFile.h"
#include "app/model/Cp1252.h"
#include "app/model/FileBytes.h"
#include "app/model/SafeFileWrite.h"
#include "astro/TextTrim.h"

namespace natalis {

namespace {

// A file name for name: the chart file name rules, "/" and control characters made "-",
// and "Carta importada" for a name with nothing in it.
std::string NombreBase(const std::string& nombre) {
    std::string base = TrimBlanks(nombre);
    for (char& c : base) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '/' || b < 0x20 || b == 0x7F) c = '-';
    }
    if (base.empty() || base == "." || base == "..") base = "Carta importada";
    // Room for " (999)" and the temporary file's name, cut on a character boundary.
    while (base.size() > 200) {
        base.pop_back();
        while (!base.empty() && (static_cast<unsigned char>(base.back()) & 0xC0) == 0x80)
            base.pop_back();
        if (!base.empty() && static_cast<unsigned char>(base.back()) >= 0xC0) base.pop_back();
    }
    return base;
}

// The chart file name for base, numbered from the second on: "Ana.dat", "Ana (2).dat".
std::string NombreNumerado(const std::string& base, int n) {
    return ChartFileNameFor(n == 1 ? base : base + " (" + std::to_string(n) + ")");
}

// How many numbered names are tried before a chart is given up.
constexpr int kNumerosProbados = 1000;

// 64-bit FNV-1a hash of bytes, continuing from h (offset basis and prime of the published
// Fowler–Noll–Vo definition). Names the journal of one set of charts.
std::uint64_t Fnv1a(std::string_view bytes, std::uint64_t h = 14695981039346656037ULL) {
    for (const char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ULL;
    }
    return h;
}

std::string TextoDeCarta(const CartaLeida& c) { return ChartFileText(*c.registro, &c.notas); }

// The bytes a chart file holds for text.
std::string BytesDeCarta(const std::string& texto) { return Utf8ToCp1252(texto).bytes; }

// The journal of an interrupted import: for each chart (by its place in the file), the last
// file it was going to. Lines are "índice TAB archivo"; a torn last line is ignored.
std::map<std::size_t, std::string> LeerDiario(const std::string& folder,
                                              const std::string& diario) {
    std::map<std::size_t, std::string> destinos;
    const FileReadResult leido = ReadFileBytes(folder, diario);
    if (!leido.ok) return destinos;
    std::size_t inicio = 0;
    for (std::size_t fin; (fin = leido.bytes.find('\n', inicio)) != std::string::npos;
         inicio = fin + 1) {
        const std::string renglon = leido.bytes.substr(inicio, fin - inicio);
        const std::size_t tab = renglon.find('\t');
        const std::optional<long> indice = EnteroExacto(renglon.substr(0, tab));
        if (tab == std::string::npos || !indice || *indice < 0) continue;
        destinos[static_cast<std::size_t>(*indice)] = renglon.substr(tab + 1);
    }
    return destinos;
}

// Whether folder/archivo holds exactly bytes.
bool TieneExactamente(const std::string& folder, const std::string& archivo,
                      const std::string& bytes) {
    const FileReadResult leido = ReadFileBytes(folder, archivo);
    return leido.ok && leido.bytes == bytes;
}

// Where each accepted chart would go: its file, and whether an interrupted run of the same
// import already wrote it there.
struct Destino {
    std::string archivo;
    bool yaEstaba = false;
};
std::vector<Destino> Destinos(const Lectura& lectura, const std::string& folder) {
    const std::map<std::size_t, std::string> diario =
        LeerDiario(folder, DiarioImportacion(lectura));
    std::vector<Destino> destinos(lectura.cartas.size());
    std::set<std::string> tomados;
    for (std::size_t i = 0; i < lectura.cartas.size(); ++i) {
        const CartaLeida& c = lectura.cartas[i];
        if (!c.registro) continue;
        const auto anotado = diario.find(i);
        if (anotado != diario.end() &&
            TieneExactamente(folder, anotado->second, BytesDeCarta(TextoDeCarta(c)))) {
            destinos[i] = {anotado->second, true};
            tomados.insert(anotado->second);
            continue;
        }
        const std::string base = NombreBase(c.registro->NatalName);
        for (int n = 1; n < kNumerosProbados; ++n) {
            const std::string archivo = NombreNumerado(base, n);
            if (tomados.count(archivo) || ChartFileExists(folder, archivo)) continue;
            destinos[i].archivo = archivo;
            tomados.insert(archivo);
            break;
        }
    }
    return destinos;
}

// "14/3/1975 09:30:00, Sevilla": the chart's date, clock time and place.
std::string FechaYLugar(const NatalRecord& r) {
    std::string texto = std::to_string(r.NatalDay) + "/" + std::to_string(r.NatalMonth) + "/" +
                        std::to_string(r.NatalYear) + " " + TrimBlanks(r.TimeText);
    const std::string lugar = TrimBlanks(r.Place);
    return lugar.empty() ? texto : texto + ", " + lugar;
}

const char kYaEstaba[] = "ya estaba, de la importación interrumpida";

}  // namespace

std::string DiarioImportacion(const Lectura& lectura) {
    std::uint64_t h = Fnv1a("");
    for (const CartaLeida& c : lectura.cartas) {
        h = Fnv1a(c.origen, h);
        h = Fnv1a(std::string_view("\0", 1), h);
        if (c.registro) h = Fnv1a(TextoDeCarta(c), h);
        h = Fnv1a(std::string_view("\0", 1), h);
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(h));
    return std::string(".natalis-importacion-") + hex;
}

const ChartFormat* FormatoDeArchivo(const std::string& nombreArchivo, std::string_view bytes) {
    return CollectionFormatFor(nombreArchivo, bytes);
}

Lectura LeerArchivoIntercambio(const std::string& nombreArchivo, std::string_view bytes) {
    if (const ChartFormat* f = FormatoDeArchivo(nombreArchivo, bytes)) return f->readMany(bytes);
    Lectura l;
    std::string nombres;
    for (const ChartFormat& f : ChartFormats())
        if (f.charts == ChartsPerFile::Many)
            nombres += (nombres.empty() ? "" : ", ") + std::string(f.name);
    l.error =
        "El archivo no está en ninguno de los formatos que se pueden importar (" + nombres + ").";
    return l;
}

std::vector<std::string> VistaPrevia(const Lectura& lectura) {
    if (!lectura.error.empty()) return {lectura.error};
    const std::size_t total = lectura.cartas.size();
    const std::size_t rechazadas =
        static_cast<std::size_t>(std::count_if(lectura.cartas.begin(), lectura.cartas.end(),
                                               [](const CartaLeida& c) { return !c.registro; }));
    std::vector<std::string> renglones = {"El archivo tiene " + std::to_string(total) +
                                          (total == 1 ? " carta" : " cartas") +
                                          "; se importarían " + std::to_string(total - rechazadas) +
                                          " y se rechazarían " + std::to_string(rechazadas) + "."};
    for (const CartaLeida& c : lectura.cartas) {
        const std::string quien = c.origen + (c.nombre.empty() ? "" : " (" + c.nombre + ")");
        if (!c.registro) renglones.push_back(quien + ": se rechazaría: " + c.rechazo + ".");
        for (const std::string& a : c.avisos) renglones.push_back(quien + ": aviso: " + a + ".");
    }
    return renglones;
}

std::vector<std::string> VistaPrevia(const Lectura& lectura, const std::string& folder) {
    std::vector<std::string> renglones = VistaPrevia(lectura);
    if (!lectura.error.empty()) return renglones;
    const std::vector<Destino> destinos = Destinos(lectura, folder);
    for (std::size_t i = 0; i < lectura.cartas.size(); ++i) {
        const CartaLeida& c = lectura.cartas[i];
        if (!c.registro) continue;
        std::string r = c.origen + ": " + TrimBlanks(c.registro->NatalName) + ", " +
                        FechaYLugar(*c.registro) + " → ";
        if (destinos[i].archivo.empty())
            r += "sin nombre de archivo libre";
        else
            r += destinos[i].archivo +
                 (destinos[i].yaEstaba ? std::string(" (") + kYaEstaba + ")" : std::string());
        renglones.push_back(r);
    }
    return renglones;
}

namespace {

// The journal, open for appending while the import runs; removed when it ends.
class Diario {
  public:
    Diario(const std::string& folder, const std::string& nombre)
        : ruta_(JoinPath(folder, nombre)),
          fd_(::open(ruta_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600)) {}
    ~Diario() {
        if (fd_ < 0) return;
        ::close(fd_);
        ::unlink(ruta_.c_str());
    }
    Diario(const Diario&) = delete;
    Diario& operator=(const Diario&) = delete;
    // Notes that chart indice is about to be written as archivo; one write, so a line is
    // there whole or torn at the end only.
    void Anotar(std::size_t indice, const std::string& archivo) {
        if (fd_ < 0) return;
        const std::string renglon = std::to_string(indice) + "\t" + archivo + "\n";
        [[maybe_unused]] const ssize_t n = ::write(fd_, renglon.data(), renglon.size());
    }

  private:
    std::string ruta_;
    int fd_;
};

}  // namespace

std::vector<CartaImportada> ImportarCartas(const Lectura& lectura, const std::string& folder) {
    std::vector<CartaImportada> hechas;
    const std::string nombreDiario = DiarioImportacion(lectura);
    const std::map<std::size_t, std::string> anotados = LeerDiario(folder, nombreDiario);
    Diario diario(folder, nombreDiario);
    for (std::size_t i = 0; i < lectura.cartas.size(); ++i) {
        const CartaLeida& c = lectura.cartas[i];
        CartaImportada hecha{c.origen, c.nombre, "", c.rechazo, c.avisos};
        if (!c.registro) {
            hechas.push_back(hecha);
            continue;
        }
        const std::string texto = TextoDeCarta(c);
        const auto anotado = anotados.find(i);
        if (anotado != anotados.end() &&
            TieneExactamente(folder, anotado->second, BytesDeCarta(texto))) {
            hecha.archivo = anotado->second;
            hecha.yaEstaba = true;
            hechas.push_back(hecha);
            continue;
        }
        const std::string base = NombreBase(c.registro->NatalName);
        WriteResult escrito;
        for (int n = 1; n < kNumerosProbados; ++n) {
            const std::string archivo = NombreNumerado(base, n);
            if (ChartFileExists(folder, archivo)) {
                escrito = {
                    WriteStatus::AlreadyExists, "Ya existe el archivo «" + archivo + "».", {}};
                continue;
            }
            diario.Anotar(i, archivo);
            escrito = WriteNewChartFile(folder, archivo, texto, WriteOptions{});
            if (escrito.status == WriteStatus::AlreadyExists) continue;
            if (escrito.ok()) hecha.archivo = archivo;
            break;
        }
        if (!escrito.ok()) hecha.rechazo = "no se pudo escribir: " + escrito.message;
        hechas.push_back(hecha);
    }
    return hechas;
}

std::string RenglonImportacion(const CartaImportada& c) {
    std::string r = c.origen + ": " + (c.archivo.empty() ? "rechazada: " + c.rechazo : c.archivo);
    if (c.yaEstaba) r += std::string(" (") + kYaEstaba + ")";
    for (const std::string& a : c.avisos) r += " (aviso: " + a + ")";
    return r;
}

std::string ResumenImportacion(const std::vector<CartaImportada>& cartas) {
    const std::size_t hechas = static_cast<std::size_t>(std::count_if(
        cartas.begin(), cartas.end(), [](const CartaImportada& c) { return !c.archivo.empty(); }));
    const std::size_t yaEstaban = static_cast<std::size_t>(std::count_if(
        cartas.begin(), cartas.end(), [](const CartaImportada& c) { return c.yaEstaba; }));
    std::string resumen = "Importadas " + std::to_string(hechas) + " cartas de " +
                          std::to_string(cartas.size()) + "; rechazadas " +
                          std::to_string(cartas.size() - hechas) + ".";
    if (yaEstaban > 0)
        resumen += " De ellas, " + std::to_string(yaEstaban) +
                   " ya estaban, de la importación interrumpida.";
    return resumen;
}

std::string NotasDeCarta(std::string_view bytes) {
    const std::vector<std::string> renglones = Renglones(Cp1252ToUtf8(bytes));
    std::size_t i = 0;
    while (i < renglones.size() && TrimBlanks(renglones[i]) != "NOTAS:") ++i;
    if (i == renglones.size()) return "";
    ++i;
    if (i < renglones.size() && TrimBlanks(renglones[i]).empty()) ++i;
    std::string notas;
    for (std::size_t k = i; k < renglones.size(); ++k) notas += (k > i ? "\n" : "") + renglones[k];
    return notas;
}

}  // namespace natalis
