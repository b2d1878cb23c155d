// The Surface painted with Qt onto an image. The 100 x 70 user scale is fitted uniformly into
// the image (the spare margin letterboxed in the background colour), so the wheel stays round
// at any size; pen widths and fonts scale with it. A 12 pt font at the designed size
// (958 x 677 px, 9.58 px per unit) is 16 px high.
//
// Every primitive is kept as a resolved paint operation in user units, so a new size or
// device pixel ratio repaints the same drawing crisply instead of stretching pixels.
#pragma once
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>
#include <string>
#include <vector>

#include "chart/Surface.h"

namespace natalis {

class QtSurface : public Surface {
  public:
    static constexpr int kDesignWidth = 958;
    static constexpr int kDesignHeight = 677;
    static constexpr double kDesignPxPerUnit = 9.58;  // min(958 / 100, 677 / 70)

    QtSurface();

    // Size of the painted area in logical pixels and the device pixel ratio of the screen.
    void SetTargetSize(QSize logicalSize, qreal devicePixelRatio = 1.0);
    QSize TargetSize() const { return size_; }
    qreal DevicePixelRatio() const { return dpr_; }
    // The drawing, painted up to the last primitive.
    const QImage& Image();

    // User units to logical pixels and back, for laying out widgets over the drawing.
    double PxPerUnit() const { return scale_; }
    QPointF ToPixels(double x, double y) const;

    // The family that a face name of the drawing code stands for on this system: the glyph
    // font for "OrreryAstro", a free sans for "Arial" and "Microsoft Sans Serif".
    static QString FamilyFor(const std::string& face);
    // The font of a face at a size in points, as painted at scale 1.
    static QFont FontFor(const std::string& face, double sizePt, bool bold);

    void Cls() override;
    void SetFillStyle(FillStyle style) override { fillStyle_ = style; }
    void SetFillColor(Color c) override { fillColor_ = c; }
    void SetDrawStyle(LineStyle style) override { lineStyle_ = style; }
    void SetDrawWidth(int width) override { width_ = width; }
    void SetForeColor(Color c) override { foreColor_ = c; }
    void SetFont(const std::string& face, double sizePt, bool bold) override;
    void SetFontSize(double sizePt) override;
    void SetFontBold(bool bold) override;
    void Circle(double x, double y, double r, Color c) override;
    void PSet(double x, double y, Color c, bool step = false) override;
    void Line(double x1, double y1, bool step1, double x2, double y2, bool step2, Color c) override;
    void Print(const std::string& text, bool newLine) override;
    double CurrentX() const override { return curX_; }
    double CurrentY() const override { return curY_; }

  private:
    struct Op {
        enum class Kind { Circle, Point, Line, Text } kind;
        double x1, y1, x2, y2, r;
        Color color, fillColor;
        bool filled;
        LineStyle style;
        int width;
        QFont font;  // at scale 1 (designed size); text ops only
        QString text;
    };

    void Restart();
    void PaintPending();
    void PaintOp(class QPainter& p, const Op& op) const;
    Op Make(Op::Kind kind) const;

    std::vector<Op> ops_;
    size_t painted_ = 0;
    QImage image_;
    QSize size_;
    qreal dpr_ = 1.0;
    double scale_ = kDesignPxPerUnit;  // logical px per unit
    double offX_ = 0, offY_ = 0;       // letterbox offsets in logical px

    double curX_ = 0, curY_ = 0;
    Color foreColor_ = 0;
    Color fillColor_ = 0;
    FillStyle fillStyle_ = FillStyle::Transparent;
    LineStyle lineStyle_ = LineStyle::Solid;
    int width_ = 1;
    std::string face_ = "Arial";
    double sizePt_ = 8.25;
    bool bold_ = false;
    QFont font_;  // the installed font at scale 1
};

}  // namespace natalis
