#include "OpenDialogChooser.h"

#include "widgets/DialogPlacement.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

// The descriptions stand as the player sees them; the patterns in
// parentheses are the dialog's, "*.mp?;*.wav" and "*.*".
const QStringList OpenDialogChooser::Filters = {
    QStringLiteral("Музыкальные файлы   *.mp?,    *.wav (*.mp? *.wav)"),
    QStringLiteral("Все файлы   *.* (*)"),
};

OpenDialogChooser::OpenDialogChooser() : m_lastFilter(Filters.first()) {}

OpenDialogChooser::~OpenDialogChooser() = default;

bool OpenDialogChooser::choose(QWidget *window, QString &path)
{
    if (!m_dialog) {
        m_dialog = std::make_unique<QFileDialog>(window);
        m_dialog->setOption(QFileDialog::DontUseNativeDialog);
        m_dialog->setOption(QFileDialog::ReadOnly);
        m_dialog->setFileMode(QFileDialog::ExistingFile);
        m_dialog->setAcceptMode(QFileDialog::AcceptOpen);
        m_dialog->setNameFilters(Filters);
        m_dialog->setSizeGripEnabled(true);
    }
    m_dialog->setDirectory(QDir::currentPath());
    m_dialog->selectNameFilter(m_lastFilter);
    if (!m_lastPath.isEmpty())
        m_dialog->selectFile(m_lastPath);
    m_dialog->adjustSize();
    placeDialog(m_dialog.get(), window);
    if (m_dialog->exec() != QDialog::Accepted || m_dialog->selectedFiles().isEmpty())
        return false;
    path = m_dialog->selectedFiles().first();
    m_lastPath = path;
    m_lastFilter = m_dialog->selectedNameFilter();
    QDir::setCurrent(QFileInfo(path).absolutePath());
    return true;
}
