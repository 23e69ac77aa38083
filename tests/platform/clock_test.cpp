#include "platform/Clock.h"

#include <gtest/gtest.h>

TEST(Clock, SetTodayAndFormat) {
  platform::SetToday(QDate(2026, 3, 7));
  EXPECT_EQ(platform::Today(), QDate(2026, 3, 7));
  EXPECT_EQ(platform::FormatDdMmYyyy(platform::Today()), "07-03-2026");
  platform::SetToday(QDate());
  EXPECT_EQ(platform::Today(), QDate::currentDate());
}
