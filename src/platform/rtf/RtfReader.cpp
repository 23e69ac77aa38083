#include "platform/rtf/RtfReader.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <limits>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/CodePage.h"
#include "platform/rtf/RtfTokenizer.h"
#include "platform/rtf/RtfUnits.h"

namespace platform::rtf {
namespace {

// Bounds that keep malformed or hostile input from making the document unusable.
constexpr int kMaxDepth = 256;           // deeper groups are read as if they were flat
constexpr int kMaxHalfPoints = 3276;     // 1638 points, the largest size editors offer
constexpr int kMaxIndentTwips = 31680;   // 22 inches
constexpr int kMaxFontNameLength = 256;
constexpr int kMaxFallbackSkip = 64;     // \ucN beyond this is taken as this
constexpr int kMaxFonts = 1024;          // further entries of the font table are ignored

enum class Destination { Body, FontTable, ColourTable, Skip };

struct CharState {
  int font = -1;  // -1: the document's default font (\deff)
  int halfPoints = kDefaultHalfPoints;
  bool bold = false, italic = false, underline = false;
  int colour = 0;  // 0: automatic
  bool operator==(const CharState&) const = default;
};

struct ParaState {
  Alignment alignment = Alignment::Left;
  int leftTwips = 0, rightTwips = 0, firstTwips = 0;
};

struct GroupState {
  CharState ch;
  ParaState para;
  int uc = 1;  // fallback characters that follow \uN
  Destination destination = Destination::Body;
};

struct FontEntry {
  QString name;
  int codePage = 0;  // 0: the document's
};

enum class Word {
  // document
  rtf, ansi, ansicpg, deff, deftab, uc, u,
  // destinations
  fonttbl, colortbl, skip,
  // font table
  f, fcharset, cpg,
  // colour table
  red, green, blue,
  // characters
  plain, b, i, ul, ulnone, fs, cf,
  // paragraphs
  pard, ql, qc, qr, qj, li, ri, fi,
  // fields: the result shown in the text
  fldrslt,
  // breaks and special characters
  par, line, tab, cell, emdash, endash, bullet, lquote, rquote, ldblquote, rdblquote,
  emspace, enspace, qmspace,
};

const std::unordered_map<std::string_view, Word>& Words() {
  static const std::unordered_map<std::string_view, Word> words = [] {
    std::unordered_map<std::string_view, Word> w = {
        {"rtf", Word::rtf}, {"ansi", Word::ansi}, {"ansicpg", Word::ansicpg},
        {"deff", Word::deff}, {"deftab", Word::deftab}, {"uc", Word::uc}, {"u", Word::u},
        {"fonttbl", Word::fonttbl}, {"colortbl", Word::colortbl},
        {"f", Word::f}, {"fcharset", Word::fcharset}, {"cpg", Word::cpg},
        {"red", Word::red}, {"green", Word::green}, {"blue", Word::blue},
        {"plain", Word::plain}, {"b", Word::b}, {"i", Word::i}, {"ul", Word::ul},
        {"ulnone", Word::ulnone}, {"fs", Word::fs}, {"cf", Word::cf},
        {"pard", Word::pard}, {"ql", Word::ql}, {"qc", Word::qc}, {"qr", Word::qr},
        {"qj", Word::qj}, {"li", Word::li}, {"ri", Word::ri}, {"fi", Word::fi},
        {"fldrslt", Word::fldrslt},
        {"par", Word::par}, {"sect", Word::par}, {"page", Word::par}, {"row", Word::par},
        {"line", Word::line}, {"tab", Word::tab}, {"cell", Word::cell},
        {"emdash", Word::emdash}, {"endash", Word::endash}, {"bullet", Word::bullet},
        {"lquote", Word::lquote}, {"rquote", Word::rquote}, {"ldblquote", Word::ldblquote},
        {"rdblquote", Word::rdblquote}, {"emspace", Word::emspace},
        {"enspace", Word::enspace}, {"qmspace", Word::qmspace},
    };
    // Every kind of underline is shown as underline.
    for (std::string_view u : {"uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                               "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd",
                               "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"})
      w.emplace(u, Word::ul);
    // Destinations whose content is not part of the visible text.
    for (std::string_view d :
         {"stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf",
          "footer", "footerl", "footerr", "footerf", "footnote", "annotation", "atnid",
          "atnauthor", "fldinst", "xe", "tc", "txe", "bkmkstart", "bkmkend", "falt",
          "panose", "listtable", "listoverridetable", "revtbl", "rsidtbl", "filetbl",
          "generator", "themedata", "colorschememapping", "latentstyles", "datastore",
          "xmlnstbl", "mmathPr", "pgdsctbl", "fchars", "lchars", "nonshppict",
          "shppict", "shp", "shpinst", "sp", "sn", "sv", "template", "userprops",
          "docvar", "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn",
          "comment", "author", "operator", "title", "subject", "keywords", "doccomm",
          "company", "category", "hlinkbase", "buptim", "creatim", "printim", "revtim"})
      w.emplace(d, Word::skip);
    return w;
  }();
  return words;
}

class Reader {
 public:
  // `whole`: the input is the whole document, so that its last paragraph takes the
  // format in force at the end even without a paragraph mark of its own. Without a
  // cursor the reader only measures the text, to refuse it before any of it is laid out.
  Reader(QTextCursor* cursor, bool whole)
      : cursor_(cursor),
        whole_(whole),
        baseFamily_(cursor && cursor->document() ? cursor->document()->defaultFont().family() : QString()) {}

  ReadResult Read(QByteArrayView input);
  int DefaultTabTwips() const { return defaultTabTwips_; }

 private:
  GroupState& State() { return stack_.back(); }

  void OpenGroup();
  void CloseGroup();
  void ControlWord(const Token& t);
  void ControlSymbol(char symbol);
  void TextBytes(QByteArrayView bytes);
  void Byte(unsigned char byte);
  void CommitFontName();
  QString FontNameBytesText() const;
  void Unicode(int value);

  // Text of the body, gathered into runs of one format.
  void Append(QChar c);
  void Append(char32_t codePoint);
  void Flush();
  void EndParagraph();
  void Finish();
  QTextCharFormat CharFormat() const;
  QTextBlockFormat BlockFormat() const;
  int CodePage() const;

  bool SkipFallback();  // true when the token was a fallback character of \u
  void CountRun(qsizetype length);

  QTextCursor* const cursor_;
  const bool whole_;
  const QString baseFamily_;  // the face of text that names none
  std::vector<GroupState> stack_;
  int flatDepth_ = 0;  // groups opened beyond kMaxDepth, read as part of their parent
  bool ignorableNext_ = false;  // \* seen: an unknown destination that follows is skipped
  int fallbackToSkip_ = 0;
  char16_t highSurrogate_ = 0;

  int documentCodePage_ = 1252;
  int defaultFont_ = 0;
  int defaultTabTwips_ = 720;  // tab stops every half inch unless \deftab says otherwise
  QHash<int, FontEntry> fonts_;
  static constexpr int kNoFont = std::numeric_limits<int>::min();  // an entry beyond kMaxFonts
  int fontEntry_ = 0;        // the entry that the font table's text names
  QByteArray fontName_;      // bytes of that entry's name not yet decoded
  QString fontNameText_;     // the name before them, decoded (a \\u in it decodes them)
  QList<QColor> colours_;
  int red_ = 0, green_ = 0, blue_ = 0;
  bool colourGiven_ = false;

  QString run_;
  bool markEnded_ = false;  // a paragraph mark came last: no text or paragraph format since

  // What the text would take to lay out.
  qsizetype textLength_ = 0;     // characters, paragraph marks included
  int runsInParagraph_ = 0;      // runs of differing formats in the current paragraph
  CharState lastRun_;
  bool overLimits_ = false;
};

ReadResult Reader::Read(QByteArrayView input) {
  ReadResult result;
  qsizetype start = 0;
  while (start < input.size() && QChar::isSpace(uchar(input[start]))) ++start;
  if (!input.sliced(start).startsWith("{\\rtf")) return result;
  if (input.size() > kMaxRtfBytes) {
    result.tooLarge = true;
    return result;
  }
  result.rtf = true;

  Tokenizer tokens(input.sliced(start));
  if (cursor_) {
    cursor_->beginEditBlock();
    cursor_->removeSelectedText();  // even a document without text takes the selection's place
  }
  while (!overLimits_) {
    const Token t = tokens.Next();
    if (t.kind == Token::End) break;
    if (t.kind == Token::GroupOpen) {
      OpenGroup();
      continue;
    }
    if (t.kind == Token::GroupClose) {
      CloseGroup();
      if (stack_.empty()) {  // the outer group is closed: the document ends here
        result.complete = true;
        break;
      }
      continue;
    }
    if (stack_.empty()) continue;  // nothing outside the outer group can be reached
    if (t.kind != Token::ControlWord && t.kind != Token::ControlSymbol) ignorableNext_ = false;
    if (SkipFallback()) {
      if (t.kind == Token::Text && t.text.size() > 1) {
        // Only the run's first characters are fallback; the rest is text.
        qsizetype skipped = 1;
        while (fallbackToSkip_ > 0 && skipped < t.text.size()) --fallbackToSkip_, ++skipped;
        TextBytes(t.text.sliced(skipped));
      }
      continue;
    }
    switch (t.kind) {
      case Token::ControlWord: ControlWord(t); break;
      case Token::ControlSymbol: ControlSymbol(t.symbol); break;
      case Token::HexByte: Byte(t.byte); break;
      case Token::Text: TextBytes(t.text); break;
      default: break;  // binary data shows nothing
    }
  }
  if (!stack_.empty() && !overLimits_) Finish();  // cut off: keep what came
  if (cursor_) cursor_->endEditBlock();
  if (overLimits_) result = ReadResult{.rtf = false, .tooLarge = true};
  return result;
}

bool Reader::SkipFallback() {
  if (fallbackToSkip_ <= 0) return false;
  --fallbackToSkip_;
  return true;
}

void Reader::OpenGroup() {
  fallbackToSkip_ = 0;
  ignorableNext_ = false;
  Flush();
  if (stack_.empty()) {
    stack_.push_back(GroupState{});
  } else if (static_cast<int>(stack_.size()) < kMaxDepth) {
    stack_.push_back(State());
  } else {
    ++flatDepth_;
  }
}

void Reader::CloseGroup() {
  fallbackToSkip_ = 0;
  ignorableNext_ = false;
  if (stack_.empty()) return;
  Flush();
  if (flatDepth_ > 0) {
    --flatDepth_;
    return;
  }
  if (stack_.size() == 1) Finish();
  // A font entry may end with its group instead of its ";".
  if (State().destination == Destination::FontTable && (!fontName_.isEmpty() || !fontNameText_.isEmpty()))
    CommitFontName();
  stack_.pop_back();
}

int Reader::CodePage() const {
  int font = stack_.back().ch.font;
  if (font < 0) font = defaultFont_;
  const auto entry = fonts_.constFind(font);
  if (entry != fonts_.cend() && entry->codePage != 0) return entry->codePage;
  return documentCodePage_;
}

void Reader::ControlWord(const Token& t) {
  const std::string_view name(t.text.data(), static_cast<size_t>(t.text.size()));
  const auto found = Words().find(name);
  const bool ignorable = ignorableNext_;
  ignorableNext_ = false;
  GroupState& s = State();

  if (found == Words().end()) {
    // An unknown word is ignored; an unknown destination marked \* is skipped whole.
    if (ignorable) s.destination = Destination::Skip;
    return;
  }
  const Word word = found->second;
  const int n = t.param;
  const bool on = !t.hasParam || n != 0;

  // Words that apply wherever they stand.
  switch (word) {
    case Word::fonttbl:
      Flush();
      s.destination = s.destination == Destination::Skip ? Destination::Skip : Destination::FontTable;
      return;
    case Word::colortbl:
      Flush();
      s.destination = s.destination == Destination::Skip ? Destination::Skip : Destination::ColourTable;
      return;
    case Word::skip:
      Flush();
      s.destination = Destination::Skip;
      return;
    case Word::uc:
      s.uc = qBound(0, t.hasParam ? n : 1, kMaxFallbackSkip);
      return;
    default: break;
  }
  if (s.destination == Destination::Skip) return;

  if (s.destination == Destination::FontTable) {
    switch (word) {
      case Word::f:
        fontEntry_ = fonts_.contains(n) || fonts_.size() < kMaxFonts ? n : kNoFont;
        fontName_.clear();
        fontNameText_.clear();
        break;
      case Word::fcharset:
        if (int cp = CodePageOfCharset(n); cp != 0 && fontEntry_ != kNoFont) fonts_[fontEntry_].codePage = cp;
        break;
      case Word::cpg:
        if (IsSupportedCodePage(n) && fontEntry_ != kNoFont) fonts_[fontEntry_].codePage = n;
        break;
      case Word::u: Unicode(n); break;  // a character of the font's name
      default: break;
    }
    return;
  }
  if (s.destination == Destination::ColourTable) {
    const int value = qBound(0, n, 255);
    switch (word) {
      case Word::red: red_ = value, colourGiven_ = true; break;
      case Word::green: green_ = value, colourGiven_ = true; break;
      case Word::blue: blue_ = value, colourGiven_ = true; break;
      default: break;
    }
    return;
  }

  // A paragraph format given after a paragraph mark (\pard to \fi) belongs to a
  // paragraph of its own, even an empty last one.
  if (word >= Word::pard && word <= Word::fi) markEnded_ = false;
  switch (word) {
    case Word::ansi: documentCodePage_ = 1252; break;
    case Word::ansicpg:
      if (IsSupportedCodePage(n)) documentCodePage_ = n;
      break;
    case Word::deff: defaultFont_ = n; break;
    case Word::deftab:
      if (n > 0) defaultTabTwips_ = qMin(n, kMaxIndentTwips);
      break;
    case Word::u: Unicode(n); break;

    case Word::plain: Flush(); s.ch = CharState{}; break;
    case Word::b: Flush(); s.ch.bold = on; break;
    case Word::i: Flush(); s.ch.italic = on; break;
    case Word::ul: Flush(); s.ch.underline = on; break;
    case Word::ulnone: Flush(); s.ch.underline = false; break;
    case Word::f: Flush(); s.ch.font = n; break;
    case Word::fs:
      Flush();
      s.ch.halfPoints = t.hasParam && n > 0 ? qMin(n, kMaxHalfPoints) : kDefaultHalfPoints;
      break;
    case Word::cf: Flush(); s.ch.colour = n; break;

    case Word::pard: s.para = ParaState{}; break;
    case Word::ql: s.para.alignment = Alignment::Left; break;
    case Word::qc: s.para.alignment = Alignment::Centre; break;
    case Word::qr: s.para.alignment = Alignment::Right; break;
    case Word::qj: s.para.alignment = Alignment::Justify; break;
    case Word::li: s.para.leftTwips = qBound(-kMaxIndentTwips, n, kMaxIndentTwips); break;
    case Word::ri: s.para.rightTwips = qBound(-kMaxIndentTwips, n, kMaxIndentTwips); break;
    case Word::fi: s.para.firstTwips = qBound(-kMaxIndentTwips, n, kMaxIndentTwips); break;

    case Word::par: EndParagraph(); break;
    case Word::line: Append(QChar(QChar::LineSeparator)); break;
    case Word::tab:
    case Word::cell: Append(QChar('\t')); break;
    case Word::emdash: Append(QChar(0x2014)); break;
    case Word::endash: Append(QChar(0x2013)); break;
    case Word::bullet: Append(QChar(0x2022)); break;
    case Word::lquote: Append(QChar(0x2018)); break;
    case Word::rquote: Append(QChar(0x2019)); break;
    case Word::ldblquote: Append(QChar(0x201C)); break;
    case Word::rdblquote: Append(QChar(0x201D)); break;
    case Word::emspace: Append(QChar(0x2003)); break;
    case Word::enspace: Append(QChar(0x2002)); break;
    case Word::qmspace: Append(QChar(0x2005)); break;
    default: break;
  }
}

void Reader::ControlSymbol(char symbol) {
  ignorableNext_ = false;
  switch (symbol) {
    case '*': ignorableNext_ = true; return;
    case '\\':
    case '{':
    case '}': TextBytes(QByteArrayView(&symbol, 1)); return;
    default: break;
  }
  if (State().destination != Destination::Body) return;
  switch (symbol) {
    case '~': Append(QChar(0x00A0)); break;   // non-breaking space
    case '_': Append(QChar(0x2011)); break;   // non-breaking hyphen
    case '-': Append(QChar(0x00AD)); break;   // optional hyphen
    case '\n': EndParagraph(); break;
    default: break;
  }
}

void Reader::TextBytes(QByteArrayView bytes) {
  GroupState& s = State();
  switch (s.destination) {
    case Destination::Skip: return;
    case Destination::ColourTable:
      for (char c : bytes) {
        if (c != ';') continue;
        colours_.append(colourGiven_ ? QColor(red_, green_, blue_) : QColor());
        red_ = green_ = blue_ = 0;
        colourGiven_ = false;
      }
      return;
    case Destination::FontTable:
      for (char c : bytes) {
        if (c == ';')
          CommitFontName();
        else if (fontName_.size() + fontNameText_.size() < kMaxFontNameLength) {
          fontName_.append(c);
        }
      }
      return;
    case Destination::Body:
      for (char c : bytes) Byte(static_cast<unsigned char>(c));
      return;
  }
}

QString Reader::FontNameBytesText() const {
  const auto entry = fonts_.constFind(fontEntry_);
  const int cp = entry != fonts_.cend() && entry->codePage != 0 ? entry->codePage : documentCodePage_;
  QString text;
  for (char b : fontName_) text.append(CodePageToUnicode(cp, static_cast<unsigned char>(b)));
  return text;
}

void Reader::CommitFontName() {
  if (fontEntry_ != kNoFont) fonts_[fontEntry_].name = (fontNameText_ + FontNameBytesText()).trimmed();
  fontName_.clear();
  fontNameText_.clear();
}

void Reader::Byte(unsigned char byte) {
  if (State().destination == Destination::FontTable) {
    const char c = static_cast<char>(byte);
    if (c != ';' && fontName_.size() + fontNameText_.size() < kMaxFontNameLength) fontName_.append(c);
    return;
  }
  if (State().destination != Destination::Body) return;
  if (byte == '\t') {
    Append(QChar('\t'));
    return;
  }
  if (byte < 0x20) return;  // other control characters show nothing
  Append(CodePageToUnicode(CodePage(), byte));
}

void Reader::Unicode(int value) {
  fallbackToSkip_ = State().uc;
  if (value < 0) value += 65536;  // written as a signed 16-bit number
  if (value <= 0 || value > 0x10FFFF) return;
  if (State().destination == Destination::FontTable) {
    if (fontEntry_ != kNoFont && fontName_.size() + fontNameText_.size() < kMaxFontNameLength) {
      fontNameText_ += FontNameBytesText();
      fontName_.clear();
      fontNameText_ += QString::fromUcs4(reinterpret_cast<const char32_t*>(&value), 1);
    }
    return;
  }
  // Characters that would break the paragraph or stand for a frame of the document
  // show nothing, as control bytes do; a paragraph separator is a paragraph mark.
  if (value == QChar::ParagraphSeparator) return EndParagraph();
  if ((value < 0x20 && value != '\t') || value == 0xFDD0 || value == 0xFDD1) return;
  if (QChar::isHighSurrogate(char32_t(value))) {
    if (highSurrogate_) Append(QChar(QChar::ReplacementCharacter));
    highSurrogate_ = static_cast<char16_t>(value);
    return;
  }
  if (QChar::isLowSurrogate(char32_t(value))) {
    if (highSurrogate_) {
      const char16_t high = highSurrogate_;
      highSurrogate_ = 0;
      Append(QChar::surrogateToUcs4(high, static_cast<char16_t>(value)));
    } else {
      Append(QChar(QChar::ReplacementCharacter));
    }
    return;
  }
  Append(static_cast<char32_t>(value));
}

void Reader::Append(char32_t codePoint) {
  if (QChar::requiresSurrogates(codePoint)) {
    if (highSurrogate_) {
      highSurrogate_ = 0;
      run_.append(QChar(QChar::ReplacementCharacter));
    }
    run_.append(QChar(QChar::highSurrogate(codePoint)));
    run_.append(QChar(QChar::lowSurrogate(codePoint)));
  } else {
    Append(QChar(char16_t(codePoint)));
  }
}

void Reader::Append(QChar c) {
  if (State().destination != Destination::Body) return;
  if (highSurrogate_) {  // a high surrogate not followed by its low half
    highSurrogate_ = 0;
    run_.append(QChar(QChar::ReplacementCharacter));
  }
  run_.append(c);
  if (textLength_ + run_.size() > kMaxTextLength) overLimits_ = true;
}

void Reader::CountRun(qsizetype length) {
  textLength_ += length;
  const CharState& ch = State().ch;
  if (runsInParagraph_ == 0 || !(ch == lastRun_)) {
    ++runsInParagraph_;
    lastRun_ = ch;
  }
  if (runsInParagraph_ > kMaxRunsInParagraph || textLength_ > kMaxTextLength) overLimits_ = true;
}

void Reader::Flush() {
  if (run_.isEmpty() || stack_.empty()) return;
  CountRun(run_.size());
  markEnded_ = false;
  if (cursor_) cursor_->insertText(run_, CharFormat());
  run_.clear();
}

void Reader::Finish() {
  Flush();
  if (!whole_ || !cursor_) return;
  // A whole document's last paragraph mark ends its last paragraph: no empty paragraph
  // follows it unless a paragraph format given after the mark starts one.
  if (markEnded_ && cursor_->block().length() == 1 && cursor_->block().previous().isValid()) {
    const QTextBlock last = cursor_->block().previous();
    const QTextBlockFormat format = last.blockFormat();
    const QTextCharFormat mark = last.charFormat();
    cursor_->deletePreviousChar();
    cursor_->setBlockFormat(format);
    cursor_->setBlockCharFormat(mark);
    return;
  }
  // The last paragraph takes the format in force at the end, with or without a \par of
  // its own. Inserted text leaves the format of the paragraph it ends in alone: a
  // paragraph's format belongs to its mark.
  cursor_->setBlockFormat(BlockFormat());
  cursor_->setBlockCharFormat(CharFormat());
}

void Reader::EndParagraph() {
  if (State().destination != Destination::Body) return;
  if (highSurrogate_) Append(QChar(QChar::ReplacementCharacter));
  Flush();
  textLength_ += 1;
  runsInParagraph_ = 0;
  markEnded_ = true;
  if (textLength_ > kMaxTextLength) overLimits_ = true;
  if (!cursor_) return;
  // The paragraph takes the formats in force at its mark: its alignment and indents,
  // and the character format that gives an empty paragraph its height.
  cursor_->setBlockFormat(BlockFormat());
  cursor_->setBlockCharFormat(CharFormat());
  // The new paragraph starts in the current character format, so that an empty one
  // has the height of its font.
  cursor_->insertBlock(BlockFormat(), CharFormat());
}

QTextCharFormat Reader::CharFormat() const {
  const CharState& ch = stack_.back().ch;
  QTextCharFormat format;
  const auto font = fonts_.constFind(ch.font < 0 ? defaultFont_ : ch.font);
  // Text in the document's own face names none, so that it follows that face.
  if (font != fonts_.cend() && !font->name.isEmpty() && font->name != baseFamily_)
    format.setFontFamilies({font->name});
  format.setFontPointSize(HalfPointsToPoints(ch.halfPoints));
  format.setFontWeight(ch.bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(ch.italic);
  format.setFontUnderline(ch.underline);
  if (ch.colour > 0 && ch.colour < colours_.size() && colours_[ch.colour].isValid())
    format.setForeground(colours_[ch.colour]);
  return format;
}

QTextBlockFormat Reader::BlockFormat() const {
  const ParaState& p = stack_.back().para;
  QTextBlockFormat format;
  format.setAlignment(ToQt(p.alignment));
  format.setLeftMargin(TwipsToLayout(p.leftTwips));
  format.setRightMargin(TwipsToLayout(p.rightTwips));
  format.setTextIndent(TwipsToLayout(p.firstTwips));
  // A hanging first line has a tab stop of its own at the left indent, so that a bullet
  // and a tab line the text up with the lines below.
  if (p.firstTwips < 0 && p.leftTwips > 0)
    format.setTabPositions({QTextOption::Tab(TwipsToLayout(p.leftTwips), QTextOption::LeftTab)});
  return format;
}

// Measures the input first: text that would hang its window is refused before any of it
// takes the selection's place.
bool Acceptable(QByteArrayView rtf, bool whole, ReadResult& refused) {
  Reader measure(nullptr, whole);
  refused = measure.Read(rtf);
  return refused.rtf;
}

}  // namespace

ReadResult InsertRtf(QByteArrayView rtf, QTextCursor& cursor) {
  if (cursor.isNull()) return {};
  if (ReadResult refused; !Acceptable(rtf, false, refused)) return refused;
  Reader reader(&cursor, false);
  return reader.Read(rtf);
}

ReadResult ReadRtf(QByteArrayView rtf, QTextDocument& document) {
  document.clear();
  if (ReadResult refused; !Acceptable(rtf, true, refused)) return refused;
  QTextCursor cursor(&document);
  Reader reader(&cursor, true);
  const ReadResult result = reader.Read(rtf);
  QTextOption option = document.defaultTextOption();
  option.setTabStopDistance(TwipsToLayout(reader.DefaultTabTwips()));
  document.setDefaultTextOption(option);
  return result;
}

}  // namespace platform::rtf
