#include "platform/rtf/RtfReader.h"

#include <QColor>
#include <QFontDatabase>
#include <QHash>
#include <QSet>
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
constexpr int kMaxFontEntries = 1024;    // further entries of the font table are ignored

constexpr int kMaxInstructionLength = 2048;  // a field's instruction is read this far

enum class Destination { Body, FontTable, ColourTable, FieldInstruction, Skip };

struct CharState {
  int font = -1;  // -1: the document's default font (\deff)
  int halfPoints = kDefaultHalfPoints;
  bool bold = false, italic = false, underline = false;
  int colour = 0;  // 0: automatic
  QString link;    // the target of the hyperlink field whose result this is
  bool operator==(const CharState&) const = default;
};

struct ParaState {
  Alignment alignment = Alignment::Left;
  int leftTwips = 0, rightTwips = 0, firstTwips = 0;
  bool pageBreakBefore = false;  // \pagebb
};

struct GroupState {
  CharState ch;
  ParaState para;
  int uc = 1;  // fallback characters that follow \uN
  Destination destination = Destination::Body;
  bool instruction = false;  // the group that holds a field's instruction (\fldinst)
  bool listLabel = false;    // a list item's bullet or number, as written for readers without lists
};

struct FontEntry {
  QString name;
  int codePage = 0;  // 0: the document's
  bool symbol = false;  // \fcharset2: its bytes name pictures of the font, not letters
};

// Characters a break may follow: a word of Qt's layout runs between two of them.
bool BreaksWord(char32_t c) {
  return c == ' ' || c == '\t' || c == QChar::LineSeparator || c == 0x200B || c == 0x3000 ||
         (c >= 0x2000 && c <= 0x200A && c != 0x2007);
}

// The writing system of a character, as the layout breaks text into items of one
// script; 0 for those that go with the letters around them (digits, punctuation, spaces,
// combining marks).
int ScriptOf(char32_t c) {
  const QChar::Script script = QChar::script(c);
  return script == QChar::Script_Common || script == QChar::Script_Inherited ? 0 : int(script);
}

// The writing system of the font database that Qt needs a font of its own for, to shape
// text of the script; Any for a script that any face with its letters shapes.
QFontDatabase::WritingSystem ShapedWritingSystem(int script) {
  switch (script) {
    case QChar::Script_Syriac: return QFontDatabase::Syriac;
    case QChar::Script_Thaana: return QFontDatabase::Thaana;
    case QChar::Script_Devanagari: return QFontDatabase::Devanagari;
    case QChar::Script_Bengali: return QFontDatabase::Bengali;
    case QChar::Script_Gurmukhi: return QFontDatabase::Gurmukhi;
    case QChar::Script_Gujarati: return QFontDatabase::Gujarati;
    case QChar::Script_Oriya: return QFontDatabase::Oriya;
    case QChar::Script_Tamil: return QFontDatabase::Tamil;
    case QChar::Script_Telugu: return QFontDatabase::Telugu;
    case QChar::Script_Kannada: return QFontDatabase::Kannada;
    case QChar::Script_Malayalam: return QFontDatabase::Malayalam;
    case QChar::Script_Sinhala: return QFontDatabase::Sinhala;
    case QChar::Script_Khmer: return QFontDatabase::Khmer;
    case QChar::Script_Nko: return QFontDatabase::Nko;
    default: return QFontDatabase::Any;
  }
}

// Whether an installed font shapes text of the script, as far as the layout needs one.
bool Shown(int script) {
  const QFontDatabase::WritingSystem system = ShapedWritingSystem(script);
  if (system == QFontDatabase::Any) return true;
  static const QList<QFontDatabase::WritingSystem> installed = QFontDatabase::writingSystems();
  return installed.contains(system);
}

// A word as the layout breaks it: its characters and the changes of writing system
// between its letters.
struct WordCount {
  int length = 0;
  int changes = 0;
  int first = 0, last = 0;  // the writing systems of its first and last letters; 0: none yet

  void Add(char32_t c) {
    if (BreaksWord(c)) {
      *this = {};
      return;
    }
    ++length;
    if (const int script = ScriptOf(c)) {
      if (last != 0 && script != last) ++changes;
      if (first == 0) first = script;
      last = script;
    }
  }
  bool Fits() const { return length <= kMaxWordLength && changes <= kMaxScriptChangesInWord; }
  // The word that this one makes with `next`, which goes on after it without a break.
  WordCount Then(const WordCount& next) const {
    WordCount w;
    w.length = length + next.length;
    w.changes = changes + next.changes + (last != 0 && next.first != 0 && last != next.first ? 1 : 0);
    w.first = first != 0 ? first : next.first;
    w.last = next.last != 0 ? next.last : last;
    return w;
  }
};

WordCount CountedWord(QStringView text) {
  WordCount w;
  for (const char32_t c : text.toUcs4()) w.Add(c);
  return w;
}

// A font that the layout resolves: a face, weight, slant and size, and the writing
// system it is resolved for (0 for the face itself, which serves Latin text too).
struct FontKey {
  QString family;  // empty: the document's own face
  int weight = 0;
  bool italic = false;
  qint64 centiPoints = 0;
  int script = 0;
  bool operator==(const FontKey&) const = default;
};
size_t qHash(const FontKey& k, size_t seed = 0) {
  return qHashMulti(seed, k.family, k.weight, k.italic, k.centiPoints, k.script);
}

FontKey FontOf(const QTextCharFormat& format, const QFont& base) {
  FontKey key;
  if (const QStringList families = format.fontFamilies().toStringList(); !families.isEmpty())
    key.family = families.first();
  else if (format.hasProperty(QTextFormat::FontFamily))
    key.family = format.stringProperty(QTextFormat::FontFamily);
  key.weight = format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() : base.weight();
  key.italic = format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : base.italic();
  const double points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : base.pointSizeF();
  key.centiPoints = std::llround(points * 100);
  return key;
}

using FontSet = QSet<FontKey>;

// Adds the fonts that text in `face` makes the layout resolve: the face, and the face for
// each writing system of the text other than Latin.
void AddFonts(FontSet& fonts, FontKey face, QStringView text) {
  fonts.insert(face);
  int last = 0;
  for (const char32_t c : text.toUcs4()) {
    const int script = ScriptOf(c);
    if (script == 0 || script == QChar::Script_Latin || script == last) continue;
    last = script;
    face.script = script;
    fonts.insert(face);
  }
}

// The bullet that a symbol font's picture stands for, as word processors write a list's
// bullet: the font's byte, or the character of the private use area it is mapped to
// (from U+F000 for the byte's picture; from U+E000 the bullets of another program's own
// symbol font). The font's space is a space.
char16_t ShownBullet(char16_t c) {
  if (c < 0xE000 || c > 0xF8FF) return c;
  switch (c) {
    case 0xE006: return 0x2794;  // arrow
    case 0xE007: return 0x2714;  // tick
    case 0xE008: return 0x25CF;  // large dot
    case 0xE00A: return 0x25A0;  // square
    case 0xE00B: return 0x2751;  // shadowed square
    case 0xE00C: return 0x25C6;  // diamond
    case 0xE00D: return 0x2756;  // diamond of four
    case 0xF020: return ' ';
    case 0xF0A7: return 0x25AA;  // small square
    case 0xF06E: return 0x25A0;  // square
    case 0xF071: return 0x2751;  // shadowed square
    case 0xF06C: return 0x25CF;  // large dot
    case 0xF076: return 0x2756;  // diamond of four
    case 0xF0D8: return 0x27A2;  // arrowhead
    case 0xF0FC: return 0x2714;  // tick
    case 0xF02D: return 0x2212;  // dash
    default: return 0x2022;      // the dot of most lists
  }
}

// The target of a HYPERLINK field's instruction ("HYPERLINK "http://x" \o "tip"", or
// with \l "place" for a place in the document); empty for any other field.
QString HyperlinkTarget(const QString& instruction) {
  QStringList words;
  for (qsizetype i = 0; i < instruction.size();) {
    const QChar c = instruction[i];
    if (c.isSpace()) {
      ++i;
    } else if (c == '"') {
      const qsizetype end = instruction.indexOf('"', i + 1);
      const qsizetype stop = end < 0 ? instruction.size() : end;
      words << instruction.sliced(i + 1, stop - i - 1);
      i = stop + 1;
    } else {
      qsizetype end = i;
      while (end < instruction.size() && !instruction[end].isSpace() && instruction[end] != '"') ++end;
      words << instruction.sliced(i, end - i);
      i = end;
    }
  }
  if (words.isEmpty() || words[0].compare(QLatin1String("HYPERLINK"), Qt::CaseInsensitive) != 0) return {};
  QString target, place;
  for (qsizetype i = 1; i < words.size(); ++i) {
    const QString& w = words[i];
    if (w == QLatin1String("\\l") && i + 1 < words.size()) {
      place = words[++i];
    } else if ((w == QLatin1String("\\o") || w == QLatin1String("\\t")) && i + 1 < words.size()) {
      ++i;  // a tooltip or a target frame
    } else if (!w.startsWith('\\') && target.isEmpty()) {
      target = w;
    }
  }
  if (!place.isEmpty()) target += QLatin1Char('#') + place;
  return target;
}

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
  pard, ql, qc, qr, qj, li, ri, fi, pagebb,
  // fields: the instruction, and the result shown in the text
  fldinst, fldrslt,
  // a list item's label
  listtext,
  // breaks and special characters
  par, page, line, tab, cell, emdash, endash, bullet, lquote, rquote, ldblquote, rdblquote,
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
        {"qj", Word::qj}, {"li", Word::li}, {"ri", Word::ri}, {"fi", Word::fi}, {"pagebb", Word::pagebb},
        {"fldinst", Word::fldinst}, {"fldrslt", Word::fldrslt},
        {"listtext", Word::listtext}, {"pntext", Word::listtext},
        {"par", Word::par}, {"sect", Word::par}, {"page", Word::page}, {"row", Word::par},
        {"nestrow", Word::par}, {"line", Word::line}, {"tab", Word::tab}, {"cell", Word::cell},
        {"nestcell", Word::cell},
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
          "atnauthor", "xe", "tc", "txe", "bkmkstart", "bkmkend", "falt",
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

// What the document keeps outside the selection, which the text read joins: the read is
// measured as the whole document it makes.
struct Around {
  double pickedPoints = 0;  // every character counts in the height at no less than this
  qsizetype length = 0;     // characters, paragraph marks included
  int paragraphs = 1;       // the paragraph the text starts in counted
  double heightPoints = 0;  // see kMaxTextHeightPoints
  int runs = 0;
  int runsBefore = 0, runsAfter = 0;  // runs of the paragraph before and after the selection
  WordCount wordBefore, wordAfter;    // the word the selection starts and ends in, outside it
  FontSet fonts;                      // see kMaxFonts
};

class Reader {
 public:
  // `whole`: the input is the whole document, so that its last paragraph takes the
  // format in force at the end even without a paragraph mark of its own. With `measure`
  // the reader inserts nothing and only measures the text with what the document keeps
  // around it, to refuse it before any of it is laid out; without it, the text read
  // goes in at the cursor.
  Reader(QTextCursor* cursor, bool whole, const Around* measure = nullptr)
      : cursor_(measure ? nullptr : cursor),
        whole_(whole),
        measuring_(measure != nullptr),
        baseFamily_(cursor && cursor->document() ? cursor->document()->defaultFont().family() : QString()),
        baseFace_(cursor && cursor->document() ? ActualFamily(cursor->document()->defaultFont()) : QString()),
        baseFont_(cursor && cursor->document() ? cursor->document()->defaultFont() : QFont()) {
    if (measure) {
      around_ = *measure;
      textLength_ = around_.length;
      heightPoints_ = around_.heightPoints;
      paragraphs_ = around_.paragraphs;
      runs_ = around_.runs;
      runsInParagraph_ = around_.runsBefore;
      word_ = around_.wordBefore;
      laidOutFonts_ = around_.fonts;
    }
  }

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
  void Instruction(QChar c);

  // Text of the body, gathered into runs of one format.
  void Append(QChar c);
  void Append(char32_t codePoint);
  void Flush();
  void EndParagraph();
  void PageBreak();
  void Finish();
  QTextCharFormat CharFormat() const;
  QTextCharFormat MarkFormat() const;  // a paragraph mark's: a link holds no mark
  QTextBlockFormat BlockFormat() const;
  const FontEntry* Font() const;  // the font table's entry of the font in force, if any
  int CodePage() const;
  bool SymbolFont() const;

  bool SkipFallback();  // true when the token was a fallback character of \u
  void CountRun(qsizetype length);
  void CountWord(char32_t c);
  void CountFonts(const QTextCharFormat& format, QStringView text);
  void Exceeds(bool over) { overLimits_ = overLimits_ || (measuring_ && over); }
  double CountedPoints(double points) const { return qMax(points, around_.pickedPoints); }

  QTextCursor* const cursor_;
  const bool whole_;
  const bool measuring_;
  const QString baseFamily_;  // the face of text that names none, as the document names it
  const QString baseFace_;    // and as it is shown
  const QFont baseFont_;
  std::vector<GroupState> stack_;
  int flatDepth_ = 0;  // groups opened beyond kMaxDepth, read as part of their parent
  bool ignorableNext_ = false;  // \* seen: an unknown destination that follows is skipped
  int fallbackToSkip_ = 0;
  char16_t highSurrogate_ = 0;

  int documentCodePage_ = 1252;
  int defaultFont_ = 0;
  int defaultTabTwips_ = 720;  // tab stops every half inch unless \deftab says otherwise
  QHash<int, FontEntry> fonts_;
  static constexpr int kNoFont = std::numeric_limits<int>::min();  // an entry beyond kMaxFontEntries
  int fontEntry_ = 0;        // the entry that the font table's text names
  QByteArray fontName_;      // bytes of that entry's name not yet decoded
  QString fontNameText_;     // the name before them, decoded (a \\u in it decodes them)
  QList<QColor> colours_;
  int red_ = 0, green_ = 0, blue_ = 0;
  bool colourGiven_ = false;
  QString instruction_;      // the instruction of the field being read

  QString run_;
  bool markEnded_ = false;  // a paragraph mark came last: no text or paragraph format since
  bool paragraphEmpty_ = true;  // no text since the last paragraph mark
  bool pageBreakNext_ = false;  // \page: the next paragraph starts a page
  bool labelShown_ = false;     // a list label's bullet or number has come

  // What the document would take to lay out, with what it keeps around the text read.
  Around around_;
  qsizetype textLength_ = 0;     // characters, paragraph marks included
  double heightPoints_ = 0;
  int paragraphs_ = 1;
  int runs_ = 0;
  int runsInParagraph_ = 0;      // runs of differing formats in the current paragraph
  bool paragraphStarts_ = true;  // no run read in it yet: the next is a run of its own
  WordCount word_;               // the current word
  FontSet laidOutFonts_;
  CharState lastRun_;
  bool overLimits_ = false;
  bool unshown_ = false;         // letters of a writing system that no installed font draws
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
  // The last paragraph and word go on in the text after the selection.
  Exceeds(runsInParagraph_ + around_.runsAfter > kMaxRunsInParagraph || !word_.Then(around_.wordAfter).Fits());
  if (overLimits_) result = ReadResult{.rtf = false, .tooLarge = true, .unshown = unshown_};
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
    State().instruction = false;
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
  // A hyperlink's instruction gives its field's result the link's target.
  if (State().instruction && stack_.size() > 1)
    if (const QString target = HyperlinkTarget(instruction_); !target.isEmpty())
      stack_[stack_.size() - 2].ch.link = target;
  stack_.pop_back();
}

const FontEntry* Reader::Font() const {
  const int font = stack_.back().ch.font;
  const auto entry = fonts_.constFind(font < 0 ? defaultFont_ : font);
  return entry != fonts_.cend() ? &*entry : nullptr;
}

int Reader::CodePage() const {
  const FontEntry* font = Font();
  return font && font->codePage != 0 ? font->codePage : documentCodePage_;
}

bool Reader::SymbolFont() const {
  const FontEntry* font = Font();
  return font && font->symbol;
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
    case Word::fldinst:
      Flush();
      if (s.destination == Destination::Body) {
        s.destination = Destination::FieldInstruction;
        s.instruction = true;
        instruction_.clear();
      } else {
        s.destination = Destination::Skip;
      }
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
        fontEntry_ = fonts_.contains(n) || fonts_.size() < kMaxFontEntries ? n : kNoFont;
        fontName_.clear();
        fontNameText_.clear();
        break;
      case Word::fcharset:
        if (int cp = CodePageOfCharset(n); cp != 0 && fontEntry_ != kNoFont) fonts_[fontEntry_].codePage = cp;
        if (fontEntry_ != kNoFont) fonts_[fontEntry_].symbol = n == 2;
        break;
      case Word::cpg:
        if (IsSupportedCodePage(n) && fontEntry_ != kNoFont) fonts_[fontEntry_].codePage = n;
        break;
      case Word::u: Unicode(n); break;  // a character of the font's name
      default: break;
    }
    return;
  }
  if (s.destination == Destination::FieldInstruction) {
    if (word == Word::u) Unicode(n);
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

  // A paragraph format given after a paragraph mark (\pard to \pagebb) belongs to a
  // paragraph of its own, even an empty last one.
  if (word >= Word::pard && word <= Word::pagebb) markEnded_ = false;
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
    case Word::pagebb: s.para.pageBreakBefore = on; break;
    case Word::listtext:
      Flush();
      s.listLabel = true;
      labelShown_ = false;
      break;

    case Word::par: EndParagraph(); break;
    case Word::page: PageBreak(); break;
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
        if (colours_.size() >= kMaxColours) {  // no document needs more: refused when measured
          Exceeds(true);
          return;
        }
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
    case Destination::FieldInstruction:
    case Destination::Body:
      for (char c : bytes) Byte(static_cast<unsigned char>(c));
      return;
  }
}

void Reader::Instruction(QChar c) {
  if (c.unicode() >= 0x20 && instruction_.size() < kMaxInstructionLength) instruction_.append(c);
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
  if (State().destination == Destination::FieldInstruction) return Instruction(CodePageToUnicode(CodePage(), byte));
  if (State().destination != Destination::Body) return;
  if (byte == '\t') {
    Append(QChar('\t'));
    return;
  }
  if (byte < 0x20) return;  // other control characters show nothing
  // A list's bullet in a symbol font: the picture its byte names.
  if (State().listLabel && SymbolFont()) return Append(QChar(ShownBullet(0xF000 + byte)));
  Append(CodePageToUnicode(CodePage(), byte));
}

void Reader::Unicode(int value) {
  fallbackToSkip_ = State().uc;
  if (value < 0) value += 65536;  // written as a signed 16-bit number
  if (value <= 0 || value > 0x10FFFF) return;
  if (State().destination == Destination::FieldInstruction) {
    if (value <= 0xFFFF) Instruction(QChar(char16_t(value)));
    return;
  }
  if (State().listLabel && value <= 0xFFFF) value = ShownBullet(char16_t(value));
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
    if (State().destination != Destination::Body) return;
    if (highSurrogate_) {
      highSurrogate_ = 0;
      run_.append(QChar(QChar::ReplacementCharacter));
    }
    run_.append(QChar(QChar::highSurrogate(codePoint)));
    run_.append(QChar(QChar::lowSurrogate(codePoint)));
    CountWord(codePoint);
    Exceeds(textLength_ + run_.size() > kMaxTextLength);
  } else {
    Append(QChar(char16_t(codePoint)));
  }
}

void Reader::Append(QChar c) {
  if (State().destination != Destination::Body) return;
  // A label starts at its bullet or number: the space that some programs write before
  // it is no part of it.
  if (State().listLabel && !labelShown_) {
    if (c == ' ') return;
    labelShown_ = true;
  }
  if (highSurrogate_) {  // a high surrogate not followed by its low half
    highSurrogate_ = 0;
    run_.append(QChar(QChar::ReplacementCharacter));
    CountWord(QChar::ReplacementCharacter);
  }
  run_.append(c);
  CountWord(c.unicode());
  Exceeds(textLength_ + run_.size() > kMaxTextLength);
}

void Reader::CountWord(char32_t c) {
  if (!measuring_) return;
  word_.Add(c);
  if (!Shown(ScriptOf(c))) unshown_ = true;
  Exceeds(!word_.Fits() || unshown_);
}

// A font that the text adds counts only past the limit: a document given more by the
// clerk's picks still takes text in the fonts it has.
void Reader::CountFonts(const QTextCharFormat& format, QStringView text) {
  const qsizetype before = laidOutFonts_.size();
  AddFonts(laidOutFonts_, FontOf(format, baseFont_), text);
  Exceeds(laidOutFonts_.size() > before && laidOutFonts_.size() > kMaxFonts);
}

void Reader::CountRun(qsizetype length) {
  if (!measuring_) return;
  textLength_ += length;
  heightPoints_ += length * CountedPoints(HalfPointsToPoints(State().ch.halfPoints));
  const CharState& ch = State().ch;
  if (paragraphStarts_ || !(ch == lastRun_)) {
    ++runsInParagraph_;
    ++runs_;
    lastRun_ = ch;
    paragraphStarts_ = false;
  }
  Exceeds(runsInParagraph_ > kMaxRunsInParagraph || runs_ > kMaxRuns || textLength_ > kMaxTextLength ||
          heightPoints_ > kMaxTextHeightPoints);
}

void Reader::Flush() {
  if (run_.isEmpty() || stack_.empty()) return;
  CountRun(run_.size());
  if (measuring_) CountFonts(CharFormat(), run_);
  markEnded_ = false;
  paragraphEmpty_ = false;
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
  cursor_->setBlockCharFormat(MarkFormat());
}

void Reader::EndParagraph() {
  if (State().destination != Destination::Body) return;
  if (highSurrogate_) Append(QChar(QChar::ReplacementCharacter));
  Flush();
  if (measuring_) {
    textLength_ += 1;
    heightPoints_ += CountedPoints(HalfPointsToPoints(State().ch.halfPoints));
    ++paragraphs_;
    runsInParagraph_ = 0;
    paragraphStarts_ = true;
    word_ = {};
    // An empty paragraph is as high as the font of its mark.
    if (paragraphEmpty_) CountFonts(MarkFormat(), {});
    Exceeds(textLength_ > kMaxTextLength || paragraphs_ > kMaxParagraphs || heightPoints_ > kMaxTextHeightPoints);
  }
  markEnded_ = true;
  if (cursor_) {
    // The paragraph takes the formats in force at its mark: its alignment and indents,
    // and the character format that gives an empty paragraph its height.
    cursor_->setBlockFormat(BlockFormat());
    cursor_->setBlockCharFormat(MarkFormat());
  }
  pageBreakNext_ = false;
  paragraphEmpty_ = true;
  // The new paragraph starts in the current character format, so that an empty one
  // has the height of its font.
  if (cursor_) cursor_->insertBlock(BlockFormat(), MarkFormat());
}

// A page break ends the paragraph it stands in, unless nothing came in it yet, and starts
// the next paragraph on a new page: "A\par\page B" and "A\page B" both break before B.
void Reader::PageBreak() {
  if (State().destination != Destination::Body) return;
  Flush();
  if (!paragraphEmpty_) EndParagraph();
  pageBreakNext_ = true;
  markEnded_ = false;  // the paragraph it starts is one of its own, even an empty last one
}

QTextCharFormat Reader::CharFormat() const {
  const CharState& ch = stack_.back().ch;
  QTextCharFormat format;
  const FontEntry* font = Font();
  // Text in the document's own face names none, so that it follows that face.
  if (font && !font->name.isEmpty() && font->name != baseFamily_ && font->name != baseFace_)
    format.setFontFamilies({font->name});
  format.setFontPointSize(HalfPointsToPoints(ch.halfPoints));
  format.setFontWeight(ch.bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(ch.italic);
  format.setFontUnderline(ch.underline);
  if (ch.colour > 0 && ch.colour < colours_.size() && colours_[ch.colour].isValid())
    format.setForeground(colours_[ch.colour]);
  if (!ch.link.isEmpty()) {
    format.setAnchor(true);
    format.setAnchorHref(ch.link);
  }
  return format;
}

QTextCharFormat Reader::MarkFormat() const {
  QTextCharFormat format = CharFormat();
  format.clearProperty(QTextFormat::IsAnchor);
  format.clearProperty(QTextFormat::AnchorHref);
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
  if (p.pageBreakBefore || pageBreakNext_) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
  return format;
}

// What a character of the format adds to the height (kMaxTextHeightPoints): its size, or
// the document's, and no less than the largest the clerk may pick.
double HeightPoints(const QTextCharFormat& format, const QFont& base, double pickedPoints) {
  const double points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : base.pointSizeF();
  return qMax(points > 0 ? points : HalfPointsToPoints(kDefaultHalfPoints), pickedPoints);
}

// What the document keeps outside the cursor's selection, for the text read in its place.
Around Surroundings(const QTextCursor& cursor, double pickedPoints) {
  Around a;
  a.pickedPoints = pickedPoints;
  const QTextDocument& doc = *cursor.document();
  const QFont base = doc.defaultFont();
  const int start = cursor.selectionStart(), end = cursor.selectionEnd();
  const QTextBlock first = doc.findBlock(start), last = doc.findBlock(end);
  a.paragraphs = doc.blockCount() - (last.blockNumber() - first.blockNumber());
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    // The paragraph marks that the selection covers go with it.
    const int mark = b.position() + b.length() - 1;
    if (mark < start || mark >= end) {
      a.length += 1;
      a.heightPoints += HeightPoints(b.charFormat(), base, pickedPoints);
      // An empty paragraph is as high as the font of its mark; the text read fills the
      // one it goes into.
      if (b.length() == 1 && b != first && b != last) AddFonts(a.fonts, FontOf(b.charFormat(), base), {});
    }
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      const int from = f.position(), to = f.position() + f.length();
      const int kept = (to - from) - qMax(0, qMin(to, end) - qMax(from, start));
      if (kept <= 0) continue;
      a.length += kept;
      a.heightPoints += kept * HeightPoints(f.charFormat(), base, pickedPoints);
      const QString text = f.text();
      if (kept == f.length()) {
        AddFonts(a.fonts, FontOf(f.charFormat(), base), text);
      } else {  // the part of the run outside the selection
        const qsizetype cut = qMax(0, start - from), resume = qMin(f.length(), end - from);
        AddFonts(a.fonts, FontOf(f.charFormat(), base), QString(text.left(cut) + text.mid(resume)));
      }
      ++a.runs;
      if (b == first && from < start) ++a.runsBefore;
      if (b == last && to > end) ++a.runsAfter;
    }
  }
  const QString before = first.text().left(start - first.position());
  qsizetype wordStart = before.size();
  while (wordStart > 0 && !BreaksWord(before[wordStart - 1].unicode())) --wordStart;
  a.wordBefore = CountedWord(QStringView(before).sliced(wordStart));
  const QString after = last.text().mid(end - last.position());
  qsizetype wordEnd = 0;
  while (wordEnd < after.size() && !BreaksWord(after[wordEnd].unicode())) ++wordEnd;
  a.wordAfter = CountedWord(QStringView(after).first(wordEnd));
  return a;
}

// The run of `block` that holds the character at `position`; an invalid one past its text.
QTextFragment RunAt(const QTextBlock& block, int position) {
  for (auto it = block.begin(); !it.atEnd(); ++it)
    if (const QTextFragment f = it.fragment(); position >= f.position() && position < f.position() + f.length())
      return f;
  return {};
}

// The runs that text typed in `format` in place of the selection adds, in its paragraph
// and in the document, for the counts of Surroundings: none where it takes the format of
// the text it joins, one where it starts a run of its own between two, two where it
// splits a run in two around it. Text that breaks the paragraph adds no run to either
// part (TypingFits counts none in the paragraph), but may split the run it is typed in.
struct TypedRuns {
  int inParagraph = 0, inText = 0;
};
TypedRuns RunsTyped(const QTextCursor& cursor, const QTextCharFormat& format, bool breaks) {
  const QTextDocument& doc = *cursor.document();
  const int start = cursor.selectionStart(), end = cursor.selectionEnd();
  const QTextBlock first = doc.findBlock(start), last = doc.findBlock(end);
  const QTextFragment before = start > first.position() ? RunAt(first, start - 1) : QTextFragment();
  const QTextFragment after = RunAt(last, end);
  // One run on both sides, counted in the paragraph's runs before and after the selection.
  const bool around = before.isValid() && after.isValid() && before.position() == after.position();
  if (breaks) return {0, around ? 1 : 0};
  const bool joins = (before.isValid() && before.charFormat() == format) ||
                     (after.isValid() && after.charFormat() == format);
  if (around) return joins ? TypedRuns{-1, 0} : TypedRuns{1, 2};
  return joins ? TypedRuns{} : TypedRuns{1, 1};
}

// Measures the input first, as the document it makes: text that would hang its window is
// refused before any of it takes the selection's place.
bool Acceptable(QByteArrayView rtf, QTextCursor& cursor, bool whole, double pickedPoints, ReadResult& refused) {
  // Around a whole document, the empty paragraph of the cleared document it starts in.
  const Around around = Surroundings(cursor, pickedPoints);
  Reader measure(&cursor, whole, &around);
  refused = measure.Read(rtf);
  return refused.rtf;
}

}  // namespace

ReadResult InsertRtf(QByteArrayView rtf, QTextCursor& cursor, double pickedPoints) {
  if (cursor.isNull()) return {};
  if (ReadResult refused; !Acceptable(rtf, cursor, false, pickedPoints, refused)) return refused;
  Reader reader(&cursor, false);
  return reader.Read(rtf);
}

bool TypingFits(const QTextCursor& cursor, const QString& text, double pickedPoints) {
  if (cursor.isNull()) return false;
  const Around a = Surroundings(cursor, pickedPoints);
  QTextCharFormat format = cursor.charFormat();  // as QTextCursor::insertText takes it
  format.clearProperty(QTextFormat::ObjectType);
  const double points = HeightPoints(format, cursor.document()->defaultFont(), pickedPoints);
  int paragraphs = a.paragraphs;
  WordCount word = a.wordBefore;
  for (const char32_t c : text.toUcs4()) {
    if (c == QChar::ParagraphSeparator || c == '\n' || c == '\r') ++paragraphs, word = {};
    else word.Add(c);
    if (!word.Fits() || !Shown(ScriptOf(c))) return false;
  }
  if (!word.Then(a.wordAfter).Fits()) return false;
  FontSet fonts = a.fonts;
  AddFonts(fonts, FontOf(format, cursor.document()->defaultFont()), text);
  if (fonts.size() > a.fonts.size() && fonts.size() > kMaxFonts) return false;
  // A paragraph broken in two leaves each part with fewer runs than it had.
  const bool breaks = paragraphs > a.paragraphs;
  const TypedRuns runs = RunsTyped(cursor, format, breaks);
  return a.length + text.size() <= kMaxTextLength && paragraphs <= kMaxParagraphs &&
         a.heightPoints + text.size() * points <= kMaxTextHeightPoints && a.runs + runs.inText <= kMaxRuns &&
         (breaks || a.runsBefore + a.runsAfter + runs.inParagraph <= kMaxRunsInParagraph);
}

ReadResult ReadRtf(QByteArrayView rtf, QTextDocument& document, double pickedPoints) {
  document.clear();
  QTextCursor cursor(&document);
  if (ReadResult refused; !Acceptable(rtf, cursor, true, pickedPoints, refused)) return refused;
  Reader reader(&cursor, true);
  const ReadResult result = reader.Read(rtf);
  QTextOption option = document.defaultTextOption();
  option.setTabStopDistance(TwipsToLayout(reader.DefaultTabTwips()));
  document.setDefaultTextOption(option);
  return result;
}

}  // namespace platform::rtf
