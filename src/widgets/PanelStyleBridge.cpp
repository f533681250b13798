#include "PanelStyleBridge.h"

#include "TCustomPanel.h"

void ApplyPanelStyle(const TPanelStyle &style, TCustomPanel &panel)
{
    panel.setBorderStyle(TBorderStyle(style.BorderStyle));
    panel.setBorderWidth(style.BorderWidth);
    panel.setBevelWidth(style.BevelWidth);
    panel.setBevelInner(TBevelCut(style.BevelInner));
    panel.setBevelOuter(TBevelCut(style.BevelOuter));
}

void ReadPanelStyle(const TCustomPanel &panel, TPanelStyle &style)
{
    style.BorderStyle = std::uint8_t(panel.BorderStyle());
    style.BorderWidth = std::uint8_t(panel.BorderWidth() & 0xFF);
    style.BevelWidth = std::uint8_t(panel.BevelWidth() & 0xFF);
    style.BevelInner = std::uint8_t(panel.BevelInner());
    style.BevelOuter = std::uint8_t(panel.BevelOuter());
}
