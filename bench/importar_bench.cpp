// Speed of reading an AAF collection: 10,000 charts, each with its Julian day, turned into
// natal records the chart file can hold (reading only, and reading plus writing each chart
// file into a temporary folder). Target: the 10,000 charts in 2 s or less.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/model/FormatoAaf.h"
#include "app/model/Importacion.h"

namespace {

using namespace natalis;

// 10,000 charts over four centuries, every zone, half of them with summer time.
std::string Coleccion(int n) {
    std::string texto;
    for (int i = 0; i < n; ++i) {
        const double jd = 2305447.5 + i * 14.6123;  // from 1600 on
        const int huso = (i % 25) - 12;
        char renglones[200];
        std::snprintf(renglones, sizeof renglones,
                      "#A93:Apellido %d,Nombre,m,*,*,Lugar %d,ES\n"
                      "#B93:%.6f,%dn%02d,%d%c%02d,%dh%c00,%d\n",
                      i, i, jd, i % 80, i % 60, i % 170, i % 3 ? 'e' : 'w', i % 60, std::abs(huso),
                      huso < 0 ? 'w' : 'e', i % 2);
        texto += renglones;
    }
    return texto;
}

void BM_LeerAaf10000(benchmark::State& state) {
    const std::string texto = Coleccion(10000);
    for (auto _ : state) {
        const Lectura l = LeerAaf(texto);
        benchmark::DoNotOptimize(l.cartas.data());
    }
}
BENCHMARK(BM_LeerAaf10000)->Unit(benchmark::kMillisecond);

// Reading n charts and writing each as a chart file of a fresh temporary folder.
void Importar(benchmark::State& state, int n) {
    const std::string texto = Coleccion(n);
    for (auto _ : state) {
        state.PauseTiming();
        char pattern[] = "/tmp/natalis-bench-XXXXXX";
        const std::string carpeta = std::string(::mkdtemp(pattern)) + "/";
        state.ResumeTiming();
        const std::vector<CartaImportada> hechas = ImportarCartas(LeerAaf(texto), carpeta);
        benchmark::DoNotOptimize(hechas.data());
        state.PauseTiming();
        std::filesystem::remove_all(carpeta);
        state.ResumeTiming();
    }
}

void BM_ImportarAaf10000(benchmark::State& state) { Importar(state, 10000); }
BENCHMARK(BM_ImportarAaf10000)->Unit(benchmark::kMillisecond)->Iterations(1);

// The same for fewer charts: a shorter run to compare ways of writing on a busy machine.
void BM_ImportarAaf(benchmark::State& state) { Importar(state, static_cast<int>(state.range(0))); }
BENCHMARK(BM_ImportarAaf)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
