#include "components/VelGeneralGridCells.h"

#include <gtest/gtest.h>

using namespace pramlet;

TEST(GridCellList, ReadingCreatesNoRecord) {
    TVelGeneralGridCellList cells;
    const TVelGeneralGridCell& c = cells.Read(3, 4);
    EXPECT_EQ(c.fText, "");
    EXPECT_FALSE(c.fError);
    EXPECT_EQ(c.fErrorText, "");
    EXPECT_TRUE(c.fEnabled);
    EXPECT_EQ(c.fCellObject, nullptr);
    EXPECT_EQ(c.fTag, 0);
    EXPECT_EQ(cells.Find(3, 4), nullptr);
    EXPECT_EQ(cells.Count(), 0);
}

TEST(GridCellList, KeptSortedByColumnThenRow) {
    TVelGeneralGridCellList cells;
    cells.Get(2, 1).fText = "a";
    cells.Get(0, 5).fText = "b";
    cells.Get(2, 0).fText = "c";
    cells.Get(2, 1).fTag = 9; // an existing cell is not duplicated
    ASSERT_EQ(cells.Count(), 3);
    EXPECT_EQ(cells.At(0).fCol, 0);
    EXPECT_EQ(cells.At(0).fRow, 5);
    EXPECT_EQ(cells.At(1).fCol, 2);
    EXPECT_EQ(cells.At(1).fRow, 0);
    EXPECT_EQ(cells.At(2).fCol, 2);
    EXPECT_EQ(cells.At(2).fRow, 1);
    EXPECT_EQ(cells.At(2).fText, "a");
    EXPECT_EQ(cells.At(2).fTag, 9);
    EXPECT_EQ(cells.At(2).fOwner, &cells);
    EXPECT_EQ(cells.Read(0, 5).fText, "b");
    cells.Clear();
    EXPECT_EQ(cells.Count(), 0);
}

TEST(GridCellList, RecordsStayPutWhenOthersAreInserted) {
    TVelGeneralGridCellList cells;
    TVelGeneralGridCell* first = &cells.Get(5, 5);
    for (int i = 0; i < 50; ++i)
        cells.Get(0, i);
    EXPECT_EQ(first, cells.Find(5, 5));
}

TEST(ColumnEditorLookup, OwnColumnThenNearestToTheLeftThatAllowsUseToRight) {
    // Registration order: col 3 (to right), col 1 (to right), col 5, col 3 (second one).
    std::vector<TVelEditorSlot> editors = {{3, true}, {1, true}, {5, false}, {3, false}};
    EXPECT_EQ(FindColumnEditor(editors, 3), 0);
    EXPECT_EQ(FindColumnEditor(editors, 5), 2);
    EXPECT_EQ(FindColumnEditor(editors, 2), 1);
    EXPECT_EQ(FindColumnEditor(editors, 4), 0);
    EXPECT_EQ(FindColumnEditor(editors, 9), 0); // col 5 does not allow use to the right
    EXPECT_EQ(FindColumnEditor(editors, 0), -1);
    EXPECT_EQ(FindColumnEditor({}, 0), -1);
    // Ties between editors of the same column: the first registered wins.
    EXPECT_EQ(FindColumnEditor({{1, false}, {2, true}, {2, true}}, 4), 1);
}

TEST(GridPrint, ScaleAndOffset) {
    // Three columns of 24 and grid lines of 1: 1 + 3 * 25 = 76.
    EXPECT_EQ(GridPrintWidth({24, 24, 24}, 1), 76);
    TVelPrintParms p = GetPrintParms(500, 76);
    EXPECT_EQ(p.ScaleFactor, 6);
    EXPECT_EQ(p.Left, (500 - 456) / 2);
    p = GetPrintParms(77, 76);
    EXPECT_EQ(p.ScaleFactor, 1);
    EXPECT_EQ(p.Left, 0);
    try {
        GetPrintParms(75, 76);
        FAIL() << "no exception";
    } catch (const EVelGridPrint& e) {
        EXPECT_STREQ(e.what(), "Page too narrow to print table");
    }
    EXPECT_THROW(GetPrintParms(100, 0), EVelGridPrint);
}

TEST(GridCsv, FieldsQuotedNotEscaped) {
    EXPECT_EQ(CsvLine({"", ""}), "\"\",\"\"");
    EXPECT_EQ(CsvLine({"a\"b", "DDR"}), "\"a\"b\",\"DDR\"");
    EXPECT_EQ(CsvLine({}), "");
}
