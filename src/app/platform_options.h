#pragma once
// The real platform pieces for the main window: serial port and port names.

#include "app/form_options.h"

TFormOptions PlatformFormOptions(const QStringList& arguments);
