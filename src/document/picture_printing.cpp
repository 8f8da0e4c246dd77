#include "document/picture_printing.h"

#include "player/presentation.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace vantaloop {

bool printPicture(QPagedPaintDevice &device, const QImage &picture, int copies)
{
    if (picture.isNull() || copies < 1)
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect target = presentation::fittedRect(picture.size(), painter.viewport().size());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !device.newPage())
            return false;
        painter.drawImage(target, picture);
    }
    return painter.end();
}

} // namespace vantaloop
