#pragma once

#include <QString>

class QWidget;

// Asks the player for a music file. The program uses the open-file dialog;
// tests answer in its place.
class MusicChooser
{
public:
    virtual ~MusicChooser() = default;
    // True with the chosen full path; the chosen file's folder is then the
    // current folder.
    virtual bool choose(QWidget *window, QString &path) = 0;
};
