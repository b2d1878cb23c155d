// natalis --png FILE.dat OUT.png [--size WxH] [--houses] [progression or transit options]: the
// wheel drawn by the window's own drawing code into an image. The pieces the other image
// commands share are here too.
#pragma once
#include <QtGlobal>
#include <memory>
#include <ostream>
#include <string>

#include "app/Headless.h"

class QGuiApplication;

namespace natalis {

class QtSurface;

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

// The chart of o.archivos[0] with the rings the options ask for, recorded on surface at
// o.ancho x o.alto; an OffscreenPainting must be alive. False, with the message on err, when
// the file, a date or the computation was refused.
bool DibujarCartaHeadless(const OpcionesHeadless& o, QtSurface& surface, std::ostream& err);

int HeadlessPng(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace natalis
