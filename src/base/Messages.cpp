#include "Messages.h"

#include <QApplication>
#include <QMessageBox>

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
    // No parent: the box is centred on the screen.
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                    QMessageBox::Ok);
    box.exec();
}

Messages::Handler Messages::setHandler(Handler h)
{
    return std::exchange(handler(), std::move(h));
}
