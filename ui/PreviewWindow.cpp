#include "ui/PreviewWindow.h"

#include "config/Format.h"
#include "config/Project.h"
#include "generator/BuildApp.h"
#include "ui/ListingEditor.h"
#include "ui/ListingFont.h"

#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace pramlet {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

PreviewWindow::PreviewWindow(Project& project, QWidget* parent)
    : QWidget(parent, Qt::Window), fProject(project), fEditor(new TListingEditor(this)),
      fNote(new QLabel(this)), fPending(new QTimer(this)) {
    setObjectName("PreviewWindow");
    setWindowTitle("Orvex Pramlet [AVR] preview");
    // An open preview does not keep the program running once the wizard is closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    // The wizard keeps the keyboard: the user goes on choosing and watches the program here.
    setAttribute(Qt::WA_ShowWithoutActivating);

    fNote->setObjectName("PreviewNote");
    fNote->setWordWrap(true);
    fNote->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fNote->setMargin(6);
    fNote->setAutoFillBackground(true);
    QPalette notePalette = fNote->palette();
    notePalette.setColor(QPalette::Window, notePalette.color(QPalette::ToolTipBase));
    notePalette.setColor(QPalette::WindowText, notePalette.color(QPalette::ToolTipText));
    fNote->setPalette(notePalette);
    QFont noteFont = fNote->font();
    noteFont.setBold(true);
    fNote->setFont(noteFont);
    fNote->hide();

    fEditor->setObjectName("PreviewListe");
    fEditor->setFont(listingFont(10));
    fEditor->setReadOnly(true);
    fEditor->setUndoRedoEnabled(false);
    fEditor->setLineWrapMode(QPlainTextEdit::NoWrap);
    fEditor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fEditor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(fNote);
    layout->addWidget(fEditor, 1);
    layout->addWidget(new TListingSearchBar(fEditor, this));
    resize(754, 638);

    // F5 here too writes the program again.
    auto* again = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(again, &QShortcut::activated, this, &PreviewWindow::rewrite);

    fPending->setSingleShot(true);
    fPending->setInterval(0);
    connect(fPending, &QTimer::timeout, this, &PreviewWindow::rewrite);
    // The project may outlive the window: the observer stays, the window may not.
    project.addObserver([self = QPointer<PreviewWindow>(this)](const std::vector<std::string>&) {
        if (self) self->projectChanged();
    });
}

void PreviewWindow::open() {
    show();
    raise();
    rewrite();
}

void PreviewWindow::hideEvent(QHideEvent* event) {
    // Closed, the preview writes nothing until it is opened again.
    fPending->stop();
    QWidget::hideEvent(event);
}

void PreviewWindow::projectChanged() {
    if (isVisible()) fPending->start();
}

void PreviewWindow::rewrite() {
    fPending->stop();
    ++fWrites;
    QStringList notes;
    WrittenProgram program;
    std::string name = fProject.opts().text("AppNameEdit");
    if (fProject.CurCPU() < 0) {
        notes << "Select CPU type first!";
        name.clear();
    } else {
        std::string problem =
            characterCount(name) < 3 ? "specify Application Name!" : AppNameProblem(name);
        if (!problem.empty()) {
            notes << qs(problem) + " The preview names the program \"" + kStandInName + "\".";
            name = kStandInName;
        }
        program = WriteProgramAhead(fProject, name);
        for (const std::string& text : program.onTheWay)
            notes << "On the way to the output page: " + qs(text);
        if (!program.warning.empty()) notes << "A build warns: " + qs(program.warning);
        if (!program.ended.empty())
            notes << "The build ends early: " + qs(program.ended) +
                         " Shown are the lines written before it.";
    }
    setWindowTitle(qs("Orvex Pramlet [AVR] preview [" + name + "]"));
    fNote->setText(notes.join('\n'));
    fNote->setVisible(!notes.isEmpty());
    showLines(std::move(program.lines));
}

// Only the lines between the unchanged beginning and the unchanged end are replaced, so
// that the colours are worked out again for those alone and the view stays where it was:
// a view within the unchanged end moves with its lines.
void PreviewWindow::showLines(std::vector<std::string> lines) {
    if (lines.empty()) lines.emplace_back();
    const size_t oldCount = fShown.size();
    const size_t newCount = lines.size();
    size_t head = 0;
    while (head < oldCount && head < newCount && fShown[head] == lines[head])
        ++head;
    if (head == oldCount && head == newCount) return;
    size_t tail = 0;
    while (tail < oldCount - head && tail < newCount - head &&
           fShown[oldCount - 1 - tail] == lines[newCount - 1 - tail])
        ++tail;

    QScrollBar* bar = fEditor->verticalScrollBar();
    const int top = bar->value();
    const int left = fEditor->horizontalScrollBar()->value();

    QTextDocument* doc = fEditor->document();
    QTextCursor cursor(doc);
    QString text;
    if (tail > 0) {
        // Whole lines with their line breaks, up to the first unchanged line of the end.
        cursor.setPosition(doc->findBlockByNumber(static_cast<int>(head)).position());
        cursor.setPosition(doc->findBlockByNumber(static_cast<int>(oldCount - tail)).position(),
                           QTextCursor::KeepAnchor);
        for (size_t i = head; i < newCount - tail; ++i)
            text += qs(lines[i]) + '\n';
    } else {
        // The change runs to the end: the line break before it goes with it.
        if (head > 0) {
            const QTextBlock before = doc->findBlockByNumber(static_cast<int>(head - 1));
            cursor.setPosition(before.position() + before.length() - 1);
        }
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        for (size_t i = head; i < newCount; ++i) {
            if (i > 0) text += '\n';
            text += qs(lines[i]);
        }
    }
    cursor.beginEditBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
    fShown = std::move(lines);

    const auto shift = static_cast<long>(newCount) - static_cast<long>(oldCount);
    long newTop = top;
    if (static_cast<size_t>(top) >= oldCount - tail)
        newTop = top + shift;
    else if (static_cast<size_t>(top) >= head)
        newTop = std::min<long>(top, static_cast<long>(newCount - tail));
    bar->setValue(static_cast<int>(std::max<long>(0, newTop)));
    fEditor->horizontalScrollBar()->setValue(left);
}

} // namespace pramlet
