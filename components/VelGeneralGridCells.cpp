#include "components/VelGeneralGridCells.h"

#include <algorithm>

namespace pramlet {

size_t TVelGeneralGridCellList::LowerBound(int pCol, int pRow) const {
    auto it = std::lower_bound(fCells.begin(), fCells.end(), std::make_pair(pCol, pRow),
                               [](const std::unique_ptr<TVelGeneralGridCell>& c, auto key) {
                                   return std::make_pair(c->fCol, c->fRow) < key;
                               });
    return static_cast<size_t>(it - fCells.begin());
}

const TVelGeneralGridCell* TVelGeneralGridCellList::Find(int pCol, int pRow) const {
    size_t i = LowerBound(pCol, pRow);
    if (i < fCells.size() && fCells[i]->fCol == pCol && fCells[i]->fRow == pRow)
        return fCells[i].get();
    return nullptr;
}

const TVelGeneralGridCell& TVelGeneralGridCellList::Read(int pCol, int pRow) const {
    static const TVelGeneralGridCell initial;
    const TVelGeneralGridCell* cell = Find(pCol, pRow);
    return cell ? *cell : initial;
}

TVelGeneralGridCell& TVelGeneralGridCellList::Get(int pCol, int pRow) {
    size_t i = LowerBound(pCol, pRow);
    if (i < fCells.size() && fCells[i]->fCol == pCol && fCells[i]->fRow == pRow) return *fCells[i];
    auto cell = std::make_unique<TVelGeneralGridCell>();
    cell->fCol = pCol;
    cell->fRow = pRow;
    cell->fOwner = this;
    return **fCells.insert(fCells.begin() + static_cast<long>(i), std::move(cell));
}

int FindColumnEditor(const std::vector<TVelEditorSlot>& pSlots, int pCol) {
    int toRight = -1;
    for (size_t i = 0; i < pSlots.size(); ++i) {
        const TVelEditorSlot& s = pSlots[i];
        if (s.Column == pCol) return static_cast<int>(i);
        if (s.AllowUseToRight && s.Column < pCol &&
            (toRight < 0 || s.Column > pSlots[toRight].Column))
            toRight = static_cast<int>(i);
    }
    return toRight;
}

int GridPrintWidth(const std::vector<int>& pColWidths, int pGridLineWidth) {
    int w = pGridLineWidth;
    for (int cw : pColWidths)
        w += cw + pGridLineWidth;
    return w;
}

TVelPrintParms GetPrintParms(int pPageWidth, int pGridWidth) {
    int scale = pGridWidth > 0 ? pPageWidth / pGridWidth : 0;
    if (scale <= 0) throw EVelGridPrint("Page too narrow to print table");
    return {scale, (pPageWidth - scale * pGridWidth) / 2};
}

std::string CsvLine(const std::vector<std::string>& pFields) {
    std::string line;
    for (size_t i = 0; i < pFields.size(); ++i) {
        if (i > 0) line += ',';
        line += '"' + pFields[i] + '"';
    }
    return line;
}

} // namespace pramlet
