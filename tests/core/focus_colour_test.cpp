#include "core/FocusColour.h"

#include <gtest/gtest.h>

TEST(FocusColour, ReadsRedPlus256GreenPlus65536Blue) {
  struct Case {
    const char* text;
    std::optional<QColor> colour;
  };
  const Case cases[] = {
      {"", std::nullopt},
      {"255", QColor(255, 0, 0)},
      {"65280", QColor(0, 255, 0)},
      {"16711680", QColor(0, 0, 255)},
      {"12632256", QColor(192, 192, 192)},
      {" 255 ", QColor(255, 0, 0)},
      {"0", QColor(0, 0, 0)},
      {"abc", std::nullopt},
      {"12ab", std::nullopt},
      {"-1", std::nullopt},
      {"16777216", std::nullopt},
      {"&HFF", QColor(255, 0, 0)},
      {"2.55E2", QColor(255, 0, 0)},
      {"1e400", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(core::FocusColour(QString::fromLatin1(c.text)), c.colour) << c.text;
}
