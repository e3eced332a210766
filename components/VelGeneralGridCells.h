#pragma once
// The widget-free part of the general grid: the sparse cell list, the choice of a column's
// editor, the geometry of a printed table and the CSV line format.

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace pramlet {

class TVelGeneralGridCellList;

// One cell that has been written (or drawn). A cell without a record reads as a
// default-constructed one.
struct TVelGeneralGridCell {
    int fRow = 0;
    int fCol = 0;
    std::string fText;
    bool fError = false;
    std::string fErrorText;
    bool fEnabled = true;
    void* fCellObject = nullptr; // not owned
    int fTag = 0;
    TVelGeneralGridCellList* fOwner = nullptr;
};

// Owns the cells, kept sorted by column, then by row.
class TVelGeneralGridCellList {
  public:
    explicit TVelGeneralGridCellList(void* pOwner = nullptr) : fOwner(pOwner) {}
    TVelGeneralGridCellList(const TVelGeneralGridCellList&) = delete;
    TVelGeneralGridCellList& operator=(const TVelGeneralGridCellList&) = delete;

    void* Owner() const { return fOwner; }
    int Count() const { return static_cast<int>(fCells.size()); }
    const TVelGeneralGridCell& At(int i) const { return *fCells.at(i); }

    // The record of a cell, or nullptr when it was never written; creates nothing.
    const TVelGeneralGridCell* Find(int pCol, int pRow) const;
    // The values a reader sees for the cell (initial values when there is no record).
    const TVelGeneralGridCell& Read(int pCol, int pRow) const;
    // The record of a cell, created in sorted position when missing.
    TVelGeneralGridCell& Get(int pCol, int pRow);
    void Clear() { fCells.clear(); }

  private:
    size_t LowerBound(int pCol, int pRow) const;

    void* fOwner;
    std::vector<std::unique_ptr<TVelGeneralGridCell>> fCells;
};

// What the grid needs to know of a registered editor to choose the one of a column.
struct TVelEditorSlot {
    int Column = 0;
    bool AllowUseToRight = false;
};

// Index into pSlots of the editor of column pCol, or -1: the first editor of that column,
// else the one with the greatest column left of it that allows use to the right (first in
// registration order on ties).
int FindColumnEditor(const std::vector<TVelEditorSlot>& pSlots, int pCol);

class EVelGridPrint : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Width of the printed table in grid units: one grid line, then per column its width and
// one grid line.
int GridPrintWidth(const std::vector<int>& pColWidths, int pGridLineWidth);

struct TVelPrintParms {
    int ScaleFactor = 1;
    int Left = 0;
};

// The largest whole scale at which the table fits the page, and the offset that centres
// it; throws EVelGridPrint("Page too narrow to print table") when it does not fit.
TVelPrintParms GetPrintParms(int pPageWidth, int pGridWidth);

// One CSV line: every field between double quotes (quotes inside are left as they are),
// separated by commas.
std::string CsvLine(const std::vector<std::string>& pFields);

} // namespace pramlet
