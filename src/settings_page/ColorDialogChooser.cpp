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
        m_dialog->setCurrentColor(Qt::black);
    }
    m_dialog->adjustSize();
    placeDialog(m_dialog.get(), window);
    if (m_dialog->exec() != QDialog::Accepted)
        return false;
    color = m_dialog->selectedColor();
    return true;
}
