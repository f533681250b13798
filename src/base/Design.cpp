#include "Design.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

int Design::dpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? int(std::lround(screen->logicalDotsPerInch())) : 96;
}

int Design::scaled(int units)
{
    const int d = dpi();
    if (d == PixelsPerInch)
        return units;
    return int(std::lround(double(units) * d / PixelsPerInch));
}

QRect Design::scaled(const QRect &r)
{
    return QRect(scaled(r.x()), scaled(r.y()), scaled(r.width()), scaled(r.height()));
}

QSize Design::scaled(const QSize &s)
{
    return QSize(scaled(s.width()), scaled(s.height()));
}
