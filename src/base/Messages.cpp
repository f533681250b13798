#include "Messages.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QStyle>

namespace {
Messages::Handler &handler()
{
    static Messages::Handler h;
    return h;
}
} // namespace

void Messages::show(const QString &text)
{
    if (handler()) {
        handler()(text);
        return;
    }
    makeBox(text)->exec();
}

std::unique_ptr<QMessageBox> Messages::makeBox(const QString &text)
{
    // No parent: the box is centred on the screen.
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, QApplication::applicationDisplayName(),
                                             text, QMessageBox::Ok);
    // The box is as wide as its text, and a short text leaves too little
    // room for the caption: the window manager cuts it ("Ти…"). The
    // box is kept as wide as the caption in a bold title font, with room
    // for the frame's icon and three buttons, each about a title bar high.
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    const int button = box->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, box.get());
    const int width = QFontMetrics(titleFont).horizontalAdvance(box->windowTitle()) + 4 * button;
    if (auto *grid = qobject_cast<QGridLayout *>(box->layout())) {
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(),
                      0, 1, grid->columnCount());
    }
    return box;
}

Messages::Handler Messages::setHandler(Handler h)
{
    return std::exchange(handler(), std::move(h));
}
