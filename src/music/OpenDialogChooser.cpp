#include "OpenDialogChooser.h"

#include "widgets/DialogPlacement.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

const QStringList OpenDialogChooser::Descriptions = {
    QStringLiteral("Музыкальные файлы   *.mp?,    *.wav "),
    QStringLiteral("Все файлы   *.*"),
};

const QStringList OpenDialogChooser::Filters = {
    QStringLiteral("Музыкальные файлы (*.mp? *.wav)"),
    QStringLiteral("Все файлы (*)"),
};

OpenDialogChooser::OpenDialogChooser() = default;

OpenDialogChooser::~OpenDialogChooser() = default;

QFileDialog *OpenDialogChooser::dialog(QWidget *window)
{
    if (m_dialog)
        return m_dialog.get();
    m_dialog = std::make_unique<QFileDialog>(window);
    m_dialog->setOption(QFileDialog::DontUseNativeDialog);
    m_dialog->setOption(QFileDialog::ReadOnly);
    m_dialog->setFileMode(QFileDialog::ExistingFile);
    m_dialog->setAcceptMode(QFileDialog::AcceptOpen);
    m_dialog->setNameFilters(Filters);
    m_dialog->setSizeGripEnabled(true);
    // The dialog folds runs of blanks in the filters it is given; the list
    // shows the descriptions as they stand.
    if (auto *types = m_dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))) {
        for (int i = 0; i < Descriptions.size() && i < types->count(); ++i)
            types->setItemText(i, Descriptions[i]);
    }
    return m_dialog.get();
}

bool OpenDialogChooser::choose(QWidget *window, QString &path)
{
    QFileDialog *d = dialog(window);
    d->setDirectory(QDir::currentPath());
    d->selectNameFilter(Filters[m_lastFilter]);
    if (!m_lastPath.isEmpty())
        d->selectFile(m_lastPath);
    d->adjustSize();
    placeDialog(d, window);
    if (d->exec() != QDialog::Accepted || d->selectedFiles().isEmpty())
        return false;
    path = d->selectedFiles().first();
    m_lastPath = path;
    if (auto *types = d->findChild<QComboBox *>(QStringLiteral("fileTypeCombo")))
        m_lastFilter = std::max(0, types->currentIndex());
    // The dialog leaves the current folder as it was; the chosen file's
    // folder becomes current, as the music's settings expect.
    QDir::setCurrent(QFileInfo(path).absolutePath());
    return true;
}
