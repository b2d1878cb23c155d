#include "chart/ui/FramePalette.h"

#include <QPalette>
#include <QWidget>

#include "chart/ColorContrast.h"

namespace natalis {

namespace {

QColor Rgb(Color c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

Color ToColor(const QColor& c) { return static_cast<Color>(c.rgb() & 0xFFFFFF); }

bool Legible(const QColor& text, const QColor& background) {
    return ContrastRatio(ToColor(text), ToColor(background)) >= kMinTextContrast;
}

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

void ApplyLegiblePalette(QWidget* window) {
    const struct {
        QPalette::ColorRole text, background;
    } pairs[] = {{QPalette::WindowText, QPalette::Window},
                 {QPalette::ButtonText, QPalette::Button},
                 {QPalette::Text, QPalette::Base},
                 {QPalette::PlaceholderText, QPalette::Base}};
    QPalette pal = window->palette();
    for (const QPalette::ColorGroup g :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto& pair : pairs) {
            const QColor background = pal.color(g, pair.background);
            if (Legible(pal.color(g, pair.text), background)) continue;
            const QColor grey = Rgb(kPanelDisabled);
            const QColor black = Rgb(0x000000), white = Rgb(0xFFFFFF);
            const bool useGrey =
                (g == QPalette::Disabled || pair.text == QPalette::PlaceholderText) &&
                Legible(grey, background);
            const QColor darkOrLight = ContrastRatio(ToColor(black), ToColor(background)) >=
                                               ContrastRatio(ToColor(white), ToColor(background))
                                           ? black
                                           : white;
            pal.setColor(g, pair.text, useGrey ? grey : darkOrLight);
        }
        if (!Legible(pal.color(g, QPalette::HighlightedText), pal.color(g, QPalette::Highlight))) {
            pal.setColor(g, QPalette::Highlight, Rgb(kPanelHighlight));
            pal.setColor(g, QPalette::HighlightedText, Rgb(0xFFFFFF));
        }
    }
    window->setPalette(pal);
}

}  // namespace natalis
