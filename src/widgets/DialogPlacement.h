#pragma once

class QWidget;

// Puts a dialog on the monitor that shows the window, centred across it, with
// one third of the free height above the dialog and two thirds below.
void placeDialog(QWidget *dialog, const QWidget *window);
