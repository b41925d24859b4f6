// The column list of the list-managed views: fitting weights to a width, the user's resize, the named
// layout in the registry, and the look-ups.
#include "foundation/Registry.h"
#include "foundation/ScratchRegistry.h"
#include "resource.h"
#include "views/CGridColumnList.h"
#include "views/ViewControlIds.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <vector>

namespace {

// A master array of columns (owned here) and a list over all of them.
class Columns {
public:
    // One column per weight; a negative weight makes a check-box column of that weight's size.
    explicit Columns(std::vector<double> weights) {
        UINT titleId = IDS_COLUMN_STOP;
        const UINT titles[] = {IDS_COLUMN_STOP,        IDS_COLUMN_PROJECT, IDS_COLUMN_CATEGORY,
                               IDS_COLUMN_DESCRIPTION, IDS_COLUMN_BILLED,  IDS_COLUMN_CLIENT};
        for (size_t i = 0; i < weights.size(); ++i) {
            titleId = titles[i % std::size(titles)];
            const bool checkBox = weights[i] < 0;
            owned.push_back(std::make_unique<CGridColumn>(titleId, checkBox ? kCtrlCheckBox3d : kCtrlStatic,
                                                          checkBox ? -weights[i] : weights[i], FALSE, TRUE));
            master.Add(owned.back().get());
            list.Add(owned.back().get());
        }
    }
    std::vector<int> Widths() const {
        std::vector<int> widths;
        for (int i = 0; i < list.GetCount(); ++i)
            widths.push_back(list.GetColumnWidth(i));
        return widths;
    }

    std::vector<std::unique_ptr<CGridColumn>> owned;
    CObArray master;
    CGridColumnList list;
};

TEST(GridColumnList, FitsWeightsToTheWidthTheLastColumnTakingTheRest) {
    struct Case {
        std::vector<double> weights;
        int total;
        std::vector<int> widths;
    };
    const Case cases[] = {
        {{1, 1, 2}, 401, {100, 100, 200}},         // normalised; the last gets 401 - 200 - 1
        {{0.25, 0.25, 0.5}, 400, {100, 100, 199}}, // already normal
        {{0.5, -0.01, 0.5}, 400, {198, 20, 181}},  // a check box is at least 20 wide
        {{0, 0, 0}, 300, {0, 0, 299}},             // no weights: nothing to normalise
    };
    for (const Case& c : cases) {
        Columns columns(c.weights);
        columns.list.FitToWidth(nullptr, c.total);
        EXPECT_EQ(columns.Widths(), c.widths) << "total " << c.total;
    }
}

TEST(GridColumnList, ACheckBoxColumnIsNeverNarrowerThanTwentyPixels) {
    Columns columns({1.0, -0.001});
    columns.list.FitToWidth(nullptr, 1000);
    columns.owned[1]->m_PixelWidth = 3; // as a stored width might leave it
    EXPECT_EQ(columns.list.GetColumnWidth(1), 20);
    EXPECT_EQ(columns.list.SumWidths(0, 1), columns.list.GetColumnWidth(0) + 20);
    columns.list.ResizeColumn(nullptr, 2, 5, 1000);
    EXPECT_EQ(columns.owned[1]->m_PixelWidth, 20);
}

TEST(GridColumnList, AResizeGivesTheColumnItsWidthAndSharesTheRestOut) {
    Columns columns({1, 1, 1, 1});
    columns.list.FitToWidth(nullptr, 400);
    // Column 2 to 160: the two after it share the 140 left in proportion (70 each).
    columns.list.ResizeColumn(nullptr, 2, 160, 400);
    EXPECT_EQ(columns.Widths(), (std::vector<int>{100, 160, 70, 69}));
    // Below 11 pixels a column takes 10.
    columns.list.ResizeColumn(nullptr, 1, 3, 400);
    EXPECT_EQ(columns.Widths()[0], 10);
    // Out of range or without a total nothing happens.
    const std::vector<int> before = columns.Widths();
    columns.list.ResizeColumn(nullptr, 0, 50, 400);
    columns.list.ResizeColumn(nullptr, 5, 50, 400);
    columns.list.ResizeColumn(nullptr, 2, 50, 0);
    EXPECT_EQ(columns.Widths(), before);
}

TEST(GridColumnList, AColumnDraggedPastTheTotalLeavesNoNegativeWidths) {
    Columns columns({1, 1, 1, 1});
    columns.list.FitToWidth(nullptr, 400);
    columns.list.ResizeColumn(nullptr, 2, 5000, 400);
    const std::vector<int> widths = columns.Widths();
    for (int width : widths)
        EXPECT_GE(width, 0);
    EXPECT_EQ(widths[1], 299) << "all the width after the first column but the last one's pixel";
}

TEST(GridColumnList, FindsColumnsByIdTitleAndDescriptor) {
    Columns columns({1, 1, 1});
    EXPECT_EQ(columns.list.FindById(IDS_COLUMN_PROJECT), 1);
    EXPECT_EQ(columns.list.FindById(4711), -1);
    EXPECT_EQ(columns.list.FindByTitle("pRoJeCt"), columns.owned[1].get());
    EXPECT_EQ(columns.list.FindByTitle("Nothing"), nullptr);
    EXPECT_EQ(columns.list.GetColumnId(2), static_cast<int>(IDS_COLUMN_CATEGORY));
    EXPECT_EQ(columns.list.GetColumnId(3), -1);
    EXPECT_EQ(columns.list.GetControlType(-1), -1);
    EXPECT_EQ(columns.list.GetAt(3), nullptr);
    columns.list.Remove(columns.owned[0].get());
    EXPECT_EQ(columns.list.FindIndex(columns.owned[0].get()), -1);
    EXPECT_EQ(columns.list.FindIndex(columns.owned[2].get()), 1);
}

class GridColumnLayout : public ::testing::Test {
protected:
    ScratchRegistry registry;
};

TEST_F(GridColumnLayout, ALayoutReadsBackAsItWasWritten) {
    Columns columns({0.5, 0.3, 0.2});
    columns.list.RemoveAt(1);
    columns.list.InsertAt(0, columns.owned[1].get());
    columns.list.SaveLayout("ExpenseView");
    int count = 0;
    EXPECT_TRUE(RegReadInt(REG_COLUMNS_INDEX "ExpenseView", "0", &count));
    EXPECT_EQ(count, 3);
    CString title;
    RegReadString(REG_COLUMNS_INDEX "ExpenseView", "1", title);
    EXPECT_STREQ(title, "Project");
    int width = 0;
    RegReadInt(REG_COLUMNS_WIDTH "ExpenseView", "Project", &width);
    EXPECT_EQ(width, 30);

    CGridColumnList loaded;
    for (auto& column : columns.owned)
        column->m_Weight = 0.0;
    EXPECT_EQ(loaded.LoadLayout("ExpenseView", columns.master), 3);
    ASSERT_EQ(loaded.GetCount(), 3);
    EXPECT_EQ(loaded.GetAt(0), columns.owned[1].get());
    EXPECT_EQ(loaded.GetAt(1), columns.owned[0].get());
    EXPECT_DOUBLE_EQ(loaded.GetAt(0)->m_Weight, 0.30);
    EXPECT_DOUBLE_EQ(loaded.GetAt(2)->m_Weight, 0.20);
}

TEST_F(GridColumnLayout, SavingForgetsTheColumnsOfTheEarlierLayout) {
    Columns columns({0.5, 0.5, 0.5});
    columns.list.SaveLayout("TaskView");
    columns.list.RemoveAt(2);
    columns.list.SaveLayout("TaskView");
    CString title;
    EXPECT_FALSE(RegReadString(REG_COLUMNS_INDEX "TaskView", "3", title));
    int width = 7;
    EXPECT_FALSE(RegReadInt(REG_COLUMNS_WIDTH "TaskView", "Category", &width));
}

TEST_F(GridColumnLayout, UnknownAndRepeatedTitlesAreSkipped) {
    Columns columns({0.5, 0.5});
    RegWriteInt(REG_COLUMNS_INDEX "InvoiceView", "0", 4);
    RegWriteString(REG_COLUMNS_INDEX "InvoiceView", "1", "Retired column");
    RegWriteString(REG_COLUMNS_INDEX "InvoiceView", "2", "project");
    RegWriteString(REG_COLUMNS_INDEX "InvoiceView", "3", "Project");
    RegWriteString(REG_COLUMNS_INDEX "InvoiceView", "4", "Stop");
    CGridColumnList loaded;
    EXPECT_EQ(loaded.LoadLayout("InvoiceView", columns.master), 4);
    ASSERT_EQ(loaded.GetCount(), 2);
    EXPECT_EQ(loaded.GetAt(0), columns.owned[1].get());
    EXPECT_EQ(loaded.GetAt(1), columns.owned[0].get());
    EXPECT_DOUBLE_EQ(loaded.GetAt(1)->m_Weight, 0.10) << "no stored width: 10";
}

TEST_F(GridColumnLayout, NoStoredLayoutLeavesTheListAsItWas) {
    Columns columns({0.5, 0.5});
    EXPECT_EQ(columns.list.LoadLayout("ExpenseView", columns.master), 0);
    EXPECT_EQ(columns.list.GetCount(), 2);
}

} // namespace
