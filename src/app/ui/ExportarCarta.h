// The chart on display written to a file: the recorded drawing as a PNG or SVG picture, or
// the report as a PDF. Every writer paints through the one paint routine of the drawing, and
// writes its file whole or not at all: a temporary beside it takes the content and replaces
// it only when complete.
#pragma once
#include <QImage>
#include <QSize>
#include <string>

#include "app/session/InformeCarta.h"
#include "app/session/InformeCompleto.h"
#include "app/session/PaginasInforme.h"
#include "app/ui/PintarInformeCompleto.h"
#include "chart/Paleta.h"
#include "chart/RecordingSurface.h"

namespace natalis {

// The drawing painted on an image of size pixels (at 96 dpi) in the palette tema.
QImage PintarImagen(const RecordingSurface& dibujo, QSize size, Tema tema);

// Each returns an empty text when path was written, otherwise the message saying it was not
// (and path is as it was).
std::string EscribirPng(const RecordingSurface& dibujo, QSize size, Tema tema,
                        const std::string& path);
// The SVG is size pixels at 96 dpi; lines stay lines, the header stays text, and the glyph
// font's texts are outlines, so the picture looks the same where that font is missing.
std::string EscribirSvg(const RecordingSurface& dibujo, QSize size, Tema tema,
                        const std::string& titulo, const std::string& path);
// The report made for reading on papel sheets, the glyph font embedded.
std::string EscribirInformePdf(const InformeCompleto& informe, const RuedasInforme& ruedas,
                               Papel papel, Tema tema, const std::string& path);
// The simple report (the wheel and the window's listings) on papel sheets.
std::string EscribirPdf(const RecordingSurface& dibujo, const InformeCarta& informe, Papel papel,
                        Tema tema, const std::string& path);

}  // namespace natalis
