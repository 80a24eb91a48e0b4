#include "files/areasavename.h"

#include <gtest/gtest.h>

TEST(AreaSaveName, AsksOnlyForMissingOrBareDefaultName)
{
    EXPECT_TRUE(AreaNeedsSaveName(""));
    EXPECT_TRUE(AreaNeedsSaveName("Noname.arf"));
    EXPECT_TRUE(AreaNeedsSaveName("NONAME.ARF"));
    EXPECT_TRUE(AreaNeedsSaveName("noname.Arf"));
    // The default name inside a folder is a name the user chose.
    EXPECT_FALSE(AreaNeedsSaveName("/home/a/Noname.arf"));
    EXPECT_FALSE(AreaNeedsSaveName("forest.arf"));
    EXPECT_FALSE(AreaNeedsSaveName("Noname.arf.bak"));
}

TEST(AreaSaveName, AppendsExtensionUnlessPresentAnywhere)
{
    EXPECT_EQ(AreaSaveFileName("/tmp/forest"), "/tmp/forest.arf");
    EXPECT_EQ(AreaSaveFileName("/tmp/forest.arf"), "/tmp/forest.arf");
    EXPECT_EQ(AreaSaveFileName("/tmp/maps.arf/forest"), "/tmp/maps.arf/forest");
    // Only the exact lower-case text counts.
    EXPECT_EQ(AreaSaveFileName("/tmp/FOREST.ARF"), "/tmp/FOREST.ARF.arf");
}
