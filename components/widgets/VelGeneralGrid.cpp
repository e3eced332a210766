#include "components/widgets/VelGeneralGrid.h"

#include "components/widgets/VelGridEditor.h"

#include <QAbstractItemDelegate>
#include <QAbstractTableModel>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextStream>

#include <algorithm>

namespace pramlet {

// The table view's model: only the counts the view shows; texts come from the cell list.
class TVelGeneralGridModel : public QAbstractTableModel {
  public:
    explicit TVelGeneralGridModel(TVelGeneralGrid* grid) : QAbstractTableModel(grid), fGrid(grid) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : fRows;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : fCols;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
            if (role == Qt::ToolTipRole) return fGrid->ErrorText(index.column(), index.row());
            return fGrid->Cell(index.column(), index.row());
        }
        return {};
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        // Fixed cells cannot become current, as in any grid with fixed rows and columns.
        if (index.row() < fGrid->FixedRows() || index.column() < fGrid->FixedCols())
            return Qt::NoItemFlags;
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }

    void setRows(int n) {
        if (n > fRows) {
            beginInsertRows({}, fRows, n - 1);
            fRows = n;
            endInsertRows();
        } else if (n < fRows) {
            beginRemoveRows({}, n, fRows - 1);
            fRows = n;
            endRemoveRows();
        }
    }
    void setCols(int n) {
        if (n > fCols) {
            beginInsertColumns({}, fCols, n - 1);
            fCols = n;
            endInsertColumns();
        } else if (n < fCols) {
            beginRemoveColumns({}, n, fCols - 1);
            fCols = n;
            endRemoveColumns();
        }
    }
    void cellChanged(int col, int row) {
        QModelIndex i = index(row, col);
        if (i.isValid()) emit dataChanged(i, i);
    }
    void allChanged() {
        if (fRows > 0 && fCols > 0) emit dataChanged(index(0, 0), index(fRows - 1, fCols - 1));
    }

  private:
    TVelGeneralGrid* fGrid;
    int fRows = 0;
    int fCols = 0;
};

namespace {

class TVelGridDelegate : public QAbstractItemDelegate {
  public:
    explicit TVelGridDelegate(TVelGeneralGrid* grid) : QAbstractItemDelegate(grid), fGrid(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        TGridDrawState state;
        state.Selected = option.state & QStyle::State_Selected;
        state.Focused =
            index.row() == fGrid->Row() && index.column() == fGrid->Col() && fGrid->Focused();
        state.Fixed = index.row() < fGrid->FixedRows() || index.column() < fGrid->FixedCols();
        fGrid->DrawCell(painter, index.column(), index.row(), option.rect, state);
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const override {
        return {fGrid->ColWidths(index.column()), fGrid->RowHeights(index.row())};
    }

  private:
    TVelGeneralGrid* fGrid;
};

} // namespace

TVelGeneralGrid::TVelGeneralGrid(QWidget* parent)
    : QTableView(parent), fModel(new TVelGeneralGridModel(this)), fVelCells(this) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setDefaultSectionSize(64);
    verticalHeader()->setDefaultSectionSize(24);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setItemDelegate(new TVelGridDelegate(this));
    setModel(fModel);
    fNormalFont = font();
    fErrorFont = font();
    fTimer.setInterval(10);
    connect(&fTimer, &QTimer::timeout, this, &TVelGeneralGrid::Tick);
    ApplyCounts();
    setCurrentCell(fFixedCols, fFixedRows);
}

TVelGeneralGrid::~TVelGeneralGrid() {
    fDestroying = true;
    fTimer.stop();
    const auto editors = fEditorList;
    fEditorList.clear();
    for (TVelGridEditor* e : editors)
        e->DetachFromGrid();
}

// ---- cells -------------------------------------------------------------------------------

QString TVelGeneralGrid::Cell(int ACol, int ARow) const {
    return QString::fromStdString(fVelCells.Read(ACol, ARow).fText);
}

void TVelGeneralGrid::setCell(int ACol, int ARow, const QString& Value) {
    TVelGeneralGridCell& cell = fVelCells.Get(ACol, ARow);
    std::string text = Value.toStdString();
    if (cell.fText == text) return;
    cell.fText = text;
    if (fOnCellChange) fOnCellChange(&cell, ACol, ARow, Value);
    fModel->cellChanged(ACol, ARow);
    if (TVelGridEditor* e = Editor(ACol)) e->ResetText(ACol, ARow, Value);
}

bool TVelGeneralGrid::Error(int ACol, int ARow) const {
    return fVelCells.Read(ACol, ARow).fError;
}

void TVelGeneralGrid::setError(int ACol, int ARow, bool Value) {
    TVelGeneralGridCell& cell = fVelCells.Get(ACol, ARow);
    if (cell.fError == Value) return;
    cell.fError = Value;
    InvalidateCell(ACol, ARow);
}

QString TVelGeneralGrid::ErrorText(int ACol, int ARow) const {
    return QString::fromStdString(fVelCells.Read(ACol, ARow).fErrorText);
}

void TVelGeneralGrid::setErrorText(int ACol, int ARow, const QString& Value) {
    TVelGeneralGridCell& cell = fVelCells.Get(ACol, ARow);
    std::string text = Value.toStdString();
    if (cell.fErrorText != text) cell.fErrorText = text;
}

bool TVelGeneralGrid::CellEnabled(int ACol, int ARow) const {
    return fVelCells.Read(ACol, ARow).fEnabled;
}

void TVelGeneralGrid::setCellEnabled(int ACol, int ARow, bool Value) {
    TVelGeneralGridCell& cell = fVelCells.Get(ACol, ARow);
    if (cell.fEnabled == Value) return;
    cell.fEnabled = Value;
    InvalidateCell(ACol, ARow);
}

void* TVelGeneralGrid::CellObject(int ACol, int ARow) const {
    return fVelCells.Read(ACol, ARow).fCellObject;
}

void TVelGeneralGrid::setCellObject(int ACol, int ARow, void* Value) {
    fVelCells.Get(ACol, ARow).fCellObject = Value;
}

int TVelGeneralGrid::CellTag(int ACol, int ARow) const {
    return fVelCells.Read(ACol, ARow).fTag;
}

void TVelGeneralGrid::setCellTag(int ACol, int ARow, int Value) {
    fVelCells.Get(ACol, ARow).fTag = Value;
}

void TVelGeneralGrid::ClearCells() {
    fVelCells.Clear();
    fModel->allChanged();
}

// ---- columns and rows --------------------------------------------------------------------

TVelGridEditor* TVelGeneralGrid::Editor(int ACol) const {
    std::vector<TVelEditorSlot> columns;
    columns.reserve(fEditorList.size());
    for (TVelGridEditor* e : fEditorList)
        columns.push_back({e->Column(), e->AllowUseToRight()});
    int i = FindColumnEditor(columns, ACol);
    return i < 0 ? nullptr : fEditorList.at(i);
}

TVelEditorStyle TVelGeneralGrid::ColumnEditStyle(int ACol) const {
    TVelGridEditor* e = Editor(ACol);
    return e ? e->Style() : esNone;
}

void TVelGeneralGrid::setColumnEditStyle(int ACol, TVelEditorStyle Value) {
    if (TVelGridEditor* e = Editor(ACol)) e->setStyle(Value);
}

TVelImageList* TVelGeneralGrid::ImageList(int ACol) const {
    TVelGridEditor* e = Editor(ACol);
    return e ? e->Images() : nullptr;
}

void TVelGeneralGrid::setImageList(int ACol, TVelImageList* Value) {
    if (TVelGridEditor* e = Editor(ACol)) e->setImages(Value);
}

QStringList TVelGeneralGrid::ChoiceStrings(int ACol) const {
    TVelGridEditor* e = Editor(ACol);
    return e ? e->Items() : QStringList();
}

void TVelGeneralGrid::setChoiceStrings(int ACol, const QStringList& Value) {
    TVelGridEditor* e = Editor(ACol);
    if (!e) return;
    TVelItemsList items;
    for (const QString& s : Value)
        items.append({s, nullptr});
    e->setItemsList(&items);
}

int TVelGeneralGrid::ColWidths(int ACol) const {
    return horizontalHeader()->sectionSize(ACol);
}

void TVelGeneralGrid::setColWidths(int ACol, int Value) {
    fPendingWidths.remove(ACol);
    horizontalHeader()->resizeSection(ACol, std::max(0, Value));
}

int TVelGeneralGrid::DefaultColWidth() const {
    return horizontalHeader()->defaultSectionSize();
}

void TVelGeneralGrid::setDefaultColWidth(int Value) {
    horizontalHeader()->setDefaultSectionSize(Value);
}

int TVelGeneralGrid::RowHeights(int ARow) const {
    return verticalHeader()->sectionSize(ARow);
}

void TVelGeneralGrid::setRowHeights(int ARow, int Value) {
    if (Value < 0 || Value > verticalHeader()->maximumSectionSize()) Value = DefaultRowHeight();
    verticalHeader()->resizeSection(ARow, Value);
}

int TVelGeneralGrid::DefaultRowHeight() const {
    return verticalHeader()->defaultSectionSize();
}

void TVelGeneralGrid::setDefaultRowHeight(int Value) {
    verticalHeader()->setDefaultSectionSize(Value);
    // Every row takes the new default height.
    for (int r = 0; r < fModel->rowCount(); ++r)
        verticalHeader()->resizeSection(r, Value);
}

int TVelGeneralGrid::TopRow() const {
    return std::max(fFixedRows, verticalScrollBar()->value());
}

void TVelGeneralGrid::setTopRow(int ARow) {
    verticalScrollBar()->setValue(ARow <= fFixedRows ? 0 : ARow);
}

int TVelGeneralGrid::VisibleRowCount() const {
    int n = 0;
    const int height = viewport()->height();
    for (int r = TopRow(); r < fModel->rowCount(); ++r) {
        if (rowViewportPosition(r) + rowHeight(r) > height) break;
        ++n;
    }
    return n;
}

bool TVelGeneralGrid::RowVisible(int ARow) const {
    int top = TopRow();
    return ARow >= top && ARow < fRowCount && ARow < top + VisibleRowCount();
}

void TVelGeneralGrid::setRowVisible(int ARow, bool Value) {
    if (!Value) return;
    const int page = VisibleRowCount();
    if (page <= 0 || RowVisible(ARow) || ARow < fFixedRows || ARow >= fRowCount) return;
    int top = TopRow();
    if (ARow < top) {
        while (top > ARow)
            top -= page;
        top = std::max(top, fFixedRows);
    } else {
        while (ARow >= top + page)
            top += page;
    }
    setTopRow(top);
}

// ---- counts ------------------------------------------------------------------------------

void TVelGeneralGrid::ApplyCounts(bool pShow) {
    if (fFixedRows >= fRowCount || fFixedCols >= fColCount) {
        if (!isHidden()) {
            fHiddenByCount = true;
            hide();
        }
        return;
    }
    fModel->setRows(fRowCount);
    fModel->setCols(fColCount);
    // Setting a count shows the grid; one without a parent would become a window of its
    // own, so only the hiding by a count is undone there.
    if (fHiddenByCount || (pShow && isHidden() && parentWidget())) {
        fHiddenByCount = false;
        show();
    }
}

void TVelGeneralGrid::setRowCount(int Value) {
    fRowCount = Value;
    ApplyCounts(true);
}

void TVelGeneralGrid::setColCount(int Value) {
    fColCount = Value;
    ApplyCounts(true);
}

void TVelGeneralGrid::setFixedRows(int Value) {
    fFixedRows = std::max(0, Value);
    ApplyCounts();
    fModel->allChanged();
}

void TVelGeneralGrid::setFixedCols(int Value) {
    fFixedCols = std::max(0, Value);
    ApplyCounts();
    fModel->allChanged();
}

void TVelGeneralGrid::setActiveRowCount(int Value) {
    if (Value != ActiveRowCount()) setRowCount(Value + fFixedRows);
}

void TVelGeneralGrid::setActiveColCount(int Value) {
    if (Value != ActiveColCount()) setColCount(Value + fFixedCols);
}

int TVelGeneralGrid::Row() const {
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

int TVelGeneralGrid::Col() const {
    return currentIndex().isValid() ? currentIndex().column() : -1;
}

void TVelGeneralGrid::setCurrentCell(int ACol, int ARow) {
    QModelIndex index = fModel->index(ARow, ACol);
    if (index.isValid() && selectionModel())
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

// ---- whole grid --------------------------------------------------------------------------

void TVelGeneralGrid::setAutoSizeRows(bool Value) {
    fAutosizeRows = Value;
    UpdateAutoRowHeight();
}

void TVelGeneralGrid::setAutoSizeCols(bool Value) {
    fAutoSizeCols = Value;
    Relayout();
}

void TVelGeneralGrid::setTextHMargin(int Value) {
    fTextHMargin = Value;
    Relayout();
}

void TVelGeneralGrid::setTextVMargin100(int Value) {
    fTextVMargin100 = Value;
    UpdateAutoRowHeight();
}

void TVelGeneralGrid::setMinRowHeight(int Value) {
    fMinRowHeight = Value;
    UpdateAutoRowHeight();
}

void TVelGeneralGrid::setNormalFont(const QFont& Value) {
    fNormalFont = Value;
    viewport()->update();
}

void TVelGeneralGrid::setErrorFont(const QFont& Value) {
    fErrorFont = Value;
    viewport()->update();
}

void TVelGeneralGrid::setJustClicked(bool Value) {
    if (fJustClicked == Value) return;
    fJustClicked = Value;
    viewport()->update();
}

void TVelGeneralGrid::setRowBeingEdited(int Value) {
    if (Value == fRowBeingEdited) return;
    fRowBeingEdited = Value;
    if (fOnRowSelectionChange) fOnRowSelectionChange(this, Value);
    if (Value != -1) setCurrentCell(Col(), Value);
}

void TVelGeneralGrid::setColBeingEdited(int Value) {
    if (Value == fColBeingEdited) return;
    fColBeingEdited = Value;
    if (fOnColSelectionChange) fOnColSelectionChange(this, Value);
    if (Value >= 0) setCurrentCell(Value, Row());
}

void TVelGeneralGrid::setVisible(bool visible) {
    QTableView::setVisible(visible);
    fEditorsVisible = visible;
    if (!fDestroying)
        for (TVelGridEditor* e : fEditorList)
            e->setVisible(visible);
}

void TVelGeneralGrid::setOnKeyPress(TVelKeyPress h) {
    fOnKeyPress = std::move(h);
    for (TVelGridEditor* e : fEditorList)
        e->setOnKeyPress(fOnKeyPress);
}

// ---- editors, geometry -------------------------------------------------------------------

void TVelGeneralGrid::RegisterEditor(TVelGridEditor* pEditor) {
    if (!pEditor || fEditorList.contains(pEditor)) return;
    fEditorList.append(pEditor);
    pEditor->setVisible(fEditorsVisible);
    if (fOnKeyPress) pEditor->setOnKeyPress(fOnKeyPress);
    UpdateAutoRowHeight();
    Relayout();
}

void TVelGeneralGrid::UnregisterEditor(TVelGridEditor* pEditor) {
    fEditorList.removeAll(pEditor);
    if (fDestroying) return;
    UpdateAutoRowHeight();
    Relayout();
}

void TVelGeneralGrid::UpdateAutoRowHeight() {
    if (!fAutosizeRows || fDestroying) return;
    const int h = QFontMetrics(font()).height();
    const int b = h * (2 * fTextVMargin100 + 100) / 100;
    int height = fMinRowHeight;
    for (int c = 0; c < fModel->columnCount(); ++c)
        if (TVelGridEditor* e = Editor(c)) height = std::max(height, e->DesiredRowHeight(b));
    setDefaultRowHeight(height);
}

void TVelGeneralGrid::Relayout() {
    updateGeometries();
    viewport()->update();
}

void TVelGeneralGrid::InvalidateCell(int ACol, int ARow) {
    QRect r = CellRect(ACol, ARow);
    if (r.isValid()) viewport()->update(r);
}

QRect TVelGeneralGrid::CellRect(int ACol, int ARow) const {
    return visualRect(fModel->index(ARow, ACol));
}

void TVelGeneralGrid::FitColWidth(int ACol, int pWidth, bool pGrowOnly) {
    int current = fPendingWidths.value(ACol, ColWidths(ACol));
    if (pGrowOnly ? current >= pWidth : current == pWidth) return;
    if (!fPainting) {
        setColWidths(ACol, pWidth);
        return;
    }
    // Resizing a column in the middle of a paint would shift the cells still to be drawn.
    const bool queued = !fPendingWidths.isEmpty();
    fPendingWidths.insert(ACol, pWidth);
    if (!queued)
        QMetaObject::invokeMethod(
            this, [this] { ApplyPendingWidths(); }, Qt::QueuedConnection);
}

void TVelGeneralGrid::ApplyPendingWidths() {
    const auto widths = fPendingWidths;
    fPendingWidths.clear();
    for (auto it = widths.begin(); it != widths.end(); ++it)
        setColWidths(it.key(), it.value());
}

void TVelGeneralGrid::DoCellEditChange(int ACol, const QString& Value, int ARow) {
    if (fOnCellEditChange) fOnCellEditChange(this, ACol, Value, ARow);
}

void TVelGeneralGrid::DrawCell(QPainter* pCanvas, int ACol, int ARow, const QRect& pRect,
                               TGridDrawState pState) {
    ++fPainting;
    TVelGeneralGridCell& cell = fVelCells.Get(ACol, ARow);
    pCanvas->save();
    pCanvas->setClipRect(pRect);
    pCanvas->fillRect(pRect, pState.Fixed ? palette().button() : palette().base());
    pCanvas->setFont(cell.fError ? fErrorFont : fNormalFont);
    pCanvas->setPen(palette().color(pState.Fixed ? QPalette::ButtonText : QPalette::Text));
    if (TVelGridEditor* e = Editor(ACol)) {
        e->DrawCell(pCanvas, ACol, ARow, pRect, pState, cell, isEnabled(), fFocused, cell.fEnabled,
                    QString::fromStdString(cell.fErrorText));
    } else {
        pCanvas->drawText(pRect.adjusted(2, 2, 0, 0),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          QString::fromStdString(cell.fText));
    }
    if (pState.Focused && !(ARow == fRowBeingEdited && ACol == fColBeingEdited)) {
        pCanvas->setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
        pCanvas->setBrush(Qt::NoBrush);
        pCanvas->drawRect(pRect.adjusted(0, 0, -1, -1));
    }
    pCanvas->restore();
    --fPainting;
}

// ---- events ------------------------------------------------------------------------------

void TVelGeneralGrid::AddDelayedAction(void* pObject, int pDelay,
                                       const tVelPendingActionEvent& pPendingActionEvent) {
    fVelGeneralGridPendingActionList.Add(pObject, pDelay, pPendingActionEvent);
    if (!fTimer.isActive()) fTimer.start();
}

void TVelGeneralGrid::Tick() {
    if (!fJustClicked) return;
    if (!fVelGeneralGridPendingActionList.ExecuteTick()) fTimer.stop();
}

void TVelGeneralGrid::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    fFocused = true;
    viewport()->update();
}

void TVelGeneralGrid::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    fFocused = false;
    viewport()->update();
}

void TVelGeneralGrid::mousePressEvent(QMouseEvent* event) {
    QModelIndex index = indexAt(event->position().toPoint());
    const bool sameCell = index.isValid() && index == currentIndex();
    QTableView::mousePressEvent(event);
    if (sameCell && event->button() == Qt::LeftButton && fOnSelectCell)
        fOnSelectCell(this, index.column(), index.row());
}

void TVelGeneralGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    // The first click arms the editors' instant actions.
    if (event->button() == Qt::LeftButton) setJustClicked(true);
}

void TVelGeneralGrid::keyPressEvent(QKeyEvent* event) {
    if (fOnKeyPress && !event->text().isEmpty()) {
        QChar key = event->text().at(0);
        fOnKeyPress(this, key);
        if (key.isNull()) {
            event->accept();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void TVelGeneralGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.isValid() && fOnSelectCell) fOnSelectCell(this, current.column(), current.row());
}

// ---- export and print --------------------------------------------------------------------

int TVelGeneralGrid::MaxTextWidth(int ACol) const {
    QFontMetrics metrics(fNormalFont);
    int width = ColWidths(ACol);
    for (int r = 0; r < fRowCount; ++r)
        width = std::max(width, metrics.horizontalAdvance(Cell(ACol, r)));
    return width;
}

bool TVelGeneralGrid::ExportCSV(const QString& pFileName) const {
    QFile file(pFileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
    QTextStream out(&file);
    for (int r = 0; r < fRowCount; ++r) {
        std::vector<std::string> fields;
        for (int c = 0; c < fColCount; ++c) {
            QString text = Cell(c, r);
            if (text.isEmpty())
                if (TVelGridEditor* e = Editor(c)) text = e->CellText(r, text);
            fields.push_back(text.toStdString());
        }
        out << QString::fromStdString(CsvLine(fields)) << '\n';
    }
    out.flush();
    return out.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
}

int TVelGeneralGrid::GridLineWidth() const {
    return showGrid() ? 1 : 0;
}

namespace {
int TableWidth(const TVelGeneralGrid& grid) {
    std::vector<int> widths;
    for (int c = 0; c < grid.ColCount(); ++c)
        widths.push_back(grid.ColWidths(c));
    return GridPrintWidth(widths, grid.GridLineWidth());
}
} // namespace

void TVelGeneralGrid::GetPrintParms(QPainter* pCanvas, const QRect& pRect, int& pScaleFactor,
                                    int& pLeft) const {
    Q_UNUSED(pCanvas);
    TVelPrintParms parms = pramlet::GetPrintParms(pRect.width(), TableWidth(*this));
    pScaleFactor = parms.ScaleFactor;
    pLeft = parms.Left;
}

int TVelGeneralGrid::Print(int pStartPage, int pPageCount, QPainter* pCanvas, const QRect& pRect,
                           bool pCalculatingPages) {
    const int width = TableWidth(*this);
    pramlet::GetPrintParms(pRect.width(), width); // throws when the table does not fit
    fPrintScale = 1;
    fPrintLeft = (pRect.width() - width) / 2;
    fPrintCanvas = pCanvas;
    fPrintRect = pRect;
    fPrintPage = pStartPage - 1;
    fPrintPageCount = pPageCount;
    fPrintCalculating = pCalculatingPages;
    // Both at the bottom, so that the first row begins a page.
    fPrintTop = fPrintBottom = pRect.top() + pRect.height();
    for (int r = 0; r < fRowCount; ++r)
        PrintLine(r);
    fPrintCanvas = nullptr;
    return fPrintPage;
}

int TVelGeneralGrid::PrintLineHeight(int ARow) const {
    return fPrintScale * (RowHeights(ARow) + GridLineWidth());
}

int TVelGeneralGrid::PrintColWidth(int ACol) const {
    return fPrintScale * (ColWidths(ACol) + 2 * GridLineWidth());
}

void TVelGeneralGrid::PrintLine(int ARow) {
    const int lineHeight = PrintLineHeight(ARow);
    if (fPrintBottom < fPrintTop + lineHeight) {
        ++fPrintPage;
        fPrintTop = fPrintRect.top();
        fPrintBottom = fPrintRect.top() + fPrintRect.height();
        if (fOnPrintFooter)
            fOnPrintFooter(fPrintCanvas, fPrintRect, fPrintTop, fPrintBottom, fPrintPage,
                           fPrintPageCount, fPrintCalculating);
        if (fOnPrintHeader)
            fOnPrintHeader(fPrintCanvas, fPrintRect, fPrintTop, fPrintBottom, fPrintPage,
                           fPrintPageCount, fPrintCalculating);
    }
    if (!fPrintCalculating) {
        int x = fPrintRect.left() + fPrintLeft;
        for (int c = 0; c < fColCount; ++c) {
            const int width = PrintColWidth(c);
            PrintCell(c, ARow, QRect(x, fPrintTop, width, lineHeight));
            // Borders of neighbouring cells overlap.
            x += width - fPrintScale * GridLineWidth();
        }
    }
    fPrintTop += lineHeight;
}

void TVelGeneralGrid::PrintCell(int ACol, int ARow, const QRect& pCellRect) {
    const TVelGeneralGridCell& cell = fVelCells.Read(ACol, ARow);
    QPainter* canvas = fPrintCanvas;
    const int pen = fPrintScale * GridLineWidth();
    QRect rect(pCellRect.left(), pCellRect.top(), pCellRect.width(), pCellRect.height() - pen);
    canvas->save();
    canvas->setFont(cell.fError ? fErrorFont : fNormalFont);
    canvas->fillRect(rect, IsFixed(ACol, ARow) ? QColor(0xC0, 0xC0, 0xC0) : QColor(Qt::white));
    if (pen > 0) {
        canvas->setPen(QPen(Qt::black, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        canvas->setBrush(Qt::NoBrush);
        canvas->drawRect(QRectF(rect).adjusted(pen / 2.0, pen / 2.0, -pen / 2.0, -pen / 2.0));
    }
    canvas->setPen(Qt::black);
    QRect inner = rect.adjusted(pen, pen, -pen, -pen);
    QString text = QString::fromStdString(cell.fText);
    if (TVelGridEditor* e = Editor(ACol)) {
        e->PrintCell(canvas, ACol, ARow, inner, text);
    } else {
        canvas->setClipRect(inner);
        canvas->drawText(inner.adjusted(2, 2, 0, 0),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    }
    canvas->restore();
}

void TVelGeneralGrid::HideEditor() {
    const auto editors = fEditorList;
    for (TVelGridEditor* e : editors)
        e->HideEditor();
}

} // namespace pramlet
