// Saves a picture of one X window, given by its id, as PNG: the screenshots
// of the README are taken with it under Xvfb.
// Usage: grab-window WINDOW_ID OUT.png
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: grab-window WINDOW_ID OUT.png\n", stderr);
        return 2;
    }
    bool ok = false;
    const WId window = QByteArray(argv[1]).toULongLong(&ok, 0);
    if (!ok) {
        std::fputs("grab-window: not a window id\n", stderr);
        return 2;
    }
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(window);
    if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fputs("grab-window: cannot grab or save the window\n", stderr);
        return 1;
    }
    return 0;
}
