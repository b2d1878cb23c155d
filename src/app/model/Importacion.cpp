// Format detection, preview and writing of imported charts.
#include "app/model/Importacion.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <set>

#include "app/model/ChartFile.h"
#include "app/model/Cp1252.h"
#include "app/model/FileBytes.h"
#include "app/model/NewFilesBatch.h"
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
// file it was going to, and the temporary files it had written. Lines are "índice TAB
// archivo" and "t TAB temporal"; a torn last line is ignored.
struct Anotaciones {
    std::map<std::size_t, std::string> destinos;
    std::vector<std::string> temporales;
};
const char kTemporal[] = "t";

Anotaciones LeerDiario(const std::string& folder, const std::string& diario) {
    Anotaciones a;
    const FileReadResult leido = ReadFileBytes(folder, diario);
    if (!leido.ok) return a;
    std::size_t inicio = 0;
    for (std::size_t fin; (fin = leido.bytes.find('\n', inicio)) != std::string::npos;
         inicio = fin + 1) {
        const std::string renglon = leido.bytes.substr(inicio, fin - inicio);
        const std::size_t tab = renglon.find('\t');
        if (tab == std::string::npos) continue;
        const std::string clave = renglon.substr(0, tab), valor = renglon.substr(tab + 1);
        if (clave == kTemporal) {
            a.temporales.push_back(valor);
            continue;
        }
        const std::optional<long> indice = EnteroExacto(clave);
        if (indice && *indice >= 0) a.destinos[static_cast<std::size_t>(*indice)] = valor;
    }
    return a;
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
        LeerDiario(folder, DiarioImportacion(lectura)).destinos;
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
    // Notes that chart indice is about to take the name archivo; one write, so a line is
    // there whole or torn at the end only.
    void Anotar(std::size_t indice, const std::string& archivo) {
        Renglon(std::to_string(indice) + "\t" + archivo + "\n");
    }
    // Notes a temporary file of this import, for a run after an interruption to remove.
    void AnotarTemporal(const std::string& temporal) {
        Renglon(std::string(kTemporal) + "\t" + temporal + "\n");
    }

  private:
    void Renglon(const std::string& renglon) {
        if (fd_ < 0) return;
        [[maybe_unused]] const ssize_t n = ::write(fd_, renglon.data(), renglon.size());
    }

    std::string ruta_;
    int fd_;
};

}  // namespace

std::vector<CartaImportada> ImportarCartas(const Lectura& lectura, const std::string& folder,
                                           const std::function<void(std::size_t)>& avance) {
    std::vector<CartaImportada> hechas;
    const std::string nombreDiario = DiarioImportacion(lectura);
    const Anotaciones anotados = LeerDiario(folder, nombreDiario);
    // The temporary files of the interrupted run: its own, named in its journal.
    for (const std::string& t : anotados.temporales)
        if (t.find('/') == std::string::npos && t.rfind(".", 0) == 0)
            ::unlink(JoinPath(folder, t).c_str());
    Diario diario(folder, nombreDiario);
    // Every chart is first written whole to a temporary file, all are flushed to disk at
    // once, and only then does each take its name.
    NewFilesBatch lote(folder, kTagCarta);
    struct PorNombrar {
        std::size_t hecha;  // in hechas
        std::string base;
    };
    std::vector<PorNombrar> porNombrar;  // in the order staged
    std::size_t terminadas = 0;
    for (std::size_t i = 0; i < lectura.cartas.size(); ++i) {
        const CartaLeida& c = lectura.cartas[i];
        hechas.push_back({c.origen, c.nombre, "", c.rechazo, c.avisos});
        CartaImportada& hecha = hechas.back();
        if (!c.registro) continue;
        const Cp1252Text bytes = Utf8ToCp1252(TextoDeCarta(c));
        const auto anotado = anotados.destinos.find(i);
        if (anotado != anotados.destinos.end() &&
            TieneExactamente(folder, anotado->second, bytes.bytes)) {
            hecha.archivo = anotado->second;
            hecha.yaEstaba = true;
            if (avance) avance(++terminadas);
            continue;
        }
        const std::string base = NombreBase(c.registro->NatalName);
        if (!bytes.unstorable.empty()) {
            hecha.rechazo = "no se pudo escribir: " + UnstorableQuestion(bytes.unstorable);
            continue;
        }
        if (const auto problema = ChartFileNameProblem(NombreNumerado(base, 1))) {
            hecha.rechazo = "no se pudo escribir: " + *problema;
            continue;
        }
        const FileWriteResult escrito = lote.Stage(NombreNumerado(base, 1), bytes.bytes);
        if (!escrito.ok) {
            hecha.rechazo = "no se pudo escribir: " + escrito.message;
            continue;
        }
        diario.AnotarTemporal(lote.TempName(porNombrar.size()));
        porNombrar.push_back({hechas.size() - 1, base});
    }
    if (porNombrar.empty()) return hechas;
    if (const FileWriteResult guardado = lote.Flush(); !guardado.ok) {
        for (const PorNombrar& p : porNombrar)
            hechas[p.hecha].rechazo = "no se pudo escribir: " + guardado.message;
        return hechas;
    }
    for (std::size_t k = 0; k < porNombrar.size(); ++k) {
        CartaImportada& hecha = hechas[porNombrar[k].hecha];
        std::string problema;
        for (int n = 1; n < kNumerosProbados; ++n) {
            const std::string archivo = NombreNumerado(porNombrar[k].base, n);
            problema = "Ya existe el archivo «" + archivo + "».";
            if (ChartFileExists(folder, archivo)) continue;
            diario.Anotar(porNombrar[k].hecha, archivo);
            const int error = lote.PutInPlace(k, archivo);
            if (error == EEXIST) continue;
            if (error == 0) {
                hecha.archivo = archivo;
                problema.clear();
            } else {
                problema = "No se pudo guardar «" + archivo +
                           "»: no se pudo poner el archivo nuevo en su lugar (" +
                           SystemErrorReason(error) + "). No se ha guardado nada.";
            }
            break;
        }
        if (!problema.empty()) hecha.rechazo = "no se pudo escribir: " + problema;
        if (avance && hecha.archivo.size()) avance(++terminadas);
    }
    lote.SyncFolder();
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
