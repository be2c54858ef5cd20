#include "giflabel.h"
#include "hxlpushbutton.h"
#include "tooltip.h"
#include "tooltiphelper.h"

#include <QApplication>
#include <QLabel>
#include <QMovie>
#include <QToolTip>
#include <QtTest>

// The animation label at a 150 % screen scale, and the title bar button's own tool tips.
class TestSmallWidgets : public QObject
{
    Q_OBJECT

private slots:
    void gifFramesAtTheScreenResolution()
    {
        QCOMPARE(qApp->devicePixelRatio(), 1.5);
        GifLabel label;
        label.resize(200, 76);
        label.show();
        label.setGif(QStringLiteral(VD_LOADING_GIF));
        QTRY_VERIFY(!label.frame().isNull());
        QCOMPARE(label.frame().size(), QSize(114, 114));
        QCOMPARE(label.movie()->scaledSize(), QSize(76, 76));
    }

    void gifReplacedLeavesOneMovie()
    {
        GifLabel label;
        label.resize(76, 76);
        label.setGif(QStringLiteral(VD_LOADING_GIF));
        QPointer<QMovie> first = label.movie();
        label.setGif(QStringLiteral(VD_LOADING_GIF));
        QVERIFY(!first);
        QCOMPARE(label.findChildren<QMovie*>().size(), 1);
        QCOMPARE(label.movie()->state(), QMovie::Running);
    }

    void tipBelowTheButtonCentred()
    {
        QWidget window;
        window.resize(300, 200);
        auto* button = new HxlPushButton(&window);
        button->setGeometry(100, 50, 40, 24);
        button->setToolTip(QStringLiteral("Minimise the game window"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        hover(button);
        QEvent tooltip(QEvent::ToolTip);
        QVERIFY(QCoreApplication::sendEvent(button, &tooltip));
        ToolTipDlg* tip = button->toolTipHelper()->dialog();
        QVERIFY(tip && tip->isVisible());
        const QPoint origin = button->mapToGlobal(QPoint(0, 0));
        QCOMPARE(tip->pos(), QPoint(origin.x() - (tip->width() - 40) / 2, origin.y() + 24));
        QCOMPARE(tip->toolTip()->label()->text(), QStringLiteral("Minimise the game window"));
        QVERIFY(!QToolTip::isVisible());

        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(button, &leave);
        QTRY_VERIFY(!button->toolTipHelper()->dialog());
    }

    void noTipWithoutText()
    {
        QWidget window;
        auto* button = new HxlPushButton(&window);
        window.show();
        hover(button);
        QEvent tooltip(QEvent::ToolTip);
        QVERIFY(QCoreApplication::sendEvent(button, &tooltip));
        QVERIFY(!button->toolTipHelper()->dialog());
        QVERIFY(!QToolTip::isVisible());
    }

    void lateTipAfterLeavingShowsNothing()
    {
        QWidget window;
        auto* button = new HxlPushButton(&window);
        button->setToolTip(QStringLiteral("Close"));
        window.show();
        hover(button);
        QEvent hoverLeave(QEvent::HoverLeave);
        QCoreApplication::sendEvent(button, &hoverLeave);
        QEvent tooltip(QEvent::ToolTip);
        QVERIFY(QCoreApplication::sendEvent(button, &tooltip));
        QVERIFY(!button->toolTipHelper()->dialog());
    }

private:
    static void hover(QWidget* widget)
    {
        QHoverEvent enter(QEvent::HoverEnter, QPointF(5, 5), QPointF(-1, -1));
        QCoreApplication::sendEvent(widget, &enter);
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication app(argc, argv);
    TestSmallWidgets test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_smallwidgets.moc"
