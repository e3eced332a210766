#include "components/widgets/VelGeneralGrid.h"
#include "components/widgets/VelGridEditor.h"
#include "components/widgets/VelImageList.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

using namespace pramlet;

class TestVelGeneralGrid : public QObject {
    Q_OBJECT

  private:
    static QString ReadFile(const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return "<missing>";
        return QString::fromUtf8(f.readAll());
    }

  private slots:
    void initialState() {
        TVelGeneralGrid grid;
        QCOMPARE(grid.RowCount(), 5);
        QCOMPARE(grid.ColCount(), 5);
        QCOMPARE(grid.ActiveRowCount(), 4);
        QCOMPARE(grid.TextHMargin(), -1);
        QCOMPARE(grid.TextVMargin100(), 25);
        QCOMPARE(grid.MinRowHeight(), 16);
        QVERIFY(!grid.AutoSizeRows());
        QVERIFY(!grid.JustClicked());
        QVERIFY(!grid.TimerActive());
        QCOMPARE(grid.Row(), 1);
        QCOMPARE(grid.Col(), 1);
    }

    void sparseReadsCreateNoRecords() {
        TVelGeneralGrid grid;
        QCOMPARE(grid.Cell(3, 3), QString());
        QVERIFY(!grid.Error(3, 3));
        QCOMPARE(grid.ErrorText(3, 3), QString());
        QVERIFY(grid.CellEnabled(3, 3));
        QCOMPARE(grid.CellObject(3, 3), nullptr);
        QCOMPARE(grid.CellTag(3, 3), 0);
        QCOMPARE(grid.Cells().Count(), 0);

        int object = 0;
        grid.setCellObject(1, 2, &object);
        grid.setCellTag(1, 2, 7);
        grid.setError(1, 2, true);
        grid.setErrorText(1, 2, "bad");
        grid.setCellEnabled(1, 2, false);
        QCOMPARE(grid.Cells().Count(), 1);
        QCOMPARE(grid.CellObject(1, 2), &object);
        QCOMPARE(grid.CellTag(1, 2), 7);
        QVERIFY(grid.Error(1, 2));
        QCOMPARE(grid.ErrorText(1, 2), QString("bad"));
        QVERIFY(!grid.CellEnabled(1, 2));
        grid.ClearCells();
        QCOMPARE(grid.Cells().Count(), 0);
        QVERIFY(grid.CellEnabled(1, 2));
    }

    void cellsStaySorted() {
        TVelGeneralGrid grid;
        grid.setCell(2, 1, "a");
        grid.setCell(0, 5, "b");
        grid.setCell(2, 0, "c");
        const TVelGeneralGridCellList& cells = grid.Cells();
        QCOMPARE(cells.Count(), 3);
        QCOMPARE(QPoint(cells.At(0).fCol, cells.At(0).fRow), QPoint(0, 5));
        QCOMPARE(QPoint(cells.At(1).fCol, cells.At(1).fRow), QPoint(2, 0));
        QCOMPARE(QPoint(cells.At(2).fCol, cells.At(2).fRow), QPoint(2, 1));
    }

    void cellChangeOnlyForNewText() {
        TVelGeneralGrid grid;
        QList<QString> changes;
        const TVelGeneralGridCell* sender = nullptr;
        grid.setOnCellChange([&](TVelGeneralGridCell* s, int c, int r, const QString& v) {
            sender = s;
            changes << QString("%1,%2=%3").arg(c).arg(r).arg(v);
        });
        grid.setCell(1, 2, "x");
        grid.setCell(1, 2, "x");
        grid.setCell(1, 2, "y");
        grid.setCell(3, 3, ""); // creates the record, but the text is unchanged
        QCOMPARE(changes, (QList<QString>{"1,2=x", "1,2=y"}));
        QCOMPARE(sender, grid.Cells().Find(1, 2));
        QCOMPARE(grid.Cells().Count(), 2);
    }

    void editorLookupToTheRight() {
        TVelGeneralGrid grid;
        grid.setColCount(8);
        TVelGridEditor toRight, own, later;
        toRight.setColumn(1);
        toRight.setAllowUseToRight(true);
        own.setColumn(3);
        later.setColumn(5);
        later.setAllowUseToRight(true);
        toRight.setVelGrid(&grid);
        own.setVelGrid(&grid);
        later.setVelGrid(&grid);
        QCOMPARE(grid.Editor(0), nullptr);
        QCOMPARE(grid.Editor(1), &toRight);
        QCOMPARE(grid.Editor(2), &toRight);
        QCOMPARE(grid.Editor(3), &own);
        QCOMPARE(grid.Editor(4), &toRight);
        QCOMPARE(grid.Editor(7), &later);
        later.setVelGrid(nullptr);
        QCOMPARE(grid.Editor(7), &toRight);
        QCOMPARE(grid.ColumnEditStyle(0), esNone);
    }

    void editorsAreDetachedWhenGridGoes() {
        TVelGridEditor editor;
        editor.setStyle(esMaskEdit);
        {
            TVelGeneralGrid grid;
            editor.setVelGrid(&grid);
            QCOMPARE(grid.Editors().size(), 1);
        }
        QCOMPARE(editor.VelGrid(), nullptr);
        QVERIFY(editor.Editor() != nullptr); // the control is the editor's, not the grid's
        TVelGeneralGrid grid;
        {
            TVelGridEditor shortLived;
            shortLived.setVelGrid(&grid);
        }
        QVERIFY(grid.Editors().isEmpty());
    }

    void editorsTakeTheGridsVisibility() {
        QWidget parent;
        auto* grid = new TVelGeneralGrid(&parent);
        parent.show();
        TVelGridEditor shown;
        shown.setVelGrid(grid);
        QVERIFY(shown.Visible());
        grid->hide();
        QVERIFY(!shown.Visible());
        TVelGridEditor later;
        later.setStyle(esMaskEdit);
        later.setVelGrid(grid); // registered while the grid is hidden
        QVERIFY(!later.Visible());
        grid->show();
        QVERIFY(shown.Visible());
        QVERIFY(later.Visible());
    }

    void autoSizeRows() {
        TVelGeneralGrid grid;
        grid.setMinRowHeight(16);
        grid.setAutoSizeRows(true);
        QCOMPARE(grid.DefaultRowHeight(), 16);
        QCOMPARE(grid.RowHeights(3), 16);

        TVelImageList images(24, 30);
        TVelGridEditor pictures;
        pictures.setColumn(1);
        pictures.setStyle(esImageList);
        pictures.setImages(&images);
        pictures.setVelGrid(&grid);
        QCOMPARE(grid.DefaultRowHeight(), 30);

        // A text editor proposes the text height with its margins.
        TVelGridEditor text;
        text.setColumn(2);
        text.setStyle(esMaskEdit);
        grid.setTextVMargin100(200);
        text.setVelGrid(&grid);
        const int h = QFontMetrics(grid.font()).height();
        QCOMPARE(grid.DefaultRowHeight(), std::max(30, h * 5));
        text.setVelGrid(nullptr);
        QCOMPARE(grid.DefaultRowHeight(), 30);
    }

    void refusedRowHeightGivesDefault() {
        TVelGeneralGrid grid;
        grid.setDefaultRowHeight(20);
        grid.setRowHeights(2, 33);
        QCOMPARE(grid.RowHeights(2), 33);
        grid.setRowHeights(2, -4);
        QCOMPARE(grid.RowHeights(2), 20);
    }

    void countsNotAboveFixedHideTheGrid() {
        QWidget parent;
        auto* grid = new TVelGeneralGrid(&parent);
        parent.show();
        QVERIFY(grid->isVisible());
        grid->setRowCount(1);
        QCOMPARE(grid->RowCount(), 1);
        QVERIFY(!grid->isVisible());
        grid->setRowCount(4);
        QVERIFY(grid->isVisible());
        QCOMPARE(grid->model()->rowCount(), 4);
        grid->setActiveColCount(2);
        QCOMPARE(grid->ColCount(), 3);
        QCOMPARE(grid->model()->columnCount(), 3);
        grid->setActiveRowCount(0);
        QVERIFY(!grid->isVisible());
        // A count above the fixed rows shows the grid, also one its owner had hidden.
        grid->setActiveRowCount(3);
        grid->hide();
        grid->setRowCount(6);
        QVERIFY(grid->isVisible());
        grid->hide();
        grid->setColCount(4);
        QVERIFY(grid->isVisible());
        // A grid without a parent does not become a window of its own.
        TVelGeneralGrid single;
        single.setRowCount(6);
        QVERIFY(!single.isVisible());
    }

    void beingEditedMovesCurrentCell() {
        TVelGeneralGrid grid;
        QList<int> rows, cols;
        grid.setOnRowSelectionChange([&](TVelGeneralGrid*, int r) { rows << r; });
        grid.setOnColSelectionChange([&](TVelGeneralGrid*, int c) { cols << c; });
        grid.setRowBeingEdited(3);
        grid.setRowBeingEdited(3);
        grid.setColBeingEdited(2);
        QCOMPARE(grid.Row(), 3);
        QCOMPARE(grid.Col(), 2);
        grid.setRowBeingEdited(-1);
        grid.setColBeingEdited(-1);
        QCOMPARE(grid.Row(), 3);
        QCOMPARE(grid.Col(), 2);
        QCOMPARE(rows, (QList<int>{3, -1}));
        QCOMPARE(cols, (QList<int>{2, -1}));
    }

    void pendingActionsRunOnlyAfterAClick() {
        TVelGeneralGrid grid;
        int calls = 0;
        int code = 0;
        grid.AddDelayedAction(nullptr, 0,
                              tVelPendingActionEvent(&code, this, [&](void*, int&) { ++calls; }));
        QVERIFY(grid.TimerActive());
        QTest::qWait(60);
        QCOMPARE(calls, 0); // the timer waits for the first click
        QVERIFY(grid.TimerActive());
        grid.setJustClicked(true);
        QTRY_COMPARE(calls, 1);
        QTRY_VERIFY(!grid.TimerActive());
    }

    void firstClickSetsJustClicked() {
        TVelGeneralGrid grid;
        grid.resize(400, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QList<QPoint> selected;
        grid.setOnSelectCell([&](TVelGeneralGrid*, int c, int r) { selected << QPoint(c, r); });
        const QPoint cell = grid.CellRect(2, 2).center();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell);
        QVERIFY(grid.JustClicked());
        QCOMPARE(grid.Row(), 2);
        QCOMPARE(grid.Col(), 2);
        // Clicking the current cell again selects it again; fixed cells are not selected.
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.CellRect(0, 2).center());
        QCOMPARE(selected, (QList<QPoint>{{2, 2}, {2, 2}}));
        QCOMPARE(grid.Col(), 2);
    }

    void drawingCreatesRecords() {
        TVelGeneralGrid grid;
        grid.setRowCount(2);
        grid.setColCount(2);
        grid.resize(300, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        grid.viewport()->repaint();
        QCOMPARE(grid.Cells().Count(), 4);
    }

    void rowVisiblePagesTheWindow() {
        TVelGeneralGrid grid;
        grid.setRowCount(40);
        grid.setDefaultRowHeight(20);
        grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid.resize(300, 20 * 5 + 2 * grid.frameWidth());
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QCOMPARE(grid.TopRow(), 1);
        const int page = grid.VisibleRowCount();
        QCOMPARE(page, 4); // row 0 is fixed
        QVERIFY(grid.RowVisible(1));
        QVERIFY(!grid.RowVisible(0));
        QVERIFY(!grid.RowVisible(20));
        grid.setRowVisible(20);
        QVERIFY(grid.RowVisible(20));
        const int top = grid.TopRow();
        grid.setRowVisible(0); // fixed rows change nothing
        grid.setRowVisible(45);
        QCOMPARE(grid.TopRow(), top);
        grid.setRowVisible(2);
        QVERIFY(grid.RowVisible(2));
        QVERIFY(grid.TopRow() >= 1);
    }

    void maxTextWidthNeverBelowColumn() {
        TVelGeneralGrid grid;
        grid.setColWidths(1, 300);
        grid.setCell(1, 2, "ab");
        QCOMPARE(grid.MaxTextWidth(1), 300);
        grid.setColWidths(1, 5);
        const QString wide(40, QChar('W'));
        grid.setCell(1, 4, wide);
        QCOMPARE(grid.MaxTextWidth(1), QFontMetrics(grid.NormalFont()).horizontalAdvance(wide));
    }

    void exportCsv() {
        QTemporaryDir dir;
        TVelGeneralGrid grid;
        grid.setRowCount(2);
        grid.setColCount(2);
        const QString path = dir.filePath("grid.csv");
        QVERIFY(grid.ExportCSV(path));
        QCOMPARE(ReadFile(path), QString("\"\",\"\"\n\"\",\"\"\n"));

        TVelGridEditor ddr;
        ddr.setColumn(1);
        ddr.setTitles({"DDR"});
        ddr.setVelGrid(&grid);
        grid.setCell(0, 1, "say \"hi\"");
        grid.setCell(1, 1, "3");
        QVERIFY(grid.ExportCSV(path));
        QCOMPARE(ReadFile(path), QString("\"\",\"DDR\"\n\"say \"hi\"\",\"3\"\n"));

        QVERIFY(!grid.ExportCSV(dir.filePath("missing/grid.csv")));
    }

    void printTooNarrowPrintsNothing() {
        TVelGeneralGrid grid;
        grid.setColCount(3);
        for (int c = 0; c < 3; ++c)
            grid.setColWidths(c, 24);
        int headers = 0;
        grid.setOnPrintHeader(
            [&](QPainter*, const QRect&, int&, int&, int, int, bool) { ++headers; });
        QImage image(200, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        int scale = 0, left = 0;
        grid.GetPrintParms(&painter, QRect(0, 0, 76, 100), scale, left);
        QCOMPARE(scale, 1);
        try {
            grid.Print(1, 1, &painter, QRect(0, 0, 75, 100), false);
            QFAIL("no exception");
        } catch (const std::exception& e) {
            QCOMPARE(QString(e.what()), QString("Page too narrow to print table"));
        }
        QVERIFY_THROWS_EXCEPTION(EVelGridPrint,
                                 grid.GetPrintParms(&painter, QRect(0, 0, 75, 100), scale, left));
        painter.end();
        QCOMPARE(headers, 0);
        QCOMPARE(image.pixel(10, 10), QColor(Qt::white).rgb());
    }

    void printedCellsAreGreyWhenFixed() {
        TVelGeneralGrid grid;
        grid.setRowCount(3);
        grid.setColCount(3);
        for (int c = 0; c < 3; ++c)
            grid.setColWidths(c, 30);
        grid.setDefaultRowHeight(20);
        QImage image(200, 200, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QPainter painter(&image);
        // Table width 1 + 3 * 31 = 94; centred in 200: offset 53.
        const int pages = grid.Print(1, 1, &painter, QRect(0, 0, 200, 200), false);
        painter.end();
        QCOMPARE(pages, 1);
        const QRgb grey = qRgb(0xC0, 0xC0, 0xC0);
        QCOMPARE(image.pixel(53 + 15, 10), grey);      // row 0 is fixed
        QCOMPARE(image.pixel(53 + 15, 21 + 10), grey); // column 0 is fixed
        QCOMPARE(image.pixel(53 + 31 + 15, 21 + 10), QColor(Qt::white).rgb());
        QCOMPARE(image.pixel(53, 10), QColor(Qt::black).rgb()); // the border
        QCOMPARE(image.pixel(40, 10), QColor(Qt::blue).rgb());  // left of the table
    }

    void printSeveralPagesToPdf() {
        QTemporaryDir dir;
        TVelGeneralGrid grid;
        grid.setRowCount(30);
        grid.setColCount(3);
        grid.setDefaultRowHeight(19); // lines of 20 with the grid line
        for (int r = 0; r < 30; ++r)
            grid.setCell(1, r, QString::number(r));

        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString path = dir.filePath("grid.pdf");
        printer.setOutputFileName(path);
        QPainter painter(&printer);
        const QRect page(0, 0, 400, 250);
        QList<QString> calls;
        grid.setOnPrintFooter([&](QPainter*, const QRect&, int&, int&, int p, int of, bool calc) {
            calls << QString("footer %1/%2%3").arg(p).arg(of).arg(calc ? " calc" : "");
        });
        grid.setOnPrintHeader(
            [&](QPainter*, const QRect&, int& top, int&, int p, int of, bool calc) {
                calls << QString("header %1/%2%3").arg(p).arg(of).arg(calc ? " calc" : "");
                top += 50; // room for a heading: 10 lines per page
                if (p > 1 && !calc) printer.newPage();
            });
        QCOMPARE(grid.Print(1, 0, &painter, page, true), 3);
        QCOMPARE(calls, (QList<QString>{"footer 1/0 calc", "header 1/0 calc", "footer 2/0 calc",
                                        "header 2/0 calc", "footer 3/0 calc", "header 3/0 calc"}));
        calls.clear();
        QCOMPARE(grid.Print(1, 3, &painter, page, false), 3);
        QCOMPARE(calls.size(), 6);
        QCOMPARE(calls.last(), QString("header 3/3"));
        painter.end();
        const QByteArray pdf = [&] {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        QCOMPARE(
            pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 3);
    }
};

QTEST_MAIN(TestVelGeneralGrid)
#include "tst_velgeneralgrid.moc"
