// ludora4-iconrender SVG PNG SIZE: draws the SVG picture into a square PNG of SIZE pixels.
// A build-time tool: the installed icons at fixed sizes come from the drawn SVGs.

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    const int size = argc == 4 ? std::atoi(argv[3]) : 0;
    if (size <= 0 || size > 4096) {
        std::fputs("usage: ludora4-iconrender SVG PNG SIZE\n", stderr);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "ludora4-iconrender: %s: not a readable SVG picture\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
    }
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "ludora4-iconrender: %s: cannot write the picture\n", argv[2]);
        return 1;
    }
    return 0;
}
