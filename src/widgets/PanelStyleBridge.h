#pragma once

#include "settings/TPanelStyle.h"

class TCustomPanel;

// Sets the five frame properties of the panel from the style, in the order
// BorderStyle, BorderWidth, BevelWidth, BevelInner, BevelOuter.
void ApplyPanelStyle(const TPanelStyle &style, TCustomPanel &panel);
// The reverse: widths are cut to their low byte.
void ReadPanelStyle(const TCustomPanel &panel, TPanelStyle &style);
