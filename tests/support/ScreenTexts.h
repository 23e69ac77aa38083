#pragma once
// What the clerk reads on a window, gathered for the language tests: every text its
// widgets show (captions, titles, tips, list cells, menus), and the Qt texts that the
// program's translation lacks, which would show in English.

#include <QSet>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <functional>

class QWidget;

namespace testsupport {

// Installed under the program's translation, so that it is asked only for the texts that
// translation lacks: those stay English on screen.
class MissedTexts : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char* disambiguation, int n) const override;
  bool isEmpty() const override { return false; }

  // Texts that read the same in Romanian: key names and key sequences, paper sizes named
  // by their code alone ("A4"), numbers and placeholders, and the titles of inner parts
  // never shown alone; and the writing direction, asked for whenever a translation comes
  // or goes.
  static bool Untranslatable(const QString& context, const QString& source);

  QStringList Missed() const;
  void Clear() { missed_.clear(); }

 private:
  mutable QSet<QString> missed_;
};

// While it lives, the program's translation is installed with a MissedTexts beneath it.
class TranslationWatch {
 public:
  TranslationWatch();
  ~TranslationWatch();
  TranslationWatch(const TranslationWatch&) = delete;
  TranslationWatch& operator=(const TranslationWatch&) = delete;

  bool Installed() const { return ours_ != nullptr; }
  MissedTexts& Missed() { return missed_; }

 private:
  MissedTexts missed_;
  QTranslator* ours_ = nullptr;
};

// Every text a window shows on itself and its widgets, the accelerator marks and the
// shortcuts after a tab taken out: titles, captions, tips, tab and list texts, the cells
// its lists show, the numbers its number boxes show, and the actions of its menus and of
// the menus under them.
QStringList ShownTexts(const QWidget& window);

// The texts among `texts` that an English desktop would show: dates with English month
// names, and Qt's own English words.
QStringList EnglishTexts(const QStringList& texts);

// Runs events a few times, so that what a window queued at its showing has run.
void Settle();

// Runs open, which shows a modal dialog or a menu (and may wait for it); walk is called
// with the dialog or the menu as soon as it is up, and it is then closed as the clerk's
// Esc would close it. Every further dialog or menu that `open` shows is closed as soon as
// it is up, and fails the test. False when nothing came up.
bool WhileModal(const std::function<void()>& open, const std::function<void(QWidget&)>& walk);

}  // namespace testsupport
