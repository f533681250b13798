#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

class QWidget;

// Gives the application its icon once the window has shown its first frame.
// Decoding the pictures and handing them to the window system cost about as
// much as the rest of the window's start, and nobody sees the icon before
// the window maps. Only the sizes a title bar, a task bar and a window
// switcher draw are taken (64 pixels and less); the larger ones are for the
// launcher, which reads the installed icon theme instead.
class FirstFrameIcon : public QObject
{
public:
    // folder: one picture per size, named by its size ("32.png"). window
    // must have been shown; the icon follows its first exposure and this
    // object is deleted then.
    FirstFrameIcon(QWidget *window, QString folder);

    // The icon of the pictures in folder no larger than 64 pixels.
    static QIcon load(const QString &folder);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_folder;
};
