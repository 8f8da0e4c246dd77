#pragma once

#include <QImage>
#include <QWidget>

namespace vantaloop {

// Shows one picture. With auto-size on it takes the picture's own size and draws it
// at that size; with auto-size off it keeps the size it is given and draws the
// picture fitted inside: larger pictures are scaled down keeping their proportions,
// smaller ones stay at their own size; either way centred on black.
class ImageViewer : public QWidget {
    Q_OBJECT

public:
    // The display mode that draws the picture at its natural size from the top-left.
    static constexpr int NaturalSizeMode = 3;

    explicit ImageViewer(QWidget *parent = nullptr);

    // Loads the picture; on success shows it and emits pictureLoaded. On failure
    // returns false, keeps the earlier picture and leaves the reason in lastError().
    bool setPicturePath(const QString &path);
    QString picturePath() const { return m_path; }
    QString lastError() const { return m_lastError; }
    QSize pictureSize() const { return m_picture.size(); }
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
    // The user clicked the picture.
    void pictureClicked();
    // The user double-clicked the picture.
    void pictureDoubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QRect pictureRect() const;

    QImage m_picture;
    QString m_path;
    QString m_lastError;
    bool m_autoSize = true;
    int m_displayMode = NaturalSizeMode;
    bool m_smoothScaling = true;
};

} // namespace vantaloop
