#pragma once

#include <QColor>

class QWidget;

// Asks the player for a colour. The program uses the colour dialog; tests
// answer in its place.
class ColorChooser
{
public:
    virtual ~ColorChooser() = default;
    // True with the chosen colour when the player confirms.
    virtual bool choose(QWidget *window, QColor &color) = 0;
};
