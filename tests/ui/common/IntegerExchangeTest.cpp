#include "ui/common/IntegerExchange.h"

#include <gtest/gtest.h>

using kolekt::leadingNumber;
using kolekt::parseWholeNumber;

TEST(IntegerExchange, AcceptsOnlyWholeNumbers) {
    EXPECT_EQ(parseWholeNumber(QStringLiteral("12")), 12);
    EXPECT_EQ(parseWholeNumber(QStringLiteral("  -3 ")), -3);
    EXPECT_EQ(parseWholeNumber(QStringLiteral("+0")), 0);
    for (const char* bad : {"", " ", "2.5", "1a", "-", "99999999999", "1 2"}) {
        EXPECT_FALSE(parseWholeNumber(QString::fromLatin1(bad))) << bad;
    }
}

TEST(IntegerExchange, LeadingNumberReadsDigitsUpToTheFirstOther) {
    EXPECT_EQ(leadingNumber(QStringLiteral("7.5")), 7);
    EXPECT_EQ(leadingNumber(QString()), 0);
    EXPECT_EQ(leadingNumber(QStringLiteral(".5")), 0);
    EXPECT_EQ(leadingNumber(QStringLiteral("70000")), 70000);
    EXPECT_EQ(leadingNumber(QStringLiteral("99999999999999999999"), 65536), 65536);
}
