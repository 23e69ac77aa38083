#pragma once
// A text that tells two rich-text documents apart by everything RTF keeps of them: the
// default tab stops, each paragraph's alignment, indents, page break and mark format,
// and its runs of text with their face, size, bold, italic, underline, colour and link
// target (adjacent runs of one format counted as one). Header only, so that the fuzz
// targets use it too.

#include <QColor>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <cmath>

namespace testsupport {

// The format as it shows: what it leaves unset comes from the document's font.
inline QString DescribeCharFormat(const QTextCharFormat& f, const QFont& base) {
  const QFont shown = f.font().resolve(base);
  const QStringList families = f.fontFamilies().toStringList();
  const QString colour = f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush
                             ? f.foreground().color().name()
                             : QStringLiteral("auto");
  const QString link = f.anchorHref().isEmpty() ? QString() : QStringLiteral(" link<%1>").arg(f.anchorHref());
  return QStringLiteral("%1 %2pt%3%4%5 %6%7")
      .arg(families.value(0, QStringLiteral("-")))
      .arg(shown.pointSizeF())
      .arg(shown.weight() > QFont::Medium ? QStringLiteral(" b") : QString())
      .arg(shown.italic() ? QStringLiteral(" i") : QString())
      .arg(shown.underline() ? QStringLiteral(" u") : QString())
      .arg(colour, link);
}

inline QString DescribeRichText(const QTextDocument& doc) {
  QStringList lines;
  lines << QStringLiteral("tabs %1").arg(std::lround(doc.defaultTextOption().tabStopDistance() * 15));
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    const QTextBlockFormat p = b.blockFormat();
    const Qt::Alignment a = p.alignment();
    const char* align = a & Qt::AlignHCenter ? "centre" : a & Qt::AlignRight ? "right" : a & Qt::AlignJustify ? "justify" : "left";
    const bool pageBreak = p.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
    lines << QStringLiteral("para %1%2 li%3 ri%4 fi%5 mark[%6]")
                 .arg(QLatin1String(align), pageBreak ? QStringLiteral(" pagebreak") : QString())
                 .arg(std::lround(p.leftMargin() * 15))
                 .arg(std::lround(p.rightMargin() * 15))
                 .arg(std::lround(p.textIndent() * 15))
                 .arg(DescribeCharFormat(b.charFormat(), doc.defaultFont()));
    QString format, text;
    const auto flush = [&] {
      if (!text.isEmpty()) lines << QStringLiteral("  [%1] %2").arg(format, text);
      text.clear();
    };
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QString f = DescribeCharFormat(it.fragment().charFormat(), doc.defaultFont());
      if (f != format) flush();
      format = f;
      text += it.fragment().text();
    }
    flush();
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace testsupport
