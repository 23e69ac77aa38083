#include "support/PdfLines.h"

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QTransform>
#include <QtEndian>
#include <gtest/gtest.h>

namespace testsupport {
namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;

// The body of object `number` ("N 0 obj ... endobj").
QByteArray ObjectBody(const QByteArray& pdf, int number) {
  const QRegularExpression head(QStringLiteral("(^|\\s)%1 0 obj\\b").arg(number));
  const auto m = head.match(QString::fromLatin1(pdf));
  if (!m.hasMatch()) return {};
  const qsizetype start = m.capturedEnd();
  const qsizetype end = pdf.indexOf("endobj", start);
  return pdf.mid(start, end < 0 ? -1 : end - start);
}

// The decoded data of the stream in an object's body.
QByteArray StreamData(const QByteArray& body) {
  qsizetype start = body.indexOf("stream");
  if (start < 0) return {};
  start += 6;
  if (body.mid(start, 2) == "\r\n") start += 2;
  else if (body.at(start) == '\n' || body.at(start) == '\r') start += 1;
  const qsizetype end = body.lastIndexOf("endstream");
  QByteArray data = body.mid(start, end - start);
  if (!body.left(start).contains("/FlateDecode")) return data;
  // qUncompress takes zlib data behind its expected size, big-endian; it grows its buffer
  // when the size is too small.
  QByteArray sized(4, '\0');
  qToBigEndian<quint32>(static_cast<quint32>(data.size() * 8 + 1024), sized.data());
  return qUncompress(sized + data);
}

// The tokens of a content stream: numbers, operators, names, strings and array brackets.
QList<QByteArray> Tokens(const QByteArray& s) {
  QList<QByteArray> out;
  auto delimiter = [](char c) { return QByteArrayView("()<>[]{}/%").contains(c); };
  qsizetype i = 0;
  while (i < s.size()) {
    const char c = s.at(i);
    if (QChar::isSpace(uchar(c))) { ++i; continue; }
    if (c == '%') {  // a comment to the end of the line
      while (i < s.size() && s.at(i) != '\n' && s.at(i) != '\r') ++i;
      continue;
    }
    if (c == '(') {  // a literal string, nested brackets and escapes included
      int depth = 0;
      const qsizetype from = i;
      for (; i < s.size(); ++i) {
        if (s.at(i) == '\\') { ++i; continue; }
        if (s.at(i) == '(') ++depth;
        if (s.at(i) == ')' && --depth == 0) break;
      }
      out.append(s.mid(from, ++i - from));
      continue;
    }
    if (c == '<' && i + 1 < s.size() && s.at(i + 1) != '<') {  // a hex string
      const qsizetype end = s.indexOf('>', i);
      out.append(s.mid(i, end - i + 1));
      i = end + 1;
      continue;
    }
    if (c == '<' || c == '>') {  // a dictionary's brackets
      out.append(s.mid(i, 2));
      i += 2;
      continue;
    }
    if (c == '[' || c == ']' || c == '{' || c == '}') {
      out.append(QByteArray(1, c));
      ++i;
      continue;
    }
    const qsizetype from = i++;
    while (i < s.size() && !QChar::isSpace(uchar(s.at(i))) && !delimiter(s.at(i))) ++i;
    out.append(s.mid(from, i - from));
  }
  return out;
}

bool IsNumber(const QByteArray& t) {
  bool ok = false;
  t.toDouble(&ok);
  return ok;
}

// Runs one page's drawing instructions and collects the strokes, in points with the
// origin at the page's lower left corner.
struct PageRun {
  struct State {
    QTransform ctm;
    double width = 1;
    bool dashed = false;
  };
  State state;
  QList<State> saved;
  QList<QList<QPointF>> path;  // subpaths, in page points
  QList<QPair<QLineF, State>> strokes;
  QList<double> operands;
  bool inArray = false;
  QList<double> array;
  bool lastArrayEmpty = true;

  void Run(const QByteArray& content) {
    bool inText = false;
    for (const QByteArray& t : Tokens(content)) {
      if (t == "[") { inArray = true; array.clear(); continue; }
      if (t == "]") { inArray = false; lastArrayEmpty = array.isEmpty(); continue; }
      if (IsNumber(t)) {
        (inArray ? array : operands).append(t.toDouble());
        continue;
      }
      if (t.startsWith('/') || t.startsWith('(') || t.startsWith('<')) continue;  // names, strings
      if (t == "BT") inText = true;
      if (t == "ET") inText = false;
      if (!inText) Operator(t);
      operands.clear();
    }
  }

  QPointF At(int index) const { return state.ctm.map(QPointF(operands[index], operands[index + 1])); }

  void Operator(const QByteArray& op) {
    const qsizetype n = operands.size();
    if (op == "q") saved.append(state);
    else if (op == "Q" && !saved.isEmpty()) state = saved.takeLast();
    else if (op == "cm" && n == 6)
      state.ctm = QTransform(operands[0], operands[1], operands[2], operands[3], operands[4], operands[5]) * state.ctm;
    else if (op == "w" && n == 1) state.width = operands[0];
    else if (op == "d") state.dashed = !lastArrayEmpty;
    else if (op == "m" && n == 2) path.append({At(0)});
    else if (op == "l" && n == 2 && !path.isEmpty()) path.last().append(At(0));
    else if (op == "h" && !path.isEmpty() && !path.last().isEmpty()) path.last().append(path.last().first());
    else if (op == "re" && n == 4) {
      const double x = operands[0], y = operands[1], w = operands[2], h = operands[3];
      path.append({state.ctm.map(QPointF(x, y)), state.ctm.map(QPointF(x + w, y)),
                   state.ctm.map(QPointF(x + w, y + h)), state.ctm.map(QPointF(x, y + h)),
                   state.ctm.map(QPointF(x, y))});
    } else if (op == "S" || op == "s" || op == "B" || op == "B*" || op == "b" || op == "b*") {
      for (QList<QPointF>& sub : path) {
        if ((op == "s" || op == "b" || op == "b*") && !sub.isEmpty()) sub.append(sub.first());
        for (qsizetype i = 1; i < sub.size(); ++i) strokes.append({QLineF(sub[i - 1], sub[i]), state});
      }
      path.clear();
    } else if (op == "n" || op == "f" || op == "F" || op == "f*") {
      path.clear();
    }
  }
};

}  // namespace

QList<QList<PdfStroke>> ReadPdfStrokes(const QString& pdfPath) {
  QFile file(pdfPath);
  if (!file.open(QIODevice::ReadOnly)) {
    ADD_FAILURE() << "cannot read " << pdfPath.toStdString();
    return {};
  }
  const QByteArray pdf = file.readAll();
  QList<QList<PdfStroke>> pages;
  static const QRegularExpression pageRe(QStringLiteral("/Type\\s*/Page\\b(?!s)"));
  static const QRegularExpression contentsRe(QStringLiteral("/Contents\\s+(\\d+)\\s+0\\s+R"));
  static const QRegularExpression boxRe(
      QStringLiteral("/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s*\\]"));
  const QString text = QString::fromLatin1(pdf);
  for (auto it = pageRe.globalMatch(text); it.hasNext();) {
    const auto page = it.next();
    const qsizetype objStart = text.lastIndexOf(QStringLiteral(" obj"), page.capturedStart());
    const qsizetype objEnd = text.indexOf(QStringLiteral("endobj"), page.capturedStart());
    const QString dict = text.mid(objStart, objEnd - objStart);
    const auto contents = contentsRe.match(dict);
    const auto box = boxRe.match(dict);
    if (!contents.hasMatch() || !box.hasMatch()) continue;
    const double top = box.captured(4).toDouble();
    PageRun run;
    run.Run(StreamData(ObjectBody(pdf, contents.captured(1).toInt())));
    QList<PdfStroke> strokes;
    for (const auto& [line, state] : run.strokes) {
      auto mm = [top](QPointF p) { return QPointF(p.x() * kMmPerPoint, (top - p.y()) * kMmPerPoint); };
      // The pen's width in page points: its width in user space scaled as the space is.
      const double scale = std::sqrt(std::abs(state.ctm.determinant()));
      strokes.append(PdfStroke{mm(line.p1()), mm(line.p2()), state.width * scale * kMmPerPoint, state.dashed});
    }
    pages.append(strokes);
  }
  return pages;
}

}  // namespace testsupport
