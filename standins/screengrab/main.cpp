// Saves a picture of the whole screen of the current display, for the screenshot script.
// Usage: velmora-screengrab FILE.png

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: velmora-screengrab FILE.png\n";
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || !screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1]))) {
        QTextStream(stderr) << "velmora-screengrab: no picture saved\n";
        return 1;
    }
    return 0;
}
