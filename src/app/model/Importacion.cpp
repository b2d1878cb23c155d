// Format detection, preview and writing of imported charts.
#include "app/model/Importacion.h"

#include <algorithm>
#include <cctype>

#include "app/model/ChartFile.h"
#include "app/model/Cp1252.h"
#include "app/model/FormatoAaf.h"
#include "app/model/FormatoCsv.h"
#include "app/model/FormatoMorinus.h"
#include "app/model/FormatoQuickChart.h"
#include "astro/TextTrim.h"

namespace natalis {

namespace {

bool PareceAaf(std::string_view b) {
    const std::string t = TextoUtf8(b.substr(0, 1 << 16));
    return t.find("#A93:") != std::string::npos;
}

// Pickles of the newer protocols start with 0x80; of the older, with a text value's opcode,
// and a value's end is followed by the next value's whole-number opcode.
bool PareceMorinus(std::string_view b) {
    if (b.empty()) return false;
    if (static_cast<unsigned char>(b[0]) == 0x80) return true;
    return (b[0] == 'V' || b[0] == 'S') && b.find("\n.I") != std::string_view::npos;
}

bool PareceCsv(std::string_view b) {
    std::string primero(b.substr(0, b.find_first_of("\r\n")));
    for (char& c : primero) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return primero.find("dia") != std::string::npos && primero.find("huso") != std::string::npos;
}

std::string Minusculas(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

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

}  // namespace

const std::vector<FormatoIntercambio>& FormatosIntercambio() {
    static const std::vector<FormatoIntercambio> kFormatos = {
        {"AAF", {".aaf"}, PareceAaf, LeerAaf},
        {"CSV", {".csv"}, PareceCsv, LeerCsv},
        {"Quick*Chart", {".qck", ".qc"}, PareceQuickChart, LeerQuickChart},
        {"Morinus", {".hor"}, PareceMorinus, LeerMorinus},
    };
    return kFormatos;
}

const FormatoIntercambio* FormatoDeArchivo(const std::string& nombreArchivo,
                                           std::string_view bytes) {
    const std::string nombre = Minusculas(nombreArchivo);
    const std::size_t punto = nombre.rfind('.');
    const std::string extension = punto == std::string::npos ? "" : nombre.substr(punto);
    for (const FormatoIntercambio& f : FormatosIntercambio())
        for (const char* e : f.extensiones)
            if (extension == e) return &f;
    for (const FormatoIntercambio& f : FormatosIntercambio())
        if (f.parece(bytes)) return &f;
    return nullptr;
}

Lectura LeerArchivoIntercambio(const std::string& nombreArchivo, std::string_view bytes) {
    if (const FormatoIntercambio* f = FormatoDeArchivo(nombreArchivo, bytes)) return f->leer(bytes);
    Lectura l;
    std::string nombres;
    for (const FormatoIntercambio& f : FormatosIntercambio())
        nombres += (nombres.empty() ? "" : ", ") + std::string(f.nombre);
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

std::vector<CartaImportada> ImportarCartas(const Lectura& lectura, const std::string& folder) {
    std::vector<CartaImportada> hechas;
    for (const CartaLeida& c : lectura.cartas) {
        CartaImportada hecha{c.origen, c.nombre, "", c.rechazo, c.avisos};
        if (!c.registro) {
            hechas.push_back(hecha);
            continue;
        }
        const std::string texto = ChartFileText(*c.registro, &c.notas);
        const std::string base = NombreBase(c.registro->NatalName);
        WriteResult escrito;
        for (int n = 1; n < 1000; ++n) {
            const std::string archivo =
                ChartFileNameFor(n == 1 ? base : base + " (" + std::to_string(n) + ")");
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
    for (const std::string& a : c.avisos) r += " (aviso: " + a + ")";
    return r;
}

std::string ResumenImportacion(const std::vector<CartaImportada>& cartas) {
    const std::size_t hechas = static_cast<std::size_t>(std::count_if(
        cartas.begin(), cartas.end(), [](const CartaImportada& c) { return !c.archivo.empty(); }));
    return "Importadas " + std::to_string(hechas) + " cartas de " + std::to_string(cartas.size()) +
           "; rechazadas " + std::to_string(cartas.size() - hechas) + ".";
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
