#pragma once
// The text area of the listing window: plain, editable text with a margin of line numbers,
// the listing's colours, and a search bar (Ctrl+F, next and previous).

#include <QPlainTextEdit>
#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

namespace pramlet {

class TListingHighlighter;

class TListingEditor : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit TListingEditor(QWidget* parent = nullptr);

    int lineNumberAreaWidth() const;
    QWidget* lineNumberArea() const { return fLineNumbers; }
    TListingHighlighter* highlighter() const { return fHighlighter; }
    void paintLineNumbers(QPaintEvent* event);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void updateMargin();
    void updateLineNumbers(const QRect& rect, int dy);

    QWidget* fLineNumbers;
    TListingHighlighter* fHighlighter;
};

// Search in a listing editor: a bar with the text to find, Previous and Next. Ctrl+F on the
// bar's window shows it and selects its text; Enter and F3 find the next match, Shift+Enter
// and Shift+F3 the previous one; both wrap around at the ends; Escape hides the bar. Letter
// case is ignored.
class TListingSearchBar : public QWidget {
    Q_OBJECT

  public:
    TListingSearchBar(QPlainTextEdit* editor, QWidget* window);

    QLineEdit* field() const { return fField; }
    // Selects the next (or previous) match from the cursor on; false when there is none.
    bool findNext();
    bool findPrevious();
    void open();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool find(bool backward);

    QPlainTextEdit* fEditor;
    QLineEdit* fField;
    QLabel* fStatus;
};

} // namespace pramlet
