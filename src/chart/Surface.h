// The drawing surface of the wheel, the rings and the start screen. Coordinates are in the
// window's user scale: 0..100 across, 0..70 down. Text is printed with the top-left corner of
// its cell at the current position, which plotting a point or drawing a line moves.
#pragma once
#include <cstdint>
#include <string>

namespace natalis {

using Color = uint32_t;  // 0xRRGGBB

// The sixteen standard console colours by number (0 black ... 15 bright white).
Color QBColor(int n);
constexpr Color kBackground = 0x404040;  // the main window's background, grey 64
constexpr Color kGrey128 = 0x808080;

enum class FillStyle { Solid, Transparent };
enum class LineStyle { Solid, Dot, Invisible };

class Surface {
  public:
    virtual ~Surface() = default;

    virtual void Cls() = 0;  // clears to the background; current position (0, 0)
    virtual void SetFillStyle(FillStyle style) = 0;
    virtual void SetFillColor(Color c) = 0;
    virtual void SetDrawStyle(LineStyle style) = 0;
    virtual void SetDrawWidth(int width) = 0;
    virtual void SetForeColor(Color c) = 0;
    // Installs a font; later SetFontSize calls resize it.
    virtual void SetFont(const std::string& face, double sizePt, bool bold) = 0;
    virtual void SetFontSize(double sizePt) = 0;
    virtual void SetFontBold(bool bold) = 0;

    // Circle of radius r around (x, y), outlined in c, filled when the fill style is solid.
    virtual void Circle(double x, double y, double r, Color c) = 0;
    // Plots one point (relative to the current position when step is true) and moves there.
    virtual void PSet(double x, double y, Color c, bool step = false) = 0;
    // Line from (x1, y1) to (x2, y2); the first point relative to the current position when
    // step1, the second relative to the first when step2. Ends at the second point.
    virtual void Line(double x1, double y1, bool step1, double x2, double y2, bool step2,
                      Color c) = 0;
    // Prints text at the current position. newLine: the position moves to the start of the
    // next line; otherwise it moves to the end of the printed text.
    virtual void Print(const std::string& text, bool newLine) = 0;

    virtual double CurrentX() const = 0;
    virtual double CurrentY() const = 0;
};

}  // namespace natalis
