// A label of column headings, such as " Día   Mes    Año": each of its first words stands
// over its own box, where the box's text starts, and what follows them stands after the
// last box (or after the last word when there is no room beside the box). The text is
// kept whole, as designed; only where its words are drawn follows the boxes.
#pragma once
#include <QLabel>
#include <QRect>
#include <vector>

namespace natalis {

class ColumnCaption : public QLabel {
    Q_OBJECT
  public:
    // boxes: the boxes the first words head, left to right; they share the label's parent
    // window.
    ColumnCaption(const QString& text, std::vector<QWidget*> boxes, QWidget* parent);

    // The pieces drawn: one word per box, then the rest of the text (when there is any).
    QStringList Pieces() const;
    // Where each piece is drawn, in the label's coordinates.
    std::vector<QRect> PieceRects() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<QWidget*> boxes_;
};

}  // namespace natalis
