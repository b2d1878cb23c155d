#include "app/ui/HeadlessPng.h"

#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/HeadlessChart.h"
#include "app/model/SystemClock.h"
#include "astro/SwissEphemeris.h"
#include "chart/ui/GlyphFont.h"
#include "chart/ui/QtSurface.h"

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

bool DibujarCartaHeadless(const OpcionesHeadless& o, QtSurface& surface, std::ostream& err) {
    SwissEphemeris eph;
    SystemClock clock;
    ChartSession sesion(eph);
    CartaHeadless r;
    surface.SetTargetSize(QSize(o.ancho, o.alto));
    return EjecutarCarta(o, o.archivos[0], sesion, clock, &surface, err, r);
}

int HeadlessPng(const Args& args, std::ostream&, std::ostream& err) {
    const LecturaOpciones l = LeerOpcionesHeadless("--png", args);
    if (!l.opciones) {
        err << l.error;
        return 2;
    }
    const OpcionesHeadless& o = *l.opciones;
    const OffscreenPainting painting(o.archivos[0]);
    QtSurface surface;
    if (!DibujarCartaHeadless(o, surface, err)) return 2;

    // Written whole or not at all: a failed write leaves no partial file behind.
    QSaveFile file(QString::fromStdString(o.archivos[1]));
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        QImageWriter writer(&file, "png");
        written = writer.write(surface.Image()) && file.commit();
    }
    if (!written) {
        err << "No se pudo escribir la imagen " << o.archivos[1] << "\n";
        return 2;
    }
    return 0;
}

}  // namespace natalis
