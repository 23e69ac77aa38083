// The seller's address in one line: the locality as typed, then each filled part with
// its prefix.

#include <gtest/gtest.h>

#include "FormFixture.h"
#include "document_forms/AddressLine.h"

namespace {

TEST(SellerAddressLine, JoinsTheFilledPartsWithTheirPrefixes) {
  struct Case {
    const char* what;
    std::initializer_list<std::pair<const char*, const char*>> typed;
    const char* line;
  };
  const Case cases[] = {
      {"nothing typed", {}, ""},
      {"the example",
       {{"VanzatorLocalitate", "Rovi-Dedevi"}, {"VanzatorStrada", "Florilor"}, {"VanzatorNumar", "3"},
        {"VanzatorApartament", "12"}, {"VanzatorJudet", "Vuda"}},
       "Rovi-Dedevi, str Florilor, nr 3, ap 12, jud Vuda"},
      {"every part, in its order",
       {{"VanzatorJudet", "J"}, {"VanzatorApartament", "A"}, {"VanzatorScara", "S"}, {"VanzatorBloc", "B"},
        {"VanzatorNumar", "N"}, {"VanzatorStrada", "T"}, {"VanzatorLocalitate", "L"}},
       "L, str T, nr N, bl B, sc S, ap A, jud J"},
      {"an empty locality: the line starts with the street's prefix", {{"VanzatorStrada", "Lunga"}}, ", str Lunga"},
      {"the county alone", {{"VanzatorJudet", "Vuda"}}, ", jud Vuda"},
      {"a part of blanks keeps its prefix and its blanks", {{"VanzatorLocalitate", "L"}, {"VanzatorBloc", "  "}},
       "L, bl   "},
      {"a locality of blanks is kept as typed", {{"VanzatorLocalitate", " "}, {"VanzatorNumar", "7 "}}, " , nr 7 "},
      {"the buyer's address and the seller's postal code stay out",
       {{"CumparatorLocalitate", "X"}, {"CumparatorStrada", "Y"}, {"VanzatorCodPostal", "123456"}}, ""},
  };
  for (const Case& c : cases) {
    testsupport::TypedCase boxes;
    boxes.Type(c.typed);
    EXPECT_EQ(document_forms::SellerAddressLine(boxes), QString::fromUtf8(c.line)) << c.what;
  }
}

}  // namespace
