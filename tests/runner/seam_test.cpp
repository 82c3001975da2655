#include <QString>

#include "platform/seam.h"
#include "support/gtest_qt.h"

TEST(Seam, EachScopedOverrideBringsBackTheValueBeforeIt) {
  Seam<QString> seam;
  seam.Set("real");
  {
    auto outer = ScopedOverride(seam, QString("outer"));
    {
      auto inner = ScopedOverride(seam, "inner");
      EXPECT_EQ(seam.Get(), "inner");
    }
    EXPECT_EQ(seam.Get(), "outer");
  }
  EXPECT_EQ(seam.Get(), "real");
}
