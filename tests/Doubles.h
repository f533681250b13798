#pragma once

// Test doubles shared by the suites: the message box captured, the colour and
// open-file dialogs answered from a script, and a way to reach a window's
// parts by their designer names.

#include "base/Messages.h"
#include "music/MusicChooser.h"
#include "settings_page/ColorChooser.h"

#include <QColor>
#include <QDir>
#include <QObject>
#include <QStringList>

#include <memory>

// While it lives, what the program would show in its message box is kept in
// texts instead; the box that was in place comes back when it goes.
class MessageCapture
{
public:
    MessageCapture()
        : m_previous(Messages::setHandler([this](const QString &text) { texts << text; }))
    {
    }
    ~MessageCapture() { Messages::setHandler(std::move(m_previous)); }
    MessageCapture(const MessageCapture &) = delete;
    MessageCapture &operator=(const MessageCapture &) = delete;

    QStringList texts;

private:
    Messages::Handler m_previous;
};

// The colour dialog: each answer is given once; with none left, or with
// always set, the dialog is cancelled or answers always.
class ScriptedColors : public ColorChooser
{
public:
    QList<QColor> answers;
    QColor always; // invalid: none
    int asked = 0;

    bool choose(QWidget *, QColor &color) override
    {
        ++asked;
        if (!answers.isEmpty()) {
            color = answers.takeFirst();
            return true;
        }
        if (!always.isValid())
            return false;
        color = always;
        return true;
    }
};

// The open-file dialog: each answer is given once and an empty one cancels;
// with none left, always is given (empty: cancel). Like the dialog, a choice
// leaves the chosen file's folder current.
class ScriptedMusic : public MusicChooser
{
public:
    QStringList answers;
    QString always;
    int asked = 0;
    QString startedIn; // the current folder when the dialog was last opened

    bool choose(QWidget *, QString &path) override
    {
        ++asked;
        startedIn = QDir::currentPath();
        const QString answer = answers.isEmpty() ? always : answers.takeFirst();
        if (answer.isEmpty())
            return false;
        path = answer;
        const QString folder = answer.section(QLatin1Char('/'), 0, -2);
        if (!folder.isEmpty())
            QDir::setCurrent(folder);
        return true;
    }
};

// A part of a window by its designer name (its objectName); a name that is
// not there ends the test run, since every later step would be meaningless.
template<class T> T *part(const QObject *root, const char *name)
{
    T *found = root->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no part named %s", name);
    return found;
}

template<class T, class Owner> T *part(const std::unique_ptr<Owner> &root, const char *name)
{
    return part<T>(root.get(), name);
}
