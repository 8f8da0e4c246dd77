#include "document/picture_printing.h"

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
    const QRect page = painter.viewport();
    QSize shown = picture.size();
    if (shown.width() > page.width() || shown.height() > page.height())
        shown.scale(page.size(), Qt::KeepAspectRatio);
    const QRect target(
        QPoint((page.width() - shown.width()) / 2, (page.height() - shown.height()) / 2), shown);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !device.newPage())
            return false;
        painter.drawImage(target, picture);
    }
    return painter.end();
}

} // namespace vantaloop
