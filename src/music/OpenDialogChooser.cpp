#include "OpenDialogChooser.h"

#include "widgets/DialogPlacement.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

QStringList OpenDialogChooser::descriptions()
{
    return {tr("Музыкальные файлы   *.mp?,    *.wav "), tr("Все файлы   *.*")};
}

QStringList OpenDialogChooser::filters()
{
    return {tr("Музыкальные файлы (*.mp? *.wav)"), tr("Все файлы (*)")};
}

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
    m_dialog->setNameFilters(filters());
    m_dialog->setSizeGripEnabled(true);
    // A name typed at a person's pace brings up the list of completions,
    // and Return closes the dialog without closing the list: it would stay
    // on the screen and catch the next click.
    QObject::connect(m_dialog.get(), &QDialog::finished, m_dialog.get(), [d = m_dialog.get()] {
        for (QCompleter *completer : d->findChildren<QCompleter *>()) {
            if (QWidget *list = completer->popup())
                list->hide();
        }
    });
    // The dialog folds runs of blanks in the filters it is given; the list
    // shows the descriptions as they stand.
    if (auto *types = m_dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))) {
        const QStringList shown = descriptions();
        for (int i = 0; i < shown.size() && i < types->count(); ++i)
            types->setItemText(i, shown[i]);
    }
    return m_dialog.get();
}

bool OpenDialogChooser::choose(QWidget *window, QString &path)
{
    QFileDialog *d = dialog(window);
    d->setDirectory(QDir::currentPath());
    // The list shows the descriptions, so the entry is found by its
    // description; the dialog still filters by the matching filter.
    d->selectNameFilter(descriptions().at(m_lastFilter));
    if (!m_lastPath.isEmpty()) {
        d->selectFile(m_lastPath);
    } else {
        // Nothing chosen yet: what a cancelled dialog was left holding is
        // not proposed. The name goes first, as an empty name selects the
        // folder itself in the list.
        if (auto *name = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->clear();
        if (auto *files = d->findChild<QAbstractItemView *>(QStringLiteral("listView")))
            files->clearSelection();
    }
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
