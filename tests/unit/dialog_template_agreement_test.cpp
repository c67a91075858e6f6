// installer.rc and the template data describe the same dialogs: the data, written out as .rc
// statements, must be the .rc's dialogs line for line.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <span>
#include <sstream>

#include "resources/dialog_templates.h"

namespace {

using Lines = std::vector<std::string>;
std::string sourceFile(const std::string& relative) {
    std::ifstream file(std::string(ZRK_SOURCE_DIR) + "/" + relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The statements of every DIALOGEX block of installer.rc, from its first line to END.
Lines rcDialogs() {
    Lines lines;
    bool inDialog = false;
    std::istringstream text(sourceFile("resources/installer.rc"));
    for (std::string line; std::getline(text >> std::ws, line);) {
        line.erase(line.find_last_not_of(" \r") + 1);
        inDialog = inDialog || line.find(" DIALOGEX ") != std::string::npos;
        if (inDialog && !line.starts_with("//")) {
            lines.push_back(line);
            inDialog = line != "END";
        }
    }
    return lines;
}

Lines dataDialogs() {
    std::map<int, std::string> idNames;
    const std::string header = sourceFile("resources/control_ids.h");
    const std::regex define(R"(#define (\w+) \(?(-?\d+)\)?)");
    for (std::sregex_iterator m(header.begin(), header.end(), define), end; m != end; ++m) {
        idNames[std::stoi((*m)[2])] = (*m)[1];
    }
    static const char* const kinds[] = {
        "\"Button\", BS_DEFPUSHBUTTON", "\"Button\", BS_PUSHBUTTON",
        "\"Button\", BS_AUTOCHECKBOX",  "\"Button\", BS_AUTORADIOBUTTON",
        "\"Button\", BS_GROUPBOX",      "\"Static\", SS_LEFT"};
    const auto n = [](int number) { return std::to_string(number); };
    Lines lines;
    for (const char* name : {"MainDialog", "ManSetDialog"}) {
        const DialogTemplate* d = findDialogTemplate(name);
        lines.insert(lines.end(),
                     {std::string(d->name) + " DIALOGEX 0, 0, " + n(d->width) + ", " + n(d->height),
                      std::string("STYLE DS_SETFONT | DS_MODALFRAME | DS_CENTER | ") +
                          (d->systemModal ? "DS_SYSMODAL | " : "") + "WS_POPUP | WS_CAPTION" +
                          (d->closeBox ? " | WS_SYSMENU" : ""),
                      "CAPTION \"" + std::string(d->title) + "\"",
                      "FONT " + n(d->fontPointSize) + ", \"" + d->fontName + "\"", "BEGIN"});
        for (const ControlTemplate& c : std::span(d->controls, d->controlCount)) {
            lines.push_back(
                "CONTROL \"" + std::regex_replace(c.text, std::regex("\n"), "\\n") + "\", " +
                idNames[c.id] + ", " +
                (c.centered ? "\"Static\", SS_CENTER" : kinds[static_cast<int>(c.kind)]) +
                (c.sunken ? " | SS_SUNKEN" : "") + (c.tabStop ? " | WS_TABSTOP" : "") +
                (c.groupStart ? " | WS_GROUP" : "") + (c.disabled ? " | WS_DISABLED" : "") +
                (c.hidden ? " | NOT WS_VISIBLE" : "") + ", " + n(c.x) + ", " + n(c.y) + ", " +
                n(c.width) + ", " + n(c.height));
        }
        lines.push_back("END");
    }
    return lines;
}

TEST(DialogTemplateAgreement, RcAndDataAgreeOnEveryDialogAndControl) {
    EXPECT_EQ(rcDialogs(), dataDialogs());
}

} // namespace
