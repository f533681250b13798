#pragma once

#include "MusicChooser.h"

#include <QCoreApplication>
#include <QStringList>

#include <memory>

class QFileDialog;

// The open-file dialog of the Music menu: two filter entries, the entry of
// the last confirmed choice selected again and its path proposed (nothing
// before one), whatever cancelled dialogs were left with; starting in the
// current folder and leaving the chosen file's folder current.
class OpenDialogChooser : public MusicChooser
{
    Q_DECLARE_TR_FUNCTIONS(OpenDialogChooser)

public:
    // What the player reads in the list of file types, in the language of
    // the interface (so made when asked, not before main).
    static QStringList descriptions();
    // What the dialog filters by: "*.mp?;*.wav", and "*.*" for all files.
    static QStringList filters();

    OpenDialogChooser();
    ~OpenDialogChooser() override;

    bool choose(QWidget *window, QString &path) override;
    // The dialog, made on first use.
    QFileDialog *dialog(QWidget *window);

private:
    std::unique_ptr<QFileDialog> m_dialog;
    int m_lastFilter = 0;
    QString m_lastPath;
};
