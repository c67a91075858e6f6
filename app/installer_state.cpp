// The one static state record of the process.
#include "app/installer_state.h"

InstallerState installerState{};

void resetInstallerStateForTest() {
    installerState = InstallerState{};
}
