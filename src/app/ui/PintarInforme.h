// The report painted on a paged device, a PDF writer or a printer: the layout of
// PaginasInforme drawn as it says, the wheel replayed from the recorded drawing.
#pragma once
#include "app/session/InformeCarta.h"
#include "app/session/PaginasInforme.h"
#include "chart/Paleta.h"
#include "chart/RecordingSurface.h"

class QPagedPaintDevice;

namespace natalis {

// The layout of informe on device's sheet (its page layout's full size, in points).
MedidasInforme MedidasEn(const QPagedPaintDevice& device, const InformeCarta& informe);

// Paints every page of the report on device, whatever its resolution, the wheel in the
// palette tema and the texts in black. False when the device could not be painted on.
bool PintarInforme(QPagedPaintDevice& device, const RecordingSurface& dibujo,
                   const InformeCarta& informe, Tema tema);

}  // namespace natalis
