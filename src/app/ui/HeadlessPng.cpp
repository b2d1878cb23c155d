#include "app/ui/HeadlessPng.h"

#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

#include "app/MainState.h"
#include "app/model/ChartFile.h"
#include "app/ui/PngRings.h"
#include "astro/SwissEphemeris.h"
#include "chart/CalcularNatal.h"
#include "chart/DibujarRueda.h"
#include "chart/DistribuirGlifos.h"
#include "chart/ErrorCalculoNatal.h"
#include "chart/ui/GlyphFont.h"
#include "chart/ui/QtSurface.h"

namespace natalis {

namespace {

struct PngOptions {
    std::string file, out;
    int width = QtSurface::kDesignWidth;
    int height = QtSurface::kDesignHeight;
    std::string houses = "P";
    Args rings;  // every other option, for the rings
};

// "WxH" with both sides from 1 to 10000 pixels.
bool ParseSize(const std::string& text, int& w, int& h) {
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos || x == 0 || x + 1 >= text.size()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (i != x && !std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    }
    if (x > 5 || text.size() - x - 1 > 5) return false;
    w = std::stoi(text.substr(0, x));
    h = std::stoi(text.substr(x + 1));
    return w >= 1 && h >= 1 && w <= 10000 && h <= 10000;
}

std::optional<PngOptions> ParsePngArgs(const Args& args) {
    if (args.size() < 3 || args[1].rfind("--", 0) == 0 || args[2].rfind("--", 0) == 0) {
        return std::nullopt;
    }
    PngOptions o;
    o.file = args[1];
    o.out = args[2];
    for (size_t i = 3; i < args.size(); ++i) {
        if (args[i] == "--size") {
            if (i + 1 >= args.size() || !ParseSize(args[i + 1], o.width, o.height)) {
                return std::nullopt;
            }
            ++i;
        } else if (args[i] == "--houses") {
            if (i + 1 >= args.size() || args[i + 1].size() != 1 ||
                std::string("PKRpkr").find(args[i + 1][0]) == std::string::npos) {
                return std::nullopt;
            }
            o.houses = std::string(1, static_cast<char>(std::toupper(args[i + 1][0])));
            ++i;
        } else {
            o.rings.push_back(args[i]);
        }
    }
    return o;
}

void QuietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(msg));
    }
}

std::string CaptionFor(const std::string& houses, char used) {
    if (used == 'O') return "Porfirio";
    if (houses == "K") return "Koch";
    if (houses == "R") return "Regiomontano";
    return "Plácido";
}

}  // namespace

int HeadlessPng(const Args& args, std::ostream&, std::ostream& err) {
    const std::optional<PngOptions> o = ParsePngArgs(args);
    if (!o) {
        err << UsageText();
        return 2;
    }
    // Painting text needs a GUI application; without a display it paints offscreen.
    int argc = 1;
    char name[] = "natalis";
    char* argv[] = {name, nullptr};
    std::unique_ptr<QGuiApplication> app;
    QtMessageHandler previous = nullptr;
    if (!QCoreApplication::instance()) {
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        // Standard error carries only the program's own messages: Qt's notes about the
        // session it runs in are dropped, its errors still pass.
        previous = qInstallMessageHandler(QuietQtNotes);
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    const auto restore = [&] {
        if (previous) qInstallMessageHandler(previous);
    };

    MainState state;
    const std::filesystem::path path(o->file);
    const ChartReadResult read =
        ReadChartFile(path.parent_path().string(), path.filename().string(), state.DatosNatales);
    if (!read.ok) {
        err << ChartReadReport(read) << "\n";
        restore();
        return 2;
    }
    MarkChartLoaded(state);
    state.HouseSystem = o->houses;

    const int fontId = RegisterGlyphFont(QString::fromStdString(path.parent_path().string()));
    SwissEphemeris eph;
    CalcularNatal(state.DatosNatales, state.HouseSystem, eph, state.tables);
    if (const auto error = ErrorCalculoNatal(state.tables)) {
        err << *error << "\n";
        UnregisterGlyphFont(fontId);
        restore();
        return 2;
    }
    DistribuirGlifos(state.tables.natal.PlanetaNatal);
    QtSurface surface;
    surface.SetTargetSize(QSize(o->width, o->height));
    DibujarRueda(surface, state.tables.natal, state.DatosNatales,
                 {std::string(), CaptionFor(state.HouseSystem, state.tables.natal.HouseSystemUsed)},
                 state.wheel);
    if (!DrawPngRings(o->rings, state, eph, surface, err)) {
        UnregisterGlyphFont(fontId);
        restore();
        return 2;
    }

    // Written whole or not at all: a failed write leaves no partial file behind.
    QSaveFile file(QString::fromStdString(o->out));
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        QImageWriter writer(&file, "png");
        written = writer.write(surface.Image()) && file.commit();
    }
    UnregisterGlyphFont(fontId);
    restore();
    if (!written) {
        err << "No se pudo escribir la imagen " << o->out << "\n";
        return 2;
    }
    return 0;
}

}  // namespace natalis
