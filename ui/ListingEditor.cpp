#include "ui/ListingEditor.h"

#include "ui/ListingHighlighter.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QShortcut>
#include <QTextBlock>
#include <QToolButton>

namespace pramlet {

namespace {

class LineNumberArea : public QWidget {
  public:
    explicit LineNumberArea(TListingEditor* editor) : QWidget(editor), fEditor(editor) {}
    QSize sizeHint() const override { return {fEditor->lineNumberAreaWidth(), 0}; }

  protected:
    void paintEvent(QPaintEvent* event) override { fEditor->paintLineNumbers(event); }

  private:
    TListingEditor* fEditor;
};

} // namespace

TListingEditor::TListingEditor(QWidget* parent)
    : QPlainTextEdit(parent), fLineNumbers(new LineNumberArea(this)),
      fHighlighter(new TListingHighlighter(document(), palette())) {
    fLineNumbers->setObjectName("LineNumbers");
    connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { updateMargin(); });
    connect(this, &QPlainTextEdit::updateRequest, this,
            [this](const QRect& rect, int dy) { updateLineNumbers(rect, dy); });
    updateMargin();
}

int TListingEditor::lineNumberAreaWidth() const {
    int digits = 1;
    for (int max = qMax(1, blockCount()); max >= 10; max /= 10)
        ++digits;
    digits = qMax(digits, 3);
    return 8 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void TListingEditor::updateMargin() {
    setViewportMargins(lineNumberAreaWidth(), 0, 0, 0);
}

void TListingEditor::updateLineNumbers(const QRect& rect, int dy) {
    if (dy)
        fLineNumbers->scroll(0, dy);
    else
        fLineNumbers->update(0, rect.y(), fLineNumbers->width(), rect.height());
    if (rect.contains(viewport()->rect())) updateMargin();
}

void TListingEditor::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    const QRect r = contentsRect();
    fLineNumbers->setGeometry(QRect(r.left(), r.top(), lineNumberAreaWidth(), r.height()));
}

void TListingEditor::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) fHighlighter->setPalette(palette());
    if (event->type() == QEvent::FontChange) updateMargin();
}

void TListingEditor::paintLineNumbers(QPaintEvent* event) {
    QPainter painter(fLineNumbers);
    const QPalette& pal = palette();
    painter.fillRect(event->rect(), pal.color(QPalette::AlternateBase));
    painter.setPen(pal.color(QPalette::PlaceholderText));
    painter.setFont(font());
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    int bottom = top + qRound(blockBoundingRect(block).height());
    const int width = fLineNumbers->width() - 4;
    while (block.isValid() && top <= event->rect().bottom()) {
        if (block.isVisible() && bottom >= event->rect().top())
            painter.drawText(0, top, width, fontMetrics().height(), Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
        block = block.next();
        top = bottom;
        bottom = top + qRound(blockBoundingRect(block).height());
    }
}

TListingSearchBar::TListingSearchBar(QPlainTextEdit* editor, QWidget* window)
    : QWidget(window), fEditor(editor), fField(new QLineEdit(this)), fStatus(new QLabel(this)) {
    setObjectName("ListingSearch");
    fField->setObjectName("SearchText");
    fField->setPlaceholderText("Find");
    fField->setClearButtonEnabled(true);
    fField->installEventFilter(this);
    auto* previous = new QToolButton(this);
    previous->setObjectName("SearchPrevious");
    previous->setText("Previous");
    previous->setToolTip("Previous match (Shift+F3)");
    auto* next = new QToolButton(this);
    next->setObjectName("SearchNext");
    next->setText("Next");
    next->setToolTip("Next match (F3)");
    auto* close = new QToolButton(this);
    close->setText("Close");
    close->setToolTip("Close the search (Escape)");
    fStatus->setObjectName("SearchStatus");

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(new QLabel("Find:", this));
    layout->addWidget(fField, 1);
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addWidget(fStatus);
    layout->addWidget(close);

    connect(next, &QToolButton::clicked, this, [this] { findNext(); });
    connect(previous, &QToolButton::clicked, this, [this] { findPrevious(); });
    connect(close, &QToolButton::clicked, this, [this] {
        hide();
        fEditor->setFocus();
    });
    connect(fField, &QLineEdit::textEdited, this, [this] { fStatus->clear(); });

    auto* openKey = new QShortcut(QKeySequence::Find, window);
    connect(openKey, &QShortcut::activated, this, [this] { open(); });
    auto* nextKey = new QShortcut(QKeySequence::FindNext, window);
    connect(nextKey, &QShortcut::activated, this, [this] { findNext(); });
    auto* previousKey = new QShortcut(QKeySequence::FindPrevious, window);
    connect(previousKey, &QShortcut::activated, this, [this] { findPrevious(); });
    hide();
}

void TListingSearchBar::open() {
    show();
    fField->setFocus();
    fField->selectAll();
}

bool TListingSearchBar::findNext() {
    return find(false);
}
bool TListingSearchBar::findPrevious() {
    return find(true);
}

bool TListingSearchBar::find(bool backward) {
    const QString text = fField->text();
    if (text.isEmpty()) return false;
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    QTextCursor from = fEditor->textCursor();
    // Searching backward from a selected match would find that match again.
    if (backward && from.hasSelection()) from.setPosition(from.selectionStart());
    QTextCursor found = fEditor->document()->find(text, from, flags);
    if (found.isNull()) {
        QTextCursor wrap(fEditor->document());
        if (backward) wrap.movePosition(QTextCursor::End);
        found = fEditor->document()->find(text, wrap, flags);
    }
    if (found.isNull()) {
        fStatus->setText("not found");
        return false;
    }
    fStatus->clear();
    fEditor->setTextCursor(found);
    fEditor->centerCursor();
    return true;
}

bool TListingSearchBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fField && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            find(key->modifiers() & Qt::ShiftModifier);
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            hide();
            fEditor->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pramlet
