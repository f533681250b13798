#pragma once

#include "ClickTracker.h"
#include "SchemeColor.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <cstdint>

enum TBevelCut : std::uint8_t { bvNone = 0, bvLowered = 1, bvRaised = 2, bvSpace = 3 };
enum TBorderStyle : std::uint8_t { bsNone = 0, bsSingle = 1 };
enum TAlignment : std::uint8_t { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

// A rectangle whose right and bottom are exclusive: right = left + width. The
// ring arithmetic is written in these terms (a ring's right column is
// right - 1); the only conversion from Qt's inclusive QRect is fromQRect().
struct EdgeRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static EdgeRect fromQRect(const QRect &r) { return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()}; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    QRect toQRect() const { return QRect(left, top, right - left, bottom - top); }
};

// The bevelled panel: a stack of one-pixel rings in a light and a dark edge
// colour around an interior in the panel's own colour, with an optional
// one-line caption. Tiles, samples, the settings page's groups and labels and
// the page backgrounds are all made of it.
//
// The bevel setters always lay out and repaint, even with the value the panel
// already has; Color, Caption and BorderStyle change nothing when equal.
// Repainting is deferred to the event loop, so a burst of setters paints once.
class TCustomPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TCustomPanel(QWidget *parent = nullptr);

    // The frame from outside in: BorderStyle (a single-line frame or none),
    // BevelOuter rings, a band of BorderWidth pixels in the panel's colour,
    // BevelInner rings; each bevel is BevelWidth rings wide. Then the
    // interior in Color, with Caption on one line, placed by Alignment, in
    // a text colour that reads on Color (textColorOn).
    TBevelCut BevelOuter() const { return m_bevelOuter; }
    void setBevelOuter(TBevelCut value);
    TBevelCut BevelInner() const { return m_bevelInner; }
    void setBevelInner(TBevelCut value);
    int BevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int value);
    int BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int value);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle value);
    TAlignment Alignment() const { return m_alignment; }
    void setAlignment(TAlignment value);
    TColor Color() const { return m_color; }
    void setColor(TColor value);
    QString Caption() const { return m_caption; }
    void setCaption(const QString &value);

    // The area children aligned to the panel fill: the client area shrunk by
    // the border width and by the bevel width once per bevel that is drawn.
    QRect childArea() const;
    // Makes child fill childArea() from now on.
    void addFillChild(QWidget *child);

    // Draws count nested rings inwards from rect, light on the top and left
    // edges and dark on the bottom and right ones, and shrinks rect by count
    // on every side. Each segment of a ring covers its start point up to but
    // not including its end point.
    static void DrawBevelRings(QPainter &painter, EdgeRect &rect, const QColor &topLeft,
                               const QColor &bottomRight, int count);

    QSize sizeHint() const override { return {185, 41}; }

Q_SIGNALS:
    // A press of the left button followed by its release over the panel. The
    // second press of a double-click is not a click.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void bevelsChanged();
    void layoutFillChildren();

    TBevelCut m_bevelOuter = bvRaised;
    TBevelCut m_bevelInner = bvNone;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    TBorderStyle m_borderStyle = bsNone;
    TAlignment m_alignment = taCenter;
    TColor m_color = clBtnFace;
    QString m_caption;
    QList<QPointer<QWidget>> m_fillChildren;
    ClickTracker m_click;
};

using TPanel = TCustomPanel;
