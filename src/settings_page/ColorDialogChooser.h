#pragma once

#include "ColorChooser.h"

#include <memory>

class QColorDialog;

// The one colour dialog of the settings page. It is not preset with the
// colour being changed: it opens on the colour accepted last in it, black
// before any.
class ColorDialogChooser : public ColorChooser
{
public:
    ColorDialogChooser();
    ~ColorDialogChooser() override;

    bool choose(QWidget *window, QColor &color) override;

private:
    std::unique_ptr<QColorDialog> m_dialog;
    QColor m_accepted = Qt::black;
};
