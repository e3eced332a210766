#include "components/widgets/VelGridEditor.h"

#include "config/SpecialValues.h"
#include "components/widgets/VelImageList.h"
#include "components/widgets/VelSpinEdit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimeEdit>

#include <stdexcept>

namespace pramlet {

namespace {

// Texts of the date and time pickers.
const QString kTimeFormat = QStringLiteral("HH:mm:ss");

QDate ParseDate(const QString& text) {
    return QDate::fromString(text.trimmed(), Qt::ISODate);
}

QTime ParseTime(const QString& text) {
    QTime t = QTime::fromString(text.trimmed(), kTimeFormat);
    if (!t.isValid()) t = QTime::fromString(text.trimmed(), QStringLiteral("HH:mm"));
    return t;
}

int FindItem(const QComboBox* combo, const QString& text) {
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemText(i).compare(text, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

int EditLength(int maxLen) {
    return maxLen > 0 ? maxLen : 32767;
}

} // namespace

TVelGridEditor::TVelGridEditor(QObject* parent) : QObject(parent) {}

TVelGridEditor::~TVelGridEditor() {
    if (fVelGrid) fVelGrid->UnregisterEditor(this);
    fVelGrid = nullptr;
    delete fEditor.data();
}

// ---- properties --------------------------------------------------------------------------

void TVelGridEditor::setVelGrid(TVelGeneralGrid* Value) {
    if (Value == fVelGrid) return;
    if (fVelGrid) fVelGrid->UnregisterEditor(this);
    fVelGrid = Value;
    if (fVelGrid) fVelGrid->RegisterEditor(this);
    if (fEditor) {
        fEditor->setParent(fVelGrid ? fVelGrid->viewport() : nullptr);
        fEditor->hide();
    }
}

void TVelGridEditor::DetachFromGrid() {
    fVelGrid = nullptr;
    if (fEditor) {
        fEditor->hide();
        fEditor->setParent(nullptr);
    }
}

void TVelGridEditor::setStyle(TVelEditorStyle Value) {
    if (Value == fStyle && (fEditor || Value == esNone || Value == esImageList)) return;
    FreeControl();
    fStyle = Value;
    CreateControl();
    if (IsImageStyle() && fImages && fVelGrid) fVelGrid->setColWidths(fColumn, fImages->Width());
    if (fEditor && fVelGrid) {
        fVelGrid->UpdateAutoRowHeight();
        fEditor->hide();
    }
    if (fVelGrid) fVelGrid->Relayout();
}

void TVelGridEditor::setColumn(int Value) {
    fColumn = Value;
    if (fVelGrid) {
        fVelGrid->UpdateAutoRowHeight();
        fVelGrid->Relayout();
    }
}

void TVelGridEditor::setImages(TVelImageList* Value) {
    fImages = Value;
    if (fStyle == esDropDownImageList) FillCombo();
    if (fVelGrid) {
        fVelGrid->UpdateAutoRowHeight();
        fVelGrid->Relayout();
    }
}

void TVelGridEditor::setAllowUseToRight(bool Value) {
    fAllowUseToRight = Value;
    if (fVelGrid) {
        fVelGrid->UpdateAutoRowHeight();
        fVelGrid->Relayout();
    }
}

void TVelGridEditor::setParentAutoSizeColumn(bool Value) {
    fParentAutoSizeColumn = Value;
    if (fVelGrid) fVelGrid->Relayout();
}

void TVelGridEditor::setAutoSizeColumn(bool Value) {
    if (Value != fAutoSizeColumn) {
        fAutoSizeColumn = Value;
        fParentAutoSizeColumn = false;
        fParentColWidth = false;
    }
    if (fVelGrid) fVelGrid->Relayout();
}

void TVelGridEditor::setParentColWidth(bool Value) {
    fParentColWidth = Value;
    if (Value)
        fAutoSizeColumn = false;
    else if (fVelGrid)
        fVelGrid->setColWidths(fColumn, fColWidth);
    if (fVelGrid) fVelGrid->Relayout();
}

void TVelGridEditor::setColWidth(int Value) {
    fColWidth = Value;
    if (fVelGrid) fVelGrid->Relayout();
}

void TVelGridEditor::setTitles(const QStringList& Value) {
    fStringList = Value;
    if (fVelGrid) fVelGrid->Relayout();
}

void TVelGridEditor::setItemsList(const TVelItemsList* Value) {
    if (Value)
        fItemsList = *Value;
    else
        fItemsList.clear();
    FillCombo();
}

QStringList TVelGridEditor::Items() const {
    QStringList items;
    for (const TVelItem& item : fItemsList)
        items << item.Text;
    return items;
}

void* TVelGridEditor::GetObjects(const QString& pVal) const {
    for (const TVelItem& item : fItemsList)
        if (item.Text.compare(pVal, Qt::CaseInsensitive) == 0) return item.Object;
    throw std::runtime_error(("\"" + pVal + "\" not found in Items List").toStdString());
}

void TVelGridEditor::SetObjects(const QString& pVal, void* Value) {
    for (TVelItem& item : fItemsList) {
        if (item.Text.compare(pVal, Qt::CaseInsensitive) == 0) {
            item.Object = Value;
            return;
        }
    }
    throw std::runtime_error(("\"" + pVal + "\" not found in Items List").toStdString());
}

void TVelGridEditor::setMaxLength(int Value) {
    fMaxLen = Value;
    ApplyLimits();
}

void TVelGridEditor::setMinVal(int Value) {
    fMinVal = Value;
    ApplyLimits();
}

void TVelGridEditor::setMaxVal(int Value) {
    fMaxVal = Value;
    ApplyLimits();
}

void TVelGridEditor::setVisible(bool Value) {
    fVisible = Value;
    if (!Value) HideEditor();
}

// ---- drawing -----------------------------------------------------------------------------

QString TVelGridEditor::CellText(int ARow, const QString& pText) const {
    if (pText.isEmpty() && ARow >= 0 && ARow < fStringList.size()) return fStringList.at(ARow);
    return pText;
}

bool TVelGridEditor::AutoSizeCol() const {
    if (fParentAutoSizeColumn) return fVelGrid && fVelGrid->AutoSizeCols();
    return fAutoSizeColumn;
}

int TVelGridEditor::ScrollBarWidth() const {
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

int TVelGridEditor::DesiredRowHeight(int DefaultTextHeight) const {
    if (IsImageStyle()) return fImages ? fImages->Height() : 0;
    if (fStyle == esNone) return 0;
    return DefaultTextHeight;
}

void TVelGridEditor::DrawString(QPainter* Canvas, const QRect& Rect, const QString& Value) const {
    QRect r = Rect.adjusted(2, 2, -1, -1);
    Canvas->save();
    Canvas->setClipRect(r, Qt::IntersectClip);
    Canvas->drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, Value);
    Canvas->restore();
}

int TVelGridEditor::ImageIndex(int ACol, int ARow, TGridDrawState State, const QString& T) const {
    if (fOnGetImageIndex) return fOnGetImageIndex(fVelGrid, ACol, ARow, State, T);
    if (T.isEmpty()) return 0;
    int index;
    return parseDecimal(T.toStdString(), index) ? index : -1;
}

void TVelGridEditor::FitColumn(int ACol, const QString& T, const QFontMetrics& pMetrics) {
    if (!fVelGrid) return;
    const bool autoWidth = AutoSizeCol();
    if (!fParentColWidth && !autoWidth) {
        fVelGrid->FitColWidth(ACol, fColWidth, false);
        return;
    }
    if (!autoWidth) return;
    int needed = 0;
    switch (fStyle) {
    case esNone:
    case esMaskEdit:
    case esButton: needed = pMetrics.horizontalAdvance(T + "XX"); break;
    case esDropDown:
    case esDropDownList:
    case esSpinEdit:
    case esDatePicker:
    case esTimePicker: needed = pMetrics.horizontalAdvance(T + "XX") + 16; break;
    case esImageList:
    case esDropDownImageList: needed = 0; break;
    }
    if (fVelGrid->ColWidths(ACol) < needed) {
        fVelGrid->FitColWidth(ACol, needed, true);
        if (fEditor) fEditor->resize(needed, fEditor->height());
    }
}

void TVelGridEditor::DrawCell(QPainter* Canvas, int ACol, int ARow, const QRect& Rect,
                              TGridDrawState State, TVelGeneralGridCell& pCell, bool OwnerEnabled,
                              bool OwnerFocused, bool CellEnabled, const QString& ErrorText) {
    Q_UNUSED(ErrorText);
    if (fEditorEntered) return;
    fEditorEntered = true;
    const QString text = QString::fromStdString(pCell.fText);
    const QString T = CellText(ARow, text);
    FitColumn(ACol, T, Canvas->fontMetrics());
    switch (fStyle) {
    case esNone: DrawString(Canvas, Rect, T); break;
    case esImageList:
    case esDropDownImageList: {
        const int index = fImages ? ImageIndex(ACol, ARow, State, T) : -1;
        if (fImages && fImages->ValidIndex(index)) {
            fImages->Draw(Canvas, Rect.left(), Rect.top(), index);
            if (AutoSizeCol() && fVelGrid) fVelGrid->FitColWidth(ACol, fImages->Width(), false);
        } else {
            DrawString(Canvas, Rect, T);
        }
        break;
    }
    default: {
        const bool current = fVelGrid && ARow == fVelGrid->Row() && ACol == fVelGrid->Col();
        if (!current || !OwnerEnabled || !CellEnabled || !fEditor) {
            DrawString(Canvas, Rect, T);
            break;
        }
        const bool editedHere = ARow == CellRowBeingEdited() && ACol == CellColBeingEdited();
        if (OwnerFocused) {
            if (editedHere) {
                // The control covers the cell.
            } else if (fVelGrid->JustClicked()) {
                DrawString(Canvas, Rect, T);
                // Showing and focusing a control while the grid paints is left to the
                // event loop.
                if (!fActivationQueued) {
                    fActivationQueued = true;
                    QMetaObject::invokeMethod(
                        this, [this, ACol, ARow] { ActivateAt(ACol, ARow); }, Qt::QueuedConnection);
                }
            } else {
                DrawString(Canvas, Rect, T);
            }
        } else if (ControlHasFocus() || (fEditor->isVisible() && editedHere)) {
            LoadText(text, false);
        } else {
            DrawString(Canvas, Rect, T);
        }
        if (fStyle == esMaskEdit || fStyle == esSpinEdit || fStyle == esButton)
            if (fEditor->font() != Canvas->font()) fEditor->setFont(Canvas->font());
        break;
    }
    }
    fEditorEntered = false;
}

void TVelGridEditor::PrintCell(QPainter* Canvas, int ACol, int ARow, const QRect& Rect,
                               const QString& Value) {
    const QString T = CellText(ARow, Value);
    if (IsImageStyle() && fImages) {
        const int index = ImageIndex(ACol, ARow, TGridDrawState(), T);
        if (fImages->ValidIndex(index)) {
            fImages->StretchDraw(Canvas, Rect, index);
            return;
        }
    }
    DrawString(Canvas, Rect, T);
}

// ---- the in-place control ----------------------------------------------------------------

bool TVelGridEditor::HasCombo() const {
    return fStyle == esDropDown || fStyle == esDropDownList || fStyle == esDropDownImageList;
}

void TVelGridEditor::FreeControl() {
    if (!fEditor) return;
    QWidget* old = fEditor;
    fEditor = nullptr;
    old->removeEventFilter(this);
    old->disconnect(this);
    old->hide();
    // The style may change from inside one of the control's own signals.
    old->deleteLater();
}

void TVelGridEditor::CreateControl() {
    QWidget* parent = fVelGrid ? fVelGrid->viewport() : nullptr;
    QWidget* control = nullptr;
    switch (fStyle) {
    case esNone:
    case esImageList: return;
    case esMaskEdit: {
        auto* edit = new QLineEdit(parent);
        connect(edit, &QLineEdit::textChanged, this, &TVelGridEditor::ControlChanged);
        control = edit;
        break;
    }
    case esDropDown:
    case esDropDownList:
    case esDropDownImageList: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(fStyle == esDropDown);
        combo->setInsertPolicy(QComboBox::NoInsert);
        if (fStyle == esDropDown)
            connect(combo, &QComboBox::editTextChanged, this, &TVelGridEditor::ControlChanged);
        connect(combo, &QComboBox::currentIndexChanged, this, &TVelGridEditor::ControlChanged);
        control = combo;
        break;
    }
    case esSpinEdit: {
        auto* spin = new TVelSpinEdit(parent);
        connect(spin, &TVelSpinEdit::valueTextChanged, this, &TVelGridEditor::ControlChanged);
        control = spin;
        break;
    }
    case esButton: {
        auto* button = new QPushButton(parent);
        connect(button, &QPushButton::clicked, this, &TVelGridEditor::ButtonClicked);
        control = button;
        break;
    }
    case esDatePicker: {
        auto* date = new QDateEdit(parent);
        date->setCalendarPopup(true);
        date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        connect(date, &QDateEdit::dateChanged, this, &TVelGridEditor::ControlChanged);
        control = date;
        break;
    }
    case esTimePicker: {
        auto* time = new QTimeEdit(parent);
        time->setDisplayFormat(kTimeFormat);
        connect(time, &QTimeEdit::timeChanged, this, &TVelGridEditor::ControlChanged);
        control = time;
        break;
    }
    }
    control->hide();
    control->resize(control->width(), control->sizeHint().height());
    control->installEventFilter(this);
    fEditor = control;
    ApplyLimits();
    FillCombo();
}

void TVelGridEditor::ApplyLimits() {
    if (auto* edit = qobject_cast<QLineEdit*>(fEditor)) edit->setMaxLength(EditLength(fMaxLen));
    if (auto* combo = qobject_cast<QComboBox*>(fEditor))
        if (combo->lineEdit()) combo->lineEdit()->setMaxLength(EditLength(fMaxLen));
    if (auto* spin = qobject_cast<TVelSpinEdit*>(fEditor)) {
        spin->setRange(fMinVal, fMaxVal);
        spin->setMaxLength(EditLength(fMaxLen));
    }
}

void TVelGridEditor::FillCombo() {
    auto* combo = qobject_cast<QComboBox*>(fEditor);
    if (!combo) return;
    const bool loading = fLoading;
    fLoading = true;
    combo->clear();
    for (int i = 0; i < fItemsList.size(); ++i) {
        if (fStyle == esDropDownImageList && fImages && fImages->ValidIndex(i))
            combo->addItem(QIcon(fImages->Image(i)), fItemsList.at(i).Text);
        else
            combo->addItem(fItemsList.at(i).Text);
    }
    if (fStyle == esDropDownImageList && fImages)
        combo->setIconSize(QSize(fImages->Width(), fImages->Height()));
    combo->setCurrentIndex(-1);
    fLoading = loading;
}

void TVelGridEditor::LoadText(const QString& pText, bool pResetting) {
    if (!fEditor) return;
    // Loading is no change by the user: nothing is written back.
    const bool loading = fLoading;
    fLoading = true;
    switch (fStyle) {
    case esMaskEdit: {
        auto* edit = static_cast<QLineEdit*>(fEditor.data());
        if (edit->text() != pText) edit->setText(pText);
        break;
    }
    case esDropDown: {
        auto* combo = static_cast<QComboBox*>(fEditor.data());
        if (combo->currentText() != pText) combo->setEditText(pText);
        break;
    }
    case esDropDownList: {
        auto* combo = static_cast<QComboBox*>(fEditor.data());
        if (combo->currentText().compare(pText, Qt::CaseInsensitive) != 0)
            combo->setCurrentIndex(FindItem(combo, pText));
        break;
    }
    case esDropDownImageList: {
        auto* combo = static_cast<QComboBox*>(fEditor.data());
        combo->setCurrentIndex(-1);
        combo->setCurrentIndex(FindItem(combo, pText));
        break;
    }
    case esSpinEdit: {
        int value = 0;
        const bool number = parseDecimal(trimmed(pText.toStdString()), value);
        if (number || !pResetting) static_cast<TVelSpinEdit*>(fEditor.data())->setValue(value);
        break;
    }
    case esButton: static_cast<QPushButton*>(fEditor.data())->setText(pText); break;
    case esDatePicker: {
        QDate date = pText.isEmpty() && !pResetting ? QDate::currentDate() : ParseDate(pText);
        if (date.isValid()) static_cast<QDateEdit*>(fEditor.data())->setDate(date);
        break;
    }
    case esTimePicker: {
        QTime time = pText.isEmpty() && !pResetting ? QTime(0, 0) : ParseTime(pText);
        if (time.isValid()) static_cast<QTimeEdit*>(fEditor.data())->setTime(time);
        break;
    }
    case esNone:
    case esImageList: break;
    }
    fLoading = loading;
}

void TVelGridEditor::ResetText(int pCol, int pRow, const QString& pNewVal) {
    if (!fEditor || !fEditor->isVisible()) return;
    if (pCol != CellColBeingEdited() || pRow != CellRowBeingEdited()) return;
    LoadText(pNewVal, true);
}

void TVelGridEditor::WriteBack(const QString& pText, bool pFit, bool pStoreObject) {
    const int col = CellColBeingEdited();
    const int row = CellRowBeingEdited();
    if (!fVelGrid || col < 0 || row < 0) return;
    if (pText == fVelGrid->Cell(col, row)) return;
    fVelGrid->setCell(col, row, pText);
    if (pStoreObject) {
        auto* combo = qobject_cast<QComboBox*>(fEditor);
        const int index = combo ? combo->currentIndex() : -1;
        fVelGrid->setCellObject(
            col, row,
            index >= 0 && index < fItemsList.size() ? fItemsList.at(index).Object : nullptr);
    }
    fVelGrid->DoCellEditChange(col, pText, row);
    if (pFit) FitColumn(col, CellText(row, pText), QFontMetrics(fVelGrid->NormalFont()));
}

void TVelGridEditor::ControlChanged() {
    if (fLoading || !fEditor) return;
    switch (fStyle) {
    case esMaskEdit: WriteBack(static_cast<QLineEdit*>(fEditor.data())->text(), true, false); break;
    case esDropDown:
    case esDropDownList:
        WriteBack(static_cast<QComboBox*>(fEditor.data())->currentText(), true, true);
        break;
    case esDropDownImageList:
        WriteBack(static_cast<QComboBox*>(fEditor.data())->currentText(), false, false);
        break;
    case esSpinEdit: {
        auto* spin = static_cast<TVelSpinEdit*>(fEditor.data());
        if (spin->IsValid()) WriteBack(spin->Text(), true, false);
        break;
    }
    case esDatePicker:
        WriteBack(static_cast<QDateEdit*>(fEditor.data())->date().toString(Qt::ISODate), true,
                  false);
        break;
    case esTimePicker:
        WriteBack(static_cast<QTimeEdit*>(fEditor.data())->time().toString(kTimeFormat), true,
                  false);
        break;
    case esNone:
    case esImageList:
    case esButton: break;
    }
}

void TVelGridEditor::ButtonClicked() {
    if (fOnClick) fOnClick(this);
    auto* button = qobject_cast<QPushButton*>(fEditor);
    if (button && fVelGrid && CellColBeingEdited() >= 0 && CellRowBeingEdited() >= 0)
        button->setText(fVelGrid->Cell(CellColBeingEdited(), CellRowBeingEdited()));
}

void TVelGridEditor::ActivateAt(int ACol, int ARow) {
    fActivationQueued = false;
    if (!fVelGrid || !fEditor || !fVisible) return;
    TVelGeneralGrid* grid = fVelGrid;
    // The state may have moved on since the paint that asked for this.
    if (ACol != grid->Col() || ARow != grid->Row() || !grid->isEnabled() ||
        !grid->CellEnabled(ACol, ARow) || !grid->Focused() || !grid->JustClicked() ||
        grid->Editor(ACol) != this)
        return;
    if (ARow == CellRowBeingEdited() && ACol == CellColBeingEdited()) return;
    const int oldCol = grid->ColBeingEdited();
    const int oldRow = grid->RowBeingEdited();
    grid->setColBeingEdited(ACol);
    grid->setRowBeingEdited(ARow);
    if (oldCol >= 0 && oldRow >= 0) grid->InvalidateCell(oldCol, oldRow);

    const QRect cell = grid->CellRect(ACol, ARow);
    const int height = fEditor->height();
    fEditor->setGeometry(cell.left(), (cell.top() + cell.bottom() + 1 - height) / 2, cell.width(),
                         height);
    const QString errorText = grid->ErrorText(ACol, ARow);
    fEditor->setToolTip(errorText);
    fEditor->show();
    fEditor->raise();
    fEditor->setFocus(Qt::OtherFocusReason);
    FillCombo();
    LoadText(grid->Cell(ACol, ARow), false);
    if (auto* edit = qobject_cast<QLineEdit*>(fEditor)) edit->selectAll();
    const bool hasList = HasCombo() || fStyle == esDatePicker;
    if (fInstantAction && (fStyle == esButton || (hasList && !PopupOpen())))
        grid->AddDelayedAction(this, 0,
                               MakePendingActionEvent<&TVelGridEditor::InstantActionHandler>(this));
}

bool TVelGridEditor::PopupOpen() const {
    if (auto* combo = qobject_cast<QComboBox*>(fEditor)) return combo->view()->isVisible();
    if (qobject_cast<QDateEdit*>(fEditor)) return QApplication::activePopupWidget() != nullptr;
    return false;
}

bool TVelGridEditor::ControlHasFocus() const {
    // Also through windows: the drop-down list of a combo box is a window of its own.
    for (QWidget* w = QApplication::focusWidget(); w && fEditor; w = w->parentWidget())
        if (w == fEditor) return true;
    return false;
}

void TVelGridEditor::InstantActionHandler(void* pObject, int& pNewDelay) {
    Q_UNUSED(pObject);
    Q_UNUSED(pNewDelay);
    if (!fVelGrid || !fVelGrid->JustClicked() || !fEditor) return;
    fVelGrid->setJustClicked(false);
    if (auto* combo = qobject_cast<QComboBox*>(fEditor)) {
        if (!combo->view()->isVisible()) combo->showPopup();
    } else if (auto* button = qobject_cast<QPushButton*>(fEditor)) {
        button->click();
    } else if (auto* date = qobject_cast<QDateEdit*>(fEditor)) {
        if (!PopupOpen()) {
            // The calendar opens only by a press on the picker's arrow.
            QStyleOptionComboBox option;
            option.initFrom(date);
            option.editable = true;
            option.subControls = QStyle::SC_All;
            const QPointF arrow =
                date->style()
                    ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, date)
                    .center();
            QMouseEvent press(QEvent::MouseButtonPress, arrow, date->mapToGlobal(arrow),
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(date, &press);
        }
    }
}

void TVelGridEditor::ControlExit() {
    if (fExiting) return;
    fExiting = true;
    const int col = CellColBeingEdited();
    const int row = CellRowBeingEdited();
    if (fEditor) fEditor->hide();
    if (fVelGrid) {
        if (col >= 0 && row >= 0) fVelGrid->InvalidateCell(col, row);
        fVelGrid->setRowBeingEdited(-1);
        fVelGrid->setColBeingEdited(-1);
    }
    fExiting = false;
}

void TVelGridEditor::HideEditor() {
    if (fEditor && fEditor->isVisible()) ControlExit();
}

bool TVelGridEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fEditor) {
        if (event->type() == QEvent::FocusOut) {
            auto* focus = static_cast<QFocusEvent*>(event);
            // Opening the drop-down list is no leaving of the control.
            if (focus->reason() != Qt::PopupFocusReason && !QApplication::activePopupWidget() &&
                !ControlHasFocus() && fEditor->isVisible())
                ControlExit();
        } else if (event->type() == QEvent::KeyPress && fOnKeyPress && !fInKeyPress) {
            auto* keyEvent = static_cast<QKeyEvent*>(event);
            if (!keyEvent->text().isEmpty()) {
                const QChar original = keyEvent->text().at(0);
                QChar key = original;
                fOnKeyPress(fEditor, key);
                if (key.isNull()) return true;
                if (key != original) {
                    // The replacement goes to the control without a second round through
                    // the handler.
                    QKeyEvent replaced(QEvent::KeyPress, 0, keyEvent->modifiers(), QString(key));
                    fInKeyPress = true;
                    QApplication::sendEvent(watched, &replaced);
                    fInKeyPress = false;
                    return true;
                }
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pramlet
