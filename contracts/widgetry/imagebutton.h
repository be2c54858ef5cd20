#pragma once

#include "widgetry_export.h"

#include <QPushButton>
#include <QSize>

class QSvgRenderer;

// A push button whose face is an SVG image drawn over the button's styled background, so
// QPushButton:hover and :pressed rules, text, tool tips and shortcuts keep working.
class WIDGETRY_EXPORT ImageButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ImageButton(QWidget* parent = nullptr);
    ~ImageButton() override;

    // Absolute path of the SVG face; replaces the previous face. A file that is not a valid
    // SVG leaves the button without a face and is logged.
    void setImage(const QString& path);
    // Size at which the face is drawn, centred; an empty size fills the button.
    void setImageSize(const QSize& size);

    QString image() const { return m_path; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_path;
    QSize m_imageSize;
    QSvgRenderer* m_face = nullptr;
};
