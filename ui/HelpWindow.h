#pragma once
// The help document, shown in a window of its own.

#include <QString>

class QWidget;

namespace pramlet {

// Opens the help file in a help window, at the anchor `section` when one is given; a
// missing file is reported in a message box.
// Returns the window (owned by `parent`), or nullptr when the file is missing.
QWidget* showHelp(QWidget* parent, const QString& helpFile, const QString& section = {});

} // namespace pramlet
