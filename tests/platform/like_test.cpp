// LIKE with the clerk's wildcards, and texts with an apostrophe, through real SQL.

#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <vector>

#include "platform/database/Database.h"
#include "platform/database/Like.h"
#include "platform/database/QueryText.h"

using platform::Database;

namespace {

class LikeTest : public testing::Test {
 protected:
  void SetUp() override {
    db_ = Database::CreateDatabase(dir_.filePath(QStringLiteral("like.db")), QStringLiteral("pw"));
  }
  QTemporaryDir dir_;
  std::shared_ptr<Database> db_;
};

TEST_F(LikeTest, WildcardsAsTheClerkTypesThem) {
  struct Case { const char* text; const char* pattern; bool match; } cases[] = {
      {"FontDrav", "FontDrav", true},       // no wildcard: the whole text
      {"FontDrav", "fontdrav", true},       // letter case does not count
      {"FontDrav2", "FontDrav", false},
      {"1850331123456", "1850331", false},
      {"1850331123456", "1850331*", true},
      {"1850331", "1850331*", true},        // * takes the empty run too
      {"POPESCU ION", "Popescu", false},
      {"POPESCU ION", "popescu*", true},
      {"POPESCU ION", "*ion", true},
      {"POPESCU ION", "*esc*", true},
      {"POPESCU ION", "P?PESCU ION", true},
      {"POPESCU ION", "P?ESCU ION", false},
      {"B-12-ABC", "B-##-???", true},
      {"B-1A-ABC", "B-##-???", false},
      {"Ana", "[abc]na", true},
      {"Dana", "[abc]na", false},
      {"Dana", "[!abc]ana", true},
      {"Ana", "[!abc]na", false},
      {"Mara", "[k-n]ara", true},
      {"Sara", "[k-n]ara", false},
      {"a-b", "a[-]b", true},
      {"a*b", "a[*]b", true},
      {"axb", "a[*]b", false},
      {"a?b", "a[?]b", true},
      {"a#b", "a[#]b", true},
      {"ŞTEFĂNESCU ȘERBAN", "ştefănescu *", true},  // diacritics fold too
      {"ȚĂRANU", "țăr*", true},
      {"Îngheţ", "?NGHEŢ", true},
      {"O'Brien", "O'*", true},              // the apostrophe is an ordinary character
      {"O'Brien", "o'brien", true},
      {"OBrien", "O'*", false},
      {"", "*", true},
      {"", "?", false},
      {"abc", "a**c", true},
      {"aaab", "*a*b", true},
      {"aaac", "*a*b", false},
  };
  for (const Case& c : cases) {
    const QVariant result = db_->Scalar(QStringLiteral("SELECT ? LIKE ?"),
                                        {QString::fromUtf8(c.text), QString::fromUtf8(c.pattern)});
    EXPECT_EQ(result.toInt() == 1, c.match) << c.text << " LIKE " << c.pattern;
    EXPECT_EQ(platform::db_detail::LikeMatches(QString::fromUtf8(c.text), QString::fromUtf8(c.pattern)),
              c.match)
        << c.text << " LIKE " << c.pattern;
  }
  EXPECT_TRUE(db_->Scalar(QStringLiteral("SELECT NULL LIKE 'a'")).isNull());
  EXPECT_EQ(db_->Scalar(QStringLiteral("SELECT 'a%b' LIKE 'a!%b' ESCAPE '!'")).toInt(), 1);
}

// An apostrophe typed by the clerk is stored, searched and found like any character.
TEST_F(LikeTest, ApostropheIsStoredSearchedAndFound) {
  db_->Execute(QStringLiteral("CREATE TABLE Persoane (Id INTEGER PRIMARY KEY, Nume TEXT, CNP TEXT)"));
  auto rs = db_->OpenRecordset(QStringLiteral("SELECT * FROM Persoane"));
  for (const char* name : {"D'ARTAGNAN", "O'NEIL MARY", "ONEIL"}) {
    rs->AddNew();
    rs->Fields(QStringLiteral("Nume")).SetValue(QString::fromLatin1(name));
    rs->Fields(QStringLiteral("CNP")).SetValue(QStringLiteral("1'2"));
    rs->Update();
  }
  struct Case { const char* pattern; int count; } cases[] = {
      {"D'ARTAGNAN", 1}, {"o'neil*", 1}, {"*'*", 2}, {"'", 0}, {"' OR '1'='1", 0}};
  for (const Case& c : cases) {
    auto found = db_->OpenRecordset(QStringLiteral("SELECT * FROM Persoane WHERE Nume LIKE ?"),
                                    {QString::fromLatin1(c.pattern)});
    EXPECT_EQ(found->RecordCount(), c.count) << c.pattern;
  }
  rs->FindFirst(QStringLiteral("Nume = ?"), {"O'NEIL MARY"});
  ASSERT_FALSE(rs->NoMatch());
  EXPECT_EQ(rs->Fields(QStringLiteral("CNP")).Text(), QStringLiteral("1'2"));
}

// A pattern that begins with digits gets a range beside it, which the index on the
// column can serve; the rows found stay exactly those of the LIKE alone.
TEST_F(LikeTest, ExactPrefixUsesTheIndexAndFindsTheSameRows) {
  db_->Execute(QStringLiteral(
      "CREATE TABLE Persoane (Id INTEGER PRIMARY KEY, Nume TEXT, CNP TEXT);"
      "CREATE INDEX PersoaneCNP ON Persoane (CNP);"));
  db_->InTransaction([&] {
    for (int i = 0; i < 500; ++i)
      db_->Execute(QStringLiteral("INSERT INTO Persoane (Nume, CNP) VALUES (?, ?)"),
                   {QStringLiteral("P%1").arg(i), QStringLiteral("18%1").arg(i * 37 % 1000, 3, 10, QLatin1Char('0'))});
  });
  const QSet<QString> textColumns{QStringLiteral("nume"), QStringLiteral("cnp")};
  using platform::db_detail::WithLikeRanges;

  struct Case { const char* where; const char* pattern; bool ranged; bool indexed = ranged; } cases[] = {
      {" WHERE CNP LIKE ?", "185*", true},
      {" WHERE CNP LIKE ?", "18512", true},
      {" WHERE CNP LIKE ?", "1#5*", true},
      {" WHERE (Persoane.CNP LIKE ?) ORDER BY Nume", "18?", true},
      {" WHERE CNP LIKE ? OR Nume = 'P1'", "185*", true, false},
      {" WHERE Nume LIKE ?", "p1*", false},          // letters have another case
      {" WHERE CNP LIKE ?", "*5", false},            // no exact prefix
      {" WHERE CNP || 'x' LIKE ?", "185*", false},   // not a plain column
      {" WHERE CNP LIKE ? || '*'", "185", false},    // the pattern is an expression
      {" WHERE CNP NOT LIKE ?", "185*", false},
  };
  for (const Case& c : cases) {
    const QString where = QString::fromLatin1(c.where);
    const QString pattern = QString::fromLatin1(c.pattern);
    const auto bound = WithLikeRanges(where, {pattern}, textColumns);
    EXPECT_EQ(bound.sql.contains(QLatin1String(">=")), c.ranged) << bound.sql.toStdString();

    auto plain = db_->OpenRecordset(QStringLiteral("SELECT * FROM Persoane") + where, {pattern});
    auto count = db_->Scalar(QStringLiteral("SELECT count(*) FROM Persoane") + where, {pattern});
    EXPECT_EQ(plain->RecordCount(), count.toInt()) << c.where << " " << c.pattern;

    if (c.indexed) {
      sqlite3_stmt* stmt = nullptr;
      const QByteArray sql = (QStringLiteral("EXPLAIN QUERY PLAN SELECT rowid FROM Persoane") + bound.sql).toUtf8();
      ASSERT_EQ(sqlite3_prepare_v2(db_->Handle(), sql.constData(), -1, &stmt, nullptr), SQLITE_OK);
      QString plan;
      while (sqlite3_step(stmt) == SQLITE_ROW)
        plan += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3)));
      sqlite3_finalize(stmt);
      EXPECT_TRUE(plan.contains(QLatin1String("PersoaneCNP"))) << plan.toStdString();
    }
  }
}

}  // namespace

// The characters that LIKE takes for one: its other case, and the few others that fold
// as it does.
TEST(FoldsAlike, EveryCharacterThatLikeTakesForIt) {
  const struct {
    QChar c;
    QString alike;
  } cases[] = {
      {u'a', "Aa"}, {u'A', "Aa"}, {u'k', QStringLiteral("Kk") + QChar(0x212A)}, {u'ş', "Şş"},
      {u'Ţ', "Ţţ"}, {u'1', "1"},  {u'*', "*"},
  };
  for (const auto& c : cases) {
    QString alike = platform::db_detail::FoldsAlike(c.c);
    std::sort(alike.begin(), alike.end());
    EXPECT_EQ(alike, c.alike) << QString(c.c).toStdString();
    for (const QChar x : alike) EXPECT_TRUE(platform::db_detail::LikeMatches(QString(x), QString(c.c)));
  }
}

// Every character of the Basic Multilingual Plane, against Qt's own case folding: the
// characters that fold as it does, in their code order, or itself alone (a surrogate).
TEST(FoldsAlike, EveryCharacterAsQtFoldsIt) {
  std::vector<QString> byFold(0x10000);
  for (char32_t x = 0; x <= 0xFFFF; ++x)
    if (!QChar::isSurrogate(x)) byFold[char16_t(QChar::toCaseFolded(x))].append(QChar(char16_t(x)));
  int wrong = 0;
  for (char32_t c = 0; c <= 0xFFFF; ++c) {
    const QString& same = byFold[char16_t(QChar::toCaseFolded(c))];
    const QString expected = same.isEmpty() ? QString(QChar(char16_t(c))) : same;
    const QString alike = platform::db_detail::FoldsAlike(QChar(char16_t(c)));
    if (alike != expected && ++wrong <= 5)
      ADD_FAILURE() << "U+" << QString::number(c, 16).toStdString() << ": " << alike.size() << " characters, "
                    << expected.size() << " expected";
  }
  EXPECT_EQ(wrong, 0);
}
