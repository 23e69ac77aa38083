// The persons search as the clerk waits for it: the main window shown, its real handler
// searching into its real list, and the list laid out and painted; at 20,000, 200,000
// and 1,000,000 persons, for a prefix that matches one row, one that matches about half
// the table, and the full listing. Then a letter typed in the full listing, and the
// search after it.

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTabWidget>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <fstream>
#include <map>

#include "PersonsDatabase.h"
#include "core/AppState.h"
#include "core/Settings.h"
#include "main_window/ListedRecords.h"
#include "main_window/frmVelorast.h"
#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"

namespace {

// Counts the paints of a widget.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// The main window over a database of `persons` persons, shown on its persons tab.
class WindowOver {
 public:
  explicit WindowOver(int persons, bench::Order order = bench::Order::Mixed, bench::Names names = bench::Names::Eight) {
    core::BazaDate = bench::PersonsDatabase(persons, order, names);
    core::settings::UsesBD = true;
    platform::Forms::Unload<frmVelorast>();
    w = platform::Forms::Get<frmVelorast>();
    w->resize(1280, 1000);
    w->show();
    w->tabVelorast->setCurrentIndex(1);
    QApplication::processEvents();
    w->lvwResult->viewport()->installEventFilter(&counter);
  }
  ~WindowOver() {
    platform::Forms::Unload<frmVelorast>();
    core::BazaDate.reset();
  }
  frmVelorast* w;
  PaintCounter counter;
  platform::MessageBoxScript boxes;  // a failure is counted, never waited on
};

using bench::ResidentMegabytes;

// The search by CNP, then the list laid out and painted at once.
void ShownSearch(benchmark::State& state, const QString& criterion) {
  WindowOver window(int(state.range(0)));
  frmVelorast* w = window.w;
  w->optCNP->setChecked(true);
  w->txtCriteriu->setText(criterion);
  for (auto _ : state) {
    w->cmdCauta_Click();
    QCoreApplication::sendPostedEvents();
    w->lvwResult->viewport()->repaint();
  }
  state.counters["rows"] = w->lvwResult->Count();
  state.counters["paints"] = benchmark::Counter(window.counter.paints, benchmark::Counter::kAvgIterations);
  if (auto* listed = dynamic_cast<main_window::ListedRecords*>(w->lvwResult->Rows()))
    state.counters["rows_read"] = double(listed->RowsRead());
  state.counters["rss_MB"] = ResidentMegabytes();
  if (!window.boxes.Shown().isEmpty()) state.SkipWithError(window.boxes.Shown()[0].prompt.toStdString().c_str());
}

// The first twelve digits of a stored CNP, and a star: one person.
void BM_ShownSearchOneRow(benchmark::State& state) {
  ShownSearch(state, bench::Cnp(int(state.range(0)) - 1).left(12) + QLatin1Char('*'));
}
// Every man born before 2000: about half the table.
void BM_ShownSearchHalfTheTable(benchmark::State& state) { ShownSearch(state, QStringLiteral("1*")); }
// An empty criterion: every person.
void BM_ShownListingOfEveryPerson(benchmark::State& state) { ShownSearch(state, QString()); }

BENCHMARK(BM_ShownSearchOneRow)->Apply(bench::Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShownSearchHalfTheTable)->Apply(bench::Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShownListingOfEveryPerson)->Apply(bench::Sizes)->Unit(benchmark::kMillisecond);

// Where the letters are typed: the rows' order in the table, and the current cell of
// the list (a row counted from 0, a column).
struct TypedAt {
  bench::Order order = bench::Order::Mixed;
  int row = 0;
  int column = 0;
  bench::Names names = bench::Names::Eight;
};

// Every person listed, a cell current (the first row's name unless told), and letters
// typed in the list as key presses quickly after each other: the row they select, the
// time of the slowest key, with the resident memory before the first letter and after
// the last.
void TypedLetters(benchmark::State& state, const QString& letters, const TypedAt& at = {}) {
  WindowOver window(int(state.range(0)), at.order, at.names);
  frmVelorast* w = window.w;
  platform::ListView* list = w->lvwResult;
  w->txtCriteriu->clear();
  w->cmdCauta_Click();
  QApplication::processEvents();
  list->setFocus();
  const double before = ResidentMegabytes();
  double slowest = 0;
  for (auto _ : state) {
    state.PauseTiming();
    list->keyboardSearch(QString());  // a letter of its own, not one typed after the last
    list->EnsureVisibleAndSelect(list->Item(at.row + 1));
    list->setCurrentIndex(list->model()->index(at.row, at.column));
    QApplication::processEvents();
    state.ResumeTiming();
    for (const QChar letter : letters) {
      QElapsedTimer key;
      key.start();
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
      QApplication::sendEvent(list, &press);
      slowest = std::max(slowest, double(key.nsecsElapsed()) / 1e6);
    }
    list->viewport()->repaint();
  }
  state.counters["slowest_key_ms"] = slowest;
  state.counters["selected_row"] = platform::ListView::Selected(list->SelectedItem()) ? list->Index(list->SelectedItem()) : 0;
  state.counters["rss_before_MB"] = before;
  state.counters["rss_after_MB"] = ResidentMegabytes();
  if (auto* listed = dynamic_cast<main_window::ListedRecords*>(list->Rows())) state.counters["rows_held"] = listed->RowsHeld();
  if (!window.boxes.Shown().isEmpty()) state.SkipWithError(window.boxes.Shown()[0].prompt.toStdString().c_str());
}

// "p": the third row is the next that starts with it (POPA, after POPESCU).
void BM_TypedLetterMatchingTheFirstRows(benchmark::State& state) { TypedLetters(state, QStringLiteral("p")); }
// "x": no person's name starts with it.
void BM_TypedLetterMatchingNoRow(benchmark::State& state) { TypedLetters(state, QStringLiteral("x")); }
// The whole name of the last person, letter by letter: the last letters match that row
// alone, at the end of the list.
void BM_TypedNameOfTheLastPerson(benchmark::State& state) {
  TypedLetters(state, QStringLiteral("ţurcanu ion %1").arg(state.range(0) - 1));
}

BENCHMARK(BM_TypedLetterMatchingTheFirstRows)->Apply(bench::Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypedLetterMatchingNoRow)->Apply(bench::Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypedNameOfTheLastPerson)->Apply(bench::Sizes)->Unit(benchmark::kMillisecond);

// The persons stored in blocks by name (IONESCU, MUNTEANU, POPA, POPESCU, RADU, STAN,
// ŞERBAN, ŢURCANU, each an eighth of the rows), and a letter whose names all lie in
// blocks far from the current row: "p" typed on the first RADU, whose names lie before
// it (the search goes on past the end, from the first row) ...
void BM_TypedLetterOfNamesBeforeTheCurrentRow(benchmark::State& state) {
  TypedLetters(state, QStringLiteral("p"), {bench::Order::ByName, int(state.range(0) / 2), 0});
}
// ... and "s" typed on the first row, the first IONESCU, whose names lie after it, in
// the block of STAN.
void BM_TypedLetterOfNamesInABlockAfterTheCurrentRow(benchmark::State& state) {
  TypedLetters(state, QStringLiteral("s"), {bench::Order::ByName, 0, 0});
}
// A digit typed in the column of the identity card numbers (100000 and on, one a
// person): "9" begins the numbers of the persons from 800,000 on, and no number of the
// smaller tables.
void BM_TypedDigitInTheNumberColumn(benchmark::State& state) {
  TypedLetters(state, QStringLiteral("9"), {bench::Order::Mixed, 0, 2});
}
// A letter typed in the column of the identity card series ("RX" for every person)
// that no series begins with.
void BM_TypedLetterInTheSeriesColumnMatchingNoRow(benchmark::State& state) {
  TypedLetters(state, QStringLiteral("z"), {bench::Order::Mixed, 0, 1});
}

// The persons stored in the order of their CNPs, as an import sorted by CNP leaves
// them (the men born before 2000, about 45 in 100, then the women, then those born
// since): "1" typed in the CNP column on the first woman, every man's CNP lying before.
void BM_TypedDigitOfCnpsBeforeTheCurrentRow(benchmark::State& state) {
  const int persons = int(state.range(0));
  // the men are those of the first rows: as many rows as CNPs that start with 1
  int men = 0;
  for (int i = 0; i < persons; ++i) men += bench::Cnp(i).startsWith(QLatin1Char('1'));
  TypedLetters(state, QStringLiteral("1"), {bench::Order::ByCnp, men, 3});
}

BENCHMARK(BM_TypedLetterOfNamesBeforeTheCurrentRow)->Apply(bench::Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypedLetterOfNamesInABlockAfterTheCurrentRow)->Apply(bench::Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypedDigitInTheNumberColumn)->Apply(bench::Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypedLetterInTheSeriesColumnMatchingNoRow)->Apply(bench::Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypedDigitOfCnpsBeforeTheCurrentRow)->Apply(bench::Sizes)->Unit(benchmark::kMillisecond);

// Half the persons named POPESCU or POPA, stored in blocks by name (IONESCU, MUNTEANU,
// then the half whose names start with P, then RADU, STAN, ŞERBAN and ŢURCANU): "p"
// typed on the first row, the P names all after it ...
void BM_TypedLetterHalfTheNamesStartWithAfterTheCurrentRow(benchmark::State& state) {
  TypedLetters(state, QStringLiteral("p"), {bench::Order::ByName, 0, 0, bench::Names::HalfWithP});
}
// ... on the first RADU, the P names all before it ...
void BM_TypedLetterHalfTheNamesStartWithBeforeTheCurrentRow(benchmark::State& state) {
  const int persons = int(state.range(0));
  int beforeRadu = 0;  // the rows before the first RADU: the names that sort before it
  for (int i = 0; i < persons; ++i)
    beforeRadu += bench::Name(i, bench::Names::HalfWithP).toUtf8() < QByteArray("RADU");
  TypedLetters(state, QStringLiteral("p"), {bench::Order::ByName, beforeRadu, 0, bench::Names::HalfWithP});
}
// ... "popescu" typed letter by letter on the first row: each longer prefix still
// shared by a quarter of the table, the POPA block before the POPESCU one ...
void BM_TypedSurnameHalfTheNamesStartWith(benchmark::State& state) {
  TypedLetters(state, QStringLiteral("popescu"), {bench::Order::ByName, 0, 0, bench::Names::HalfWithP});
}
// ... and the same with the names mixed, row by row.
void BM_TypedSurnameHalfTheNamesStartWithMixed(benchmark::State& state) {
  TypedLetters(state, QStringLiteral("popescu"), {bench::Order::Mixed, 1, 0, bench::Names::HalfWithP});
}
// "popescu" in the blocks of a quarter (the eight surnames), typed on the first RADU,
// the POPA and POPESCU blocks before it.
void BM_TypedSurnameOfABlockBeforeTheCurrentRow(benchmark::State& state) {
  TypedLetters(state, QStringLiteral("popescu"), {bench::Order::ByName, int(state.range(0) / 2), 0});
}

BENCHMARK(BM_TypedLetterHalfTheNamesStartWithAfterTheCurrentRow)->Apply(bench::Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypedLetterHalfTheNamesStartWithBeforeTheCurrentRow)->Apply(bench::Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypedSurnameHalfTheNamesStartWith)->Apply(bench::Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypedSurnameHalfTheNamesStartWithMixed)->Apply(bench::Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypedSurnameOfABlockBeforeTheCurrentRow)->Apply(bench::Sizes)->Unit(benchmark::kMillisecond);

// The one-row search by CNP right after a letter that matched no row was typed in the
// full listing: it costs what it costs without the letter.
void BM_ShownSearchOneRowAfterATypedLetter(benchmark::State& state) {
  WindowOver window(int(state.range(0)));
  frmVelorast* w = window.w;
  w->txtCriteriu->clear();
  w->cmdCauta_Click();
  QApplication::processEvents();
  w->lvwResult->setFocus();
  w->lvwResult->EnsureVisibleAndSelect(w->lvwResult->Item(1));
  QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
  QApplication::sendEvent(w->lvwResult, &press);
  const double before = ResidentMegabytes();
  w->optCNP->setChecked(true);
  w->txtCriteriu->setText(bench::Cnp(int(state.range(0)) - 1).left(12) + QLatin1Char('*'));
  for (auto _ : state) {
    w->cmdCauta_Click();
    QCoreApplication::sendPostedEvents();
    w->lvwResult->viewport()->repaint();
  }
  state.counters["rows"] = w->lvwResult->Count();
  state.counters["rss_after_letter_MB"] = before;
}
BENCHMARK(BM_ShownSearchOneRowAfterATypedLetter)->Apply(bench::Sizes)->Unit(benchmark::kMillisecond);

// The buyer's add ("Adauga") of a new person to a table of that many persons, as the
// clerk makes it: the key looked up and the row written, with every index of the table;
// and the size of the file that holds the persons.
void BM_PersonAdded(benchmark::State& state) {
  WindowOver window(int(state.range(0)));
  frmVelorast* w = window.w;
  // The size before the first add of any run: each run adds to the same file.
  static std::map<int, double> sizes;
  const double fileMegabytes =
      sizes.try_emplace(int(state.range(0)), double(QFileInfo(core::BazaDate->Path()).size()) / (1024.0 * 1024.0))
          .first->second;
  static qint64 added = 0;  // over every run of the benchmark: each adds new persons
  for (auto _ : state) {
    w->txtVerso[1]->setText(QStringLiteral("ADAUGAT ION %1").arg(added));
    w->txtVerso[2]->setText(QStringLiteral("AD"));
    w->txtVerso[3]->setText(QString::number(700000 + added));
    w->txtVerso[4]->setText(QStringLiteral("9%1").arg(added, 12, 10, QLatin1Char('0')));
    w->cmdSave1_Click();
    ++added;
  }
  state.counters["file_MB"] = fileMegabytes;
  if (!window.boxes.Shown().isEmpty()) state.SkipWithError(window.boxes.Shown()[0].prompt.toStdString().c_str());
}
BENCHMARK(BM_PersonAdded)->Apply(bench::Sizes)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// Where the clerk writes from: right after the start (the window's set of every person,
// none of its ids read yet), after a search of one person by CNP, or after the listing
// of every person.
enum From { kAfterStart, kAfterOneRowSearch, kAfterTheFullListing };

// The window made ready for the write, outside the time measured: the start again, or
// the search.
void MadeReady(WindowOver& window, int from, const QString& cnp) {
  if (from == kAfterStart) {
    platform::Forms::Unload<frmVelorast>();
    window.w = platform::Forms::Get<frmVelorast>();
    window.w->resize(1280, 1000);
    window.w->show();
    window.w->tabVelorast->setCurrentIndex(1);
  } else {
    window.w->optCNP->setChecked(true);
    window.w->txtCriteriu->setText(from == kAfterOneRowSearch ? cnp : QString());
    window.w->cmdCauta_Click();
  }
  QApplication::processEvents();
}

// The buyer's boxes for a person.
void Fill(frmVelorast* w, const QString& name, const QString& number, const QString& cnp) {
  w->txtVerso[1]->setText(name);
  w->txtVerso[2]->setText(QStringLiteral("AD"));
  w->txtVerso[3]->setText(number);
  w->txtVerso[4]->setText(cnp);
}

void Written(benchmark::State& state, WindowOver& window, int expectedBoxes) {
  state.counters["rss_MB"] = ResidentMegabytes();
  const QStringList prompts = window.boxes.Prompts();
  if (prompts.size() != expectedBoxes)
    state.SkipWithError((prompts.isEmpty() ? QStringLiteral("no message") : prompts.back()).toStdString().c_str());
}

// The first add, modify and delete after the start or a search (each made anew before
// each write), with every index of the table; the delete with the list's repaint that
// follows it.
void BM_PersonAddedFirst(benchmark::State& state) {
  WindowOver window(int(state.range(0)));
  static qint64 added = 0;  // over every run: each adds new persons
  for (auto _ : state) {
    state.PauseTiming();
    MadeReady(window, int(state.range(1)), bench::Cnp(int(state.range(0)) / 2));
    Fill(window.w, QStringLiteral("PRIMUL ION %1").arg(added), QString::number(800000 + added),
         QStringLiteral("8%1").arg(added, 12, 10, QLatin1Char('0')));
    ++added;
    state.ResumeTiming();
    window.w->cmdSave1_Click();
  }
  Written(state, window, 0);
}
void BM_PersonModifiedFirst(benchmark::State& state) {
  const int persons = int(state.range(0));
  WindowOver window(persons);
  int modified = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const int person = persons / 2 + modified;
    MadeReady(window, int(state.range(1)), bench::Cnp(person));
    Fill(window.w, QStringLiteral("MODIFICAT ION %1").arg(modified), QString::number(100000 + person), bench::Cnp(person));
    ++modified;
    state.ResumeTiming();
    window.w->cmdEdit1_Click();
  }
  Written(state, window, 0);
}
void BM_PersonDeletedFirst(benchmark::State& state) {
  const int persons = int(state.range(0));
  WindowOver window(persons);
  static int deleted = 0;  // over every run: each deletes other persons
  int asked = 0;
  int paints = 0;  // of the list, after the deletes
  for (auto _ : state) {
    state.PauseTiming();
    const int person = persons / 3 + deleted++;
    MadeReady(window, int(state.range(1)), bench::Cnp(person));
    platform::ListView* list = window.w->lvwResult;
    list->EnsureVisibleAndSelect(list->Item(int(state.range(1)) == kAfterOneRowSearch ? 1 : person + 1));
    QApplication::processEvents();
    window.boxes.Answer(platform::vbYes);
    ++asked;
    window.counter.paints = 0;
    state.ResumeTiming();
    window.w->cmdDelete_Click();
    // and the list laid out again and repainted, as the clerk sees it
    QApplication::processEvents();
    paints += window.counter.paints;
  }
  state.counters["list_paints"] = benchmark::Counter(paints, benchmark::Counter::kAvgIterations);
  Written(state, window, asked);  // the question alone
}
BENCHMARK(BM_PersonAddedFirst)
    ->Apply(bench::SizesWith<kAfterStart, kAfterOneRowSearch, kAfterTheFullListing>)
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PersonModifiedFirst)
    ->Apply(bench::SizesWith<kAfterStart, kAfterOneRowSearch, kAfterTheFullListing>)
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PersonDeletedFirst)
    ->Apply(bench::SizesWith<kAfterOneRowSearch, kAfterTheFullListing>)
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

}  // namespace
