#include "framelesshelper.h"

#include <QApplication>
#include <QHoverEvent>
#include <QRubberBand>
#include <QtTest>

Q_DECLARE_METATYPE(Qt::Edges)

// The frameless window helper with Farplay's configuration, on real windows under Xvfb
// (without a window manager, so moves and resizes fall back to the helper itself).
class TestFramelessHelper : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
        m_window->setGeometry(100, 100, 400, 300);
        m_window->setMinimumSize(300, 200);
        m_helper = std::make_unique<FramelessHelper>();
        m_helper->setTitleBarHeight(50);
        m_helper->setEdgeWidth(5);
        m_helper->setMaximizeOnDoubleClick(true);
        m_helper->setMoveEnabled(true);
        m_helper->setResizeEnabled(true);
        m_helper->setResizePreview(true);
        m_helper->attachTo(m_window.get());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup()
    {
        m_helper.reset();
        m_window.reset();
    }

    void hitTest_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<Qt::Edges>("edges");
        QTest::addColumn<bool>("onTitle");
        QTest::newRow("top left corner") << QPoint(100, 100) << Qt::Edges(Qt::TopEdge | Qt::LeftEdge) << true;
        QTest::newRow("edge and title end, inclusive") << QPoint(105, 150) << Qt::Edges(Qt::LeftEdge) << true;
        QTest::newRow("just inside both") << QPoint(106, 151) << Qt::Edges() << false;
        QTest::newRow("bottom right corner") << QPoint(500, 400) << Qt::Edges(Qt::BottomEdge | Qt::RightEdge) << false;
        QTest::newRow("bottom edge begins") << QPoint(300, 395) << Qt::Edges(Qt::BottomEdge) << false;
        QTest::newRow("above the bottom edge") << QPoint(300, 394) << Qt::Edges() << false;
        QTest::newRow("title, top edge") << QPoint(300, 103) << Qt::Edges(Qt::TopEdge) << true;
        QTest::newRow("outside") << QPoint(99, 200) << Qt::Edges() << false;
    }

    void hitTest()
    {
        QFETCH(QPoint, point);
        QFETCH(Qt::Edges, edges);
        QFETCH(bool, onTitle);
        const CursorZone zone = FramelessWidgetState::hitTest(QRect(100, 100, 400, 300), point);
        QCOMPARE(zone.edges, edges);
        QCOMPARE(zone.onTitle, onTitle);
        QCOMPARE(zone.onEdges, edges != Qt::Edges());
    }

    void pressNearTheTop_data()
    {
        QTest::addColumn<bool>("maximized");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("resizing");
        QTest::addColumn<bool>("moving");
        QTest::newRow("3 below the top: resize") << false << QPoint(200, 3) << true << false;
        QTest::newRow("3 below the top, maximised: move") << true << QPoint(200, 3) << false << true;
        QTest::newRow("in the title: move") << false << QPoint(100, 20) << false << true;
        QTest::newRow("below the title: nothing") << false << QPoint(100, 120) << false << false;
    }

    void pressNearTheTop()
    {
        QFETCH(bool, maximized);
        QFETCH(QPoint, at);
        QFETCH(bool, resizing);
        QFETCH(bool, moving);
        if (maximized)
            m_window->setWindowState(Qt::WindowMaximized);
        QTest::mousePress(m_window.get(), Qt::LeftButton, Qt::NoModifier, at);
        const FramelessWidgetState* state = m_helper->state(m_window.get());
        QCOMPARE(state->resizing(), resizing);
        QCOMPARE(state->moving(), moving);
        if (resizing) {
            QCOMPARE(state->pressZone().edges, Qt::Edges(Qt::TopEdge));
            QVERIFY(state->rubberBand()->isVisible());
        }
        QTest::mouseRelease(m_window.get(), Qt::LeftButton, Qt::NoModifier, at);
        QVERIFY(!state->moving() && !state->resizing());
    }

    void draggingTheTitleMovesTheWindow()
    {
        const QPoint start = m_window->pos();
        QTest::mousePress(m_window.get(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 20));
        QTest::mouseMove(m_window.get(), QPoint(160, 60));
        QTRY_COMPARE(m_window->pos(), start + QPoint(60, 40));
        QTest::mouseRelease(m_window.get(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 20));
        // The next click is not swallowed: a press starts afresh.
        QTest::mousePress(m_window.get(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 3));
        QVERIFY(m_helper->state(m_window.get())->resizing());
        QTest::mouseRelease(m_window.get(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 3));
    }

    void doubleClick_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("toggles");
        QTest::newRow("title zone") << QPoint(200, 30) << true;
        QTest::newRow("below it") << QPoint(200, 80) << false;
    }

    void doubleClick()
    {
        QFETCH(QPoint, at);
        QFETCH(bool, toggles);
        QTest::mouseDClick(m_window.get(), Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(bool(m_window->windowState() & Qt::WindowMaximized), toggles);
        QTest::mouseDClick(m_window.get(), Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(bool(m_window->windowState() & Qt::WindowMaximized), false);
    }

    void cursors_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("shape");  // -1: the window's own cursor
        QTest::newRow("bottom right") << QPoint(398, 298) << int(Qt::SizeFDiagCursor);
        QTest::newRow("top left") << QPoint(1, 1) << int(Qt::SizeFDiagCursor);
        QTest::newRow("top right") << QPoint(398, 1) << int(Qt::SizeBDiagCursor);
        QTest::newRow("bottom left") << QPoint(1, 298) << int(Qt::SizeBDiagCursor);
        QTest::newRow("left") << QPoint(2, 150) << int(Qt::SizeHorCursor);
        QTest::newRow("bottom") << QPoint(200, 297) << int(Qt::SizeVerCursor);
        QTest::newRow("middle") << QPoint(200, 150) << -1;
    }

    void cursors()
    {
        QFETCH(QPoint, at);
        QFETCH(int, shape);
        hover(QPoint(398, 298));
        hover(at);
        if (shape < 0) {
            QCOMPARE(m_window->cursor().shape(), Qt::ArrowCursor);
        } else {
            QVERIFY(m_window->testAttribute(Qt::WA_SetCursor));
            QCOMPARE(int(m_window->cursor().shape()), shape);
        }
    }

    void noEdgeCursorsWhileMaximized()
    {
        m_window->setWindowState(Qt::WindowMaximized);
        hover(QPoint(1, 1));
        QCOMPARE(m_window->cursor().shape(), Qt::ArrowCursor);
    }

    void leftEdgeStopsAtTheMinimumWidth()
    {
        const QRect start = m_window->frameGeometry();
        QTest::mousePress(m_window.get(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 150));
        const FramelessWidgetState* state = m_helper->state(m_window.get());
        drag(QPoint(52, 150));
        QCOMPARE(state->rubberBand()->geometry().left(), start.left() + 52);
        drag(QPoint(152, 150));
        QCOMPARE(state->rubberBand()->geometry().left(), start.left() + 52);
        QVERIFY(state->rubberBand()->geometry().width() >= 300);
        QTest::mouseRelease(m_window.get(), Qt::LeftButton, Qt::NoModifier, QPoint(152, 150));
        QTRY_COMPARE(m_window->frameGeometry().left(), start.left() + 52);
        QCOMPARE(m_window->frameGeometry().right(), start.right());
    }

    void zeroKeepsTheEdgeWidth()
    {
        m_helper->setEdgeWidth(9);
        m_helper->setEdgeWidth(0);
        QCOMPARE(FramelessWidgetState::edgeWidth(), 9);
        m_helper->setEdgeWidth(5);
    }

    void destructionReleasesTheWindow()
    {
        const Qt::WindowFlags flags = m_window->windowFlags();
        m_helper.reset();
        QVERIFY(!m_window->testAttribute(Qt::WA_MouseTracking));
        QVERIFY(!m_window->testAttribute(Qt::WA_Hover));
        QCOMPARE(m_window->windowFlags(), flags);
    }

private:
    // A mouse move with the left button held, straight to the window: the preview band lies
    // over it, and only a real pointer grab would bring the move to the window otherwise.
    void drag(const QPoint& local)
    {
        QMouseEvent event(QEvent::MouseMove, local, m_window->mapToGlobal(local), Qt::NoButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.get(), &event);
    }

    void hover(const QPoint& local)
    {
        QHoverEvent event(QEvent::HoverMove, local, QPoint(-1, -1));
        QCoreApplication::sendEvent(m_window.get(), &event);
    }

    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<FramelessHelper> m_helper;
};

QTEST_MAIN(TestFramelessHelper)
#include "tst_framelesshelper.moc"
