// The rewrite of aircraft.cfg over a kept copy that an earlier install left: that copy makes way.
// What the rewrite copies and replaces is held by the Install tests and the rewrite fuzz target.
#include "install/config_rewrite.h"

#include <gtest/gtest.h>

#include "app/installer_state.h"
#include "tests/support/aircraft_fixture.h"

TEST(RewriteAircraftConfig, AKeptCopyOfAnEarlierInstallMakesWay) {
    AircraftFolder folder;
    const std::string config = fltsim("MD-11") + kGeneralSection; // nothing after [General]
    folder.writeConfig(config);
    folder.writeTextFile("aircraft.cfg_ORIGINAL", "kept by an earlier install\n");
    installerState.modelKind = modelIfdg;
    EXPECT_EQ(rewriteAircraftConfig(folder.cfgPath().c_str()), resultOk);
    EXPECT_EQ(folder.tree(), (FileTree{{"aircraft.cfg", folder.readFile("aircraft.cfg")},
                                       {"aircraft.cfg_ORIGINAL", withCrLf(config)}}));
}
