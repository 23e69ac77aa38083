#include "main_window/RubricLayout.h"

namespace main_window {
namespace {

constexpr int kGap = 45;         // twips between a box and the next caption
constexpr int kCaptionPad = 30;  // twips between a caption and its box

using core::BoxArray;

}  // namespace

const RubricPane& FisaFataRubrics() {
  static const RubricPane pane{
      BoxArray::txtCamp, 8040, 315, 360, 345,
      {{240,
        {
            {1, {{{{0, 0}}}}},
            {2, {{{{1, 0}}}}},
            {3, {{{{2, 0}}}}},
            {4, {{{{3, 0}}}}},
            {5, {{{{4, 3000}, {44, 0}}}}},
            {6, {{{{5, 0}}}}},
            {7,
             {{{{6, 1200}, {42, 0}}},
              {{{7, 1200}, {43, 0}}},
              {{{8, 800}, {10, 800}, {9, 800}, {11, 0}}, "Max aut. pe axe"},
              {{{12, 1200}, {13, 0}}}},
             "M a s e l e (Kg)", GroupStyle::Stacked},
            {8, {{{{14, 700}, {15, 700}, {16, 700}, {17, 0}}}}, " Nr. de locuri", GroupStyle::Left},
            {9, {{{{18, 1100}, {19, 1100}, {20, 0}}}}, "Dimensiunile de gabarit (mm)", GroupStyle::Left},
            // The engine's group caption is the window's Label36, placed in this column.
            {10,
             {{{{21, 2400}, {22, 0}}}, {{{23, 0}}}, {{{24, 0}}}, {{{25, 0}}}},
             "", GroupStyle::Stacked},
            {11, {{{{26, 0}}}}},
            {12, {{{{27, 0}}}}},
            {13, {{{{28, 1250}, {29, 650}, {30, 1250}, {31, 0}}}},
             "                           Dimens. anvelopelor", GroupStyle::Left},
            {14, {{{{32, 1500}, {33, 0}}}}, " Zgomotul (dB(A))", GroupStyle::Left},
            {15, {{{{34, 1000}, {35, 0}}}}, "Presiunea aerului la (bar) la cupla de franare",
             GroupStyle::Left},
            {16, {{{{36, 0}}}}},
            {17, {{{{37, 0}}}}},
            {18, {{{{38, 0}}}}},
            {19, {{{{39, 0}}}}},
            {20, {{{{40, 0}}}}},
            {21, {{{{41, 0}}}}},
        }}}};
  return pane;
}

const RubricPane& FisaVersoRubrics() {
  static const RubricPane pane{
      BoxArray::txtVerso, 8205, 345, 360, 345,
      {{870,
        {
            {1, {{{{0, 2400}, {39, 0}}}}, "  Pret de vanzare:", GroupStyle::Left, true},
            {2, {{{{1, 0}}}, {{{2, 600}, {3, 1200}, {4, 0}}}}},
            {3, {{{{5, 2700}, {6, 0}}}}, " Parintii:", GroupStyle::Left},
            {4, {{{{7, 1500}, {8, 0}}}}, " Nascut:", GroupStyle::Left},
            {5, {{{{9, 1900}, {10, 0}}}}},
            {6,
             {{{{11, 2000}, {12, 2000}, {13, 0}}},
              {{{14, 900}, {15, 900}, {16, 0}}},
              {{{17, 2400}, {18, 0}}}},
             "              Adresa:", GroupStyle::Left},
            {7, {{{{19, 2600}, {20, 0}}}}},
            {8, {{{{21, 0}}}}},
        }},
       {6390,
        {
            {9, {{{{22, 2400}}}}},
            {10, {{{{23, 0}}}, {{{24, 600}, {25, 1200}, {26, 0}}}}},
            {11, {{{{27, 1800}}}}},
            {12, {{{{28, 1900}, {29, 0}}}}},
            {13,
             {{{{30, 2000}, {31, 2000}, {32, 0}}},
              {{{33, 900}, {34, 900}, {35, 0}}},
              {{{36, 2400}, {37, 0}}}},
             "              Adresa:", GroupStyle::Left},
            {14, {{{{38, 1800}}}}},
        }}}};
  return pane;
}

std::vector<core::BoxRef> BoxTabOrder() {
  std::vector<core::BoxRef> order;
  auto append = [&order](const RubricPane& pane) {
    for (const RubricSection& section : pane.sections)
      for (const Rubric& rubric : section.rubrics)
        for (const RubricLine& line : rubric.lines)
          for (const RubricItem& item : line.items) order.push_back({pane.array, item.box});
  };
  append(FisaFataRubrics());
  order.push_back({BoxArray::txtSpecificatii, 0});
  append(FisaVersoRubrics());
  return order;
}

std::vector<Placed> LayOutRubrics(const RubricPane& pane, const MeasureText& measure) {
  std::vector<Placed> placed;
  const int pitch = pane.linePitch;
  const int boxOffset = (pitch - kBoxHeight) / 2;

  for (const RubricSection& section : pane.sections) {
    int top = section.top;
    for (const Rubric& rubric : section.rubrics) {
      const int lineCount = static_cast<int>(rubric.lines.size()) + (rubric.captionsAbove ? 1 : 0);
      const int height = lineCount * pitch;
      placed.push_back({PlacedKind::Rubric, rubric.number, -1, QString(), {0, top, pane.width, height}});
      placed.push_back({PlacedKind::Number, rubric.number, -1, QString::number(rubric.number),
                        {0, top, pane.numberWidth, height}});

      int groupWidth = 0;
      const QString group = QString::fromLatin1(rubric.group.data(), rubric.group.size());
      if (rubric.groupStyle == GroupStyle::Left) groupWidth = measure(group.trimmed()) + 2 * kGap;
      if (rubric.groupStyle == GroupStyle::Stacked) groupWidth = pane.stackedWidth;
      if (rubric.groupStyle != GroupStyle::None) {
        Placed g{PlacedKind::Group, rubric.number, -1, group,
                 {pane.numberWidth, top, groupWidth - kGap / 2, height}};
        g.groupStyle = rubric.groupStyle;
        placed.push_back(g);
      }

      int lineTop = top + (rubric.captionsAbove ? pitch : 0);
      for (const RubricLine& line : rubric.lines) {
        int x = pane.numberWidth + groupWidth + kCaptionPad;
        if (!line.lead.empty()) {
          const QString lead = QString::fromLatin1(line.lead.data(), line.lead.size());
          const int w = measure(lead) + kCaptionPad;
          placed.push_back({PlacedKind::Lead, rubric.number, -1, lead, {x, lineTop, w, pitch}});
          x += w + kGap;
        }
        for (const RubricItem& item : line.items) {
          const QString caption = core::Caption({pane.array, item.box});
          if (!rubric.captionsAbove) {
            const int w = measure(caption) + kCaptionPad;
            placed.push_back({PlacedKind::Caption, rubric.number, item.box, caption, {x, lineTop, w, pitch}});
            x += w;
          }
          const int w = item.width > 0 ? item.width : pane.width - kCaptionPad - x;
          placed.push_back({PlacedKind::Box, rubric.number, item.box, QString(),
                            {x, lineTop + boxOffset, w, kBoxHeight}});
          if (rubric.captionsAbove) {
            Placed c{PlacedKind::Caption, rubric.number, item.box, caption, {x, top, w, pitch}};
            c.captionAbove = true;
            placed.push_back(c);
          }
          x += w + kGap;
        }
        lineTop += pitch;
      }
      top += height;
    }
  }
  return placed;
}

}  // namespace main_window
