// How the time log view shares its width out: fitting the shares after a layout and the user's resize
// of a column, which keeps the total and never wraps round.
#include "views/LogColumnShares.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

void Fill(CDWordArray& shares, std::initializer_list<DWORD> values) {
    shares.RemoveAll();
    for (DWORD v : values)
        shares.Add(v);
}

std::vector<long> Values(const CDWordArray& shares) {
    std::vector<long> values;
    for (INT_PTR i = 0; i < shares.GetSize(); ++i)
        values.push_back(static_cast<long>(shares[i]));
    return values;
}

long Total(const CDWordArray& shares) {
    const std::vector<long> values = Values(shares);
    return std::accumulate(values.begin(), values.end(), 0L);
}

std::vector<int> Identity(int count) {
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    return order;
}

// The default widths of the log columns (x 100), hidden columns 0: Start, Stop, Actual Work, Project,
// Category, Description, Billed, Billable ... Cost Salary.
void FillDefaults(CDWordArray& shares, bool descriptionShown) {
    Fill(shares, {1400, 1400, 1000, 1200, 0, descriptionShown ? 2000u : 0u, 500, 0, 0, 0, 0, 0, 0, 0, 0, 0});
}

TEST(LogColumnShares, DescriptionTakesWhatTheDefaultsLeave) {
    CDWordArray shares;
    FillDefaults(shares, true);
    LogColumnShares::Fit(shares, 5);
    EXPECT_EQ(Values(shares),
              (std::vector<long>{1400, 1400, 1000, 1200, 0, 4500, 500, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(LogColumnShares, WithoutDescriptionTheSharesGrowInProportionAndMayEndShort) {
    CDWordArray shares;
    FillDefaults(shares, false);
    LogColumnShares::Fit(shares, -1);
    EXPECT_EQ(Values(shares),
              (std::vector<long>{2545, 2545, 1818, 2181, 0, 0, 909, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Total(shares), 9998);
}

TEST(LogColumnShares, SharesAboveTheWholeShrinkInProportion) {
    CDWordArray shares;
    Fill(shares, {6000, 0, 6000});
    LogColumnShares::Fit(shares, 1); // Description hidden (share 0)
    EXPECT_EQ(Values(shares), (std::vector<long>{5000, 0, 5000}));
    CDWordArray none;
    Fill(none, {0, 0});
    LogColumnShares::Fit(none, -1);
    EXPECT_EQ(Total(none), 0);
}

TEST(LogColumnShares, AResizeTakesTheDifferenceFromTheColumnsToTheRight) {
    struct Case {
        const char* what;
        std::vector<DWORD> shares;
        int position;
        long newShare;
        std::vector<long> expected;
        std::vector<int> order; // the shown columns; empty: all of them
    };
    const Case cases[] = {
        {"wider", {2000, 2000, 3000, 3000}, 1, 3000, {2000, 3000, 2500, 2500}, {}},
        {"narrower (the difference is negative)",
         {2000, 2000, 3000, 3000},
         1,
         1000,
         {2000, 1000, 3500, 3500},
         {}},
        {"rounding goes to the last shown column",
         {2000, 2000, 1000, 1000, 1000, 3000},
         0,
         3001,
         {3001, 1749, 874, 874, 874, 2628},
         {}},
        {"wider than the right can give: limited", {2000, 2000, 3000, 3000}, 1, 9000, {2000, 8000, 0, 0}, {}},
        {"a hidden column to the right stays hidden",
         {2000, 2000, 3000, 0},
         1,
         3000,
         {2000, 3000, 2000, 0},
         {0, 1, 2}},
        {"a hidden column in between stays hidden",
         {2000, 2000, 0, 6000},
         0,
         1000,
         {1000, 2250, 0, 6750},
         {0, 1, 3}},
    };
    for (const Case& c : cases) {
        CDWordArray shares;
        for (DWORD v : c.shares)
            shares.Add(v);
        const long before = Total(shares);
        const std::vector<int> order =
            c.order.empty() ? Identity(static_cast<int>(c.shares.size())) : c.order;
        EXPECT_TRUE(LogColumnShares::Resize(shares, order, c.position, c.newShare)) << c.what;
        EXPECT_EQ(Values(shares), c.expected) << c.what;
        EXPECT_EQ(Total(shares), before) << c.what;
    }
}

TEST(LogColumnShares, TheLastShownColumnIsNotResized) {
    CDWordArray shares;
    Fill(shares, {4000, 6000, 0});
    const std::vector<long> before = Values(shares);
    EXPECT_FALSE(LogColumnShares::Resize(shares, {0, 1}, 1, 100)) << "only a hidden column to the right";
    EXPECT_FALSE(LogColumnShares::Resize(shares, {0, 1}, 5, 100));
    EXPECT_FALSE(LogColumnShares::Resize(shares, {0, 7}, 0, 100)) << "an index outside the list";
    EXPECT_EQ(Values(shares), before);
}

TEST(LogColumnShares, AColumnSqueezedToNothingTakesAShareAgain) {
    CDWordArray shares;
    Fill(shares, {2000, 2000, 6000});
    ASSERT_TRUE(LogColumnShares::Resize(shares, Identity(3), 0, 10000));
    EXPECT_EQ(Values(shares), (std::vector<long>{10000, 0, 0}));
    ASSERT_TRUE(LogColumnShares::Resize(shares, Identity(3), 0, 4000));
    EXPECT_EQ(Values(shares), (std::vector<long>{4000, 0, 6000}));
    EXPECT_EQ(Total(shares), 10000);
}

TEST(LogColumnShares, TheRightIsTheRightOfTheDisplayOrder) {
    // List indexes 0, 1, 2 shown as 2, 0, 1: resizing index 2 (shown first) takes from 0 and 1.
    CDWordArray shares;
    Fill(shares, {3000, 3000, 4000});
    EXPECT_TRUE(LogColumnShares::Resize(shares, {2, 0, 1}, 0, 2000));
    EXPECT_EQ(Values(shares), (std::vector<long>{4000, 4000, 2000}));
}

TEST(LogColumnShares, WidthsAndSharesConvertAtTheDataWidth) {
    EXPECT_EQ(LogColumnShares::ShareOfWidth(250, 1000), 2500);
    EXPECT_EQ(LogColumnShares::ShareOfWidth(-5, 1000), 0);
    EXPECT_EQ(LogColumnShares::ShareOfWidth(250, 0), 0);
    EXPECT_EQ(LogColumnShares::WidthOfShare(4500, 733), 329);
}

} // namespace
