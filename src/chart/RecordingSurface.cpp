#include "chart/RecordingSurface.h"

namespace natalis {

size_t Utf8Length(const std::string& text) {
    size_t n = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) ++n;
    }
    return n;
}

DrawOp RecordingSurface::Styled(DrawOp::Kind kind) const {
    DrawOp op;
    op.kind = kind;
    op.fillColor = fillColor_;
    op.fillStyle = fillStyle_;
    op.lineStyle = lineStyle_;
    op.width = width_;
    op.face = face_;
    op.sizePt = sizePt_;
    op.bold = bold_;
    return op;
}

void RecordingSurface::Cls() {
    ops_.push_back(Styled(DrawOp::Kind::Cls));
    curX_ = 0;
    curY_ = 0;
}

void RecordingSurface::SetFont(const std::string& face, double sizePt, bool bold) {
    face_ = face;
    sizePt_ = sizePt;
    bold_ = bold;
}

void RecordingSurface::Circle(double x, double y, double r, Color c) {
    DrawOp op = Styled(DrawOp::Kind::Circle);
    op.x1 = x;
    op.y1 = y;
    op.r = r;
    op.color = c;
    ops_.push_back(op);
    curX_ = x;
    curY_ = y;
}

void RecordingSurface::PSet(double x, double y, Color c, bool step) {
    if (step) {
        x += curX_;
        y += curY_;
    }
    DrawOp op = Styled(DrawOp::Kind::Point);
    op.x1 = x;
    op.y1 = y;
    op.color = c;
    ops_.push_back(op);
    curX_ = x;
    curY_ = y;
}

void RecordingSurface::Line(double x1, double y1, bool step1, double x2, double y2, bool step2,
                            Color c) {
    if (step1) {
        x1 += curX_;
        y1 += curY_;
    }
    if (step2) {
        x2 += x1;
        y2 += y1;
    }
    DrawOp op = Styled(DrawOp::Kind::Line);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.color = c;
    ops_.push_back(op);
    curX_ = x2;
    curY_ = y2;
}

void RecordingSurface::Print(const std::string& text, bool newLine) {
    DrawOp op = Styled(DrawOp::Kind::Text);
    op.x1 = curX_;
    op.y1 = curY_;
    op.color = foreColor_;
    op.text = text;
    op.newLine = newLine;
    ops_.push_back(op);
    if (newLine) {
        curX_ = 0;
        curY_ += LineAdvance();
    } else {
        curX_ += TextAdvance(text);
    }
}

double RecordingSurface::TextAdvance(const std::string& text) const {
    return static_cast<double>(Utf8Length(text)) * sizePt_ * kUnitsPerPt * kAdvancePerChar;
}

double RecordingSurface::LineAdvance() const { return sizePt_ * kUnitsPerPt * kLineHeight; }

std::vector<DrawOp> RecordingSurface::OpsOf(DrawOp::Kind kind) const {
    std::vector<DrawOp> out;
    for (const DrawOp& op : ops_) {
        if (op.kind == kind) out.push_back(op);
    }
    return out;
}

}  // namespace natalis
