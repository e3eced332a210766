#pragma once
// TVelImageList: equally sized pictures addressed by index, as the image styles of the grid
// editors and the port frame use them.

#include <QList>
#include <QPixmap>
#include <QRect>

class QPainter;

namespace pramlet {

class TVelImageList {
  public:
    TVelImageList(int pWidth, int pHeight) : fWidth(pWidth), fHeight(pHeight) {}

    int Width() const { return fWidth; }
    int Height() const { return fHeight; }
    int Count() const { return static_cast<int>(fImages.size()); }
    bool ValidIndex(int pIndex) const { return pIndex >= 0 && pIndex < Count(); }

    // Adds a picture, scaled to the list's size when it differs; returns its index.
    int Add(const QPixmap& pImage);
    const QPixmap& Image(int pIndex) const { return fImages.at(pIndex); }
    void Clear() { fImages.clear(); }

    // Unscaled, top left corner at (pX, pY).
    void Draw(QPainter* pCanvas, int pX, int pY, int pIndex) const;
    // Stretched over pRect with smooth (halftone) scaling.
    void StretchDraw(QPainter* pCanvas, const QRect& pRect, int pIndex) const;

  private:
    int fWidth;
    int fHeight;
    QList<QPixmap> fImages;
};

} // namespace pramlet
