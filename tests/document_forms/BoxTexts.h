#pragma once
// The texts a fill writes, as a map from box index to text, for comparing with a table;
// a box written twice fails the test.

#include <gtest/gtest.h>

#include <map>

#include <QList>

#include "document_forms/BoxText.h"

namespace testsupport {

inline std::map<int, QString> AsMap(const QList<document_forms::BoxText>& texts) {
  std::map<int, QString> out;
  for (const document_forms::BoxText& t : texts) {
    EXPECT_FALSE(out.contains(t.box)) << "box " << t.box << " written twice";
    out[t.box] = t.text;
  }
  return out;
}

}  // namespace testsupport
