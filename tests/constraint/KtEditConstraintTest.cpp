#include "KtEditConstraint.h"
#include <gtest/gtest.h>
TEST(KtEditConstraint, Builds) {}
