// The Surface painted with Qt onto an image. The 100 x 70 user scale is fitted uniformly into
// the image (the spare margin letterboxed in the background colour), so the wheel stays round
// at any size; pen widths and fonts scale with it. A 12 pt font at the designed size
// (958 x 677 px, 9.58 px per unit) is 16 px high.
//
// Every primitive is kept in the record of RecordingSurface, in user units, so a new size or
// device pixel ratio repaints the same drawing crisply instead of stretching pixels.
#pragma once
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>
#include <string>

#include "chart/RecordingSurface.h"

namespace natalis {

class QtSurface : public RecordingSurface {
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
    // How far text in that font advances at the designed size, in units.
    static double DesignAdvance(const std::string& face, double sizePt, bool bold,
                                const std::string& text);

    // Starts a new drawing: the record and the image are emptied.
    void Cls() override;

  protected:
    // Texts advance as they measure at the designed size, so the drawing's layout does not
    // depend on the window's size.
    double TextAdvance(const std::string& text) const override;
    double LineAdvance() const override;

  private:
    void Restart();
    void PaintPending();

    size_t painted_ = 0;  // operations of the record already on the image
    QImage image_;
    QSize size_;
    qreal dpr_ = 1.0;
    double scale_ = kDesignPxPerUnit;  // logical px per unit
    double offX_ = 0, offY_ = 0;       // letterbox offsets in logical px
};

}  // namespace natalis
