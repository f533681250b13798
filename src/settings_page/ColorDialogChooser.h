#pragma once

#include "ColorChooser.h"

#include <memory>

class QColorDialog;

// The one colour dialog of the settings page. It is never preset, so it
// opens on the colour chosen last in it.
class ColorDialogChooser : public ColorChooser
{
public:
    ColorDialogChooser();
    ~ColorDialogChooser() override;

    bool choose(QWidget *window, QColor &color) override;

private:
    std::unique_ptr<QColorDialog> m_dialog;
};
