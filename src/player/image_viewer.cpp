#include "player/image_viewer.h"

#include "player/presentation.h"

#include <QMouseEvent>
#include <QPainter>

namespace vantaloop {

ImageViewer::ImageViewer(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Picture"));
    connect(&m_loader, &PictureLoader::loaded, this, &ImageViewer::takePicture);
    connect(&m_loader, &PictureLoader::failed, this, &ImageViewer::pictureFailed);
    connect(&m_loader, &PictureLoader::refitted, this,
            [this](const QString &path, const DecodedPicture &picture) {
                if (path != m_path)
                    return;
                m_picture = picture.image;
                m_shownFit = size();
                update();
            });
}

QSize ImageViewer::decodeSize() const
{
    return m_autoSize ? QSize() : size();
}

void ImageViewer::setPicturePath(const QString &path)
{
    m_requestedFit = decodeSize();
    m_loader.request(path, m_requestedFit);
}

void ImageViewer::prefetch(const QStringList &paths)
{
    m_loader.prefetch(paths, decodeSize());
}

void ImageViewer::takePicture(const QString &path, const DecodedPicture &picture)
{
    m_path = path;
    m_picture = picture.image;
    m_naturalSize = picture.naturalSize;
    m_shownFit = m_requestedFit;
    if (m_autoSize)
        resize(m_picture.size());
    setAccessibleDescription(path);
    update();
    emit pictureLoaded();
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
    if (m_autoSize && m_displayMode == NaturalSizeMode)
        return {QPoint(0, 0), m_picture.size()};
    return presentation::fittedRect(m_picture.size(), size());
}

void ImageViewer::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A new fixed size shows the picture on screen fitted to it at once, from a
    // decode at that size rather than a blurry enlargement of the earlier one.
    if (!m_autoSize && !m_path.isEmpty() && m_shownFit != size())
        m_loader.refit(m_path, size());
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
