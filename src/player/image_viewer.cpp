#include "player/image_viewer.h"

#include "player/picture_decoder.h"

#include <QMouseEvent>
#include <QPainter>

namespace vantaloop {

ImageViewer::ImageViewer(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Picture"));
}

bool ImageViewer::setPicturePath(const QString &path)
{
    DecodedPicture decoded = decodePicture(path);
    if (!decoded.ok()) {
        m_lastError = decoded.error;
        return false;
    }
    m_lastError.clear();
    m_path = path;
    m_picture = std::move(decoded.image);
    if (m_autoSize)
        resize(m_picture.size());
    setAccessibleDescription(path);
    update();
    emit pictureLoaded();
    return true;
}

void ImageViewer::setAutoSize(bool on)
{
    m_autoSize = on;
    if (on && !m_picture.isNull())
        resize(m_picture.size());
    update();
}

void ImageViewer::setDisplayMode(int mode)
{
    m_displayMode = mode;
    update();
}

void ImageViewer::setSmoothScaling(bool on)
{
    m_smoothScaling = on;
    update();
}

QSize ImageViewer::sizeHint() const
{
    return m_picture.isNull() ? QSize(1, 1) : m_picture.size();
}

QRect ImageViewer::pictureRect() const
{
    const QSize natural = m_picture.size();
    if (m_autoSize && m_displayMode == NaturalSizeMode)
        return {QPoint(0, 0), natural};
    QSize shown = natural;
    if (shown.width() > width() || shown.height() > height())
        shown.scale(size(), Qt::KeepAspectRatio);
    return {QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown};
}

void ImageViewer::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_picture.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, m_smoothScaling);
    painter.drawImage(pictureRect(), m_picture);
}

void ImageViewer::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit pictureClicked();
    QWidget::mousePressEvent(event);
}

void ImageViewer::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit pictureDoubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}

} // namespace vantaloop
