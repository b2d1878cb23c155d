// The colours of the frames that stand over the dark drawing (the date dialog, the age
// warning, the solar-time dialog): dark text on a light panel, every text at a contrast of
// at least 4.5 : 1 with what is behind it, disabled texts included.
#pragma once
#include "chart/Surface.h"

class QPalette;
class QWidget;

namespace natalis {

constexpr Color kPanel = 0xE4E4E4;           // the frame's background
constexpr Color kPanelText = 0x000000;       // its texts: 16 : 1
constexpr Color kPanelDisabled = 0x555555;   // texts of disabled controls: 5.9 : 1
constexpr Color kPanelButton = 0xF2F2F2;     // buttons, with kPanelText: 18 : 1
constexpr Color kPanelBase = 0xFFFFFF;       // text boxes, with kPanelText: 21 : 1
constexpr Color kPanelHighlight = 0x1F4E9C;  // selected text, with white: 8 : 1

// Gives frame these colours and has it paint its own background; its children inherit them.
void ApplyFramePalette(QWidget* frame);

// The window's palette (the style's own colours) made legible: every text colour below
// 4.5 : 1 against its background becomes, for disabled texts, a grey that still reads as
// disabled (kPanelDisabled on a light background), else black or white, whichever reads
// better; a selection colour too light for its text becomes kPanelHighlight. The window's
// children inherit it.
void ApplyLegiblePalette(QWidget* window);

}  // namespace natalis
