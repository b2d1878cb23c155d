#include "chart/ui/FramePalette.h"

#include <QPalette>
#include <QWidget>

namespace natalis {

namespace {

QColor Rgb(Color c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

}  // namespace

void ApplyFramePalette(QWidget* frame) {
    QPalette pal = frame->palette();
    for (const QPalette::ColorGroup g :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = g == QPalette::Disabled;
        const QColor text = Rgb(disabled ? kPanelDisabled : kPanelText);
        pal.setColor(g, QPalette::Window, Rgb(kPanel));
        pal.setColor(g, QPalette::WindowText, text);
        pal.setColor(g, QPalette::Button, Rgb(kPanelButton));
        pal.setColor(g, QPalette::ButtonText, text);
        pal.setColor(g, QPalette::Base, Rgb(disabled ? kPanel : kPanelBase));
        pal.setColor(g, QPalette::Text, text);
        pal.setColor(g, QPalette::Highlight, Rgb(kPanelHighlight));
        pal.setColor(g, QPalette::HighlightedText, Rgb(0xFFFFFF));
        pal.setColor(g, QPalette::PlaceholderText, Rgb(kPanelDisabled));
    }
    frame->setPalette(pal);
    frame->setAutoFillBackground(true);
}

}  // namespace natalis
