#include "ui/ListForm.h"

#include "ui/ListingEditor.h"
#include "ui/ListingFont.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace pramlet {

TListForm::TListForm(QWidget* parent) : QDialog(parent), fListe(new TListingEditor(this)) {
    setObjectName("ListForm");
    setWindowTitle("Orvex Pramlet [AVR] []");
    setModal(true);
    fListe->setObjectName("Liste");
    fListe->setFont(listingFont(10));
    fListe->setLineWrapMode(QPlainTextEdit::NoWrap);
    fListe->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fListe->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fListe);
    layout->addWidget(new TListingSearchBar(fListe, this));
    resize(754, 638);
}

std::vector<std::string> TListForm::splitLines(const QString& text) {
    std::vector<std::string> lines;
    for (const QString& line : text.split('\n'))
        lines.push_back(line.toStdString());
    return lines;
}

QString TListForm::joinLines(const std::vector<std::string>& lines) {
    QStringList list;
    for (const auto& l : lines)
        list << QString::fromStdString(l);
    return list.join('\n');
}

std::vector<std::string> TListForm::showListing(const std::vector<std::string>& lines,
                                                const std::string& appName) {
    const QString text = joinLines(lines);
    if (fListe->toPlainText() != text) fListe->setPlainText(text);
    setWindowTitle(QString::fromStdString("Orvex Pramlet [AVR] [" + appName + "]"));
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    exec();
    return splitLines(fListe->toPlainText());
}

} // namespace pramlet
