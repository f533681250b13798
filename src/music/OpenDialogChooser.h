#pragma once

#include "MusicChooser.h"

#include <memory>

class QFileDialog;

// The open-file dialog of the Music menu: two filter entries, the entry used
// last selected again, the path chosen last proposed, starting in the current
// folder and leaving the chosen file's folder current.
class OpenDialogChooser : public MusicChooser
{
public:
    static const QStringList Filters;

    OpenDialogChooser();
    ~OpenDialogChooser() override;

    bool choose(QWidget *window, QString &path) override;

private:
    std::unique_ptr<QFileDialog> m_dialog;
    QString m_lastFilter;
    QString m_lastPath;
};
