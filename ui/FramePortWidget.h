#pragma once
// The port frame: a small grid of the eight bits of one port with a direction column "DDR"
// and a value column "Val". A click on a cell, or Space or Enter on the cell under the
// cursor, toggles the bit in the project's frame model; the arrow keys only move the cursor.
// Leaving the frame reports the change to the project.

#include <QString>
#include <QWidget>

#include <memory>
#include <string>

namespace pramlet {

class Project;
class TVelGeneralGrid;
class TVelGridEditor;
class TVelImageList;

class FramePortWidget : public QWidget {
    Q_OBJECT

  public:
    FramePortWidget(Project& project, std::string name, QWidget* parent = nullptr);
    ~FramePortWidget() override;

    // Repaints the cells from the frame model.
    void refresh();
    TVelGeneralGrid* grid() const { return fGrid; }
    // Pictures for the cells: input, output, value 0, value 1, no such pin.
    static std::unique_ptr<TVelImageList> makeImageListPort();
    // The same, with a padlock for the pins of a port the external RAM holds.
    static std::unique_ptr<TVelImageList> makeLockedImageList();
    // What image n of the locked list means, for the legend (0..5).
    static QString legendText(int image);
    // The legend under the frames: the six pictures with their meaning, and the keys.
    static QWidget* makeLegend();
    TVelImageList* ImageListPort() const { return fImages.get(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int ordinal() const;
    void toggle(int col, int row);

    Project& fProject;
    std::string fName;
    TVelGeneralGrid* fGrid;
    TVelGridEditor* fDDR;
    TVelGridEditor* fPIN;
    std::unique_ptr<TVelImageList> fImages;
    std::unique_ptr<TVelImageList> fLockedImages;
    bool fPointerDown = false; // a mouse button is down on the cells
};

} // namespace pramlet
