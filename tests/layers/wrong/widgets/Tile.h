#pragma once

// Allowed: a widget may use the settings.
#include "settings/TPanelStyle.h"
