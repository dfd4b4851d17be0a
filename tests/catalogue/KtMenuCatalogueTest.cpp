#include "KtMenuCatalogue.h"

#include <gtest/gtest.h>

TEST(MenuCatalogue, TenTopLevelMenus)
{
    EXPECT_EQ(KtMenuCount(MainMenu1), 10);
}
