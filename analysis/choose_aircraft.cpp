// "Choose MD-11 aircraft": the file choice, the scanner's verdict and the identification.
#include "app/command_handlers.h"

void chooseAircraft(WindowHandle /*dialog*/) {}
