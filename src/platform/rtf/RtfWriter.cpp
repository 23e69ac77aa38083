#include "platform/rtf/RtfWriter.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include "platform/CodePage.h"
#include "platform/rtf/RtfUnits.h"

namespace platform::rtf {
namespace {

// The character format as RTF states it; the reader starts every document in the
// default state (the default font, 12 points, nothing on, automatic colour).
struct CharState {
  int font = -1;  // index into the font table, 0 the document's own font; -1: none chosen yet
  int halfPoints = kDefaultHalfPoints;
  bool bold = false, italic = false, underline = false;
  int colour = 0;  // index into the colour table; 0: automatic
  bool operator==(const CharState&) const = default;
};

// A name inside a destination (a font's, a link's target), every character kept.
QByteArray Escaped(const QString& text) {
  QByteArray out;
  for (QChar c : text) {
    const char16_t u = c.unicode();
    if (u == '\\' || u == '{' || u == '}') {
      out.append('\\').append(static_cast<char>(u));
    } else if (u == ';') {
      out += "\\u59?";  // a plain ";" would end a font's entry
    } else if (u >= 0x20 && u < 0x7F) {
      out.append(static_cast<char>(u));
    } else if (const auto byte = UnicodeToCodePage(kAnsiCodePage, c); byte && (u >= 0x80 || u < 0x20)) {
      out += "\\'" + QByteArray::number(*byte, 16).rightJustified(2, '0');
    } else {
      out += "\\u" + QByteArray::number(u > 0x7FFF ? int(u) - 0x10000 : int(u)) + "?";
    }
  }
  return out;
}

class Writer {
 public:
  // Font 0 is the document's own font, so that text that names no face shows in it in
  // any reader, whatever that reader's default face.
  explicit Writer(const QTextDocument& document) : document_(document), fonts_{ActualFamily(document.defaultFont())} {}
  QByteArray Write();

 private:
  CharState StateOf(const QTextCharFormat& format);
  void Paragraph(const QTextBlockFormat& format, bool pageBreak);
  void SetState(const CharState& wanted);
  void Text(const QString& text);
  void OpenLink(const QString& target);
  void CloseLink();
  void Word(const char* word);
  void Word(const char* word, int number);
  void Raw(char c);

  const QTextDocument& document_;
  QStringList fonts_;     // the font table
  QHash<QString, QString> written_;  // the name written for each family of the document
  QList<QColor> colours_; // the colour table, from index 1
  QByteArray body_;
  CharState state_;
  bool delimit_ = false;  // a control word was written last: text needs a space first
  QString link_;          // the target of the hyperlink field being written
  CharState linkState_;   // the state when its result began, in force again after it
};

CharState Writer::StateOf(const QTextCharFormat& format) {
  CharState s;
  QString family;
  if (const QStringList families = format.fontFamilies().toStringList(); !families.isEmpty())
    family = families.first();
  else if (format.hasProperty(QTextFormat::FontFamily))
    family = format.stringProperty(QTextFormat::FontFamily);
  family = family.trimmed();
  if (!family.isEmpty()) {  // each family looked up in the font database once
    auto written = written_.constFind(family);
    if (written == written_.cend()) written = written_.insert(family, WrittenFamily(family));
    family = *written;
  }
  s.font = 0;
  if (!family.isEmpty()) {
    qsizetype index = fonts_.indexOf(family);
    if (index < 0) {
      fonts_.append(family);
      index = fonts_.size() - 1;
    }
    s.font = static_cast<int>(index);
  }
  double points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize()
                                                                 : document_.defaultFont().pointSizeF();
  s.halfPoints = points > 0 ? qMax(1, PointsToHalfPoints(points)) : kDefaultHalfPoints;
  s.bold = format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() > QFont::Medium
                                                        : document_.defaultFont().bold();
  s.italic = format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : document_.defaultFont().italic();
  s.underline = format.hasProperty(QTextFormat::TextUnderlineStyle) || format.hasProperty(QTextFormat::FontUnderline)
                    ? format.fontUnderline()
                    : document_.defaultFont().underline();
  if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush) {
    const QColor colour = format.foreground().color().toRgb();
    const QColor opaque(colour.red(), colour.green(), colour.blue());
    qsizetype index = colours_.indexOf(opaque);
    if (index < 0) {
      colours_.append(opaque);
      index = colours_.size() - 1;
    }
    s.colour = static_cast<int>(index) + 1;
  }
  return s;
}

void Writer::Word(const char* word) {
  body_.append('\\').append(word);
  delimit_ = true;
}

void Writer::Word(const char* word, int number) {
  body_.append('\\').append(word).append(QByteArray::number(number));
  delimit_ = true;
}

void Writer::Raw(char c) {
  if (delimit_) body_.append(' ');
  delimit_ = false;
  body_.append(c);
}

// Each change by its own word: a \plain would reset the size and face too, which some
// readers then show in their own default face.
void Writer::SetState(const CharState& wanted) {
  if (wanted.font != state_.font) Word("f", wanted.font);
  if (wanted.halfPoints != state_.halfPoints) Word("fs", wanted.halfPoints);
  if (wanted.bold != state_.bold) wanted.bold ? Word("b") : Word("b", 0);
  if (wanted.italic != state_.italic) wanted.italic ? Word("i") : Word("i", 0);
  if (wanted.underline != state_.underline) wanted.underline ? Word("ul") : Word("ulnone");
  if (wanted.colour != state_.colour) Word("cf", wanted.colour);
  state_ = wanted;
}

// A page break goes after \pard: written before it, other programs lay the paragraph
// after the break out in the alignment and indents of the one before.
void Writer::Paragraph(const QTextBlockFormat& format, bool pageBreak) {
  Word("pard");
  if (pageBreak) Word("page");
  switch (FromQt(format.alignment())) {
    case Alignment::Centre: Word("qc"); break;
    case Alignment::Right: Word("qr"); break;
    case Alignment::Justify: Word("qj"); break;
    case Alignment::Left: break;
  }
  if (const int li = LayoutToTwips(format.leftMargin())) Word("li", li);
  if (const int ri = LayoutToTwips(format.rightMargin())) Word("ri", ri);
  if (const int fi = LayoutToTwips(format.textIndent())) Word("fi", fi);
}

void Writer::Text(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    const char16_t u = c.unicode();
    if (u == '\\' || u == '{' || u == '}') {
      Raw('\\');
      body_.append(static_cast<char>(u));
    } else if (u == '\t') {
      Word("tab");
    } else if (u == QChar::LineSeparator) {
      Word("line");
    } else if (u >= 0x20 && u < 0x7F) {
      Raw(static_cast<char>(u));
    } else if (const auto byte = UnicodeToCodePage(kAnsiCodePage, c); byte && u >= 0x80) {
      Raw('\\');
      body_.append('\'').append(QByteArray::number(*byte, 16).rightJustified(2, '0'));
    } else {
      // Signed 16 bits, as RTF writes them; a character beyond the first plane goes as
      // its two surrogates.
      Word("u", u > 0x7FFF ? int(u) - 0x10000 : int(u));
      body_.append('?');  // the character older readers show instead; it ends the word
      delimit_ = false;
    }
  }
}

// A link is a HYPERLINK field whose result is its text: "{\field{\*\fldinst HYPERLINK
// "target"}{\fldrslt text}}". The result's formats end with its group.
void Writer::OpenLink(const QString& target) {
  if (delimit_) body_.append(' ');
  body_ += "{\\field{\\*\\fldinst HYPERLINK \"" + Escaped(QString(target).replace('"', "%22")) + "\"}{\\fldrslt ";
  delimit_ = false;
  link_ = target;
  linkState_ = state_;
}

void Writer::CloseLink() {
  if (link_.isEmpty()) return;
  body_ += "}}";
  delimit_ = false;
  link_.clear();
  state_ = linkState_;
}

QByteArray Writer::Write() {
  for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
    if (block != document_.begin()) Word("par");
    Paragraph(block.blockFormat(), block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.isValid() || fragment.charFormat().isImageFormat()) continue;
      if (const QString target = fragment.charFormat().anchorHref(); target != link_) {
        CloseLink();
        if (!target.isEmpty()) OpenLink(target);
      }
      SetState(StateOf(fragment.charFormat()));
      Text(fragment.text());
    }
    CloseLink();
    // The paragraph mark carries the format that gives an empty paragraph its height.
    SetState(StateOf(block.charFormat()));
  }

  QByteArray out = "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1";
  if (const int tab = LayoutToTwips(document_.defaultTextOption().tabStopDistance()); tab > 0)
    out += "\\deftab" + QByteArray::number(tab);
  out += "{\\fonttbl";
  for (qsizetype i = 0; i < fonts_.size(); ++i)
    out += "{\\f" + QByteArray::number(i) + "\\fcharset238 " + Escaped(fonts_[i]) + ";}";
  out += "}";
  if (!colours_.isEmpty()) {
    out += "{\\colortbl;";
    for (const QColor& c : colours_)
      out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) + "\\blue" +
             QByteArray::number(c.blue()) + ";";
    out += "}";
  }
  out += body_;
  out += "}";
  return out;
}

}  // namespace

QByteArray WriteRtf(const QTextDocument& document) { return Writer(document).Write(); }

QByteArray WriteRtf(const QTextCursor& selection) {
  QTextDocument part;
  if (const QTextDocument* source = selection.document()) {
    part.setDefaultFont(source->defaultFont());
    part.setDefaultTextOption(source->defaultTextOption());
  }
  if (selection.hasSelection()) {
    QTextCursor(&part).insertFragment(selection.selection());
    // A part of one paragraph carries no paragraph format of its own: each paragraph
    // takes the one it was copied from.
    QTextBlock from = selection.document()->findBlock(selection.selectionStart());
    for (QTextBlock to = part.begin(); to.isValid() && from.isValid(); to = to.next(), from = from.next()) {
      QTextCursor c(to);
      c.setBlockFormat(from.blockFormat());
      c.setBlockCharFormat(from.charFormat());
    }
  }
  return WriteRtf(part);
}

}  // namespace platform::rtf
