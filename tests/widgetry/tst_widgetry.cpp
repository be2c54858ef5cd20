#include "imagebutton.h"
#include "toast.h"
#include "waitloading.h"

#include <QLabel>
#include <QtTest>

namespace {

QString writeSvg(const QTemporaryDir& dir, const QString& name, const char* colour)
{
    const QString path = dir.path() + QLatin1Char('/') + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                              "<rect width='10' height='10' fill='")
                   + colour + "'/></svg>");
    return path;
}

} // namespace

class TestWidgetry : public QObject
{
    Q_OBJECT

private slots:
    void imageButtonFaceFollowsSetImage()
    {
        QTemporaryDir dir;
        ImageButton button;
        button.setStyleSheet(QStringLiteral("QPushButton { background: black; border: none; }"));
        button.setFixedSize(40, 40);
        button.setImageSize(QSize(20, 20));
        const QImage bare = button.grab().toImage();
        QCOMPARE(bare.pixelColor(20, 20), QColor(Qt::black));

        button.setImage(writeSvg(dir, QStringLiteral("red.svg"), "red"));
        const QImage red = button.grab().toImage();
        QCOMPARE(red.pixelColor(20, 20), QColor(Qt::red));
        QCOMPARE(red.pixelColor(2, 2), QColor(Qt::black));  // drawn at the image size, centred

        button.setImage(writeSvg(dir, QStringLiteral("blue.svg"), "blue"));
        QCOMPARE(button.grab().toImage().pixelColor(20, 20), QColor(Qt::blue));

        button.setImage(dir.path() + QStringLiteral("/missing.svg"));
        QCOMPARE(button.grab().toImage().pixelColor(20, 20), QColor(Qt::black));
    }

    void imageButtonStaysAPushButton()
    {
        ImageButton button;
        QSignalSpy clicks(&button, &QPushButton::clicked);
        button.setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
        button.setToolTip(QStringLiteral("Close"));
        button.click();
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(button.toolTip(), QStringLiteral("Close"));
        QCOMPARE(button.shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    }

    void toastReturnsAtOnceAndGoesAway()
    {
        QWidget parent;
        parent.resize(600, 400);
        parent.show();
        QElapsedTimer clock;
        clock.start();
        Toast::showTip(QStringLiteral("Press ESC to exit fullscreen."), &parent, false, 300, Toast::TopCenter);
        QVERIFY(clock.elapsed() < 250);
        QList<QLabel*> tips = parent.findChildren<QLabel*>();
        QCOMPARE(tips.size(), 1);
        QVERIFY(tips.first()->isVisible());
        QCOMPARE(tips.first()->text(), QStringLiteral("Press ESC to exit fullscreen."));
        QVERIFY(tips.first()->y() < parent.height() / 2);
        QCOMPARE(tips.first()->geometry().center().x(), parent.rect().center().x());

        Toast::showTip(QStringLiteral("again"), &parent, false, 300, Toast::BottomCenter);
        tips = parent.findChildren<QLabel*>();
        QCOMPARE(tips.size(), 1);  // the newer notice replaces the older
        QVERIFY(tips.first()->y() > parent.height() / 2);
        QTRY_VERIFY_WITH_TIMEOUT(parent.findChildren<QLabel*>().isEmpty(), 3000);
    }

    void waitloadingVisibility()
    {
        QTemporaryDir dir;
        QWidget parent;
        parent.resize(300, 200);
        parent.show();
        Waitloading spinner(writeSvg(dir, QStringLiteral("lo.svg"), "green"), &parent);
        QVERIFY(spinner.isHidden());

        spinner.stop();  // never started: nothing changes
        QVERIFY(spinner.isHidden());
        QVERIFY(!spinner.isRunning());

        spinner.start();
        QVERIFY(spinner.isVisible());
        QVERIFY(spinner.isRunning());
        QCOMPARE(spinner.geometry().center(), parent.rect().center());
        parent.resize(500, 400);
        QCOMPARE(spinner.geometry().center(), parent.rect().center());

        spinner.stop();
        QVERIFY(spinner.isHidden());
        QVERIFY(!spinner.isRunning());
    }
};

QTEST_MAIN(TestWidgetry)
#include "tst_widgetry.moc"
