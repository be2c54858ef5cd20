#include "giflabel.h"

#include <QMovie>
#include <QPainter>

GifLabel::GifLabel(QWidget* parent)
    : QLabel(parent)
{
}

void GifLabel::setGif(const QString& path)
{
    if (m_movie) {
        m_movie->stop();
        disconnect(m_movie, &QMovie::frameChanged, this, &GifLabel::refreshPixmap);
        delete m_movie;
    }
    m_movie = new QMovie(path, QByteArray(), this);
    m_movie->setScaledSize(QSize(kMovieSide, kMovieSide));
    connect(m_movie, &QMovie::frameChanged, this, &GifLabel::refreshPixmap);
    m_movie->start();
}

QPixmap GifLabel::frame() const
{
    QMutexLocker lock(&m_frameMutex);
    return m_frame;
}

void GifLabel::refreshPixmap(int)
{
    {
        QMutexLocker lock(&m_frameMutex);
        const int side = int(height() * devicePixelRatioF());
        m_frame = m_movie->currentPixmap().scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    repaint();
}

void GifLabel::paintEvent(QPaintEvent* event)
{
    {
        QMutexLocker lock(&m_frameMutex);
        QPainter painter(this);
        painter.drawPixmap(QRect((width() - height()) / 2, 0, height(), height()), m_frame);
    }
    QLabel::paintEvent(event);
}
