#include "FirstFrameIcon.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

const int LargestWindowIcon = 64;

} // namespace

FirstFrameIcon::FirstFrameIcon(QWidget *window, QString folder)
    : QObject(window), m_folder(std::move(folder))
{
    window->windowHandle()->installEventFilter(this);
}

QIcon FirstFrameIcon::load(const QString &folder)
{
    QIcon icon;
    for (const QFileInfo &png : QDir(folder).entryInfoList({QStringLiteral("*.png")}, QDir::Files)) {
        if (png.completeBaseName().toInt() <= LargestWindowIcon)
            icon.addFile(png.filePath());
    }
    return icon;
}

bool FirstFrameIcon::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
        watched->removeEventFilter(this);
        // Queued, so the frame the exposure asks for is painted first.
        QTimer::singleShot(0, this, [this] {
            QApplication::setWindowIcon(load(m_folder));
            deleteLater();
        });
    }
    return QObject::eventFilter(watched, event);
}
