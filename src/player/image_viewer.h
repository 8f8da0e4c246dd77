#pragma once

#include "player/picture_loader.h"

#include <QImage>
#include <QWidget>

namespace vantaloop {

// Shows one picture. With auto-size on it takes the picture's own size and draws it
// at that size; with auto-size off it keeps the size it is given and draws the
// picture fitted inside: larger pictures are scaled down keeping their proportions,
// smaller ones stay at their own size; either way centred on black. Pictures decode
// off the UI thread, at the size they will be shown at.
class ImageViewer : public QWidget {
    Q_OBJECT

public:
    // The display mode that draws the picture at its natural size from the top-left.
    static constexpr int NaturalSizeMode = 3;

    explicit ImageViewer(QWidget *parent = nullptr);

    // Starts loading the picture: pictureLoaded or pictureFailed follows, at once
    // when it was decoded ahead. A failure keeps the earlier picture.
    void setPicturePath(const QString &path);
    // The picture asked for last will not be shown.
    void cancelLoading() { m_loader.cancel(); }
    void prefetch(const QStringList &paths);
    PictureLoader &loader() { return m_loader; }

    QString picturePath() const { return m_path; }
    // The picture's own size, also when it is shown smaller.
    QSize pictureSize() const { return m_naturalSize; }
    // What is drawn: the picture, fitted when the view is smaller.
    const QImage &picture() const { return m_picture; }

    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    int displayMode() const { return m_displayMode; }
    void setDisplayMode(int mode);
    // Smooth resampling when a picture is scaled down; on from the start.
    bool smoothScaling() const { return m_smoothScaling; }
    void setSmoothScaling(bool on);

    QSize sizeHint() const override;

signals:
    void pictureLoaded();
    void pictureFailed(const QString &path, const QString &error);
    // The user clicked the picture.
    void pictureClicked();
    // The user double-clicked the picture.
    void pictureDoubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QSize decodeSize() const;
    void takePicture(const QString &path, const DecodedPicture &picture);
    QRect pictureRect() const;

    PictureLoader m_loader;
    QImage m_picture;
    QSize m_naturalSize;
    QString m_path;
    QSize m_requestedFit; // the size the picture asked for last is decoded for
    QSize m_shownFit;     // the size the picture on screen was decoded for
    bool m_autoSize = true;
    int m_displayMode = NaturalSizeMode;
    bool m_smoothScaling = true;
};

} // namespace vantaloop
