#include "player/image_window.h"

#include "player/image_viewer.h"

#include <QGuiApplication>
#include <QScreen>
#include <cstdio>

namespace vantaloop {

ImageWindow::ImageWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_viewer(new ImageViewer(this))
{
    setObjectName(QStringLiteral("frmImage"));
    setWindowTitle(tr("View Image"));
    m_viewer->setObjectName(QStringLiteral("vwrImage"));
    m_viewer->move(0, 0);
    move(0, 0);
    connect(m_viewer, &ImageViewer::pictureLoaded, this, [this] {
        placeImageWindow();
        finishShowing(true);
    });
    connect(m_viewer, &ImageViewer::pictureFailed, this,
            [this](const QString &path, const QString &error) {
                std::fprintf(stderr, "vantaloop: passed over %s: %s\n", qPrintable(path),
                             qPrintable(error));
                finishShowing(false);
            });
    connect(m_viewer, &ImageViewer::pictureClicked, this, &ImageWindow::bringToTop);
    connect(m_viewer, &ImageViewer::pictureDoubleClicked, this, [this] {
        m_viewer->setSmoothScaling(true);
        bringToTop();
    });
}

void ImageWindow::setViewSize(int code)
{
    if (code < 0 || code >= presentation::ViewSizeCount)
        return;
    m_viewSize = code;
    if (code == presentation::AutoSize) {
        resize(m_viewer->size());
        m_viewer->setAutoSize(true);
    } else {
        resize(presentation::fixedViewSize(code));
        m_viewer->resize(size());
        m_viewer->setAutoSize(false);
    }
}

void ImageWindow::placeImageWindow()
{
    setVisible(true);
    if (m_viewSize == presentation::AutoSize) {
        m_viewer->setAutoSize(true);
        m_viewer->setDisplayMode(ImageViewer::NaturalSizeMode);
        resize(m_viewer->size());
    }
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    m_lastPlacement =
        presentation::imageWindowPosition(screen, size(), m_positionCode, m_lastPlacement);
    move(m_lastPlacement);
}

void ImageWindow::showPicture(const QString &path, std::function<void(bool)> done)
{
    m_pending = std::move(done);
    m_viewer->setPicturePath(path);
}

void ImageWindow::finishShowing(bool shown)
{
    if (auto done = std::exchange(m_pending, {}))
        done(shown);
}

void ImageWindow::prefetch(const QStringList &paths)
{
    m_viewer->prefetch(paths);
}

void ImageWindow::bringToTop()
{
    raise();
}

void ImageWindow::hideWindow()
{
    m_viewer->cancelLoading();
    m_pending = {};
    hide();
}

} // namespace vantaloop
