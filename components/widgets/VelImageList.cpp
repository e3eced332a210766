#include "components/widgets/VelImageList.h"

#include <QPainter>

namespace pramlet {

int TVelImageList::Add(const QPixmap& pImage) {
    if (pImage.width() == fWidth && pImage.height() == fHeight)
        fImages.append(pImage);
    else
        fImages.append(
            pImage.scaled(fWidth, fHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return Count() - 1;
}

void TVelImageList::Draw(QPainter* pCanvas, int pX, int pY, int pIndex) const {
    if (ValidIndex(pIndex)) pCanvas->drawPixmap(pX, pY, fImages.at(pIndex));
}

void TVelImageList::StretchDraw(QPainter* pCanvas, const QRect& pRect, int pIndex) const {
    if (!ValidIndex(pIndex)) return;
    pCanvas->save();
    pCanvas->setRenderHint(QPainter::SmoothPixmapTransform);
    pCanvas->drawPixmap(pRect, fImages.at(pIndex));
    pCanvas->restore();
}

} // namespace pramlet
