#include "document_forms/PrintedLine.h"

namespace document_forms {

void AddLine(std::vector<Item>& items, double top, double left, Font font, std::initializer_list<Piece> pieces) {
  double cursor = left;
  for (auto it = pieces.begin(); it != pieces.end(); ++it) {
    const Piece& p = *it;
    if (p.kind == Piece::Kind::kCaption) {
      const Font f = p.font.face ? p.font : font;
      const auto next = it + 1;
      if (p.left >= 0) {
        items.push_back(Label(p.left, top, p.text, f));
        cursor = p.left;
      } else if (next != pieces.end() && next->kind != Piece::Kind::kCaption) {
        items.push_back(Label(cursor, top, p.text, f, next->left - cursor, kLabelHeight, TextAlign::kRight));
      } else {
        items.push_back(Label(cursor, top, p.text, f));
      }
      continue;
    }
    const double boxTop = p.top >= 0 ? p.top : top;
    if (p.kind == Piece::Kind::kField) {
      // What the box stands on comes first, so that the box lies above it.
      if (p.under == Piece::Under::kRule) {
        items.push_back(Rule(boxTop + p.height + 15, p.left, p.left + p.width));
      } else if (p.under == Piece::Under::kDots) {
        items.push_back(Dots(p.left, boxTop + 150, p.width));
      }
      items.push_back(Box(p.index, p.left, boxTop, p.width, p.height));
    } else {
      items.push_back(Rule(boxTop + kBoxHeight + 15, p.left, p.left + p.width));
    }
    cursor = p.left + p.width;
  }
}

}  // namespace document_forms
