// Reads the dialog templates of a resource script (.rc) and the #define lines of a header as
// text, for tests that hold installer.rc and the template data together.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

struct RcControl {
    std::string text, idName, className;   // text with its escapes resolved
    std::set<std::string> styles, negated; // negated: the styles after NOT
    int x = 0, y = 0, width = 0, height = 0;
};

struct RcDialog {
    std::string name, caption, fontName;
    int width = 0, height = 0, fontSize = 0;
    std::set<std::string> styles;
    std::vector<RcControl> controls;
};

// The DIALOGEX blocks of a resource script, one CONTROL statement a line; every line inside a
// dialog that it cannot read is reported in `errors`.
std::vector<RcDialog> parseRcDialogs(const std::string& rc, std::vector<std::string>& errors);

// NAME -> value of the "#define NAME value" lines (value a number, possibly in parentheses).
std::map<std::string, int> parseDefines(const std::string& header);
