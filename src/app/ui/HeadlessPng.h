// The image commands: the wheel drawn by the window's own drawing code into a PNG or an SVG,
// or the report into a PDF.
//   natalis --png FILE.dat OUT.png [--size WxH] [--tema T] [--houses] [rings' options]
//   natalis --svg FILE.dat OUT.svg [--size WxH] [--tema T] [--houses] [rings' options]
//   natalis --pdf FILE.dat OUT.pdf [--papel a4|carta] [--tema T] [--simple] [--houses] [rings'
//   options]: the report made for reading, or with --simple the wheel and the listings
// The pieces they share are here too.
#pragma once
#include <QtGlobal>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "app/cli/Headless.h"
#include "app/session/ChartSession.h"
#include "astro/SwissEphemeris.h"
#include "chart/ui/QtSurface.h"

class QGuiApplication;

namespace natalis {

// What painting a chart without a window needs for as long as it is drawn and painted: a GUI
// application (an offscreen one when there is none; Qt's notes about the session it runs in
// are kept off standard error) and the glyph font, looked for beside the chart file.
class OffscreenPainting {
  public:
    explicit OffscreenPainting(const std::string& chartFile);
    ~OffscreenPainting();
    OffscreenPainting(const OffscreenPainting&) = delete;
    OffscreenPainting& operator=(const OffscreenPainting&) = delete;

  private:
    std::unique_ptr<QGuiApplication> app_;
    QtMessageHandler previous_ = nullptr;
    int fontId_ = -1;
};

// A chart computed and drawn for an image command: its session and its recorded drawing.
struct CartaDibujada {
    SwissEphemeris eph;
    ChartSession sesion{eph};
    QtSurface surface;
};

// The chart of o.archivos[0] with the rings the options ask for, recorded on carta.surface
// at o.ancho x o.alto; an OffscreenPainting must be alive. False, with the message on err,
// when the file, a date or the computation was refused.
bool DibujarCartaHeadless(const OpcionesHeadless& o, CartaDibujada& carta, std::ostream& err);

// Writes the chart drawn for o into o.archivos[1]; returns the message when it could not.
using EscribirCarta = std::function<std::string(const OpcionesHeadless& o, CartaDibujada& carta)>;

// An image command: its options read, the chart drawn and handed to escribir. 0 when the file
// was written; 2, with the message on err and nothing written, otherwise.
int EjecutarImagen(const char* comando, const Args& args, std::ostream& err,
                   const EscribirCarta& escribir);

int HeadlessPng(const Args& args, std::ostream& out, std::ostream& err);
int HeadlessSvg(const Args& args, std::ostream& out, std::ostream& err);
int HeadlessPdf(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace natalis
