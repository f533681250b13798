// Draws the game's icon from the board's own look: bevelled silver tiles on
// the grey background with one pair turned face up in red. Every size is
// laid out on whole pixels for itself, so its one-pixel bevel rings stay
// sharp; no size is another scaled.
//
//   icon <folder> <name> <size>...
//
// writes <folder>/<size>x<size>/apps/<name>.png for every size, the layout
// of an icon theme.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cstdio>

namespace {

// The board's colours as the game starts: the grey background, the silver
// of concealed tiles and the red of turned ones, and the bevels' edges, the
// dark one darker than the game's so that it still shows at 16 pixels.
const QColor Background(128, 128, 128);
const QColor Concealed(192, 192, 192);
const QColor Revealed(255, 0, 0);
const QColor Light(255, 255, 255);
const QColor Dark(64, 64, 64);

enum class Bevel { Raised, Lowered };

// Draws count one-pixel rings inwards from rect, as the game's panels do,
// and returns what is left inside them.
QRect drawRings(QPainter &painter, QRect rect, Bevel bevel, int count)
{
    const QColor &topLeft = bevel == Bevel::Raised ? Light : Dark;
    const QColor &bottomRight = bevel == Bevel::Raised ? Dark : Light;
    for (int i = 0; i < count && rect.width() > 1 && rect.height() > 1; ++i) {
        // The dark edges own the top-right and bottom-left corners.
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width() - 1, 1), topLeft);
        painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height() - 1), topLeft);
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
        painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
        rect.adjust(1, 1, -1, -1);
    }
    return rect;
}

// A concealed tile is raised twice over, a revealed one raised and then
// lowered, like the game's default tiles; tiles too small for two bevels
// keep one ring and tell themselves apart by colour alone.
void drawTile(QPainter &painter, const QRect &tile, bool revealed)
{
    const int width = std::max(1, tile.width() / 12);
    QRect inside = drawRings(painter, tile, Bevel::Raised, width);
    if (tile.width() >= 8)
        inside = drawRings(painter, inside, revealed ? Bevel::Lowered : Bevel::Raised, width);
    painter.fillRect(inside, revealed ? Revealed : Concealed);
}

QImage drawIcon(int size)
{
    // Two tiles a side for the smallest sizes, more as room grows; the
    // gaps between them grow with the size and never fall below two pixels.
    const int count = size < 32 ? 2 : size < 128 ? 3 : 4;
    const int gap = std::max(2, size / 16);
    const int tile = (size - (count + 1) * gap) / count;
    const int margin = (size - count * tile - (count - 1) * gap) / 2;

    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Background);
    QPainter painter(&image);
    // The one pair that is face up, apart from each other as on a board in
    // play.
    const int pairRow = count - 1;
    const int pairCol = count / 2;
    for (int row = 0; row < count; ++row) {
        for (int col = 0; col < count; ++col) {
            const bool revealed = (row == 0 && col == 0) || (row == pairRow && col == pairCol);
            drawTile(painter, QRect(margin + col * (tile + gap), margin + row * (tile + gap), tile, tile), revealed);
        }
    }
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <folder> <name> <size>...\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        if (size < 16) {
            std::fprintf(stderr, "%s: no icon smaller than 16 pixels\n", argv[i]);
            return 2;
        }
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(dir) || !drawIcon(size).save(QStringLiteral("%1/%2.png").arg(dir, name), "PNG")) {
            std::fprintf(stderr, "cannot write the %dx%d icon into %s\n", size, size, qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
