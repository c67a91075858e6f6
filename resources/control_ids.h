/* Control ids of the two dialogs, shared by installer.rc, the template data and the core. */
#pragma once

/* Main dialog "MainDialog" */
#define IDC_QUIT 1000
#define IDC_CHOOSE_AIRCRAFT 1001
#define IDC_FOLDER_NAME 1002
#define IDC_STATUS 1003
#define IDC_INSTALL 1004
#define IDC_UNINSTALL 1005
#define IDC_TRIMDESK 1006
#define IDC_PAX_3_CLASSES 1007
#define IDC_PAX_1_CLASS 1008
#define IDC_COMBI_2_CLASSES 1009
#define IDC_CARGO 1010
#define IDC_COMBI_1_CLASS 1011
#define IDC_PAX_2_CLASSES 1012
#define IDC_CHOOSE_SAME 1013
#define IDC_REALISTIC_BRAKES 1014
#define IDC_ENGINE_SOUNDS 1015

/* Manual settings dialog "ManSetDialog" */
#define IDC_MANSET_OK 1018
#define IDC_NAV_LIGHTS_FX 1019
#define IDC_NAV_LIGHTS_MDL 1020
#define IDC_FOLD_AND_HOOK 1021
#define IDC_STROBE_LIGHTS_FX 1023
#define IDC_STROBE_LIGHTS_MDL 1024

/* Statics that are never addressed */
#define IDC_UNADDRESSED (-1)
