#pragma once
// TVelGeneralGrid: a table of cells with fixed rows and columns whose cells carry, besides
// their text, an error mark and text, an enabled flag, an object and a tag. Per-column
// editors (TVelGridEditor) draw, print and edit the cells of their column. The cells live
// in a sparse sorted list; the table view only supplies geometry, scrolling and selection.

#include "components/PendingActions.h"
#include "components/VelGeneralGridCells.h"

#include <QFont>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QTableView>
#include <QTimer>

#include <functional>

class QPainter;

namespace pramlet {

class TVelGeneralGrid;
class TVelGridEditor;
class TVelImageList;
class TVelGeneralGridModel;

enum TVelEditorStyle {
    esNone,
    esMaskEdit,
    esDropDown,
    esDropDownList,
    esImageList,
    esSpinEdit,
    esDropDownImageList,
    esButton,
    esDatePicker,
    esTimePicker
};

struct TGridDrawState {
    bool Selected = false;
    bool Focused = false;
    bool Fixed = false;
};

using TOnCellChange =
    std::function<void(TVelGeneralGridCell* Sender, int ACol, int ARow, const QString& Value)>;
using TOnCellEditChange =
    std::function<void(TVelGeneralGrid* Sender, int ACol, const QString& Value, int ARow)>;
using TOnEditorSelectionChange = std::function<void(TVelGeneralGrid* Sender, int pParm)>;
// pTop and pBottom may be changed by the handler to reserve room for a header or footer.
using TOnPrint = std::function<void(QPainter* pCanvas, const QRect& pRect, int& pTop, int& pBottom,
                                    int pPage, int pOfPages, bool pCalculatingPages)>;
// Setting Key to a null character swallows the key.
using TVelKeyPress = std::function<void(QObject* Sender, QChar& Key)>;
// Every selection of a cell by the user, also of the cell that is already current.
using TOnSelectCell = std::function<void(TVelGeneralGrid* Sender, int ACol, int ARow)>;

class TVelGeneralGrid : public QTableView {
    Q_OBJECT

  public:
    explicit TVelGeneralGrid(QWidget* parent = nullptr);
    ~TVelGeneralGrid() override;

    // Cells; reading a cell that was never written gives the initial values and creates
    // no record.
    QString Cell(int ACol, int ARow) const;
    void setCell(int ACol, int ARow, const QString& Value);
    bool Error(int ACol, int ARow) const;
    void setError(int ACol, int ARow, bool Value);
    QString ErrorText(int ACol, int ARow) const;
    void setErrorText(int ACol, int ARow, const QString& Value);
    bool CellEnabled(int ACol, int ARow) const;
    void setCellEnabled(int ACol, int ARow, bool Value);
    void* CellObject(int ACol, int ARow) const;
    void setCellObject(int ACol, int ARow, void* Value);
    int CellTag(int ACol, int ARow) const;
    void setCellTag(int ACol, int ARow, int Value);
    const TVelGeneralGridCellList& Cells() const { return fVelCells; }
    void ClearCells();

    // Columns.
    TVelGridEditor* Editor(int ACol) const;
    TVelEditorStyle ColumnEditStyle(int ACol) const;
    void setColumnEditStyle(int ACol, TVelEditorStyle Value);
    TVelImageList* ImageList(int ACol) const;
    void setImageList(int ACol, TVelImageList* Value);
    QStringList ChoiceStrings(int ACol) const;
    void setChoiceStrings(int ACol, const QStringList& Value);
    int ColWidths(int ACol) const;
    void setColWidths(int ACol, int Value);
    int DefaultColWidth() const;
    void setDefaultColWidth(int Value);

    // Rows.
    int RowHeights(int ARow) const;
    // A height the table refuses sets the default row height instead.
    void setRowHeights(int ARow, int Value);
    int DefaultRowHeight() const;
    void setDefaultRowHeight(int Value);
    bool RowVisible(int ARow) const;
    // True pages the window until the row is visible; false does nothing.
    void setRowVisible(int ARow, bool Value = true);
    // First scrollable row shown below the fixed rows.
    int TopRow() const;
    void setTopRow(int ARow);
    // Rows that fit fully into the window from TopRow on.
    int VisibleRowCount() const;

    // Counts; a count not above the fixed rows (columns) hides the grid.
    int RowCount() const { return fRowCount; }
    void setRowCount(int Value);
    int ColCount() const { return fColCount; }
    void setColCount(int Value);
    int FixedRows() const { return fFixedRows; }
    void setFixedRows(int Value);
    int FixedCols() const { return fFixedCols; }
    void setFixedCols(int Value);
    int ActiveRowCount() const { return fRowCount - fFixedRows; }
    void setActiveRowCount(int Value);
    int ActiveColCount() const { return fColCount - fFixedCols; }
    void setActiveColCount(int Value);
    // The current cell.
    int Row() const;
    int Col() const;
    void setCurrentCell(int ACol, int ARow);

    bool AutoSizeRows() const { return fAutosizeRows; }
    void setAutoSizeRows(bool Value);
    bool AutoSizeCols() const { return fAutoSizeCols; }
    void setAutoSizeCols(bool Value);
    int TextHMargin() const { return fTextHMargin; }
    void setTextHMargin(int Value);
    int TextVMargin100() const { return fTextVMargin100; }
    void setTextVMargin100(int Value);
    int MinRowHeight() const { return fMinRowHeight; }
    void setMinRowHeight(int Value);
    QFont NormalFont() const { return fNormalFont; }
    void setNormalFont(const QFont& Value);
    QFont ErrorFont() const { return fErrorFont; }
    void setErrorFont(const QFont& Value);
    bool Focused() const { return fFocused; }
    bool JustClicked() const { return fJustClicked; }
    void setJustClicked(bool Value);
    int RowBeingEdited() const { return fRowBeingEdited; }
    void setRowBeingEdited(int Value);
    int ColBeingEdited() const { return fColBeingEdited; }
    void setColBeingEdited(int Value);
    // Passed on to the editors; false hides their in-place controls.
    void setVisible(bool visible) override;

    // Events.
    void setOnCellChange(TOnCellChange h) { fOnCellChange = std::move(h); }
    void setOnCellEditChange(TOnCellEditChange h) { fOnCellEditChange = std::move(h); }
    void setOnRowSelectionChange(TOnEditorSelectionChange h) {
        fOnRowSelectionChange = std::move(h);
    }
    void setOnColSelectionChange(TOnEditorSelectionChange h) {
        fOnColSelectionChange = std::move(h);
    }
    TVelKeyPress OnKeyPress() const { return fOnKeyPress; }
    void setOnKeyPress(TVelKeyPress h);
    void setOnPrintHeader(TOnPrint h) { fOnPrintHeader = std::move(h); }
    void setOnPrintFooter(TOnPrint h) { fOnPrintFooter = std::move(h); }
    void setOnSelectCell(TOnSelectCell h) { fOnSelectCell = std::move(h); }

    // Pending actions: run on the 10 ms tick while JustClicked is set.
    void AddDelayedAction(void* pObject, int pDelay,
                          const tVelPendingActionEvent& pPendingActionEvent);
    tVelPendingActionList& PendingActions() { return fVelGeneralGridPendingActionList; }
    bool TimerActive() const { return fTimer.isActive(); }

    // Widest of the column width and the texts of the column's cells.
    int MaxTextWidth(int ACol) const;
    // One line per row, every field quoted; empty cells show the editor's title of the
    // row. False when the file cannot be written.
    bool ExportCSV(const QString& pFileName) const;

    // Printing, in the painter's units. Print returns the number of the last page begun.
    int GridLineWidth() const;
    void GetPrintParms(QPainter* pCanvas, const QRect& pRect, int& pScaleFactor, int& pLeft) const;
    int Print(int pStartPage, int pPageCount, QPainter* pCanvas, const QRect& pRect,
              bool pCalculatingPages);
    void PrintLine(int ARow);
    void PrintCell(int ACol, int ARow, const QRect& pCellRect);
    int PrintLineHeight(int ARow) const;
    int PrintColWidth(int ACol) const;

    void HideEditor();

    // For the editors.
    void RegisterEditor(TVelGridEditor* pEditor);
    void UnregisterEditor(TVelGridEditor* pEditor);
    const QList<TVelGridEditor*>& Editors() const { return fEditorList; }
    void UpdateAutoRowHeight();
    void Relayout();
    void InvalidateCell(int ACol, int ARow);
    // Cell rectangle in viewport coordinates.
    QRect CellRect(int ACol, int ARow) const;
    // Sets a column width, after the current paint when called while painting.
    void FitColWidth(int ACol, int pWidth, bool pGrowOnly);
    void DoCellEditChange(int ACol, const QString& Value, int ARow);
    // Draws one cell: background, font by the error mark, then the column's editor.
    void DrawCell(QPainter* pCanvas, int ACol, int ARow, const QRect& pRect, TGridDrawState pState);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

  private:
    // pShow: a count was set, which shows the grid when the counts allow it.
    void ApplyCounts(bool pShow = false);
    void Tick();
    void ApplyPendingWidths();
    bool IsFixed(int ACol, int ARow) const { return ARow < fFixedRows || ACol < fFixedCols; }

    TVelGeneralGridModel* fModel;
    int fRowCount = 5;
    int fColCount = 5;
    int fFixedRows = 1;
    int fFixedCols = 1;
    bool fHiddenByCount = false;
    QList<TVelGridEditor*> fEditorList;
    // Last visibility set on the grid; passed on to every editor registered with it.
    bool fEditorsVisible = true;
    TVelGeneralGridCellList fVelCells;
    int fTextHMargin = -1;
    int fTextVMargin100 = 25;
    int fMinRowHeight = 16;
    bool fAutosizeRows = false;
    bool fAutoSizeCols = false;
    QFont fNormalFont;
    QFont fErrorFont;
    bool fFocused = false;
    bool fJustClicked = false;
    int fRowBeingEdited = -1;
    int fColBeingEdited = -1;
    QTimer fTimer;
    tVelPendingActionList fVelGeneralGridPendingActionList;
    bool fDestroying = false;
    int fPainting = 0;
    QHash<int, int> fPendingWidths;
    TVelKeyPress fOnKeyPress;

    TOnCellChange fOnCellChange;
    TOnCellEditChange fOnCellEditChange;
    TOnEditorSelectionChange fOnRowSelectionChange;
    TOnEditorSelectionChange fOnColSelectionChange;
    TOnPrint fOnPrintHeader;
    TOnPrint fOnPrintFooter;
    TOnSelectCell fOnSelectCell;

    // State of a running Print.
    QPainter* fPrintCanvas = nullptr;
    QRect fPrintRect;
    int fPrintTop = 0;
    int fPrintBottom = 0;
    int fPrintPage = 0;
    int fPrintPageCount = 0;
    bool fPrintCalculating = false;
    int fPrintScale = 1;
    int fPrintLeft = 0;
};

} // namespace pramlet
