#pragma once
// A text box of several lines whose text keeps the line breaks of a Windows text box:
// the lines the clerk types are joined by CR LF, and a text set by the program comes
// back exactly as it was set (CR LF, or any other break it holds) until the clerk
// changes it. QPlainTextEdit alone would give every break back as a bare LF.

#include <QPlainTextEdit>

namespace platform {

class MultiLineTextBox : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit MultiLineTextBox(QWidget* parent = nullptr);

  QString Text() const;
  void SetText(const QString& text);

 private:
  QString set_;    // the text as the program set it
  QString shown_;  // how the box showed it then
};

}  // namespace platform
