// A Surface that records every primitive, resolved to absolute positions in the window's own
// units, with its colour, font and style. Tests read the record to say where each glyph,
// number and line went; the Qt surface derives from it and paints the record at any size.
// Here text advance is approximated from the character count and the font size; a painting
// surface measures it with its real fonts.
#pragma once
#include <string>
#include <vector>

#include "chart/Surface.h"

namespace natalis {

struct DrawOp {
    enum class Kind { Cls, Circle, Point, Line, Text };
    Kind kind = Kind::Cls;
    double x1 = 0, y1 = 0;  // circle centre, point, line start, text cell's top-left corner
    double x2 = 0, y2 = 0;  // line end
    double r = 0;           // circle radius
    Color color = 0;        // outline, line, point or text colour
    Color fillColor = 0;
    FillStyle fillStyle = FillStyle::Transparent;
    LineStyle lineStyle = LineStyle::Solid;
    int width = 1;
    std::string face;  // font of a text
    double sizePt = 0;
    bool bold = false;
    std::string text;
    bool newLine = false;
};

class RecordingSurface : public Surface {
  public:
    // Approximate text metrics in units: advance per character and line height per point of
    // font size (a point is 96/72 px; the designed window has about 9.58 px per unit).
    static constexpr double kUnitsPerPt = 96.0 / 72.0 / 9.58;
    static constexpr double kAdvancePerChar = 0.55;  // in ems
    static constexpr double kLineHeight = 1.15;      // in ems

    void Cls() override;
    void SetFillStyle(FillStyle style) override { fillStyle_ = style; }
    void SetFillColor(Color c) override { fillColor_ = c; }
    void SetDrawStyle(LineStyle style) override { lineStyle_ = style; }
    void SetDrawWidth(int width) override { width_ = width; }
    void SetForeColor(Color c) override { foreColor_ = c; }
    void SetFont(const std::string& face, double sizePt, bool bold) override;
    void SetFontSize(double sizePt) override { sizePt_ = sizePt; }
    void SetFontBold(bool bold) override { bold_ = bold; }
    void Circle(double x, double y, double r, Color c) override;
    void PSet(double x, double y, Color c, bool step = false) override;
    void Line(double x1, double y1, bool step1, double x2, double y2, bool step2, Color c) override;
    void Print(const std::string& text, bool newLine) override;
    double CurrentX() const override { return curX_; }
    double CurrentY() const override { return curY_; }

    Color ForeColor() const { return foreColor_; }
    const std::vector<DrawOp>& Ops() const { return ops_; }
    // Recorded operations of one kind, in drawing order.
    std::vector<DrawOp> OpsOf(DrawOp::Kind kind) const;
    void Clear() { ops_.clear(); }

  protected:
    // Width of a printed text and height of a printed line, in units, for the installed font.
    virtual double TextAdvance(const std::string& text) const;
    virtual double LineAdvance() const;
    const std::string& FontFace() const { return face_; }
    double FontSizePt() const { return sizePt_; }
    bool FontBold() const { return bold_; }

  private:
    DrawOp Styled(DrawOp::Kind kind) const;

    std::vector<DrawOp> ops_;
    double curX_ = 0, curY_ = 0;
    Color foreColor_ = 0;
    Color fillColor_ = 0;
    FillStyle fillStyle_ = FillStyle::Transparent;
    LineStyle lineStyle_ = LineStyle::Solid;
    int width_ = 1;
    std::string face_;
    double sizePt_ = 8;
    bool bold_ = false;
};

// Number of characters (code points) of a UTF-8 text.
size_t Utf8Length(const std::string& text);

}  // namespace natalis
