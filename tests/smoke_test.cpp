#include "tolvdata.h"
#include <gtest/gtest.h>
TEST(Smoke, Builds) { EXPECT_EQ(sizeof(void*), 4u); }
