#include "imagebutton.h"

#include <QDebug>
#include <QPainter>
#include <QSvgRenderer>

ImageButton::ImageButton(QWidget* parent)
    : QPushButton(parent)
{
    // The image is the button: no bevel behind it.
    setFlat(true);
}

ImageButton::~ImageButton() = default;

void ImageButton::setImage(const QString& path)
{
    if (path == m_path)
        return;
    m_path = path;
    delete m_face;
    m_face = new QSvgRenderer(path, this);
    if (!m_face->isValid()) {
        qWarning() << "[widgetry] button image not usable:" << path;
        delete m_face;
        m_face = nullptr;
    } else {
        connect(m_face, &QSvgRenderer::repaintNeeded, this, qOverload<>(&QWidget::update));
    }
    update();
}

void ImageButton::setImageSize(const QSize& size)
{
    m_imageSize = size;
    update();
}

void ImageButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    if (!m_face)
        return;
    QRectF target(rect());
    if (!m_imageSize.isEmpty()) {
        target.setSize(m_imageSize);
        target.moveCenter(QRectF(rect()).center());
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_face->render(&painter, target);
}
