#include "ui/TypedFilter.h"

#include "config/InputFilter.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>

namespace pramlet {

TypedFilter::TypedFilter(QLineEdit* edit, const OptionDef& def) : QObject(edit), fDef(def) {
    edit->installEventFilter(this);
}

bool TypedFilter::accepts(const QString& text) const {
    for (QChar c : text) {
        if (c.unicode() > 0x7F || !acceptsTyped(fDef, static_cast<char>(c.unicode()))) return false;
    }
    return true;
}

bool TypedFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste)) {
            const QString pasted = QApplication::clipboard()->text();
            return !accepts(pasted);
        }
        // Control keys (moving, deleting, Enter, Tab) carry no printable text.
        const QString text = key->text();
        if (text.isEmpty() || !text.at(0).isPrint()) break;
        return !accepts(text);
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (drop->mimeData() && !accepts(drop->mimeData()->text())) {
            drop->ignore();
            return true;
        }
        break;
    }
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pramlet
