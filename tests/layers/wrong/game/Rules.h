#pragma once

// The rules must not know how a tile is drawn: the check rejects this file.
#include "widgets/TCustomPanel.h"
#include "settings/TPanelStyle.h"
