#include "toast.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace {

const char* const kToastName = "widgetryToast";
constexpr int kEdgeDistance = 48;

QPoint anchoredPosition(const QRect& area, const QSize& size, Toast::AnchorPoint anchor)
{
    const int x = area.left() + (area.width() - size.width()) / 2;
    switch (anchor) {
    case Toast::TopCenter: return {x, area.top() + kEdgeDistance};
    case Toast::BottomCenter: return {x, area.bottom() - kEdgeDistance - size.height()};
    case Toast::Center: break;
    }
    return {x, area.top() + (area.height() - size.height()) / 2};
}

} // namespace

void Toast::showTip(const QString& text, QWidget* parent, bool richText, int durationMs, AnchorPoint anchor)
{
    if (parent) {
        if (auto* previous = parent->findChild<QLabel*>(QLatin1String(kToastName), Qt::FindDirectChildrenOnly))
            delete previous;
    }
    auto* tip = new QLabel(parent);
    tip->setObjectName(QLatin1String(kToastName));
    tip->setTextFormat(richText ? Qt::RichText : Qt::PlainText);
    tip->setText(text);
    tip->setAttribute(Qt::WA_TransparentForMouseEvents);
    tip->setAttribute(Qt::WA_DeleteOnClose);
    tip->setStyleSheet(QStringLiteral("QLabel { background: rgba(20, 22, 38, 220); color: white;"
                                      " border-radius: 8px; padding: 10px 18px; font-size: 14px; }"));
    if (!parent)
        tip->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    tip->adjustSize();

    QRect area;
    if (parent)
        area = parent->rect();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    tip->move(anchoredPosition(area, tip->size(), anchor));
    tip->show();
    tip->raise();

    QTimer::singleShot(qMax(0, durationMs), tip, &QWidget::close);
}
