// The persons and vehicles of a demonstration database: made-up people, firms and
// vehicles with well-formed codes, always the same.

#include <array>

#include "core/DatabaseSchema.h"

namespace core::schema {
namespace {

struct Person {
  const char* surname;
  const char* firstName;
  bool male;
  int year, month, day;
  int county;  // the CNP's county code (40..46 for Bucharest)
  const char* father;
  const char* mother;
  const char* birthPlace;
  const char* locality;
  const char* street;
  const char* sector;  // "SECTOR 3" or the county
  const char* postalCode;
  const char* profession;
};

const Person kPersons[] = {
    {"POPESCU", "ION", true, 1985, 3, 31, 41, "GHEORGHE", "MARIA", "BUCURESTI", "BUCURESTI", "CALEA VICTORIEI", "SECTOR 1", "010063", "INGINER"},
    {"IONESCU", "ELENA", false, 1972, 11, 2, 42, "VASILE", "ANA", "BUCURESTI", "BUCURESTI", "SOS. OLTENITEI", "SECTOR 4", "041313", "PROFESOR"},
    {"POPA", "MIHAI", true, 1990, 7, 14, 12, "NICOLAE", "IOANA", "CLUJ-NAPOCA", "CLUJ-NAPOCA", "STR. MEMORANDUMULUI", "CLUJ", "400114", "PROGRAMATOR"},
    {"RADU", "ANDREEA", false, 1988, 1, 9, 22, "DUMITRU", "ELENA", "IASI", "IASI", "BD. CAROL I", "IASI", "700505", "MEDIC"},
    {"DUMITRU", "CONSTANTIN", true, 1965, 5, 21, 13, "ION", "FLOAREA", "CONSTANTA", "CONSTANTA", "BD. TOMIS", "CONSTANTA", "900725", "MECANIC AUTO"},
    {"STAN", "GABRIELA", false, 1979, 9, 30, 35, "PETRE", "VIORICA", "TIMISOARA", "TIMISOARA", "BD. REVOLUTIEI", "TIMIS", "300024", "ECONOMIST"},
    {"STOICA", "ALEXANDRU", true, 1995, 12, 5, 43, "MARIN", "RODICA", "BUCURESTI", "BUCURESTI", "STR. BARBU VACARESCU", "SECTOR 2", "020276", "STUDENT"},
    {"GHEORGHE", "MARIANA", false, 1960, 4, 17, 8, "STEFAN", "ELISABETA", "BRASOV", "BRASOV", "STR. REPUBLICII", "BRASOV", "500030", "PENSIONAR"},
    {"MATEI", "ANDREI", true, 1983, 8, 8, 5, "IOAN", "MARIA", "ORADEA", "ORADEA", "STR. REPUBLICII", "BIHOR", "410167", "SOFER"},
    {"CIOBANU", "IOANA", false, 1992, 2, 29, 44, "MIRCEA", "CARMEN", "BUCURESTI", "BUCURESTI", "CALEA VACARESTI", "SECTOR 4", "040052", "ASISTENT MEDICAL"},
    {"ROSU", "DANIEL", true, 1977, 6, 11, 29, "AUREL", "GEORGETA", "PLOIESTI", "PLOIESTI", "STR. GHEORGHE DOJA", "PRAHOVA", "100068", "ELECTRICIAN"},
    {"MUNTEANU", "CRISTINA", false, 1986, 10, 23, 16, "VIOREL", "LUMINITA", "CRAIOVA", "CRAIOVA", "CALEA BUCURESTI", "DOLJ", "200440", "CONTABIL"},
    {"NISTOR", "FLORIN", true, 1970, 3, 3, 45, "EMIL", "DOINA", "BUCURESTI", "BUCURESTI", "BD. IULIU MANIU", "SECTOR 6", "061083", "TEHNICIAN"},
    {"SERBAN", "LAURA", false, 1998, 5, 16, 4, "COSTEL", "MIRELA", "BACAU", "BACAU", "STR. MARASESTI", "BACAU", "600017", "VANZATOR"},
    {"TUDOR", "VLAD", true, 1981, 12, 25, 33, "SORIN", "ADRIANA", "SUCEAVA", "SUCEAVA", "STR. NICOLAE BALCESCU", "SUCEAVA", "720034", "AVOCAT"},
    {"BALAN", "OANA", false, 1975, 7, 1, 17, "TRAIAN", "ELENA", "GALATI", "GALATI", "STR. DOMNEASCA", "GALATI", "800008", "FARMACIST"},
    {"DRAGOMIR", "COSMIN", true, 1993, 9, 9, 46, "LIVIU", "SIMONA", "BUCURESTI", "BUCURESTI", "SOS. BERCENI", "SECTOR 4", "041916", "BUCATAR"},
    {"MOLDOVAN", "RALUCA", false, 1984, 4, 4, 32, "IOSIF", "ANA", "SIBIU", "SIBIU", "STR. NICOLAE BALCESCU", "SIBIU", "550159", "ARHITECT"},
    {"NEAGU", "PETRU", true, 1958, 1, 20, 15, "VASILE", "MARIA", "TARGOVISTE", "TARGOVISTE", "CALEA DOMNEASCA", "DAMBOVITA", "130008", "PENSIONAR"},
    {"CONSTANTIN", "DIANA", false, 1991, 11, 11, 3, "FLORIN", "DANIELA", "PITESTI", "PITESTI", "STR. VICTORIEI", "ARGES", "110017", "JURNALIST"},
    {"LUPU", "ADRIAN", true, 1987, 2, 14, 21, "CORNEL", "MARIOARA", "SLOBOZIA", "SLOBOZIA", "STR. LACULUI", "IALOMITA", "920011", "AGRICULTOR"},
    {"FLOREA", "ALINA", false, 2001, 6, 6, 42, "MARIUS", "CAMELIA", "BUCURESTI", "BUCURESTI", "STR. TURNU MAGURELE", "SECTOR 4", "041705", "STUDENT"},
    {"MARIN", "GEORGE", true, 2002, 8, 19, 40, "NICU", "IRINA", "BUCURESTI", "BUCURESTI", "BD. UNIRII", "SECTOR 3", "030833", "OSPATAR"},
    {"ENACHE", "SIMONA", false, 1969, 10, 10, 10, "GRIGORE", "STANCA", "BUZAU", "BUZAU", "BD. NICOLAE BALCESCU", "BUZAU", "120260", "CROITOR"},
    {"SANDU", "CATALIN", true, 1980, 5, 5, 7, "DORIN", "LENUTA", "BOTOSANI", "BOTOSANI", "CALEA NATIONALA", "BOTOSANI", "710019", "POLITIST"},
    {"BARBU", "ROXANA", false, 1994, 3, 27, 36, "TEODOR", "FLORICA", "TULCEA", "TULCEA", "STR. PACII", "TULCEA", "820009", "EDUCATOARE"},
    {"ANGHEL", "RAZVAN", true, 1976, 7, 29, 38, "OCTAVIAN", "ELENA", "RAMNICU VALCEA", "RAMNICU VALCEA", "STR. GENERAL MAGHERU", "VALCEA", "240191", "ZIDAR"},
    {"VOICU", "CORINA", false, 1989, 12, 12, 26, "ILIE", "MARIA", "TARGU MURES", "TARGU MURES", "PIATA TRANDAFIRILOR", "MURES", "540049", "DESIGNER"},
};

struct Firm {
  const char* name;
  const char* registry;  // trade-register number
  int cui;               // fiscal code without its control digit
  const char* locality;
  const char* street;
  const char* number;
  const char* sector;
  const char* postalCode;
};

const Firm kFirms[] = {
    {"SC AUTO TRANS EXPRES SRL", "J40/1234/2001", 1439984, "BUCURESTI", "SOS. PIPERA", "42", "SECTOR 2", "020112"},
    {"SC CARPATI LEASING SA", "J12/2210/1998", 1072345, "CLUJ-NAPOCA", "STR. FABRICII", "9", "CLUJ", "400620"},
    {"SC DUNAREA MARFA SRL", "J17/845/2005", 1739201, "GALATI", "STR. PORTULUI", "15", "GALATI", "800025"},
    {"SC VEST CONSTRUCT SRL", "J35/3312/2010", 2715568, "TIMISOARA", "CALEA ARADULUI", "110", "TIMIS", "300645"},
    {"SC MOLDOVA AGRO SRL", "J22/1456/2003", 1560932, "IASI", "SOS. PACURARI", "78", "IASI", "700511"},
    {"SC LITORAL TURISM SRL", "J13/987/2007", 2149076, "CONSTANTA", "BD. MAMAIA", "255", "CONSTANTA", "900552"},
    {"SC BRAVO DISTRIBUTIE SRL", "J29/604/2012", 3011457, "PLOIESTI", "STR. DEPOULUI", "3", "PRAHOVA", "100390"},
    {"SC ARDEAL SERVICE AUTO SRL", "J32/1101/2015", 3459820, "SIBIU", "STR. ALBA IULIA", "60", "SIBIU", "550052"},
};

// The control digit of a fiscal code: weights 7 5 3 2 1 7 5 3 2 from the right.
int CuiWithControl(int base) {
  static const int weights[] = {2, 3, 5, 7, 1, 2, 3, 5, 7};
  int sum = 0, i = 0;
  for (int n = base; n > 0; n /= 10) sum += (n % 10) * weights[i++];
  const int control = sum * 10 % 11 % 10;
  return base * 10 + control;
}

QString TwoDigits(int n) { return QStringLiteral("%1").arg(n % 100, 2, 10, QLatin1Char('0')); }

struct Model {
  const char* category;
  const char* body;
  const char* make;
  const char* type;
  const char* wmi;       // the maker's first three characters of the identification number
  const char* vds;       // the model's next six
  const char* engine;
  int cc;
  const char* power;
  const char* fuel;
  int ownMass, maxMass, frontAxle, rearAxle;
  int length, width, height;
  const char* tyres;
  int seats, speed, tank;
};

const Model kModels[] = {
    {"AUTOTURISM", "BERLINA", "DACIA", "LOGAN / LSDAD", "UU1", "LSDAD4", "K7J A7", 1390, "55/5500", "BENZINA", 980, 1540, 830, 790, 4288, 1740, 1534, "185/65 R15", 5, 162, 50},
    {"AUTOTURISM", "BREAK", "DACIA", "LOGAN MCV / KSDAC", "UU1", "KSDAC4", "K9K 792", 1461, "63/4000", "MOTORINA", 1190, 1795, 930, 920, 4450, 1750, 1550, "185/65 R15", 5, 165, 50},
    {"AUTOTURISM", "SUV", "DACIA", "DUSTER / HSDAF", "UU1", "HSDAF4", "H4M 738", 1598, "84/5500", "BENZINA", 1240, 1800, 960, 900, 4315, 1822, 1695, "215/65 R16", 5, 169, 50},
    {"AUTOTURISM", "HATCHBACK", "VOLKSWAGEN", "GOLF / 1K", "WVW", "ZZZ1KZ", "BXE", 1896, "77/4000", "MOTORINA", 1281, 1870, 1010, 900, 4204, 1759, 1485, "195/65 R15", 5, 190, 55},
    {"AUTOTURISM", "BERLINA", "SKODA", "OCTAVIA / 1Z", "TMB", "DX41Z8", "BSE", 1595, "75/5600", "BENZINA", 1225, 1810, 970, 880, 4569, 1769, 1462, "205/55 R16", 5, 190, 55},
    {"AUTOTURISM", "HATCHBACK", "RENAULT", "CLIO / BR0", "VF1", "BR0C0H", "D4F 740", 1149, "55/5500", "BENZINA", 1040, 1550, 810, 760, 3986, 1707, 1493, "185/60 R15", 5, 167, 55},
    {"AUTOTURISM", "BERLINA", "FORD", "FOCUS / DA3", "WF0", "SXXGCD", "HWDA", 1596, "74/6000", "BENZINA", 1232, 1775, 960, 870, 4488, 1840, 1497, "195/65 R15", 5, 188, 55},
    {"AUTOTURISM", "HATCHBACK", "OPEL", "ASTRA / A-H", "W0L", "0AHL48", "Z16XEP", 1598, "77/6000", "BENZINA", 1195, 1735, 940, 860, 4249, 1753, 1460, "195/65 R15", 5, 185, 52},
    {"AUTOTURISM", "BERLINA", "TOYOTA", "COROLLA / E15", "NMT", "BZ28E0", "1ZR-FE", 1598, "97/6400", "BENZINA", 1285, 1720, 950, 830, 4540, 1760, 1470, "205/55 R16", 5, 195, 55},
    {"AUTOUTILITARA", "FURGON", "FORD", "TRANSIT / FA", "WF0", "XXXTTF", "PHFA", 2198, "85/3500", "MOTORINA", 1985, 3500, 1650, 2050, 5680, 1974, 2417, "215/75 R16C", 3, 155, 80},
    {"AUTOUTILITARA", "FURGON", "RENAULT", "KANGOO / KC", "VF1", "KC0UEF", "K9K 702", 1461, "48/4000", "MOTORINA", 1245, 1770, 960, 890, 4035, 1675, 1827, "175/70 R14", 2, 148, 50},
    {"MOTOCICLETA", "-", "HONDA", "CBF 600 / PC38", "JH2", "PC3800", "PC38E", 599, "57/10500", "BENZINA", 218, 405, 180, 225, 2160, 780, 1230, "120/70 ZR17", 2, 210, 19},
};

const char* const kColours[] = {"ALB", "NEGRU", "GRI", "ROSU", "ALBASTRU", "ARGINTIU", "VERDE"};

// An identification number of 17 characters; the tenth is the model year's letter.
QString IdentificationNumber(const Model& m, int year, int serial) {
  static const char years[] = "123456789ABCDEFGHJKLMNPRSTVWXY";  // 2001 .. 2030
  const char yearCode = years[(year - 2001) % 30];
  return QStringLiteral("%1%2%3%4%5")
      .arg(QLatin1String(m.wmi), QLatin1String(m.vds))
      .arg(QLatin1Char(yearCode))
      .arg(QLatin1Char("ABCDEFGH"[serial % 8]))
      .arg(527310 + serial * 7919 % 400000, 6, 10, QLatin1Char('0'));
}

void InsertRow(platform::Database& db, const QString& table, const QStringList& columns,
               const QVariantList& values) {
  QStringList marks;
  for (int i = 0; i < columns.size(); ++i) marks << QStringLiteral("?");
  db.Execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                 .arg(table, columns.join(QLatin1String(", ")), marks.join(QLatin1String(", "))),
             values);
}

}  // namespace

int CnpControlDigit(const QString& first12) {
  static const int weights[] = {2, 7, 9, 1, 4, 6, 3, 5, 8, 2, 7, 9};
  int sum = 0;
  for (int i = 0; i < 12 && i < first12.size(); ++i) sum += first12[i].digitValue() * weights[i];
  const int rest = sum % 11;
  return rest == 10 ? 1 : rest;
}

void InsertSampleData(platform::Database& db) {
  const QStringList personColumns = PersoaneColumns().mid(1);
  const QStringList vehicleColumns = MasiniColumns().mid(1);
  db.InTransaction([&] {
    int n = 0;
    for (const Person& p : kPersons) {
      ++n;
      const int sex = (p.year >= 2000 ? 5 : 1) + (p.male ? 0 : 1);
      const QString first12 = QStringLiteral("%1%2%3%4%5%6")
                                  .arg(sex)
                                  .arg(TwoDigits(p.year), TwoDigits(p.month), TwoDigits(p.day),
                                       TwoDigits(p.county))
                                  .arg(100 + n * 37 % 900, 3, 10, QLatin1Char('0'));
      const QString cnp = first12 + QString::number(CnpControlDigit(first12));
      const QString series = QStringLiteral("%1%2").arg(QChar(u'A' + n % 20)).arg(QChar(u'X' - n % 3));
      InsertRow(db, QStringLiteral("Persoane"), personColumns,
                {QStringLiteral("%1 %2").arg(QLatin1String(p.surname), QLatin1String(p.firstName)),
                 series,
                 QStringLiteral("%1").arg(300000 + n * 12345 % 600000, 6, 10, QLatin1Char('0')),
                 cnp,
                 QLatin1String(p.father),
                 QLatin1String(p.mother),
                 QStringLiteral("%1.%2.%3").arg(TwoDigits(p.day), TwoDigits(p.month), TwoDigits(p.year)),
                 QLatin1String(p.birthPlace),
                 QString(""),
                 QString(""),
                 QLatin1String(p.locality),
                 QLatin1String(p.street),
                 QString::number(1 + n * 7 % 120),
                 n % 3 == 0 ? QString("") : QStringLiteral("%1%2").arg(QChar(u'A' + n % 6)).arg(n % 9 + 1),
                 n % 3 == 0 ? QString("") : QString::number(n % 4 + 1),
                 n % 3 == 0 ? QString("") : QString::number(n * 5 % 80 + 1),
                 QLatin1String(p.sector),
                 QLatin1String(p.postalCode),
                 QLatin1String(p.profession),
                 n % 4 == 0 ? QString("") : QString::fromLatin1(kFirms[n % 8].name),
                 QStringLiteral("07%1 %2 %3").arg(20 + n % 60).arg(100 + n * 13 % 900).arg(100 + n * 29 % 900)});
    }
    for (const Firm& f : kFirms) {
      const QString cui = QString::number(CuiWithControl(f.cui));
      InsertRow(db, QStringLiteral("Persoane"), personColumns,
                {QLatin1String(f.name), QString(""), QString(""), cui, QString(""), QString(""),
                 QString(""), QString(""), QLatin1String(f.registry), QStringLiteral("RO") + cui,
                 QLatin1String(f.locality), QLatin1String(f.street), QLatin1String(f.number),
                 QString(""), QString(""), QString(""), QLatin1String(f.sector),
                 QLatin1String(f.postalCode), QString(""), QString(""),
                 QStringLiteral("021 %1 %2").arg(300 + f.cui % 600).arg(10 + f.cui % 89)});
    }

    int serial = 0;
    for (int round = 0; round < 2; ++round) {
      for (const Model& m : kModels) {
        ++serial;
        const int year = 2004 + (serial * 3) % 18;
        const bool motorcycle = QLatin1String(m.category) == QLatin1String("MOTOCICLETA");
        const QString vin = IdentificationNumber(m, year, serial);
        const QString plate = QStringLiteral("B-%1-%2%3%4")
                                  .arg(10 + serial * 17 % 89)
                                  .arg(QChar(u'A' + serial % 26))
                                  .arg(QChar(u'B' + serial * 3 % 24))
                                  .arg(QChar(u'C' + serial * 7 % 23));
        const QString firstRegistration = QStringLiteral("%1.%2.%3/%4")
                                              .arg(TwoDigits(1 + serial * 11 % 28), TwoDigits(1 + serial % 12))
                                              .arg(year)
                                              .arg(plate);
        const QString identityCard = QStringLiteral("%1%2")
                                         .arg(QChar(u'A' + serial % 3))
                                         .arg(100000 + serial * 48611 % 900000);
        const QString tyres = QLatin1String(m.tyres);
        QVariantList values{
            QLatin1String(m.category), QLatin1String(m.body), QLatin1String(m.make),
            QLatin1String(m.type),
            QStringLiteral("%1 %2-%3").arg(QLatin1String(m.wmi)).arg(1000 + serial * 97 % 9000).arg(year),
            vin,
            QString::number(m.ownMass), QString::number(m.maxMass - m.ownMass),
            QString::number(m.frontAxle), QString::number(m.rearAxle), QString(""), QString(""),
            motorcycle ? QString("") : QString::number(m.ownMass),
            motorcycle ? QString("") : QString::number(m.ownMass / 2),
            QString::number(m.seats), QString::number(m.seats > 3 ? 2 : m.seats),
            QString::number(m.seats), QString(""),
            QString::number(m.length), QString::number(m.width), QString::number(m.height),
            QLatin1String(m.engine),
            QStringLiteral("%1%2").arg(QChar(u'C' + serial % 5)).arg(200000 + serial * 7331 % 700000),
            QString::number(m.cc), QLatin1String(m.power), QLatin1String(m.fuel),
            QStringLiteral("2"), motorcycle ? QStringLiteral("SPATE") : QStringLiteral("FATA"),
            tyres, QString(""), tyres, QString(""),
            QString::number(70 + serial % 8), QString::number(80 + serial % 10),
            QString(""), motorcycle ? QString("") : QStringLiteral("6,5"),
            QString::number(m.speed), QString::number(m.tank),
            QLatin1String(kColours[serial % 7]), firstRegistration,
            QStringLiteral("%1.%2.%3").arg(TwoDigits(1 + serial * 5 % 28), TwoDigits(1 + serial * 7 % 12)).arg(2025 + serial % 2),
            identityCard, QString::number(m.maxMass),
            motorcycle ? QString("") : QString::number(50 + serial % 4 * 25),
            QString::number(year),
            QStringLiteral("Carte de identitate %1\r\nNr. de velorastulare %2").arg(identityCard, plate)};
        InsertRow(db, QStringLiteral("Masini"), vehicleColumns, values);
      }
    }
  });
}

}  // namespace core::schema
