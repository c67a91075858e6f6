// installer.rc and the template data must describe the same dialogs, control by control; this
// reads the .rc (and the id header) as text and compares them, and shows that it notices drift.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "resources/dialog_templates.h"
#include "tests/support/rc_reader.h"

namespace {

// A file of the source tree, whole; empty when it cannot be read.
std::string readSourceFile(const std::string& relative) {
    std::ifstream file(std::string(ZRK_SOURCE_DIR) + "/" + relative, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The kind a class and style set give, or a text that says why there is none.
std::string kindName(const RcControl& control) {
    static const std::map<std::string, std::string> kinds = {
        {"Button/BS_DEFPUSHBUTTON", "defPushButton"}, {"Button/BS_PUSHBUTTON", "pushButton"},
        {"Button/BS_AUTOCHECKBOX", "autoCheckBox"},   {"Button/BS_AUTORADIOBUTTON", "autoRadio"},
        {"Button/BS_GROUPBOX", "groupBox"},           {"Static/SS_LEFT", "staticText"},
        {"Static/SS_CENTER", "staticText"},
    };
    std::string found = "(no kind)";
    for (const std::string& style : control.styles) {
        auto kind = kinds.find(control.className + "/" + style);
        if (kind != kinds.end()) {
            found = kind->second;
        }
    }
    return found;
}

std::string kindName(ControlKind kind) {
    static const char* const names[] = {"defPushButton", "pushButton", "autoCheckBox",
                                        "autoRadio",     "groupBox",   "staticText"};
    return names[static_cast<int>(kind)];
}

// Every difference between one .rc dialog and its data, as readable lines.
void compareDialog(const RcDialog& rc, const DialogTemplate& data,
                   const std::map<std::string, int>& ids, std::vector<std::string>& out) {
    auto check = [&](const std::string& where, const std::string& field, const auto& rcValue,
                     const auto& dataValue) {
        if (!(rcValue == dataValue)) {
            std::stringstream line;
            line << rc.name << where << ": " << field << " differs (rc " << rcValue << ", data "
                 << dataValue << ")";
            out.push_back(line.str());
        }
    };
    check("", "size", rc.width * 1000 + rc.height, data.width * 1000 + data.height);
    check("", "caption", rc.caption, std::string(data.title));
    check("", "font", std::to_string(rc.fontSize) + " " + rc.fontName,
          std::to_string(data.fontPointSize) + " " + data.fontName);
    check("", "close box", rc.styles.count("WS_SYSMENU") == 1, data.closeBox);
    check("", "system-modal", rc.styles.count("DS_SYSMODAL") == 1, data.systemModal);
    check("", "control count", rc.controls.size(), data.controlCount);
    static const std::set<std::string> mirrored = {
        "BS_DEFPUSHBUTTON", "BS_PUSHBUTTON", "BS_AUTOCHECKBOX", "BS_AUTORADIOBUTTON",
        "BS_GROUPBOX",      "SS_LEFT",       "SS_CENTER",       "SS_SUNKEN",
        "WS_TABSTOP",       "WS_GROUP",      "WS_DISABLED"};
    for (std::size_t i = 0; i < std::min(rc.controls.size(), data.controlCount); ++i) {
        const RcControl& r = rc.controls[i];
        const ControlTemplate& d = data.controls[i];
        const std::string where = " control " + std::to_string(i) + " \"" + d.text + "\"";
        auto id = ids.find(r.idName);
        check(where, "id", id == ids.end() ? r.idName : std::to_string(id->second),
              std::to_string(d.id));
        check(where, "kind", kindName(r), kindName(d.kind));
        check(where, "text", r.text, std::string(d.text));
        check(where, "position", std::to_string(r.x) + "," + std::to_string(r.y),
              std::to_string(d.x) + "," + std::to_string(d.y));
        check(where, "extent", std::to_string(r.width) + "x" + std::to_string(r.height),
              std::to_string(d.width) + "x" + std::to_string(d.height));
        check(where, "tab stop", r.styles.count("WS_TABSTOP") == 1, d.tabStop);
        check(where, "group start", r.styles.count("WS_GROUP") == 1, d.groupStart);
        check(where, "disabled", r.styles.count("WS_DISABLED") == 1, d.disabled);
        check(where, "hidden", r.negated.count("WS_VISIBLE") == 1, d.hidden);
        check(where, "sunken", r.styles.count("SS_SUNKEN") == 1, d.sunken);
        check(where, "centered", r.styles.count("SS_CENTER") == 1, d.centered);
        for (const std::string& style : r.styles) {
            check(where, "style the data cannot express", style,
                  mirrored.count(style) == 1 ? style : std::string("-"));
        }
    }
}

using TemplateLookup = std::function<const DialogTemplate*(const std::string&)>;

const DialogTemplate* installerTemplate(const std::string& name) {
    return findDialogTemplate(name.c_str());
}

std::vector<std::string> disagreements(const std::string& rcText, const TemplateLookup& lookup) {
    std::vector<std::string> out;
    const std::vector<RcDialog> dialogs = parseRcDialogs(rcText, out);
    const std::map<std::string, int> ids = parseDefines(readSourceFile("resources/control_ids.h"));
    std::set<std::string> names;
    for (const RcDialog& dialog : dialogs) {
        names.insert(dialog.name);
        if (const DialogTemplate* data = lookup(dialog.name)) {
            compareDialog(dialog, *data, ids, out);
        } else {
            out.push_back(dialog.name + ": no template data");
        }
    }
    if (names != std::set<std::string>{"MainDialog", "ManSetDialog"}) {
        out.push_back("the .rc does not hold exactly MainDialog and ManSetDialog");
    }
    return out;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

TEST(DialogTemplateAgreementTest, RcAndDataAgreeOnEveryControl) {
    const std::string rc = readSourceFile("resources/installer.rc");
    ASSERT_FALSE(rc.empty());
    EXPECT_EQ(joined(disagreements(rc, installerTemplate)), "");
}

struct RcDrift {
    const char* what;
    const char* from;
    const char* to;
    const char* expected; // part of the disagreement it must cause
};

class RcDriftTest : public ::testing::TestWithParam<RcDrift> {};

TEST_P(RcDriftTest, IsNoticed) {
    std::string rc = readSourceFile("resources/installer.rc");
    const std::size_t at = rc.find(GetParam().from);
    ASSERT_NE(at, std::string::npos) << GetParam().from;
    rc.replace(at, std::string(GetParam().from).size(), GetParam().to);
    EXPECT_NE(joined(disagreements(rc, installerTemplate)).find(GetParam().expected),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, RcDriftTest,
    ::testing::Values(
        RcDrift{"text", "\"Quit\"", "\"Quit!\"", "text differs"},
        RcDrift{"escaped_line_break", "this\\npanel", "this panel", "text differs"},
        RcDrift{"id", "CARGO\", IDC_CARGO", "CARGO\", IDC_COMBI_1_CLASS", "id differs"},
        RcDrift{"kind", "IDC_PAX_3_CLASSES, \"Button\", BS_AUTORADIOBUTTON",
                "IDC_PAX_3_CLASSES, \"Button\", BS_AUTOCHECKBOX", "kind differs"},
        RcDrift{"position", "181, 152", "181, 151", "position differs"},
        RcDrift{"extent", "224, 43", "224, 44", "extent differs"},
        RcDrift{"tab_stop", "BS_PUSHBUTTON | WS_TABSTOP, 181", "BS_PUSHBUTTON, 181",
                "tab stop differs"},
        RcDrift{"group", "IDC_STROBE_LIGHTS_FX, \"Button\", BS_AUTORADIOBUTTON | WS_GROUP",
                "IDC_STROBE_LIGHTS_FX, \"Button\", BS_AUTORADIOBUTTON", "group start differs"},
        RcDrift{"disabled", "WS_TABSTOP | WS_DISABLED, 7, 152", "WS_TABSTOP, 7, 152",
                "disabled differs"},
        RcDrift{"hidden", " | NOT WS_VISIBLE", "", "hidden differs"},
        RcDrift{"sunken", "SS_LEFT | SS_SUNKEN, 99", "SS_LEFT, 99", "sunken differs"},
        RcDrift{"centered", "\"FX\", IDC_UNADDRESSED, \"Static\", SS_CENTER",
                "\"FX\", IDC_UNADDRESSED, \"Static\", SS_LEFT", "centered differs"},
        RcDrift{"unmirrored_style", "SS_LEFT | WS_GROUP", "SS_LEFT | SS_NOTIFY | WS_GROUP",
                "style the data cannot express"},
        RcDrift{"size", "238, 173", "238, 174", "size differs"},
        RcDrift{"caption", "CAPTION \"UNKNOW", "CAPTION \"UNKNOWN", "caption differs"},
        RcDrift{"font", "FONT 8", "FONT 9", "font differs"},
        RcDrift{"close_box", "WS_CAPTION | WS_SYSMENU", "WS_CAPTION", "close box differs"},
        RcDrift{"system_modal", "DS_SYSMODAL | ", "", "system-modal differs"},
        RcDrift{"missing_control", "    CONTROL \"ZRK engine sounds\"", "//", "control count"}),
    [](const auto& testInfo) { return std::string(testInfo.param.what); });

struct DataDrift {
    const char* what;
    void (*edit)(ControlTemplate& control);
    const char* expected;
};

class DataDriftTest : public ::testing::TestWithParam<DataDrift> {};

TEST_P(DataDriftTest, IsNoticed) {
    const DialogTemplate* real = findDialogTemplate("ManSetDialog");
    ASSERT_NE(real, nullptr);
    std::vector<ControlTemplate> controls(real->controls, real->controls + real->controlCount);
    GetParam().edit(controls[4]); // the first FX radio button
    DialogTemplate drifted = *real;
    drifted.controls = controls.data();
    TemplateLookup lookup = [&](const std::string& name) {
        return name == "ManSetDialog" ? &drifted : findDialogTemplate(name.c_str());
    };
    EXPECT_NE(joined(disagreements(readSourceFile("resources/installer.rc"), lookup))
                  .find(GetParam().expected),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, DataDriftTest,
    ::testing::Values(
        DataDrift{"id", [](ControlTemplate& c) { c.id = 1022; }, "id differs"},
        DataDrift{"text", [](ControlTemplate& c) { c.text = "FX"; }, "text differs"},
        DataDrift{"tab_stop", [](ControlTemplate& c) { c.tabStop = true; }, "tab stop differs"},
        DataDrift{"hidden", [](ControlTemplate& c) { c.hidden = true; }, "hidden differs"}),
    [](const auto& testInfo) { return std::string(testInfo.param.what); });

} // namespace
