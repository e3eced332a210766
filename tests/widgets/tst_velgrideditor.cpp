#include "components/widgets/VelGeneralGrid.h"
#include "components/widgets/VelGridEditor.h"
#include "components/widgets/VelImageList.h"
#include "components/widgets/VelSpinEdit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateEdit>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

using namespace pramlet;

namespace {

const QColor kColours[4] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};

// Four solid 8 x 8 images: red, green, blue, yellow.
void FillImages(TVelImageList& images) {
    for (const QColor& c : kColours) {
        QPixmap p(images.Width(), images.Height());
        p.fill(c);
        images.Add(p);
    }
}

// Draws one cell of the editor's column into a white 40 x 20 picture.
QImage DrawOne(TVelGridEditor& editor, const QString& text, int row = 1) {
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    TVelGeneralGridCell cell;
    cell.fText = text.toStdString();
    editor.DrawCell(&painter, editor.Column(), row, QRect(0, 0, 40, 20), TGridDrawState(), cell,
                    true, false, true, QString());
    return image;
}

bool HasColour(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) return true;
    return false;
}

bool HasDarkPixel(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
}

} // namespace

class TestVelGridEditor : public QObject {
    Q_OBJECT

  private:
    // A shown, active grid with one editor in column 1.
    struct Fixture {
        TVelGeneralGrid grid;
        TVelGridEditor editor;
        QList<QString> edits;

        explicit Fixture(TVelEditorStyle style) {
            grid.setOnCellEditChange([this](TVelGeneralGrid*, int c, const QString& v, int r) {
                edits << QString("%1,%2=%3").arg(c).arg(r).arg(v);
            });
            editor.setColumn(1);
            editor.setStyle(style);
            editor.setVelGrid(&grid);
            grid.resize(400, 200);
            grid.show();
            grid.activateWindow();
        }
        bool Ready() { return QTest::qWaitForWindowActive(&grid); }
        void Click(int col, int row) {
            QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                              grid.CellRect(col, row).center());
        }
    };

  private slots:
    void imageIndexFromText() {
        TVelImageList images(8, 8);
        FillImages(images);
        TVelGridEditor editor;
        editor.setStyle(esImageList);
        editor.setImages(&images);

        QImage three = DrawOne(editor, "3");
        QCOMPARE(three.pixel(2, 2), kColours[3].rgb());
        QCOMPARE(three.pixel(9, 9), QColor(Qt::white).rgb()); // unscaled at the corner

        QImage seven = DrawOne(editor, "7");
        for (const QColor& c : kColours)
            QVERIFY(!HasColour(seven, c.rgb()));
        QVERIFY(HasDarkPixel(seven)); // the text "7"

        QCOMPARE(DrawOne(editor, "").pixel(2, 2), kColours[0].rgb());
        QVERIFY(!HasColour(DrawOne(editor, "x"), kColours[0].rgb()));

        editor.setOnGetImageIndex(
            [](TVelGeneralGrid*, int, int row, TGridDrawState, const QString&) { return row; });
        QCOMPARE(DrawOne(editor, "3", 2).pixel(2, 2), kColours[2].rgb());

        editor.setImages(nullptr);
        QVERIFY(!HasColour(DrawOne(editor, "1"), kColours[1].rgb()));
    }

    void printStretchesImages() {
        TVelImageList images(8, 8);
        FillImages(images);
        TVelGridEditor editor;
        editor.setStyle(esImageList);
        editor.setImages(&images);
        QImage image(48, 48, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        editor.PrintCell(&painter, 0, 1, QRect(0, 0, 48, 48), "2");
        painter.end();
        QCOMPARE(image.pixel(44, 44), kColours[2].rgb());
    }

    void titlesForEmptyCells() {
        TVelGridEditor editor;
        editor.setTitles({"DDR"});
        QCOMPARE(editor.CellText(0, ""), QString("DDR"));
        QCOMPARE(editor.CellText(0, "1"), QString("1"));
        QCOMPARE(editor.CellText(1, ""), QString());
        QVERIFY(HasDarkPixel(DrawOne(editor, "", 0)));
        QVERIFY(!HasDarkPixel(DrawOne(editor, "", 1)));
    }

    void desiredRowHeightByStyle() {
        TVelImageList images(24, 30);
        TVelGridEditor editor;
        QCOMPARE(editor.DesiredRowHeight(18), 0);
        editor.setStyle(esImageList);
        QCOMPARE(editor.DesiredRowHeight(18), 0);
        editor.setImages(&images);
        QCOMPARE(editor.DesiredRowHeight(18), 30);
        editor.setStyle(esDropDownImageList);
        QCOMPARE(editor.DesiredRowHeight(18), 30);
        editor.setStyle(esSpinEdit);
        QCOMPARE(editor.DesiredRowHeight(18), 18);
    }

    void fittingNeverNarrows() {
        TVelGeneralGrid grid;
        TVelGridEditor editor;
        editor.setColumn(1);
        editor.setVelGrid(&grid);
        editor.setAutoSizeColumn(true);
        QVERIFY(editor.AutoSizeCol());
        QVERIFY(!editor.ParentAutoSizeColumn());
        QVERIFY(!editor.ParentColWidth());
        const QFontMetrics metrics(grid.font());
        grid.setColWidths(1, 300);
        editor.FitColumn(1, "ab", metrics);
        QCOMPARE(grid.ColWidths(1), 300);
        grid.setColWidths(1, 10);
        editor.FitColumn(1, "abcdef", metrics);
        QCOMPARE(grid.ColWidths(1), metrics.horizontalAdvance("abcdefXX"));
        editor.FitColumn(1, "a", metrics);
        QCOMPARE(grid.ColWidths(1), metrics.horizontalAdvance("abcdefXX"));

        editor.setStyle(esDropDownList);
        grid.setColWidths(1, 10);
        editor.FitColumn(1, "abc", metrics);
        QCOMPARE(grid.ColWidths(1), metrics.horizontalAdvance("abcXX") + 16);

        // Width not left to the grid and no automatic width: ColWidth applies.
        editor.setAutoSizeColumn(false);
        editor.setColWidth(77);
        editor.FitColumn(1, "abcdefghijkl", metrics);
        QCOMPARE(grid.ColWidths(1), 77);
        editor.setParentColWidth(true);
        QVERIFY(!editor.AutoSizeColumn());
        editor.setColWidth(50);
        editor.FitColumn(1, "abc", metrics);
        QCOMPARE(grid.ColWidths(1), 77);
    }

    void imageStyleTakesImageWidth() {
        TVelImageList images(24, 24);
        FillImages(images);
        TVelGeneralGrid grid;
        TVelGridEditor editor;
        editor.setColumn(2);
        editor.setImages(&images);
        editor.setVelGrid(&grid);
        editor.setStyle(esImageList);
        QCOMPARE(grid.ColWidths(2), 24);
        QCOMPARE(editor.Editor(), nullptr);
    }

    void styleChangesReplaceTheControl() {
        TVelGridEditor editor;
        editor.setMinVal(1);
        editor.setMaxVal(9);
        editor.setStyle(esMaskEdit);
        QVERIFY(qobject_cast<QLineEdit*>(editor.Editor()));
        editor.setMaxLength(4);
        QCOMPARE(qobject_cast<QLineEdit*>(editor.Editor())->maxLength(), 4);
        editor.setStyle(esSpinEdit);
        auto* spin = qobject_cast<TVelSpinEdit*>(editor.Editor());
        QVERIFY(spin);
        QCOMPARE(spin->MinValue(), 1);
        QCOMPARE(spin->MaxValue(), 9);
        editor.setStyle(esNone);
        QCOMPARE(editor.Editor(), nullptr);
    }

    void objectsOfItems() {
        TVelGridEditor editor;
        editor.setStyle(esDropDownList);
        int a = 0, b = 0;
        TVelItemsList items{{"Alpha", &a}, {"Beta", nullptr}};
        editor.setItemsList(&items);
        QCOMPARE(editor.Items(), (QStringList{"Alpha", "Beta"}));
        QCOMPARE(qobject_cast<QComboBox*>(editor.Editor())->count(), 2);
        QCOMPARE(editor.GetObjects("ALPHA"), &a);
        editor.SetObjects("beta", &b);
        QCOMPARE(editor.GetObjects("Beta"), &b);
        try {
            editor.GetObjects("X");
            QFAIL("no exception");
        } catch (const std::runtime_error& e) {
            QCOMPARE(QString(e.what()), QString("\"X\" not found in Items List"));
        }
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, editor.SetObjects("Gamma", &a));
        editor.setItemsList(nullptr);
        QVERIFY(editor.Items().isEmpty());
        QCOMPARE(qobject_cast<QComboBox*>(editor.Editor())->count(), 0);
    }

    void maskEditWritesBackChangedTextOnly() {
        Fixture f(esMaskEdit);
        QVERIFY(f.Ready());
        f.grid.setCell(1, 2, "old");
        f.Click(1, 2);
        auto* edit = qobject_cast<QLineEdit*>(f.editor.Editor());
        QTRY_VERIFY(edit->isVisible());
        QCOMPARE(f.grid.RowBeingEdited(), 2);
        QCOMPARE(f.grid.ColBeingEdited(), 1);
        QCOMPARE(edit->text(), QString("old"));
        QCOMPARE(edit->selectedText(), QString("old"));
        QVERIFY(f.edits.isEmpty()); // loading is no change

        QTest::keyClicks(edit, "new");
        QCOMPARE(f.grid.Cell(1, 2), QString("new"));
        QCOMPARE(f.edits.last(), QString("1,2=new"));
        const int events = f.edits.size();
        edit->setText("new");
        edit->setText(f.grid.Cell(1, 2));
        QCOMPARE(f.edits.size(), events);

        // The grid writing the edited cell brings the control in line.
        f.grid.setCell(1, 2, "from grid");
        QCOMPARE(edit->text(), QString("from grid"));
        QCOMPARE(f.edits.size(), events);

        // Leaving the control hides it and ends the editing.
        f.grid.setFocus();
        QTRY_VERIFY(!edit->isVisible());
        QCOMPARE(f.grid.RowBeingEdited(), -1);
        QCOMPARE(f.grid.ColBeingEdited(), -1);
    }

    void disabledCellIsNotEdited() {
        Fixture f(esMaskEdit);
        QVERIFY(f.Ready());
        f.grid.setCellEnabled(1, 2, false);
        f.Click(1, 2);
        QTest::qWait(50);
        QVERIFY(!f.editor.Editor()->isVisible());
        QCOMPARE(f.grid.RowBeingEdited(), -1);
    }

    void instantActionOpensTheList() {
        Fixture f(esDropDownList);
        QVERIFY(f.Ready());
        int a = 0, b = 0;
        TVelItemsList items{{"Alpha", &a}, {"Beta", &b}};
        f.editor.setItemsList(&items);
        f.grid.setCell(1, 1, "beta");
        f.Click(1, 1);
        auto* combo = qobject_cast<QComboBox*>(f.editor.Editor());
        QTRY_VERIFY(combo->view()->isVisible());
        QVERIFY(combo->isVisible());
        QCOMPARE(combo->currentText(), QString("Beta"));
        QVERIFY(!f.grid.JustClicked());
        QTRY_VERIFY(!f.grid.TimerActive());

        combo->hidePopup();
        combo->setCurrentIndex(0);
        QCOMPARE(f.grid.Cell(1, 1), QString("Alpha"));
        QCOMPARE(f.grid.CellObject(1, 1), &a);
        QCOMPARE(f.edits, (QList<QString>{"1,1=Alpha"}));
    }

    void withoutInstantActionTheListStaysClosed() {
        Fixture f(esDropDownList);
        QVERIFY(f.Ready());
        f.editor.setInstantAction(false);
        f.Click(1, 1);
        auto* combo = qobject_cast<QComboBox*>(f.editor.Editor());
        QTRY_VERIFY(combo->isVisible());
        QTest::qWait(50);
        QVERIFY(!combo->view()->isVisible());
        QVERIFY(f.grid.JustClicked());
    }

    void buttonClickRestoresCaption() {
        Fixture f(esButton);
        QVERIFY(f.Ready());
        f.grid.setCell(1, 3, "...");
        int clicks = 0;
        f.editor.setOnClick([&](TVelGridEditor* sender) {
            QCOMPARE(sender, &f.editor);
            ++clicks;
            qobject_cast<QPushButton*>(sender->Editor())->setText("changed");
        });
        f.Click(1, 3);
        QTRY_COMPARE(clicks, 1); // pressed by the instant action
        auto* button = qobject_cast<QPushButton*>(f.editor.Editor());
        QCOMPARE(button->text(), QString("..."));
    }

    void spinEditWritesBackValidTextOnly() {
        Fixture f(esSpinEdit);
        f.editor.setMinVal(1);
        f.editor.setMaxVal(15);
        QVERIFY(f.Ready());
        f.grid.setCell(1, 1, "abc");
        f.Click(1, 1);
        auto* spin = qobject_cast<TVelSpinEdit*>(f.editor.Editor());
        QTRY_VERIFY(spin->isVisible());
        QCOMPARE(spin->Text(), QString("1")); // no number: 0, clamped
        QCOMPARE(f.grid.Cell(1, 1), QString("abc"));
        spin->setText("40");
        QCOMPARE(f.grid.Cell(1, 1), QString("abc"));
        spin->setText("12");
        QCOMPARE(f.grid.Cell(1, 1), QString("12"));
        f.grid.setCell(1, 1, "oops"); // not a number: the spin edit keeps its value
        QCOMPARE(spin->Text(), QString("12"));
        QCOMPARE(f.edits, (QList<QString>{"1,1=12"}));
    }

    void datePickerLoadsAndOpensItsCalendar() {
        Fixture f(esDatePicker);
        QVERIFY(f.Ready());
        f.Click(1, 2);
        auto* date = qobject_cast<QDateEdit*>(f.editor.Editor());
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QVERIFY(date->isVisible());
        QCOMPARE(date->date(), QDate::currentDate()); // empty text: today
        QVERIFY(f.edits.isEmpty());
        QApplication::activePopupWidget()->close();
        date->setDate(QDate(2024, 2, 29));
        QCOMPARE(f.grid.Cell(1, 2), QString("2024-02-29"));
        f.grid.setCell(1, 2, "not a date");
        QCOMPARE(date->date(), QDate(2024, 2, 29));
        f.grid.setCell(1, 2, "2023-01-05");
        QCOMPARE(date->date(), QDate(2023, 1, 5));
    }

    void keyPressHandlerFiltersKeys() {
        Fixture f(esMaskEdit);
        f.grid.setOnKeyPress([](QObject*, QChar& key) {
            if (key == u'x') key = QChar();
            if (key == u'a') key = u'A';
        });
        QVERIFY(f.Ready());
        f.Click(1, 1);
        auto* edit = qobject_cast<QLineEdit*>(f.editor.Editor());
        QTRY_VERIFY(edit->isVisible());
        QTest::keyClicks(edit, "axb");
        QCOMPARE(edit->text(), QString("Ab"));
        QCOMPARE(f.grid.Cell(1, 1), QString("Ab"));
    }
};

QTEST_MAIN(TestVelGridEditor)
#include "tst_velgrideditor.moc"
