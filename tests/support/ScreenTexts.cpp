#include "support/ScreenTexts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

#include "core/QtTranslation.h"

namespace testsupport {

QString MissedTexts::translate(const char* context, const char* source, const char* disambiguation, int) const {
  if (!Untranslatable(QString::fromUtf8(context), QString::fromUtf8(source)))
    missed_.insert(QString::fromUtf8(context) + QStringLiteral(" / ") + QString::fromUtf8(source) +
                   (disambiguation && *disambiguation ? QStringLiteral(" (%1)").arg(QString::fromUtf8(disambiguation))
                                                      : QString()));
  return QString();
}

bool MissedTexts::Untranslatable(const QString& context, const QString& source) {
  static const QSet<QString> same = {"QT_LAYOUT_DIRECTION", "Form", "...", "%1%", "mm", "OK", "Color", "Standard", "Secret",
                                     "&HTML:", "Didot (DD)", "Cicero (CC)", "Pica (P\u0338)"};
  static const QRegularExpression keys(QStringLiteral("^(Alt|Ctrl|Shift|Meta)\\+\\w+$"));
  static const QRegularExpression layout(QStringLiteral("^\\d+ \\(\\dx\\d\\)$"));
  // A paper size named by its code alone, without a word ("A4", "JIS B5", "ANSI C", "PRC 16K").
  static const QRegularExpression paperCode(QStringLiteral("^((JIS|ANSI|PRC) )?[A-E]?\\d*K?$"));
  return context == QLatin1String("QShortcut") || same.contains(source) || keys.match(source).hasMatch() ||
         layout.match(source).hasMatch() ||
         (context == QLatin1String("QPageSize") && paperCode.match(source).hasMatch());
}

QStringList MissedTexts::Missed() const {
  QStringList missed = missed_.values();
  missed.sort();
  return missed;
}

TranslationWatch::TranslationWatch() {
  if (!core::InstallQtTranslation(*qApp)) return;
  ours_ = qApp->findChild<QTranslator*>(QStringLiteral("velorast_qt_translation"));
  if (!ours_) return;
  QCoreApplication::removeTranslator(ours_);
  QCoreApplication::installTranslator(&missed_);
  QCoreApplication::installTranslator(ours_);
}

TranslationWatch::~TranslationWatch() { QCoreApplication::removeTranslator(&missed_); }

namespace {

void MenuTexts(const QList<QAction*>& actions, QStringList& texts, QSet<const QMenu*>& walked) {
  for (const QAction* a : actions) {
    texts << a->text().section('\t', 0, 0) << a->toolTip() << a->statusTip() << a->whatsThis();
    if (const QMenu* menu = a->menu(); menu && !walked.contains(menu)) {
      walked.insert(menu);
      texts << menu->title();
      MenuTexts(menu->actions(), texts, walked);
    }
  }
}

void ViewTexts(const QAbstractItemView& view, QStringList& texts) {
  const QAbstractItemModel* model = view.model();
  if (!model) return;
  std::function<void(const QModelIndex&, int)> rows = [&](const QModelIndex& parent, int depth) {
    for (int r = 0; r < std::min(model->rowCount(parent), 50); ++r) {
      for (int c = 0; c < model->columnCount(parent); ++c) {
        const QModelIndex index = model->index(r, c, parent);
        texts << index.data(Qt::DisplayRole).toString() << index.data(Qt::ToolTipRole).toString();
      }
      if (depth < 2) rows(model->index(r, 0, parent), depth + 1);
    }
  };
  rows(view.rootIndex(), 0);
}

}  // namespace

QStringList ShownTexts(const QWidget& window) {
  QStringList texts;
  QSet<const QMenu*> walked;
  QList<const QWidget*> widgets{&window};
  for (const QWidget* w : window.findChildren<QWidget*>()) widgets << w;
  for (const QWidget* w : widgets) {
    texts << w->windowTitle() << w->toolTip() << w->statusTip() << w->whatsThis();
    MenuTexts(w->actions(), texts, walked);
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) texts << b->text();
    if (const auto* l = qobject_cast<const QLabel*>(w)) texts << l->text();
    if (const auto* g = qobject_cast<const QGroupBox*>(w)) texts << g->title();
    if (const auto* e = qobject_cast<const QLineEdit*>(w)) texts << e->placeholderText();
    if (const auto* n = qobject_cast<const QAbstractSpinBox*>(w)) texts << n->text();
    if (const auto* m = qobject_cast<const QMenu*>(w)) texts << m->title();
    if (const auto* t = qobject_cast<const QTabWidget*>(w))
      for (int i = 0; i < t->count(); ++i) texts << t->tabText(i) << t->tabToolTip(i);
    if (const auto* c = qobject_cast<const QComboBox*>(w))
      for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
    if (const auto* h = qobject_cast<const QHeaderView*>(w); h && h->model())
      for (int i = 0; i < h->count(); ++i) texts << h->model()->headerData(i, h->orientation()).toString();
    else if (const auto* v = qobject_cast<const QAbstractItemView*>(w)) ViewTexts(*v, texts);
  }
  for (const QAction* a : window.findChildren<QAction*>()) MenuTexts({const_cast<QAction*>(a)}, texts, walked);
  for (QString& text : texts) text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  texts.removeAll(QString());
  texts.removeDuplicates();
  return texts;
}

QStringList EnglishTexts(const QStringList& texts) {
  static const QRegularExpression english(
      QStringLiteral("\\b(Jan|Feb|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec|January|February|March|April|June|July|August|"
                     "September|October|November|December|AM|PM|bytes|byte|Yes|No|Close|Restore|Minimize|"
                     "Maximize|Move|Size|Cancel|Open|Save|Print|Printer|Page|Zoom|Folder|File|Files|Directory|Name|Type|"
                     "Modified|Back|Forward|Parent|Detail|List|View|Options|Properties|Copy|Paste|Cut|Undo|Redo|"
                     "Delete|Select|All|Help|About|Menu|Stay|Top|Down|Up|Left|Right|Scroll|here|Edge|KiB|MiB|Cursor at|"
                     "Press|cancel|Custom|Envelope|Fan-fold|German|Small|Big|Invite|Italian|Postcard|Double)\\b"));
  QStringList found;
  for (const QString& text : texts)
    if (english.match(text).hasMatch()) found << text;
  return found;
}

void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

bool WhileModal(const std::function<void()>& open, const std::function<void(QWidget&)>& walk) {
  bool walked = false, walking = false;
  QPointer<QWidget> first;
  QWidget* const before = QApplication::activeModalWidget();
  const auto close = [](QWidget& up) {
    if (auto* dialog = qobject_cast<QDialog*>(&up)) dialog->reject();
    else up.close();
  };
  // A menu shown at the mouse counts as soon as it is up, a dialog once it is modal. The
  // first is walked (what the walk opens is the walk's own); any other that comes up
  // while `open` runs is closed at once, and fails the test, so that nothing waits for a
  // click that never comes.
  const auto walkNew = [&] {
    if (walking) return;
    QWidget* up = QApplication::activePopupWidget();
    if (!up && QApplication::activeModalWidget() != before) up = QApplication::activeModalWidget();
    if (!up) return;
    if (walked) {
      if (up != first)
        ADD_FAILURE() << "a further dialog came up and was closed: \"" << up->windowTitle().toStdString() << "\" ("
                      << up->metaObject()->className() << ")";
      close(*up);
      return;
    }
    walked = true;
    first = up;
    walking = true;
    Settle();
    walk(*up);
    walking = false;
    if (first) close(*first);
  };
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, walkNew);
  poll.start(20);
  open();
  walkNew();  // a menu that `open` showed without waiting for it
  return walked;
}

}  // namespace testsupport
