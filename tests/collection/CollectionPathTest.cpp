#include "collection/CollectionPath.h"

#include <gtest/gtest.h>

namespace kolekt {
namespace {

TEST(ReturnPath, OnlyTheFileNamesOwnExtensionBecomesK19) {
    EXPECT_EQ(returnPath("/home/o/Group3.k09"), "/home/o/Group3.k19");
    EXPECT_EQ(returnPath("/home/o/GROUP2.K09"), "/home/o/GROUP2.k19");
    EXPECT_EQ(returnPath("relative/g.k09"), "relative/g.k19");
    EXPECT_EQ(returnPath("/a.k09/b.K09.d/Group3.k09"), "/a.k09/b.K09.d/Group3.k19");
    EXPECT_EQ(returnPath("/home/o/Group3.k09.bak"), "/home/o/Group3.k09.bak");
}

TEST(CollectionPath, EndsInK09InAnyCase) {
    EXPECT_TRUE(isCollectionPath("Group3.k09"));
    EXPECT_TRUE(isCollectionPath("/x/GROUP3.K09"));
    EXPECT_FALSE(isCollectionPath("Group3.k19"));
    EXPECT_FALSE(isCollectionPath("k09"));
    EXPECT_FALSE(isCollectionPath(""));
    // A Kelvin sign folds to 'k' in Unicode, but the name is not the secretary's ".k09".
    EXPECT_FALSE(isCollectionPath("Group3.\u212A09"));
}

} // namespace
} // namespace kolekt
