#include "TCustomPanel.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int SingleFrameWidth = 2;

// One segment from (x0, y0) towards (x1, y1), axis-parallel, covering the
// start point and every pixel up to but not including the end point.
void drawSegment(QPainter &painter, int x0, int y0, int x1, int y1, const QColor &color)
{
    if (y0 == y1 && x0 != x1) {
        const int from = x1 > x0 ? x0 : x1 + 1;
        painter.fillRect(QRect(from, y0, std::abs(x1 - x0), 1), color);
    } else if (x0 == x1 && y0 != y1) {
        const int from = y1 > y0 ? y0 : y1 + 1;
        painter.fillRect(QRect(x0, from, 1, std::abs(y1 - y0)), color);
    }
}

void edgeColors(TBevelCut cut, const QPalette &palette, QColor &topLeft, QColor &bottomRight)
{
    const QColor shadow = toQColor(clBtnShadow, palette);
    const QColor highlight = toQColor(clBtnHighlight, palette);
    // bvSpace paints like bvRaised: only bvLowered swaps the two.
    topLeft = cut == bvLowered ? shadow : highlight;
    bottomRight = cut == bvLowered ? highlight : shadow;
}

} // namespace

TCustomPanel::TCustomPanel(QWidget *parent) : QWidget(parent)
{
    // The panel paints every pixel of its client area itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(185, 41);
}

void TCustomPanel::setBevelOuter(TBevelCut value)
{
    m_bevelOuter = value;
    bevelsChanged();
}

void TCustomPanel::setBevelInner(TBevelCut value)
{
    m_bevelInner = value;
    bevelsChanged();
}

void TCustomPanel::setBevelWidth(int value)
{
    m_bevelWidth = value;
    bevelsChanged();
}

void TCustomPanel::setBorderWidth(int value)
{
    m_borderWidth = value;
    bevelsChanged();
}

void TCustomPanel::setBorderStyle(TBorderStyle value)
{
    if (value == m_borderStyle)
        return;
    m_borderStyle = value;
    const int frame = value == bsSingle ? SingleFrameWidth : 0;
    setContentsMargins(frame, frame, frame, frame);
    bevelsChanged();
}

void TCustomPanel::setAlignment(TAlignment value)
{
    m_alignment = value;
    update();
}

void TCustomPanel::setColor(TColor value)
{
    if (value == m_color)
        return;
    m_color = value;
    update();
}

void TCustomPanel::setCaption(const QString &value)
{
    if (value == m_caption)
        return;
    m_caption = value;
    update();
}

QRect TCustomPanel::childArea() const
{
    int inset = m_borderWidth;
    if (m_bevelOuter != bvNone)
        inset += m_bevelWidth;
    if (m_bevelInner != bvNone)
        inset += m_bevelWidth;
    return contentsRect().adjusted(inset, inset, -inset, -inset);
}

void TCustomPanel::addFillChild(QWidget *child)
{
    m_fillChildren.append(child);
    layoutFillChildren();
}

void TCustomPanel::bevelsChanged()
{
    layoutFillChildren();
    update();
}

void TCustomPanel::layoutFillChildren()
{
    const QRect area = childArea();
    for (const auto &child : std::as_const(m_fillChildren)) {
        if (child)
            child->setGeometry(area);
    }
}

void TCustomPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutFillChildren();
}

void TCustomPanel::DrawBevelRings(QPainter &painter, EdgeRect &rect, const QColor &topLeft,
                                  const QColor &bottomRight, int count)
{
    int l = rect.left;
    int t = rect.top;
    int r = rect.right - 1;
    int b = rect.bottom - 1;
    for (int i = 0; i < count; ++i) {
        drawSegment(painter, l, b, l, t, topLeft);
        drawSegment(painter, l, t, r, t, topLeft);
        drawSegment(painter, r, t, r, b, bottomRight);
        drawSegment(painter, r, b, l - 1, b, bottomRight);
        // A ring's last point is the one polyline end that is left out; the
        // top-left polyline's last point is the right column's first one.
        ++l;
        ++t;
        --r;
        --b;
    }
    rect = {l, t, r + 1, b + 1};
}

void TCustomPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &pal = palette();

    if (m_borderStyle == bsSingle) {
        EdgeRect frame = EdgeRect::fromQRect(rect());
        DrawBevelRings(painter, frame, toQColor(clBtnShadow, pal), toQColor(clBtnHighlight, pal), 1);
        DrawBevelRings(painter, frame, toQColor(cl3DDkShadow, pal), toQColor(cl3DLight, pal), 1);
    }

    const QRect client = contentsRect();
    painter.setClipRect(client);
    const QColor own = toQColor(m_color, pal);
    // The background in the panel's colour first: rings that overlap on a
    // panel too small for them can leave pixels that no ring covers.
    painter.fillRect(client, own);
    EdgeRect r = EdgeRect::fromQRect(client);
    QColor topLeft;
    QColor bottomRight;
    if (m_bevelOuter != bvNone) {
        edgeColors(m_bevelOuter, pal, topLeft, bottomRight);
        DrawBevelRings(painter, r, topLeft, bottomRight, m_bevelWidth);
    }
    DrawBevelRings(painter, r, own, own, m_borderWidth);
    if (m_bevelInner != bvNone) {
        edgeColors(m_bevelInner, pal, topLeft, bottomRight);
        DrawBevelRings(painter, r, topLeft, bottomRight, m_bevelWidth);
    }

    if (m_caption.isEmpty())
        return;
    const int lineHeight = fontMetrics().height();
    // The caption's line is centred between the inner rings' top and bottom;
    // an odd remainder goes below (integer division truncates toward zero).
    r.top = (r.top + r.bottom - lineHeight) / 2;
    r.bottom = r.top + lineHeight;
    int flags = Qt::TextSingleLine | Qt::TextExpandTabs | Qt::AlignVCenter;
    flags |= m_alignment == taLeftJustify ? Qt::AlignLeft
           : m_alignment == taRightJustify ? Qt::AlignRight
                                           : Qt::AlignHCenter;
    const QRect line = r.toQRect();
    painter.setClipRect(line.intersected(client));
    painter.setPen(textColorOn(m_color, pal));
    painter.setFont(font());
    painter.drawText(line, flags, m_caption);
}

// The panel keeps its mouse events; QWidget's handlers would pass them on to
// the page behind it.
void TCustomPanel::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event);
}

void TCustomPanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_click.release(event, this))
        Q_EMIT clicked();
}

void TCustomPanel::mouseDoubleClickEvent(QMouseEvent *)
{
    m_click.doubleClick();
}
