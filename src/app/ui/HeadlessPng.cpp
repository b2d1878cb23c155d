#include "app/ui/HeadlessPng.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/cli/HeadlessChart.h"
#include "app/model/SystemClock.h"
#include "app/session/InformeCarta.h"
#include "app/session/InformeCompleto.h"
#include "app/ui/ExportarCarta.h"
#include "chart/ui/GlyphFont.h"

namespace natalis {

namespace {

void QuietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(msg));
    }
}

}  // namespace

OffscreenPainting::OffscreenPainting(const std::string& chartFile) {
    if (!QCoreApplication::instance()) {
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        // Standard error carries only the program's own messages: Qt's notes about the
        // session it runs in are dropped, its errors still pass.
        previous_ = qInstallMessageHandler(QuietQtNotes);
        static int argc = 1;
        static char name[] = "natalis";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    const std::filesystem::path path(chartFile);
    fontId_ = RegisterGlyphFont(QString::fromStdString(path.parent_path().string()));
}

OffscreenPainting::~OffscreenPainting() {
    UnregisterGlyphFont(fontId_);
    app_.reset();
    if (previous_) qInstallMessageHandler(previous_);
}

bool DibujarCartaHeadless(const OpcionesHeadless& o, CartaDibujada& carta, std::ostream& err) {
    SystemClock clock;
    CartaHeadless r;
    carta.surface.SetTargetSize(QSize(o.ancho, o.alto));
    return EjecutarCarta(o, o.archivos[0], carta.sesion, clock, &carta.surface, err, r);
}

int EjecutarImagen(const char* comando, const Args& args, std::ostream& err,
                   const EscribirCarta& escribir) {
    const auto opciones = LeerOpcionesOAvisar(comando, args, err);
    if (!opciones) return 2;
    const OpcionesHeadless& o = *opciones;
    const OffscreenPainting painting(o.archivos[0]);
    CartaDibujada carta;
    if (!DibujarCartaHeadless(o, carta, err)) return 2;
    const std::string error = escribir(o, carta);
    if (!error.empty()) {
        err << error << "\n";
        return 2;
    }
    return 0;
}

int HeadlessPng(const Args& args, std::ostream&, std::ostream& err) {
    return EjecutarImagen("--png", args, err, [](const OpcionesHeadless& o, CartaDibujada& c) {
        return EscribirPng(c.surface, QSize(o.ancho, o.alto), o.tema, o.archivos[1]);
    });
}

int HeadlessSvg(const Args& args, std::ostream&, std::ostream& err) {
    return EjecutarImagen("--svg", args, err, [](const OpcionesHeadless& o, CartaDibujada& c) {
        return EscribirSvg(c.surface, QSize(o.ancho, o.alto), o.tema, ArmarInforme(c.sesion).nombre,
                           o.archivos[1]);
    });
}

int HeadlessPdf(const Args& args, std::ostream&, std::ostream& err) {
    return EjecutarImagen("--pdf", args, err, [](const OpcionesHeadless& o, CartaDibujada& c) {
        if (o.simple) {
            return EscribirPdf(c.surface, ArmarInforme(c.sesion), o.papel, o.tema, o.archivos[1]);
        }
        return EscribirInformePdf(ArmarInformeCompleto(c.sesion),
                                  RecortarRuedas(c.sesion, c.surface), o.papel, o.tema,
                                  o.archivos[1]);
    });
}

}  // namespace natalis
