#pragma once

#include <QLabel>
#include <QMutex>
#include <QPixmap>

class QMovie;

// A label that plays an animation in a square of its height, centred, at the screen's
// resolution; the label's own text or pixmap is painted over it.
class GifLabel : public QLabel
{
    Q_OBJECT

public:
    static constexpr int kMovieSide = 76;

    explicit GifLabel(QWidget* parent = nullptr);

    // Replaces the running animation.
    void setGif(const QString& path);
    QMovie* movie() const { return m_movie; }
    QPixmap frame() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private slots:
    void refreshPixmap(int frameNumber);

private:
    QMovie* m_movie = nullptr;
    QPixmap m_frame;  // the current frame at device resolution
    mutable QMutex m_frameMutex;
};
