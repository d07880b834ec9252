// Writes the program icon as PNG files for the desktop's icon theme:
// <folder>/<size>x<size>/apps/<name>.png for each size given.

#include "res/Images.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <folder> <name> <size>...\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        if (size <= 0 || !QDir().mkpath(dir) || !AppIconPixmap(size).save(dir + '/' + name + ".png")) {
            std::fprintf(stderr, "%s: cannot write the %d pixel icon in %s\n", argv[0], size, argv[1]);
            return 1;
        }
    }
    return 0;
}
