// Opening a web address in the desktop's browser, through xdg-open. The address is handed
// over as one program argument and never passes through a shell, so whatever it holds
// stays data.
#pragma once

#include <string>

// Starts the opener detached and returns at once; false when it could not be started.
bool zr_host_OpenUrl(const std::string& url);
