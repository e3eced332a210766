#pragma once
// TVelGridEditor: how the cells of one grid column are drawn, printed and edited. The
// style picks plain text, a picture chosen by the cell text, or an in-place control shown
// over the cell being edited that writes its value back into the cell.

#include "components/widgets/VelGeneralGrid.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>

class QFontMetrics;

namespace pramlet {

struct TVelItem {
    QString Text;
    void* Object = nullptr; // not owned
};
using TVelItemsList = QList<TVelItem>;

using TVelGetImageIndex = std::function<int(TVelGeneralGrid* Sender, int ACol, int ARow,
                                            TGridDrawState State, const QString& Text)>;
using TVelEditorClick = std::function<void(TVelGridEditor* Sender)>;

class TVelGridEditor : public QObject {
    Q_OBJECT

  public:
    explicit TVelGridEditor(QObject* parent = nullptr);
    ~TVelGridEditor() override;

    TVelGeneralGrid* VelGrid() const { return fVelGrid; }
    void setVelGrid(TVelGeneralGrid* Value);
    TVelEditorStyle Style() const { return fStyle; }
    void setStyle(TVelEditorStyle Value);
    int Column() const { return fColumn; }
    void setColumn(int Value);
    bool ParentAutoSizeColumn() const { return fParentAutoSizeColumn; }
    void setParentAutoSizeColumn(bool Value);
    bool AutoSizeColumn() const { return fAutoSizeColumn; }
    void setAutoSizeColumn(bool Value);
    bool ParentColWidth() const { return fParentColWidth; }
    void setParentColWidth(bool Value);
    int ColWidth() const { return fColWidth; }
    void setColWidth(int Value);
    TVelImageList* Images() const { return fImages; }
    void setImages(TVelImageList* Value);
    void setOnGetImageIndex(TVelGetImageIndex h) { fOnGetImageIndex = std::move(h); }
    QStringList Titles() const { return fStringList; }
    void setTitles(const QStringList& Value);
    const TVelItemsList& ItemsList() const { return fItemsList; }
    // Copies the list; nullptr clears it.
    void setItemsList(const TVelItemsList* Value);
    QStringList Items() const;
    // The object of the item equal to pVal without regard to case; throws
    // std::runtime_error("\"pVal\" not found in Items List") when there is none.
    void* GetObjects(const QString& pVal) const;
    void SetObjects(const QString& pVal, void* Value);
    bool AllowUseToRight() const { return fAllowUseToRight; }
    void setAllowUseToRight(bool Value);
    TVelKeyPress OnKeyPress() const { return fOnKeyPress; }
    void setOnKeyPress(TVelKeyPress h) { fOnKeyPress = std::move(h); }
    void setOnClick(TVelEditorClick h) { fOnClick = std::move(h); }
    int MaxLength() const { return fMaxLen; }
    void setMaxLength(int Value);
    int MinVal() const { return fMinVal; }
    void setMinVal(int Value);
    int MaxVal() const { return fMaxVal; }
    void setMaxVal(int Value);
    bool InstantAction() const { return fInstantAction; }
    void setInstantAction(bool Value) { fInstantAction = Value; }
    bool Visible() const { return fVisible; }
    void setVisible(bool Value);
    // The in-place control of the style (none for esNone and esImageList).
    QWidget* Editor() const { return fEditor; }
    int CellRowBeingEdited() const { return fVelGrid ? fVelGrid->RowBeingEdited() : -1; }
    int CellColBeingEdited() const { return fVelGrid ? fVelGrid->ColBeingEdited() : -1; }

    void DrawCell(QPainter* Canvas, int ACol, int ARow, const QRect& Rect, TGridDrawState State,
                  TVelGeneralGridCell& pCell, bool OwnerEnabled, bool OwnerFocused,
                  bool CellEnabled, const QString& ErrorText);
    void PrintCell(QPainter* Canvas, int ACol, int ARow, const QRect& Rect, const QString& Value);
    int DesiredRowHeight(int DefaultTextHeight) const;
    void DrawString(QPainter* Canvas, const QRect& Rect, const QString& Value) const;
    bool AutoSizeCol() const;
    int ScrollBarWidth() const;
    void ResetText(int pCol, int pRow, const QString& pNewVal);
    void HideEditor();

    // The text shown for a cell: its text, or the row's title when it is empty.
    QString CellText(int ARow, const QString& pText) const;
    // Image index for a cell text: OnGetImageIndex, else the text as a number (0 when
    // empty, -1 when it is no number).
    int ImageIndex(int ACol, int ARow, TGridDrawState State, const QString& T) const;
    // Grows the column to the text when automatic width applies, or sets ColWidth when the
    // width is not left to the grid.
    void FitColumn(int ACol, const QString& T, const QFontMetrics& pMetrics);

    // The grid is going away: forget it and keep the control.
    void DetachFromGrid();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool IsImageStyle() const { return fStyle == esImageList || fStyle == esDropDownImageList; }
    bool HasCombo() const;
    void CreateControl();
    void FreeControl();
    void FillCombo();
    void ApplyLimits();
    void LoadText(const QString& pText, bool pResetting);
    void WriteBack(const QString& pText, bool pFit, bool pStoreObject);
    void ControlChanged();
    void ButtonClicked();
    void ActivateAt(int ACol, int ARow);
    void ControlExit();
    void InstantActionHandler(void* pObject, int& pNewDelay);
    bool PopupOpen() const;
    bool ControlHasFocus() const;

    QPointer<TVelGeneralGrid> fVelGrid;
    TVelEditorStyle fStyle = esNone;
    int fColumn = 0;
    bool fParentAutoSizeColumn = true;
    bool fAutoSizeColumn = false;
    bool fParentColWidth = true;
    int fColWidth = 64;
    TVelImageList* fImages = nullptr;
    TVelGetImageIndex fOnGetImageIndex;
    QStringList fStringList;
    TVelItemsList fItemsList;
    bool fAllowUseToRight = false;
    TVelKeyPress fOnKeyPress;
    TVelEditorClick fOnClick;
    int fMaxLen = 0;
    int fMaxVal = 0;
    int fMinVal = 0;
    bool fInstantAction = true;
    bool fVisible = true;
    QPointer<QWidget> fEditor;
    bool fEditorEntered = false;
    bool fLoading = false;
    bool fActivationQueued = false;
    bool fExiting = false;
    bool fInKeyPress = false;
};

} // namespace pramlet
