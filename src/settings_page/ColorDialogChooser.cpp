#include "ColorDialogChooser.h"

#include "widgets/DialogPlacement.h"

#include <QColorDialog>

ColorDialogChooser::ColorDialogChooser() = default;
ColorDialogChooser::~ColorDialogChooser() = default;

bool ColorDialogChooser::choose(QWidget *window, QColor &color)
{
    if (!m_dialog) {
        // Made on first use: the dialog costs nothing until the player asks.
        m_dialog = std::make_unique<QColorDialog>(window);
        m_dialog->setOption(QColorDialog::DontUseNativeDialog);
    }
    // A cancelled dialog keeps the colour the player left it on; it must
    // not be offered as though it had been chosen.
    m_dialog->setCurrentColor(m_accepted);
    m_dialog->adjustSize();
    placeDialog(m_dialog.get(), window);
    if (m_dialog->exec() != QDialog::Accepted)
        return false;
    color = m_accepted = m_dialog->selectedColor();
    return true;
}
