#include "ui/FramePortWidget.h"

#include "components/widgets/VelGeneralGrid.h"
#include "components/widgets/VelGridEditor.h"
#include "components/widgets/VelImageList.h"
#include "config/PortFusePages.h"
#include "config/Project.h"
#include "ui/FieldLeave.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace pramlet {

namespace {

constexpr int kSize = 24;

QPixmap blank() {
    QPixmap p(kSize, kSize);
    p.fill(Qt::transparent);
    return p;
}

// An arrow pointing into the pin (input) or out of it (output).
QPixmap arrow(bool out) {
    QPixmap p = blank();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const QColor colour = out ? QColor(0xC0, 0x39, 0x2B) : QColor(0x21, 0x6F, 0xB5);
    g.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    g.drawLine(5, 12, 19, 12);
    QPainterPath head;
    if (out) {
        head.moveTo(19, 12), head.lineTo(13, 6), head.moveTo(19, 12), head.lineTo(13, 18);
    } else {
        head.moveTo(5, 12), head.lineTo(11, 6), head.moveTo(5, 12), head.lineTo(11, 18);
    }
    g.drawPath(head);
    return p;
}

QPixmap digit(char d) {
    QPixmap p = blank();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const bool one = d == '1';
    g.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    g.setBrush(one ? QColor(0xF5, 0xC5, 0x18) : QColor(0xF2, 0xF2, 0xF2));
    g.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 3, 3);
    QFont f = g.font();
    f.setBold(true);
    f.setPixelSize(13);
    g.setFont(f);
    g.setPen(Qt::black);
    g.drawText(QRect(3, 3, 18, 18), Qt::AlignCenter, QString(QChar(d)));
    return p;
}

QPixmap absent() {
    QPixmap p = blank();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 2, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(7, 7, 17, 17);
    g.drawLine(17, 7, 7, 17);
    return p;
}

// A pin of a port that the external RAM's bus holds: a small padlock.
QPixmap locked() {
    QPixmap p = blank();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const QColor colour(0x8E, 0x6C, 0x2B);
    g.setPen(QPen(colour, 2));
    g.setBrush(Qt::NoBrush);
    g.drawArc(QRectF(8, 4, 8, 10), 0, 180 * 16);
    g.drawLine(QPointF(8, 9), QPointF(8, 11));
    g.drawLine(QPointF(16, 9), QPointF(16, 11));
    g.setBrush(QColor(0xE8, 0xC8, 0x7A));
    g.drawRoundedRect(QRectF(6, 11, 12, 9), 2, 2);
    return p;
}

} // namespace

std::unique_ptr<TVelImageList> FramePortWidget::makeLockedImageList() {
    // Image 4 (the pin the frame does not offer) is the padlock; the others as usual.
    auto list = makeImageListPort();
    auto lockedList = std::make_unique<TVelImageList>(kSize, kSize);
    for (int i = 0; i < 4; ++i)
        lockedList->Add(list->Image(i));
    lockedList->Add(locked());
    return lockedList;
}

QString FramePortWidget::legendText(int image) {
    static const char* const texts[] = {"input (DDR bit 0)", "output (DDR bit 1)", "value 0",
                                        "value 1", "no such pin on this controller",
                                        "held by the external RAM bus"};
    return image >= 0 && image < 6 ? texts[image] : QString();
}

QWidget* FramePortWidget::makeLegend() {
    auto* legend = new QWidget;
    legend->setObjectName("PortLegend");
    auto* row = new QHBoxLayout(legend);
    const auto images = makeLockedImageList();
    const auto plain = makeImageListPort();
    for (int i = 0; i < 6; ++i) {
        auto* picture = new QLabel;
        // The cross of a missing pin and the padlock share image 4 of their lists.
        picture->setPixmap(i < 5 ? plain->Image(i) : images->Image(4));
        auto* text = new QLabel(legendText(i));
        text->setObjectName(QString("PortLegend%1").arg(i));
        row->addWidget(picture);
        row->addWidget(text);
        row->addSpacing(12);
    }
    row->addStretch(1);
    auto* keys = new QLabel("A click, or Space or Enter on the cell under the cursor, toggles a "
                            "bit; the arrow keys move the cursor.");
    keys->setObjectName("PortLegendKeys");
    auto* box = new QWidget;
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(legend);
    column->addWidget(keys);
    return box;
}

std::unique_ptr<TVelImageList> FramePortWidget::makeImageListPort() {
    auto list = std::make_unique<TVelImageList>(kSize, kSize);
    list->Add(arrow(false));
    list->Add(arrow(true));
    list->Add(digit('0'));
    list->Add(digit('1'));
    list->Add(absent());
    return list;
}

FramePortWidget::FramePortWidget(Project& project, std::string name, QWidget* parent)
    : QWidget(parent), fProject(project), fName(std::move(name)), fGrid(new TVelGeneralGrid(this)),
      fDDR(new TVelGridEditor(this)), fPIN(new TVelGridEditor(this)), fImages(makeImageListPort()),
      fLockedImages(makeLockedImageList()) {
    fGrid->setObjectName("VelGeneralGridPorts");
    fGrid->setColCount(TFramePort::kColCount);
    fGrid->setRowCount(TFramePort::kRowCount);
    fGrid->setFixedRows(1);
    fGrid->setFixedCols(1);
    fGrid->setDefaultColWidth(kSize + 6);
    fGrid->setDefaultRowHeight(kSize + 2);
    fGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab moves on to the next control instead of from cell to cell, and the grid starts
    // on its title cell, so that passing through with the keyboard selects (and so
    // toggles) no bit.
    fGrid->setTabKeyNavigation(false);
    fGrid->setCurrentIndex(fGrid->model()->index(0, 0));

    fDDR->setObjectName("VelGridEditorDDR");
    fDDR->setVelGrid(fGrid);
    fDDR->setColumn(1);
    fDDR->setStyle(esImageList);
    fDDR->setImages(fImages.get());
    fDDR->setTitles({"DDR"});
    fPIN->setObjectName("VelGridEditorPIN");
    fPIN->setVelGrid(fGrid);
    fPIN->setColumn(2);
    fPIN->setStyle(esImageList);
    fPIN->setImages(fImages.get());
    fPIN->setTitles({"Val"});
    fGrid->setCell(0, 0, "Bit");

    // A click toggles the bit under the pointer; the keyboard's arrows only move the cursor,
    // Space and Enter toggle the bit under it.
    fGrid->setOnSelectCell([this](TVelGeneralGrid*, int col, int row) {
        if (fPointerDown) toggle(col, row);
    });
    fGrid->installEventFilter(this);
    fGrid->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fGrid);
    const int width = fGrid->frameWidth() * 2 + 3 * (kSize + 6) + 2;
    const int height = fGrid->frameWidth() * 2 + 9 * (kSize + 2) + 2;
    fGrid->setFixedSize(width, height);
    refresh();
}

FramePortWidget::~FramePortWidget() = default;

int FramePortWidget::ordinal() const {
    return PortOrdinal(fName.back());
}

void FramePortWidget::refresh() {
    const TFramePort& frame = fProject.frame(ordinal());
    // A port the external RAM holds is drawn with padlocks and says why; a port the
    // controller lacks shows the plain crosses.
    const bool locked = PortLockedByExternalRam(fProject, ordinal());
    TVelImageList* images = locked ? fLockedImages.get() : fImages.get();
    if (fDDR->Images() != images) {
        fDDR->setImages(images);
        fPIN->setImages(images);
        fGrid->viewport()->update();
    }
    const QString port = QString("Port ") + QChar(fName.back());
    QString why;
    if (locked)
        why = port + " carries the external RAM bus (External Ram above 0): its pins cannot be set";
    else if (frame.DDRMask() == 0 && frame.PortMask() == 0)
        why = "This controller has no " + port;
    fGrid->setToolTip(why);
    for (int row = 1; row < TFramePort::kRowCount; ++row)
        for (int col = 0; col < TFramePort::kColCount; ++col)
            fGrid->setCell(col, row, QString::fromStdString(frame.Cell(col, row)));
}

void FramePortWidget::toggle(int col, int row) {
    bool toggled = false;
    // The frame's bits are no option state: the frame's option is reported as changed, so
    // that the project's observers (the preview) hear of the click.
    fProject.act([&] {
        toggled = fProject.frame(ordinal()).VelGeneralGridPortsSelectCell(col, row);
        if (toggled) fProject.opts().edit(OptName::lookup(fName));
    });
    if (toggled) refresh();
}

bool FramePortWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fGrid->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) fPointerDown = true;
        if (event->type() == QEvent::MouseButtonRelease) fPointerDown = false;
        return QWidget::eventFilter(watched, event);
    }
    if (watched == fGrid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            const QModelIndex current = fGrid->currentIndex();
            if (current.isValid()) toggle(current.column(), current.row());
            return true;
        }
    }
    if (watched == fGrid && event->type() == QEvent::FocusOut &&
        leavesTheControl(static_cast<QFocusEvent*>(event)->reason()))
        fProject.userLeave(OptName::lookup(fName));
    return QWidget::eventFilter(watched, event);
}

} // namespace pramlet
