// The listing window's colours, line numbers and search, offscreen.

#include "ui/ListForm.h"
#include "ui/ListingEditor.h"
#include "ui/ListingHighlighter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

using namespace pramlet;

namespace {

using T = ListingToken;

std::vector<ListingSpan> spansOf(const QString& line, int& state) {
    return ListingSpans(line, state);
}

// The token of each span as "text=token" for readable failures.
QStringList described(const QString& line, int& state) {
    static const char* names[] = {"keyword", "comment", "directive", "string", "number", "banner"};
    QStringList out;
    for (const ListingSpan& s : ListingSpans(line, state))
        out << line.mid(s.start, s.length) + "=" + names[static_cast<int>(s.token)];
    return out;
}

// Relative luminance contrast of two colours (1 to 21).
double contrast(const QColor& a, const QColor& b) {
    auto lum = [](const QColor& c) {
        auto ch = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * ch(c.redF()) + 0.7152 * ch(c.greenF()) + 0.0722 * ch(c.blueF());
    };
    const double la = lum(a), lb = lum(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

const QString kSample = "program Blinky;\n"
                        "\n"
                        "{$NOSHADOW}\n"
                        "{ $WG}                     {global Warnings off}\n"
                        "Device = mega64g, VCC=5.0;\n"
                        "Define\n"
                        "  StackSize      = $0064, iData;\n"
                        "{--------------------------------------------------------------}\n"
                        "{ Main Program }\n"
                        "begin\n"
                        "  s:= 'it''s';  // a note\n"
                        "end Blinky.\n";

} // namespace

class TestListingHighlighter : public QObject {
    Q_OBJECT

  private slots:
    void tokensOfTheDialect() {
        int state = 0;
        QCOMPARE(described("program Blinky;", state), QStringList{"program=keyword"});
        QCOMPARE(described("{$PHASE BootBlock $1C00}", state),
                 QStringList{"{$PHASE BootBlock $1C00}=directive"});
        QCOMPARE(described("{ $WG}   {global Warnings off}", state),
                 (QStringList{"{ $WG}=comment", "{global Warnings off}=comment"}));
        QCOMPARE(described("  ProcClock      = 16000000;       {Hertz}", state),
                 (QStringList{"16000000=number", "{Hertz}=comment"}));
        QCOMPARE(described("  Supply     = 5.0, 100;", state),
                 (QStringList{"5.0=number", "100=number"}));
        QCOMPARE(described("  x:= $AA55 + UDR0; // UDR0 is no number", state),
                 (QStringList{"$AA55=number", "// UDR0 is no number=comment"}));
        QCOMPARE(described("  s:= 'a ''quoted'' {text}';", state),
                 QStringList{"'a ''quoted'' {text}'=string"});
        QCOMPARE(described("  s:= 'open", state), QStringList{"'open=string"});
        QCOMPARE(state, 0);
    }

    void commentsBannersAndAsmAcrossLines() {
        int state = 0;
        QCOMPARE(described("{ optional", state), QStringList{"{ optional=comment"});
        QCOMPARE(described("  still a comment begin", state),
                 QStringList{"  still a comment begin=comment"});
        QCOMPARE(described("} begin", state), (QStringList{"}=comment", "begin=keyword"}));
        QCOMPARE(state, 0);

        QCOMPARE(
            described("{--------------------------------------------------------------}", state)
                .size(),
            1);
        QCOMPARE(spansOf("{ Const Declarations }", state),
                 (std::vector<ListingSpan>{{0, 22, T::Banner}}));
        // Only the line right after the rule is its title.
        QCOMPARE(described("{ a comment }", state), QStringList{"{ a comment }=comment"});

        QCOMPARE(described("  ASM;", state), (QStringList{"ASM=keyword", ";=keyword"}));
        QCOMPARE(described("   ; check Flash validity", state),
                 QStringList{"; check Flash validity=comment"});
        QCOMPARE(described("    CPI       _ACCA, 055h", state), QStringList{"055h=number"});
        QCOMPARE(described("  ENDASM;", state), QStringList{"ENDASM=keyword"});
        QCOMPARE(described("  x:= 1; y:= 2;", state), (QStringList{"1=number", "2=number"}));
    }

    void documentGetsTheFormatsAndKeepsPlainText() {
        QTextDocument doc;
        doc.setPlainText(kSample);
        QPalette light;
        light.setColor(QPalette::Base, Qt::white);
        TListingHighlighter h(&doc, light);
        QCOMPARE(doc.toPlainText(), kSample);

        // The format of the character at `column` of line `line`.
        auto formatAt = [&](int line, int column) {
            const QTextBlock block = doc.findBlockByNumber(line);
            for (const QTextLayout::FormatRange& r : block.layout()->formats())
                if (column >= r.start && column < r.start + r.length) return r.format;
            return QTextCharFormat();
        };
        QCOMPARE(formatAt(0, 0), h.format(T::Keyword));
        QCOMPARE(formatAt(0, 8), QTextCharFormat()); // the name is plain
        QCOMPARE(formatAt(2, 3), h.format(T::Directive));
        QCOMPARE(formatAt(3, 30), h.format(T::Comment));
        QCOMPARE(formatAt(4, 23), h.format(T::Number)); // 5.0
        QCOMPARE(formatAt(6, 19), h.format(T::Number)); // $0064
        QCOMPARE(formatAt(7, 5), h.format(T::Banner));
        QCOMPARE(formatAt(8, 3), h.format(T::Banner));
        QCOMPARE(formatAt(10, 7), h.format(T::String));
        QCOMPARE(formatAt(10, 17), h.format(T::Comment));
        QVERIFY(h.format(T::Keyword).fontWeight() == QFont::Bold);
    }

    void coloursAreReadableOnLightAndDarkBases() {
        QTextDocument doc;
        for (const QColor& base : {QColor(Qt::white), QColor(0x1e, 0x1e, 0x1e)}) {
            QPalette pal;
            pal.setColor(QPalette::Base, base);
            TListingHighlighter h(&doc, pal);
            for (int t = 0; t < static_cast<int>(T::Count); ++t) {
                const QColor fg = h.format(static_cast<T>(t)).foreground().color();
                QVERIFY2(contrast(fg, base) >= 4.5, qPrintable(QString("token %1 on %2: %3")
                                                                   .arg(t)
                                                                   .arg(base.name())
                                                                   .arg(contrast(fg, base))));
            }
        }
    }

    void listingWindowSearchesForwardBackwardAndWraps() {
        TListForm form;
        auto* editor = qobject_cast<TListingEditor*>(form.Liste());
        QVERIFY(editor);
        QVERIFY(editor->highlighter());
        form.Liste()->setPlainText(kSample);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* bar = form.findChild<TListingSearchBar*>("ListingSearch");
        QVERIFY(bar);
        QVERIFY(!bar->isVisible());

        QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(bar->isVisible());
        QTRY_VERIFY(bar->field()->hasFocus());
        QTest::keyClicks(bar->field(), "BLINKY"); // letter case ignored
        QTest::keyClick(bar->field(), Qt::Key_Return);
        QTextCursor c = form.Liste()->textCursor();
        QCOMPARE(c.selectedText(), QString("Blinky"));
        QCOMPARE(c.blockNumber(), 0);
        QTest::keyClick(bar->field(), Qt::Key_Return);
        QCOMPARE(form.Liste()->textCursor().blockNumber(), 11);
        QTest::keyClick(bar->field(), Qt::Key_Return); // wraps to the first
        QCOMPARE(form.Liste()->textCursor().blockNumber(), 0);
        QTest::keyClick(bar->field(), Qt::Key_Return, Qt::ShiftModifier); // wraps back
        QCOMPARE(form.Liste()->textCursor().blockNumber(), 11);
        QTest::keyClick(bar->field(), Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(form.Liste()->textCursor().blockNumber(), 0);

        bar->field()->setText("no such text");
        QVERIFY(!bar->findNext());
        QCOMPARE(form.Liste()->textCursor().blockNumber(), 0); // the selection stays
        QCOMPARE(bar->findChild<QLabel*>("SearchStatus")->text(), QString("not found"));

        // Escape leaves the search, not the window; the text is what it was.
        QTest::keyClick(bar->field(), Qt::Key_Escape);
        QVERIFY(!bar->isVisible());
        QVERIFY(form.isVisible());
        QCOMPARE(form.Liste()->toPlainText(), kSample);
        form.close();
    }

    void lineNumberMarginGrowsWithTheLineCount() {
        TListingEditor editor;
        editor.setPlainText("a\nb");
        const int small = editor.lineNumberAreaWidth();
        QVERIFY(small > 0);
        QStringList many;
        for (int i = 0; i < 12000; ++i)
            many << "x";
        editor.setPlainText(many.join('\n'));
        QVERIFY(editor.lineNumberAreaWidth() > small);
        editor.resize(400, 300);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        // The text begins right of the margin, which is as wide as the numbers need.
        QVERIFY(editor.viewport()->x() >= editor.lineNumberAreaWidth());
        QCOMPARE(editor.lineNumberArea()->width(), editor.lineNumberAreaWidth());
    }
};

QTEST_MAIN(TestListingHighlighter)
#include "tst_listinghighlighter.moc"
