#pragma once
// The listing window: the generated program in an editable monospaced text area. Edits go
// back into the project's listing, so that storing and printing use them.

#include <QDialog>

#include <string>
#include <vector>

class QPlainTextEdit;

namespace pramlet {

class TListForm : public QDialog {
    Q_OBJECT

  public:
    explicit TListForm(QWidget* parent = nullptr);

    // Shows the lines modally under the caption of the last build's name; returns the
    // lines as the user left them.
    std::vector<std::string> showListing(const std::vector<std::string>& lines,
                                         const std::string& appName);

    QPlainTextEdit* Liste() const { return fListe; }
    static std::vector<std::string> splitLines(const QString& text);
    static QString joinLines(const std::vector<std::string>& lines);

  private:
    QPlainTextEdit* fListe;
};

} // namespace pramlet
