// The paper rules of every document form, each checked over all fifteen forms: what the
// page prints, read back from the PDF (the words with pdftotext -bbox, the rules from the
// page rendered by pdftoppm), against the boxes, labels and lines of the form.

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <functional>
#include <span>
#include <vector>

#include "EveryForm.h"
#include "FormFixture.h"
#include "document_forms/FormFonts.h"
#include "document_forms/PrintedLine.h"
#include "core/Fonts.h"
#include "platform/PageControls.h"
#include "support/LongCases.h"
#include "support/PdfText.h"

namespace {

using document_forms::DocumentForm;
using testsupport::PdfPage;
using testsupport::PdfWord;

constexpr double kTwipsPerMm = 56.7;

using testsupport::AllForms;
using testsupport::FormEntry;

// The single-line boxes of a form that show.
std::vector<platform::FormTextBox*> TextBoxes(const DocumentForm& form) {
  std::vector<platform::FormTextBox*> out;
  for (platform::PageControl* control : form.Controls())
    if (auto* box = dynamic_cast<platform::FormTextBox*>(control); box && !box->isHidden()) out.push_back(box);
  return out;
}

void EmptyEveryBox(DocumentForm& form) {
  for (int i = 0; i < form.BoxCount(); ++i) form.SetText(i, QString());
}

// A text of one word, a vehicle identification number repeated, about `times` as wide
// as the room between the box's margins (one character at least).
QString WordAbout(const platform::FormTextBox& box, double times) {
  const double room = box.Width() - 2 * platform::FormTextBox::kTextMargin * platform::kTwipsPerPixel;
  QString text;
  const QString vin = QStringLiteral("WVWZZZ1JZ3W386752");
  for (int i = 0; platform::FormLabel::TextWidthTwips(text + vin.at(i % vin.size()), box.font()) <= times * room; ++i)
    text += vin.at(i % vin.size());
  return text.isEmpty() ? vin.left(1) : text;
}

// The page of an open form printed into `dir`, read back.
PdfPage PrintedPage(DocumentForm& form, const QTemporaryDir& dir, const QString& pdf) {
  form.PrintToPdf(dir.filePath(pdf));
  const QList<PdfPage> pages = testsupport::ReadPdfPages(dir.filePath(pdf));
  return pages.isEmpty() ? PdfPage{} : pages.front();
}

// Two words of a page made of `items`, as it prints; empty words where one is missing.
std::pair<PdfWord, PdfWord> PrintedWords(const std::vector<document_forms::Item>& items, const QString& first,
                                         const QString& last) {
  const document_forms::Page page{.caption = "proba", .items = items};
  DocumentForm form(page);
  QTemporaryDir dir;
  const PdfPage printed = PrintedPage(form, dir, QStringLiteral("words.pdf"));
  const PdfWord* a = printed.Find(first);
  const PdfWord* b = printed.Find(last);
  return {a ? *a : PdfWord{}, b ? *b : PdfWord{}};
}

class PaperRules : public testsupport::FormFixture {
 protected:
  // Runs `check` on each of the fifteen forms, opened afresh and closed after it.
  void ForEachForm(const std::function<void(DocumentForm&)>& check) {
    for (const FormEntry& entry : AllForms()) {
      SCOPED_TRACE(entry.name);
      mainWindow_.hide();
      DocumentForm* form = entry.open();
      QApplication::processEvents();
      ASSERT_NE(form, nullptr);
      check(*form);
      form->close();
      Settle();
    }
  }
};

// The boxes in rounds such that no two boxes of a round stand side by side on a line
// (their words would run together on paper): a box goes to the first round without a
// neighbour of it.
std::vector<std::vector<platform::FormTextBox*>> Rounds(const std::vector<platform::FormTextBox*>& boxes) {
  constexpr double kApart = 200;  // twips
  auto neighbours = [](const platform::FormTextBox* a, const platform::FormTextBox* b) {
    return a->Twips().adjusted(-kApart, 0, kApart, 0).intersects(b->Twips());
  };
  std::vector<std::vector<platform::FormTextBox*>> rounds;
  for (platform::FormTextBox* box : boxes) {
    auto round = std::find_if(rounds.begin(), rounds.end(), [&](const auto& r) {
      return std::none_of(r.begin(), r.end(), [&](const platform::FormTextBox* other) { return neighbours(box, other); });
    });
    if (round == rounds.end()) round = rounds.emplace(rounds.end());
    round->push_back(box);
  }
  return rounds;
}

// A box's text up to twice as wide as the box prints whole and within the box (or the
// blank paper after a box that runs on); a word clipped at the edge would still be read
// back whole, reaching past the edge.
TEST_F(PaperRules, ABoxTextUpToTwiceItsWidthPrintsWholeWithinTheBox) {
  ForEachForm([](DocumentForm& form) {
    for (const auto& round : Rounds(TextBoxes(form))) {
      EmptyEveryBox(form);
      for (platform::FormTextBox* box : round) box->SetText(WordAbout(*box, 1.9));
      QTemporaryDir dir;
      const PdfPage page = PrintedPage(form, dir, QStringLiteral("boxes.pdf"));
      for (const platform::FormTextBox* box : round) {
        // A box its page puts below the sheet's bottom edge is on the page, never on paper.
        if (box->Top() / kTwipsPerMm >= page.sizeMm.height()) continue;
        const std::string text = box->Text().toStdString() + " in the box at " +
                                 std::to_string(box->Left()) + ", " + std::to_string(box->Top());
        // Boxes alike in width hold the same text: each box's is the one nearest to it.
        const QPointF middle = box->Twips().center() / kTwipsPerMm;
        const PdfWord* word = nullptr;
        double nearest = 0;
        for (const PdfWord& w : page.words) {
          const double distance = std::hypot((w.xMin + w.xMax) / 2 - middle.x(), (w.yMin + w.yMax) / 2 - middle.y());
          if (w.text == box->Text() && (!word || distance < nearest)) {
            word = &w;
            nearest = distance;
          }
        }
        ASSERT_NE(word, nullptr) << text;
        ASSERT_LT(nearest, 3) << text;
        const double tolerance = 0.2;  // mm
        EXPECT_GE(word->xMin, box->Left() / kTwipsPerMm - tolerance) << text;
        EXPECT_LE(word->xMax, std::max(box->Left() + box->Width(), box->PaperRight()) / kTwipsPerMm + tolerance)
            << text;
      }
    }
  });
}

// Nothing runs off the sheet or into the 4 mm at its left and right edges, with every
// box typed full and then some.
TEST_F(PaperRules, NoWordOffTheSheetOrWithinFourMillimetresOfItsSides) {
  ForEachForm([](DocumentForm& form) {
    for (platform::FormTextBox* box : TextBoxes(form)) box->SetText(WordAbout(*box, 1.9));
    QTemporaryDir dir;
    const PdfPage page = PrintedPage(form, dir, QStringLiteral("full.pdf"));
    ASSERT_FALSE(page.words.isEmpty());
    for (const PdfWord& word : page.words) {
      EXPECT_GE(word.xMin, 4) << word.text.toStdString();
      EXPECT_LE(word.xMax, page.sizeMm.width() - 4) << word.text.toStdString();
      EXPECT_GE(word.yMin, 0) << word.text.toStdString();
      EXPECT_LE(word.yMax, page.sizeMm.height()) << word.text.toStdString();
    }
  });
}

// No two captions print over each other: with every box empty, no two words share
// more than a sliver of the page (side by side on a line, or in neighbouring lines).
TEST_F(PaperRules, NoTwoCaptionsOverlap) {
  ForEachForm([](DocumentForm& form) {
    EmptyEveryBox(form);
    QTemporaryDir dir;
    const PdfPage page = PrintedPage(form, dir, QStringLiteral("captions.pdf"));
    const QList<PdfWord>& words = page.words;
    for (qsizetype i = 0; i < words.size(); ++i) {
      for (qsizetype j = i + 1; j < words.size(); ++j) {
        const PdfWord& a = words[i];
        const PdfWord& b = words[j];
        const double acrossX = std::min(a.xMax, b.xMax) - std::max(a.xMin, b.xMin);
        const double acrossY = std::min(a.yMax, b.yMax) - std::max(a.yMin, b.yMin);
        const double lower = std::min(a.yMax - a.yMin, b.yMax - b.yMin);
        EXPECT_FALSE(acrossX > 0.3 && acrossY > lower / 2)
            << a.text.toStdString() << " over " << b.text.toStdString() << " at " << a.xMin << ", " << a.yMin;
      }
    }
  });
}

// No upright rule of the page (a line, or a side of a rectangle) runs through a caption's
// letters: a caption as wide as its text that a rule would cross ends short of the rule,
// condensed.
TEST_F(PaperRules, NoUprightRuleCrossesACaption) {
  ForEachForm([](DocumentForm& form) {
    EmptyEveryBox(form);
    QTemporaryDir dir;
    const PdfPage page = PrintedPage(form, dir, QStringLiteral("rules.pdf"));
    struct Upright {
      double x, top, bottom;  // twips
    };
    std::vector<Upright> rules;
    for (platform::PageControl* control : form.Controls()) {
      if (control->Widget()->isHidden()) continue;
      if (auto* line = dynamic_cast<platform::FormLine*>(control); line && line->Ends().x1() == line->Ends().x2()) {
        const QLineF ends = line->Ends();
        rules.push_back({ends.x1(), std::min(ends.y1(), ends.y2()), std::max(ends.y1(), ends.y2())});
      } else if (auto* shape = dynamic_cast<platform::FormShape*>(control);
                 shape && shape->ShapeKind() == platform::FormShape::Kind::kRectangle && shape->Border() > 0) {
        const QRectF place = shape->Twips();
        rules.push_back({place.left(), place.top(), place.bottom()});
        rules.push_back({place.right(), place.top(), place.bottom()});
      }
    }
    for (const Upright& rule : rules) {
      const double x = rule.x / kTwipsPerMm;
      for (const PdfWord& w : page.words) {
        const double middle = (w.yMin + w.yMax) / 2;
        EXPECT_FALSE(middle > rule.top / kTwipsPerMm && middle < rule.bottom / kTwipsPerMm && x > w.xMin + 0.3 &&
                     x < w.xMax - 0.3)
            << "the rule at " << rule.x << " twips crosses " << w.text.toStdString();
      }
    }
  });
}

// A later caption of a printed line stands in the gap between the piece before it and the
// box or fill-in line after it, condensed when its text is wider than the gap, and never
// reaches back over the piece before it.
TEST_F(PaperRules, ALaterCaptionOfAPrintedLineStaysInItsGap) {
  using namespace document_forms;
  struct Case {
    double gap;  // twips between the first fill-in line's end and the second's start
  };
  constexpr Font kFont{"Times New Roman", 11.25};
  const double natural =
      platform::FormLabel::TextWidthTwips(QStringLiteral("tone,dobandit la"), FontOf(kFont, kFont));
  for (const Case& c : {Case{natural * 1.5}, Case{natural}, Case{natural * 0.8}, Case{natural * 0.6}}) {
    SCOPED_TRACE(c.gap);
    std::vector<Item> items;
    const double firstEnd = 3000;
    AddLine(items, 1000, 1000, kFont,
            {Say("capacitatea"), Blank(2400, firstEnd - 2400), Say("tone,dobandit la"), Blank(firstEnd + c.gap, 900)});
    const auto [first, last] = PrintedWords(items, QStringLiteral("tone,dobandit"), QStringLiteral("la"));
    ASSERT_FALSE(first.text.isEmpty() || last.text.isEmpty());
    EXPECT_GE(first.xMin, firstEnd / kTwipsPerMm - 0.1);
    EXPECT_LE(last.xMax, (firstEnd + c.gap) / kTwipsPerMm + 0.2);
    EXPECT_GT(last.xMax, (firstEnd + c.gap) / kTwipsPerMm - 1.5);  // right-aligned against the line after it
  }
}

// Every form filled from a case as offices type it: every box's text prints whole on paper,
// within the box (or, for a box that runs on, the blank paper after it), its letters inside
// it top and bottom, and no word over another.
TEST_F(PaperRules, ARealCaseOfLongValuesPrintsWholeInEveryBox) {
  const QFont savedDrav = core::fonts::FontDrav;
  QFont drav(QStringLiteral("Times New Roman"));
  drav.setPointSizeF(10);
  core::fonts::FontDrav = drav;
  for (const testsupport::LongCase& longCase : testsupport::LongCases()) {
    SCOPED_TRACE(longCase.name);
    case_.Clear();
    for (const auto& [field, value] : longCase.boxes) case_.Type(field, value);
    ForEachForm([](DocumentForm& form) {
      QTemporaryDir dir;
      const PdfPage page = PrintedPage(form, dir, QStringLiteral("long.pdf"));
      // Where each word stands: the box, or else the caption, whose place holds its middle.
      struct Room {
        QRectF mm;
        QFont font;
        QString text;  // a box's
        bool box;
      };
      std::vector<Room> rooms;
      for (platform::PageControl* control : form.Controls()) {
        if (control->Widget()->isHidden()) continue;
        QRectF twips = control->Twips();
        QString text;
        if (auto* box = dynamic_cast<platform::FormTextBox*>(control)) {
          text = box->Text();
          twips.setRight(std::max(twips.right(), box->PaperRight()));
        } else if (auto* memo = dynamic_cast<platform::FormMemoBox*>(control)) {
          text = memo->toPlainText();
        } else if (!dynamic_cast<platform::FormLabel*>(control)) {
          continue;
        }
        const bool box = !dynamic_cast<platform::FormLabel*>(control);
        if (box && (text.trimmed().isEmpty() || twips.top() / kTwipsPerMm >= page.sizeMm.height())) continue;
        rooms.push_back({QRectF(twips.topLeft() / kTwipsPerMm, twips.size() / kTwipsPerMm), control->Widget()->font(),
                         text, box});
      }
      // A row of full stops (alone, or read as one word with the caption before it) is a
      // caption's fill-in line, which the boxes stand over.
      const auto leader = [](const PdfWord& w) { return w.text.contains(QLatin1String("...")); };
      const auto roomOf = [&rooms, &leader](const PdfWord& w) -> const Room* {
        const QPointF middle((w.xMin + w.xMax) / 2, (w.yMin + w.yMax) / 2);
        const Room* found = nullptr;
        for (const Room& r : rooms)
          if (r.mm.contains(middle) && !(r.box && leader(w)) && (!found || (r.box && !found->box))) found = &r;
        return found;
      };
      for (const Room& room : rooms) {
        if (!room.box) continue;
        QList<const PdfWord*> words;
        for (const PdfWord& w : page.words)
          if (roomOf(w) == &room) words.append(&w);
        std::stable_sort(words.begin(), words.end(), [](const PdfWord* a, const PdfWord* b) {
          if (std::abs(a->yMin - b->yMin) > std::min(a->yMax - a->yMin, b->yMax - b->yMin) / 2)
            return a->yMin < b->yMin;
          return a->xMin < b->xMin;
        });
        QString read;
        for (const PdfWord* w : words) {
          read += w->text;
          const QRectF ink = testsupport::InkOf(*w, room.font);
          EXPECT_TRUE(room.mm.adjusted(-0.02, -0.02, 0.02, 0.02).contains(ink))
              << w->text.toStdString() << " reaches out of its box at " << room.mm.left() * kTwipsPerMm << ", "
              << room.mm.top() * kTwipsPerMm << " twips";
        }
        QString text = room.text;
        text.remove(QRegularExpression(QStringLiteral("\\s")));
        EXPECT_EQ(read.toStdString(), text.toStdString())
            << "the box at " << room.mm.left() * kTwipsPerMm << ", " << room.mm.top() * kTwipsPerMm << " twips";
      }
      // A box's words over no other word; the captions among themselves are left to the
      // test of the empty page.
      const auto inABox = [&roomOf](const PdfWord& w) {
        const Room* room = roomOf(w);
        return room && room->box;
      };
      testsupport::ExpectNoTwoWordsOverlap(
          page.words,
          [&roomOf](const PdfWord& w) {
            const Room* room = roomOf(w);
            return room ? room->font : QFont(QStringLiteral("Times New Roman"));
          },
          [&](const PdfWord& a, const PdfWord& b) {
            return !leader(a) && !leader(b) && (inABox(a) || inABox(b));
          });
    });
  }
  core::fonts::FontDrav = savedDrav;
}

// A caption that follows a rule (a box's fill-in line, or one for handwriting) begins
// where the rule ends; one whose first letter reaches down to the rule (a comma, a "p")
// begins a pixel further on, so that the letter keeps off the rule's end.
// No level rule runs through or touches a caption's letters: a caption whose comma or
// "p" reached down to the rule under it stands a little higher, one whose top touched the
// rule over it a little lower, and two captions stacked between two rules are reduced to
// their share of the room; nor does an upright rule at a label's side touch its caption.
// Each caption's letters are taken as the paper prints them.
TEST_F(PaperRules, NoRuleTouchesTheLettersOfACaption) {
  ForEachForm([](DocumentForm& form) {
    struct Level {
      double top, bottom, left, right;
    };
    std::vector<Level> rules;
    std::vector<Level> uprights;  // left to right, and top to bottom
    for (platform::PageControl* control : form.Controls()) {
      if (auto* line = dynamic_cast<platform::FormLine*>(control); line && line->Ends().x1() == line->Ends().x2()) {
        const auto [left, right] = line->Band();
        uprights.push_back({std::min(line->Ends().y1(), line->Ends().y2()),
                            std::max(line->Ends().y1(), line->Ends().y2()), left, right});
      }
      if (auto* line = dynamic_cast<platform::FormLine*>(control); line && line->Ends().y1() == line->Ends().y2()) {
        const auto [top, bottom] = line->Band();
        rules.push_back({top, bottom, std::min(line->Ends().x1(), line->Ends().x2()),
                         std::max(line->Ends().x1(), line->Ends().x2())});
      } else if (auto* shape = dynamic_cast<platform::FormShape*>(control);
                 shape && shape->ShapeKind() == platform::FormShape::Kind::kRectangle && shape->Border() > 0) {
        const QRectF place = shape->Twips();
        const double border = shape->Border() * platform::kTwipsPerPixel;
        rules.push_back({place.top(), place.top() + border, place.left(), place.right()});
        rules.push_back({place.bottom() - border, place.bottom(), place.left(), place.right()});
      }
    }
    for (platform::PageControl* control : form.Controls()) {
      auto* label = dynamic_cast<platform::FormLabel*>(control);
      if (!label || label->WordWrap() || label->Caption().trimmed().isEmpty()) continue;
      const platform::TextFit fit = label->LettersInTwips();
      for (const platform::FittedLine& line : fit.lines) {
        // The letters' own extent along the line: from the first to the last that is not
        // a blank.
        const QFontMetricsF metrics(fit.font);
        const qsizetype lead = line.text.size() - QString(line.text).remove(QRegularExpression("^\\s+")).size();
        const double left = line.origin.x() + metrics.horizontalAdvance(line.text.left(lead)) *
                                                  platform::kTwipsPerPixel * line.stretch / 100;
        const double right = line.origin.x() + line.width;
        for (const Level& rule : rules) {
          if (rule.right <= left || rule.left >= right) continue;
          EXPECT_FALSE(rule.top < fit.inkBottom && rule.bottom > fit.inkTop)
              << "the rule from " << rule.left << " to " << rule.right << " at " << rule.top
              << " twips touches \"" << line.text.toStdString() << "\" (letters " << fit.inkTop << " to "
              << fit.inkBottom << ")";
        }
        for (const Level& rule : uprights) {
          if (rule.top >= fit.inkBottom || rule.bottom <= fit.inkTop) continue;
          EXPECT_FALSE(rule.left < right && rule.right > left)
              << "the upright rule at " << rule.left << " twips touches \"" << line.text.toStdString() << "\"";
        }
      }
    }
  });
}

TEST_F(PaperRules, ACaptionAfterARuleKeepsItsFirstLetterOffTheRule) {
  using namespace document_forms;
  struct Case {
    const char* what;
    Piece before;
    const char* caption;
    double shift;  // twips past the rule's end
  };
  const Case cases[] = {
      {"a comma after a box's line", Field(0, 2000, 1500, 225), ",cu seria motor", platform::kTwipsPerPixel},
      {"a p after a line for handwriting", Blank(2000, 1500, 225), "prin care solicitati", platform::kTwipsPerPixel},
      {"a letter on the baseline", Blank(2000, 1500, 225), "tone,dobandit la", 0},
      {"a p after a line lower down", Blank(2000, 1500), "prin care solicitati", 0},
      {"a p after a box on dots", DottedField(0, 2000, 1500, 225), "prin care solicitati", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<Item> items;
    AddLine(items, 1000, 1000, kTimes1125, {Say("nr."), c.before, Say(c.caption)});
    const auto label = std::find_if(items.begin(), items.end(), [&c](const Item& item) {
      return item.kind == Kind::kLabel && item.text && std::string(item.text) == c.caption;
    });
    ASSERT_NE(label, items.end());
    EXPECT_DOUBLE_EQ(label->left, 2000 + 1500 + c.shift);
  }
}

// A printed line's first caption stands directly before its box, however wide the room
// from the line's left; where the page gives the line's left (AddLineAt) it begins
// there. Either way a caption wider than that room is condensed into it.
TEST_F(PaperRules, TheFirstCaptionOfAPrintedLineEndsAtItsBoxOrBeginsAtTheLineLeft) {
  using namespace document_forms;
  using Adder = void (*)(std::vector<Item>&, double, double, Font, std::initializer_list<Piece>);
  struct Case {
    const char* name;
    Adder add;
    const char* caption;
    bool startsAtLeft, endsAtBox;
  } cases[] = {
      {"before its box", AddLine, "judet", false, true},
      {"before its box, wider than the room", AddLine, "administrator judet", true, true},
      {"at the line's left", AddLineAt, "judet", true, false},
      {"at the line's left, wider than the room", AddLineAt, "administrator judet", true, true},
  };
  constexpr Font kFont{"Times New Roman", 12};
  constexpr double kLineLeft = 1410, kBoxLeft = 2970;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<Item> items;
    c.add(items, 1000, kLineLeft, kFont, {Say(c.caption), Field(0, kBoxLeft, 2265)});
    const Page page{.caption = "proba", .items = items};
    DocumentForm form(page);
    QTemporaryDir dir;
    const PdfPage printed = PrintedPage(form, dir, QStringLiteral("first.pdf"));
    const PdfWord* first = printed.Find(QString::fromLatin1(c.caption).section(QLatin1Char(' '), 0, 0));
    const PdfWord* last = printed.Find(QStringLiteral("judet"));
    ASSERT_TRUE(first && last);
    EXPECT_GE(first->xMin, kLineLeft / kTwipsPerMm - 0.1);
    EXPECT_LE(last->xMax, kBoxLeft / kTwipsPerMm + 0.1);
    EXPECT_EQ(first->xMin < kLineLeft / kTwipsPerMm + 0.5, c.startsAtLeft) << first->xMin;
    EXPECT_EQ(last->xMax > kBoxLeft / kTwipsPerMm - 0.5, c.endsAtBox) << last->xMax;
  }
}

// The page rendered at 288 dpi (a screen pixel is 3 by 3 dots), without smoothing.
QImage Rendered(const QString& pdf, const QTemporaryDir& dir) {
  QProcess render;
  render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("288"), QStringLiteral("-aa"),
                                            QStringLiteral("no"), QStringLiteral("-aaVector"), QStringLiteral("no"),
                                            QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf,
                                            dir.filePath(QStringLiteral("page"))});
  if (!render.waitForFinished(60000) || render.exitCode() != 0) return {};
  return QImage(dir.filePath(QStringLiteral("page.png"))).convertToFormat(QImage::Format_Grayscale8);
}

bool Dark(const QImage& image, int x, int y) {
  return image.rect().contains(x, y) && qGray(image.pixel(x, y)) < 128;
}

// Every level and upright rule shows on paper wherever the window shows it, at its
// whole thickness (3 dots a pixel at 288 dpi): a box covers on paper no more than it
// covers on the screen.
TEST_F(PaperRules, EveryRuleTheWindowShowsPrintsAtFullThickness) {
  int checked = 0;  // screen pixels of rules looked for on paper, over all the forms
  ForEachForm([&checked](DocumentForm& form) {
    EmptyEveryBox(form);
    form.setFocus();
    QApplication::processEvents();
    const QImage screen = form.grab().toImage().convertToFormat(QImage::Format_Grayscale8);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("rules.pdf"));
    form.PrintToPdf(pdf);
    const QImage paper = Rendered(pdf, dir);
    ASSERT_FALSE(paper.isNull()) << "pdftoppm could not render the page";
    constexpr int kDotsPerPixel = 3;
    std::vector<QRect> buttons;
    for (platform::PageControl* control : form.Controls())
      if (qobject_cast<platform::FormButton*>(control->Widget())) buttons.push_back(control->Widget()->geometry());
    for (platform::PageControl* control : form.Controls()) {
      auto* line = dynamic_cast<platform::FormLine*>(control);
      if (!line || line->isHidden()) continue;
      const QLineF ends = line->Ends();
      const bool level = ends.y1() == ends.y2();
      if (!level && ends.x1() != ends.x2()) continue;
      const double along1 = level ? std::min(ends.x1(), ends.x2()) : std::min(ends.y1(), ends.y2());
      const double along2 = level ? std::max(ends.x1(), ends.x2()) : std::max(ends.y1(), ends.y2());
      const double at = level ? ends.y1() : ends.x1();
      // The band of pixels a line this thick fills on the screen around its place.
      const int first = static_cast<int>(std::floor(at / platform::kTwipsPerPixel - line->Thickness() / 2.0 + 0.5));
      int missing = 0;  // dots of the line the screen shows and the paper leaves white
      double firstMissing = 0;
      for (int p = platform::TwipsToPixels(along1) + 1; p < platform::TwipsToPixels(along2) - 1; p += 2) {
        for (int q = first; q < first + line->Thickness(); ++q) {
          const QPoint pixel = level ? QPoint(p, q) : QPoint(q, p);
          const bool underButton =
              std::any_of(buttons.begin(), buttons.end(), [&](const QRect& r) { return r.contains(pixel); });
          if (underButton || !Dark(screen, pixel.x(), pixel.y())) continue;  // covered on the screen
          ++checked;
          // All three dots across the pixel, at the middle dot along it.
          for (int dot = 0; dot < kDotsPerPixel; ++dot) {
            const int alongDot = p * kDotsPerPixel + 1;
            const int acrossDot = q * kDotsPerPixel + dot;
            const QPoint onPaper = level ? QPoint(alongDot, acrossDot) : QPoint(acrossDot, alongDot);
            if (Dark(paper, onPaper.x(), onPaper.y())) continue;
            if (missing++ == 0) firstMissing = p * platform::kTwipsPerPixel;
          }
        }
      }
      EXPECT_EQ(missing, 0) << (level ? "level" : "upright") << " rule at " << at << " twips, from " << along1
                            << " to " << along2 << ": first missing at " << firstMissing;
    }
  });
  EXPECT_GT(checked, 1000);
}

// Nothing drawn shows inside an empty box, on paper as on the screen: a box stands above
// every label, line, shape and picture of its page, whatever the order of the table.
TEST_F(PaperRules, NothingDrawnShowsThroughABox) {
  ForEachForm([](DocumentForm& form) {
    EmptyEveryBox(form);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("boxes.pdf"));
    form.PrintToPdf(pdf);
    const QImage paper = Rendered(pdf, dir);
    ASSERT_FALSE(paper.isNull()) << "pdftoppm could not render the page";
    for (int i = 0; i < form.BoxCount(); ++i) {
      platform::PageControl* box = form.Box(i);
      if (!box || box->Widget()->isHidden()) continue;
      // The box's pixels on the screen, one dot in from each side, at 288 dpi.
      const QRect inside = box->Widget()->geometry();
      int inked = 0;
      for (int y = inside.top() * 3 + 1; y < (inside.bottom() + 1) * 3 - 1; ++y)
        for (int x = inside.left() * 3 + 1; x < (inside.right() + 1) * 3 - 1; ++x) inked += Dark(paper, x, y);
      EXPECT_EQ(inked, 0) << "box " << i << " at " << box->Left() << ", " << box->Top();
    }
  });
}

// A caption of one line with a box standing over some of its letters, on its line or over
// the lower part of their height, ends where the box begins, fitted into the room before
// it; a box below its letters, or over a row of dots, is left as it stands.
TEST_F(PaperRules, ACaptionEndsWhereABoxOverItsLettersBegins) {
  using namespace document_forms;
  static constexpr const char* kCaption = "inregistrat la registrul comertului";
  static constexpr Item kOnItsLine[] = {Label(1000, 1000, kCaption, kTimes12), Box(0, 3000, 1000, 1500)};
  static constexpr Item kOverTheirFoot[] = {Label(1000, 1000, kCaption, kTimes12), Box(0, 3000, 1180, 1500)};
  static constexpr Item kOwnWidth[] = {Label(1000, 1000, kCaption, kTimes12, 4000), Box(0, 3000, 1180, 1500)};
  static constexpr Item kBelow[] = {Label(1000, 1000, kCaption, kTimes12), Box(0, 3000, 1300, 1500)};
  static constexpr Item kDots[] = {Label(1000, 1000, "...............................................,", kTimes12),
                                   Box(0, 1200, 960, 2000)};
  struct Case {
    const char* what;
    std::span<const Item> items;
    bool ends;  // at the box's left, 3000
  };
  const Case cases[] = {
      {"a box on its line", kOnItsLine, true},
      {"a box over the lower part of its letters", kOverTheirFoot, true},
      {"a caption of its own width, a box over the lower part of its letters", kOwnWidth, true},
      {"a box below its letters", kBelow, false},
      {"a box over its row of dots", kDots, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Page page{.caption = "proba", .items = c.items};
    DocumentForm form(page);
    auto* caption = dynamic_cast<platform::FormLabel*>(form.Controls()[0]);
    ASSERT_NE(caption, nullptr);
    const double natural = platform::FormLabel::TextWidthTwips(caption->Caption(), caption->font());
    const double width = c.items[0].width > 0 ? c.items[0].width : natural + platform::kTwipsPerPixel;
    EXPECT_DOUBLE_EQ(caption->Width(), c.ends ? 3000 - 1000 : width);
    if (!c.ends) continue;
    QTemporaryDir dir;
    const PdfPage printed = PrintedPage(form, dir, QStringLiteral("caption.pdf"));
    const PdfWord* last = printed.Find(QStringLiteral("comertului"));
    ASSERT_NE(last, nullptr);
    EXPECT_LE(last->xMax, 3000 / kTwipsPerMm + 0.2);
    EXPECT_GT(last->xMax, 3000 / kTwipsPerMm - 2);
  }
}

// A caption that an upright rule would cross ends short of the rule, condensed and where
// that is not enough reduced, as long as the fit rule can hold it in the room before the
// rule; one that the rule crosses near its start is left as it stands. The caption ends
// at least a pixel before the rule's ink, wherever within a pixel the rule is placed.
TEST_F(PaperRules, ACaptionEndsShortOfAnUprightRuleThatWouldCrossIt) {
  using namespace document_forms;
  const Font font = kTimes12;
  const QString text = QStringLiteral("inregistrat la registrul comertului");
  const double natural = platform::FormLabel::TextWidthTwips(text, FontOf(font, font));
  struct Case {
    const char* what;
    double at;  // the rule, a share of the caption's width from its left
    bool ends;
  };
  const Case cases[] = {
      {"crossing its last words: condensed", 0.7, true},
      {"crossing its middle: condensed and reduced", 0.4, true},
      {"crossing its first letters", 0.2, false},
  };
  for (const Case& c : cases)
  for (const double within : {0.0, 5.0, 10.0, 14.0}) {
    SCOPED_TRACE(c.what);
    SCOPED_TRACE(within);
    const double x = std::round((1000 + natural * c.at) / platform::kTwipsPerPixel) * platform::kTwipsPerPixel + within;
    const Item items[] = {Label(1000, 1000, "inregistrat la registrul comertului", font), Line(x, 900, x, 1400)};
    const Page page{.caption = "proba", .items = items};
    DocumentForm form(page);
    auto* caption = dynamic_cast<platform::FormLabel*>(form.Controls()[0]);
    ASSERT_NE(caption, nullptr);
    if (!c.ends) {
      EXPECT_DOUBLE_EQ(caption->Width(), natural + platform::kTwipsPerPixel);
      continue;
    }
    auto* rule = dynamic_cast<platform::FormLine*>(form.Controls()[1]);
    ASSERT_NE(rule, nullptr);
    const double ink = rule->Band().first;  // the rule's left edge on paper
    EXPECT_LE(caption->Left() + caption->Width(), ink - platform::kTwipsPerPixel);
    QTemporaryDir dir;
    const PdfPage printed = PrintedPage(form, dir, QStringLiteral("rule.pdf"));
    const PdfWord* last = printed.Find(QStringLiteral("comertului"));
    ASSERT_NE(last, nullptr);
    EXPECT_LE(last->xMax, (ink - platform::kTwipsPerPixel) / kTwipsPerMm + 0.01);
    EXPECT_GT(last->xMax, x / kTwipsPerMm - 2);
  }
}

// A box whose row says it runs on prints a text too long for it over the blank paper to
// its right, up to what prints next on its line, and keeps its own place; where a caption
// under it reaches out past it there is no blank paper to use.
TEST_F(PaperRules, ABoxThatRunsOnUsesTheBlankPaperUpToWhatPrintsNext) {
  using namespace document_forms;
  static constexpr Item kNextCaption[] = {
      Label(3030, 2580, "la nr.", kTimes12), Box(0, 3390, 2580, 375).RunsOn(), Label(4005, 2580, "cont IBAN", kTimes12)};
  static constexpr Item kNextBox[] = {Box(0, 3390, 2580, 375).RunsOn(), Box(1, 4500, 2600, 900)};
  static constexpr Item kNextRule[] = {Box(0, 3390, 2580, 375).RunsOn(), Line(5000, 2400, 5000, 3000)};
  static constexpr Item kCaptionUnder[] = {Label(3390, 2580, "............................", kTimes12),
                                           Box(0, 3390, 2580, 375).RunsOn(), Label(6000, 2580, "cont", kTimes12)};
  static constexpr Item kStaysPut[] = {Box(0, 3390, 2580, 375), Label(4005, 2580, "cont IBAN", kTimes12)};
  struct Case {
    const char* what;
    std::span<const Item> items;
    double right;  // twips: where the paper it may use ends
  };
  const Case cases[] = {
      {"up to the next caption", kNextCaption, 4005},
      {"up to the next box", kNextBox, 4500},
      {"up to an upright rule", kNextRule, 5000 - platform::kTwipsPerPixel / 2},
      {"a caption under it reaching out", kCaptionUnder, 3765},
      {"a box that does not run on", kStaysPut, 3765},
  };
  const QString number = QStringLiteral("J40/12345/2019");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Page page{.caption = "proba", .items = c.items};
    DocumentForm form(page);
    auto* box = dynamic_cast<platform::FormTextBox*>(form.Box(0));
    ASSERT_NE(box, nullptr);
    EXPECT_DOUBLE_EQ(std::max(box->PaperRight(), box->Left() + box->Width()), c.right);
    EXPECT_DOUBLE_EQ(box->Width(), 375);
    form.SetText(0, number);
    QTemporaryDir dir;
    const PdfPage printed = PrintedPage(form, dir, QStringLiteral("runs-on.pdf"));
    const PdfWord* word = printed.Find(number);
    if (c.right < 3800) {
      // Too long for the box even at the smallest size: its start, in whole letters.
      EXPECT_EQ(word, nullptr);
      continue;
    }
    ASSERT_NE(word, nullptr);
    EXPECT_GE(word->xMin, 3390 / kTwipsPerMm);
    EXPECT_LE(word->xMax, c.right / kTwipsPerMm);
  }
}

// The caption of a label or a check box stays within the control's width on paper: its
// last word ends inside the control.
TEST_F(PaperRules, ACaptionStaysWithinItsControl) {
  int found = 0;
  ForEachForm([&found](DocumentForm& form) {
    EmptyEveryBox(form);
    QTemporaryDir dir;
    const PdfPage page = PrintedPage(form, dir, QStringLiteral("labels.pdf"));
    for (platform::PageControl* control : form.Controls()) {
      QString caption;
      if (auto* label = dynamic_cast<platform::FormLabel*>(control)) caption = label->Caption();
      else if (auto* check = dynamic_cast<platform::FormCheckBox*>(control)) caption = check->Caption();
      if (caption.isEmpty() || control->Widget()->isHidden()) continue;
      const QStringList words = caption.split(QLatin1Char(' '), Qt::SkipEmptyParts);
      // Rows of dots are alike everywhere: only a word with a letter or digit is sure.
      const bool sure = !words.isEmpty() && std::any_of(words.back().begin(), words.back().end(),
                                                        [](QChar c) { return c.isLetterOrNumber(); });
      if (!sure || caption.contains(QLatin1Char('\n'))) continue;
      // The last word on the control's first line, the one ending nearest its end.
      const QRectF place(control->Left() / kTwipsPerMm, control->Top() / kTwipsPerMm,
                         control->Width() / kTwipsPerMm, control->Height() / kTwipsPerMm);
      const PdfWord* last = nullptr;
      for (const PdfWord& w : page.words) {
        if (w.text != words.back() || w.xMin < place.left() - 0.5 || w.yMin > place.top() + 2 ||
            w.yMax < place.top())
          continue;
        if (!last || std::abs(w.xMax - place.right()) < std::abs(last->xMax - place.right())) last = &w;
      }
      if (!last) continue;  // a caption wrapped over several lines, or merged with its neighbour
      ++found;
      EXPECT_LE(last->xMax, place.right() + 0.3) << caption.toStdString();
    }
  });
  EXPECT_GT(found, 500);
}

}  // namespace

namespace {

// The page as it prints, painted at 144 dpi on white.
constexpr double kDotsPerTwip = 144.0 / 1440;
QImage PaintedAlone(const DocumentForm& form, const std::function<void(QPainter&)>& paint) {
  const bool landscape = form.PageTable().orientation == platform::kLandscape;
  const QSizeF sheet = landscape ? QSizeF(document_forms::kA4LongTwips, document_forms::kA4ShortTwips)
                                 : QSizeF(document_forms::kA4ShortTwips, document_forms::kA4LongTwips);
  QImage image((sheet * kDotsPerTwip).toSize(), QImage::Format_Grayscale8);
  image.fill(Qt::white);
  QPainter painter(&image);
  paint(painter);
  return image;
}

}  // namespace

// No caption's letters lie under a box or a shape: each caption drawn alone against the
// whole page as it prints (every box empty), its inked dots stay inked on the page (but
// for a dot or two where a letter ends at a box's edge). A row of full stops is the
// fill-in line a box stands over: no more of it is hidden than at its place in the
// page's table (a move that keeps it off a rule never takes it under its box).
TEST_F(PaperRules, NoCaptionsLettersLieUnderABoxOrShape) {
  ForEachForm([](DocumentForm& form) {
    EmptyEveryBox(form);
    const QImage page = PaintedAlone(form, [&form](QPainter& p) { form.PaintOnPaper(p, kDotsPerTwip); });
    for (platform::PageControl* const& control : form.Controls()) {
      auto* label = dynamic_cast<platform::FormLabel*>(control);
      if (!label || label->isHidden() || label->Caption().trimmed().isEmpty()) continue;
      if (label->Top() * kDotsPerTwip >= page.height()) continue;  // off the sheet: never printed
      // Where along the page its rows of full stops stand (twips): the fill-in lines.
      std::vector<std::pair<double, double>> leaders;
      const platform::TextFit fit = label->LettersInTwips();
      for (const platform::FittedLine& line : fit.lines) {
        QFont laid = fit.font;
        laid.setStretch(line.stretch);
        const QFontMetricsF metrics(laid, platform::TextLayoutDevice());
        const double twipsPerUnit = 1440 / platform::kTextLayoutDpi;
        const QRegularExpression run(QStringLiteral("\\.{3,},?"));
        for (auto m = run.globalMatch(line.text); m.hasNext();) {
          const QRegularExpressionMatch found = m.next();
          leaders.emplace_back(
              line.origin.x() + metrics.horizontalAdvance(line.text.left(found.capturedStart())) * twipsPerUnit,
              line.origin.x() + metrics.horizontalAdvance(line.text.left(found.capturedEnd())) * twipsPerUnit);
        }
      }
      const auto inALeader = [&leaders](int x) {
        const double twips = (x + 0.5) / kDotsPerTwip;
        return std::any_of(leaders.begin(), leaders.end(), [twips](const auto& l) {
          return twips > l.first - platform::kTwipsPerPixel && twips < l.second + platform::kTwipsPerPixel;
        });
      };
      struct Counts {
        int leaderDots = 0, hiddenLeader = 0, hiddenLetters = 0;
      };
      const auto counted = [&](const QImage& page) {
        const QImage alone = PaintedAlone(form, [label](QPainter& p) { label->PaintOnPaper(p, kDotsPerTwip); });
        Counts c;
        for (int y = 0; y < alone.height(); ++y) {
          const uchar* a = alone.constScanLine(y);
          const uchar* b = page.constScanLine(y);
          for (int x = 0; x < alone.width(); ++x) {
            if (a[x] >= 96) continue;
            const bool hidden = b[x] > 192;
            if (inALeader(x)) {
              ++c.leaderDots;
              c.hiddenLeader += hidden;
            } else {
              c.hiddenLetters += hidden;
            }
          }
        }
        return c;
      };
      const Counts now = counted(page);
      const std::string where = label->Caption().toStdString() + " at " + std::to_string(label->Left()) + ", " +
                                std::to_string(label->Top());
      EXPECT_LE(now.hiddenLetters, 2) << where;
      if (now.hiddenLeader == 0) continue;
      // The same row at its table's place, against the same page.
      const size_t row = static_cast<size_t>(&control - form.Controls().data());
      const double moved = label->Top() - form.PageTable().items[row].top;
      label->MoveBy(0, -moved);
      const Counts designed =
          counted(PaintedAlone(form, [&form](QPainter& p) { form.PaintOnPaper(p, kDotsPerTwip); }));
      label->MoveBy(0, moved);
      EXPECT_LE(double(now.hiddenLeader) / now.leaderDots,
                double(designed.hiddenLeader) / std::max(1, designed.leaderDots) + 0.05)
          << where;
    }
  });
}

// The lines of one caption (labels of one line in one font, lined up one under another,
// less than a line's height apart, each with a letter or digit) print at one size, and
// keep the distance between them that the page's table gives; so do the letters of a
// word that stand one under another.
TEST_F(PaperRules, TheLinesOfACaptionPrintAtOneSize) {
  int pairs = 0;
  ForEachForm([&pairs](DocumentForm& form) {
    const std::span<const document_forms::Item> items = form.PageTable().items;
    const auto lineUp = [](const document_forms::Item& a, const document_forms::Item& b) {
      using document_forms::TextAlign;
      if (a.align == TextAlign::kRight) return a.left + a.width == b.left + b.width && a.width == b.width;
      return a.left == b.left && a.width == b.width;
    };
    for (size_t i = 0; i < items.size(); ++i) {
      const document_forms::Item& upper = items[i];
      auto* a = dynamic_cast<platform::FormLabel*>(form.Controls()[i]);
      if (!a || upper.wrap || !upper.text) continue;
      const auto fontOf = [&form](const document_forms::Item& item) {
        const document_forms::Page& table = form.PageTable();
        return document_forms::FontOf(item.font, table.labelFont.face ? table.labelFont : table.pageFont);
      };
      const QFont set = fontOf(upper);
      const double lineHeight = QFontMetricsF(set).height() * platform::kTwipsPerPixel;
      const QString upperText = QString::fromUtf8(upper.text);
      const bool upperLetter = std::any_of(upperText.begin(), upperText.end(), [](QChar c) { return c.isLetterOrNumber(); });
      if (!upperLetter) continue;
      // The nearest row below it that carries it on.
      for (size_t j = 0; j < items.size(); ++j) {
        const document_forms::Item& lower = items[j];
        auto* b = dynamic_cast<platform::FormLabel*>(form.Controls()[j]);
        if (!b || lower.wrap || !lower.text || j == i) continue;
        const QString lowerText = QString::fromUtf8(lower.text);
        const double below = lower.top - upper.top;
        const bool stacked = upperText.trimmed().size() <= 2 && lowerText.trimmed().size() <= 2;
        if (below <= 0 || below > lineHeight * (stacked ? 1 : 0.85) || !lineUp(upper, lower) ||
            upper.align != lower.align || fontOf(lower) != set ||
            std::none_of(lowerText.begin(), lowerText.end(), [](QChar c) { return c.isLetterOrNumber(); }))
          continue;
        ++pairs;
        const platform::TextFit top = a->LettersInTwips(), bottom = b->LettersInTwips();
        ASSERT_FALSE(top.lines.empty() || bottom.lines.empty());
        const std::string what = upperText.toStdString() + " over " + lowerText.toStdString();
        EXPECT_NEAR(top.font.pointSizeF(), bottom.font.pointSizeF(), 0.01) << what;
        EXPECT_NEAR(bottom.lines.front().origin.y() - top.lines.front().origin.y(), below, 1) << what;
        break;
      }
    }
  });
  EXPECT_GT(pairs, 20);
}

// Nothing a form's table puts off the sheet is drawn: the page painted into a picture
// (text, lines and boxes alike) stays within the sheet, every box typed full.
TEST_F(PaperRules, NothingIsDrawnOffTheSheet) {
  ForEachForm([](DocumentForm& form) {
    for (platform::FormTextBox* box : TextBoxes(form)) box->SetText(WordAbout(*box, 1.9));
    QPicture picture;
    QPainter painter(&picture);
    form.PaintOnPaper(painter, 1);
    painter.end();
    const bool landscape = form.PageTable().orientation == platform::kLandscape;
    const QRectF sheet(0, 0, landscape ? document_forms::kA4LongTwips : document_forms::kA4ShortTwips,
                       landscape ? document_forms::kA4ShortTwips : document_forms::kA4LongTwips);
    const QRectF drawn = picture.boundingRect();
    EXPECT_TRUE(sheet.adjusted(-15, -15, 15, 15).contains(drawn))
        << drawn.left() << ", " << drawn.top() << " to " << drawn.right() << ", " << drawn.bottom();
  });
}

// A caption that ends at a box or fill-in line keeps the blanks it ends with before it,
// whether it fits its room, fits only without them, or is condensed into it.
TEST_F(PaperRules, ACaptionEndingAtABoxKeepsItsTrailingBlanks) {
  using namespace document_forms;
  const QString caption = QStringLiteral("incepand cu data de ");
  const QFont font = FontOf(kTimes1125, kTimes1125);
  const double letters = QFontMetricsF(font).horizontalAdvance(caption.trimmed()) * platform::kTwipsPerPixel;
  const double blank = QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')) * platform::kTwipsPerPixel;
  constexpr double kBoxLeft = 6000;
  for (const double room : {letters + 3 * blank, letters + blank / 2, letters * 0.8}) {
    SCOPED_TRACE(room);
    std::vector<Item> items;
    AddLine(items, 1000, kBoxLeft - room, kTimes1125, {Say("incepand cu data de "), Field(0, kBoxLeft, 1035)});
    const auto [first, last] = PrintedWords(items, QStringLiteral("incepand"), QStringLiteral("de"));
    ASSERT_FALSE(first.text.isEmpty() || last.text.isEmpty());
    EXPECT_LE(last.xMax, (kBoxLeft - blank) / kTwipsPerMm + 0.05);
    EXPECT_GT(last.xMax, (kBoxLeft - blank) / kTwipsPerMm - 0.3);
    EXPECT_GE(first.xMin, (kBoxLeft - room) / kTwipsPerMm - 0.05);
  }
}

// An upright rule at a caption's side keeps clear of its letters, not of its blanks: a
// caption whose leading blanks already keep its letters off the rule stands as it is set.
TEST_F(PaperRules, ASideRuleKeepsClearOfTheLettersNotTheBlanks) {
  using namespace document_forms;
  constexpr Font kArial12Bold{"Arial", 12, true};
  struct Case {
    const char* caption;
    bool asSet;  // printed where and as wide as without the rule
  } cases[] = {{"   Categoria", true}, {"Categoria", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    const auto printedWord = [&c](bool ruled) {
      std::vector<Item> items{Label(9030, 5460, c.caption, kArial12Bold)};
      if (ruled) items.push_back(Line(9000, 5250, 9000, 9975, 6));
      return PrintedWords(items, QStringLiteral("Categoria"), QStringLiteral("Categoria")).first;
    };
    const PdfWord alone = printedWord(false), ruled = printedWord(true);
    ASSERT_FALSE(alone.text.isEmpty() || ruled.text.isEmpty());
    EXPECT_EQ(std::abs(ruled.xMin - alone.xMin) < 0.02 && std::abs(ruled.xMax - alone.xMax) < 0.02, c.asSet)
        << ruled.xMin << " to " << ruled.xMax << " against " << alone.xMin << " to " << alone.xMax;
    EXPECT_GE(ruled.xMin, (9045 + platform::kTwipsPerPixel) / kTwipsPerMm - 0.02);
  }
}

// A box whose text runs on shows it on the screen as the paper prints it, over the blank
// paper after the box up to the next caption, while it is not being edited.
TEST_F(PaperRules, ABoxThatRunsOnShowsItsTextOnTheScreenAsOnPaper) {
  using namespace document_forms;
  static constexpr Item kItems[] = {Label(3030, 2580, "la nr.", kTimes12), Box(0, 3390, 2580, 375).RunsOn(),
                                    Label(4005, 2580, "cont IBAN", kTimes12)};
  const Page page{.caption = "proba", .items = kItems};
  DocumentForm form(page);
  form.resize(800, 400);
  form.show();
  form.SetText(0, QStringLiteral("J40/1234/1998"));
  form.setFocus();  // the box is not being edited
  QApplication::processEvents();
  ASSERT_FALSE(form.Box(0)->Widget()->hasFocus());
  const QImage screen = form.grab().toImage().convertToFormat(QImage::Format_Grayscale8);
  const QRect box = form.Box(0)->Widget()->geometry();
  // Ink in the blank paper between the box and "cont IBAN", on the box's rows.
  int inked = 0;
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.right() + 1; x < platform::TwipsToPixels(4005); ++x) inked += qGray(screen.pixel(x, y)) < 128;
  EXPECT_GT(inked, 10);
  // The paper runs it on as well.
  QTemporaryDir dir;
  const PdfPage printed = PrintedPage(form, dir, QStringLiteral("runs-on.pdf"));
  const PdfWord* word = printed.Find(QStringLiteral("J40/1234/1998"));
  ASSERT_NE(word, nullptr);
  EXPECT_GT(word->xMax, 3765 / kTwipsPerMm);
}
