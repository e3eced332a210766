#pragma once
// The preview: a window beside the wizard that shows the program as the build would write it
// if the user went on to the output page now, coloured and numbered as in the listing
// window, read-only. It follows every change of the project while it is open; it never
// builds, so the built flag and the listing that show, store and print use stay as they
// are, and no message is shown: what the pages ahead and the build would say stands in a
// note above the text.

#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QTimer;

namespace pramlet {

class Project;
class TListingEditor;

class PreviewWindow : public QWidget {
    Q_OBJECT

  public:
    // The name a program is previewed under while the name field holds none a build takes.
    static constexpr const char* kStandInName = "Demo";

    explicit PreviewWindow(Project& project, QWidget* parent = nullptr);

    // Shows the window with the program of the project as it stands.
    void open();

    TListingEditor* editor() const { return fEditor; }
    QLabel* note() const { return fNote; }
    // The lines shown; one empty line for an empty text.
    const std::vector<std::string>& lines() const { return fShown; }
    // How often the program was written since the window was made.
    int writes() const { return fWrites; }

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    void projectChanged();
    void rewrite();
    void showLines(std::vector<std::string> lines);

    Project& fProject;
    TListingEditor* fEditor;
    QLabel* fNote;
    QTimer* fPending; // a burst of changes is written once, when the burst is over
    std::vector<std::string> fShown{""};
    int fWrites = 0;
};

} // namespace pramlet
