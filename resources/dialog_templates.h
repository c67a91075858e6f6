// The two dialog templates as data, for builds that render dialogs without Win32. They mirror
// installer.rc control by control; a test holds the two together.
#pragma once

#include <cstddef>

enum class ControlKind {
    defPushButton, // BS_DEFPUSHBUTTON
    pushButton,    // BS_PUSHBUTTON
    autoCheckBox,  // BS_AUTOCHECKBOX
    autoRadio,     // BS_AUTORADIOBUTTON
    groupBox,      // BS_GROUPBOX
    staticText,    // SS_LEFT (or SS_CENTER, see ControlTemplate::centered)
};

struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* text;
    int x, y, width, height; // dialog units
    bool tabStop;            // WS_TABSTOP
    bool groupStart;         // WS_GROUP: starts a radio group
    bool disabled;           // WS_DISABLED
    bool hidden;             // not WS_VISIBLE
    bool sunken;             // WS_EX_STATICEDGE / SS_SUNKEN look
    bool centered;           // SS_CENTER
    bool multiLine;          // a static that wraps over several lines
};

struct DialogTemplate {
    const char* name;  // resource name, "MainDialog" or "ManSetDialog"
    const char* title; // empty for "MainDialog": the title is set at initialisation
    int width, height; // dialog units
    const char* fontName;
    int fontPointSize;
    bool closeBox;    // WS_SYSMENU: a system menu and a close box
    bool systemModal; // DS_SYSMODAL
    const ControlTemplate* controls;
    std::size_t controlCount;
};

// The template of that resource name, or null.
const DialogTemplate* findDialogTemplate(const char* name);
