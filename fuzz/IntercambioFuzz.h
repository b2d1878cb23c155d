// What every exchange-format reader's fuzz target checks, for any bytes: reading never
// crashes; each chart is either refused with a reason or a record the chart file's writer
// can write and its reader reads back as the same chart, with notes it can hold.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "app/model/CartaIntercambio.h"
#include "app/model/Cp1252.h"
#include "tests/app/model/ChartRoundTrip.h"

namespace natalis::fuzz {

[[noreturn]] inline void Falla(const char* que, const std::string& detalle) {
    std::fprintf(stderr, "IntercambioFuzz: %s\n%s\n", que, detalle.c_str());
    std::abort();
}

inline void Comprobar(const Lectura& l) {
    if (!l.error.empty() && !l.cartas.empty()) Falla("an error with charts", l.error);
    for (const CartaLeida& c : l.cartas) {
        if (!c.registro) {
            if (c.rechazo.empty()) Falla("a chart refused without a reason", c.origen);
            continue;
        }
        if (auto problema = ChartRecordProblem(*c.registro)) Falla("unwritable", *problema);
        const std::string texto = ChartFileText(*c.registro, &c.notas);
        const Cp1252Text bytes = Utf8ToCp1252(texto);
        if (!bytes.unstorable.empty()) Falla("characters the chart file cannot hold", texto);
        std::istringstream in(bytes.bytes);
        NatalRecord otra;
        if (!ReadChartStream(in, "", otra).ok) Falla("written, it does not read", texto);
        if (ChartDataOf(otra) != ChartDataOf(*c.registro)) Falla("read back, it differs", texto);
    }
}

}  // namespace natalis::fuzz
