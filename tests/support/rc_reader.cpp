// Resource-script and header reading for tests.
#include "tests/support/rc_reader.h"

#include <regex>
#include <sstream>

namespace {

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    const auto last = text.find_last_not_of(" \t\r");
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

// Splits at commas outside string literals.
std::vector<std::string> splitFields(const std::string& text) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            quoted = !quoted;
        } else if (text[i] == '\\' && quoted && i + 1 < text.size()) {
            fields.back() += text[i++];
        } else if (text[i] == ',' && !quoted) {
            fields.emplace_back();
            continue;
        }
        fields.back() += text[i];
    }
    for (std::string& field : fields) {
        field = trim(field);
    }
    return fields;
}

// A resource-compiler string literal: "" and \" are quotes, \n a line break, \\ a backslash.
std::string unquote(const std::string& literal) {
    std::string text;
    for (std::size_t i = 1; i + 1 < literal.size(); ++i) {
        if (literal[i] == '\\' && i + 2 < literal.size()) {
            const char next = literal[++i];
            text += next == 'n' ? '\n' : next == 't' ? '\t' : next;
        } else if (literal[i] == '"' && literal[i + 1] == '"') {
            text += literal[i++];
        } else {
            text += literal[i];
        }
    }
    return text;
}

void parseStyles(const std::string& expression, std::set<std::string>& styles,
                 std::set<std::string>* negated) {
    std::stringstream parts(expression);
    for (std::string part; std::getline(parts, part, '|');) {
        part = trim(part);
        if (negated != nullptr && part.rfind("NOT ", 0) == 0) {
            negated->insert(trim(part.substr(4)));
        } else {
            styles.insert(part);
        }
    }
}

} // namespace

std::vector<RcDialog> parseRcDialogs(const std::string& rc, std::vector<std::string>& errors) {
    static const std::regex header(R"(^(\w+)\s+DIALOGEX\s+\d+\s*,\s*\d+\s*,\s*(\d+)\s*,\s*(\d+)$)");
    static const std::regex font(R"re(^FONT\s+(\d+)\s*,\s*"([^"]*)"$)re");
    std::vector<RcDialog> dialogs;
    // Outside every dialog (other resources are skipped), in a dialog's header, in its body.
    enum class Where { outside, heading, body } where = Where::outside;
    std::stringstream lines(rc);
    for (std::string line; std::getline(lines, line);) {
        line = trim(line);
        std::smatch match;
        if (std::regex_match(line, match, header)) {
            dialogs.emplace_back();
            dialogs.back().name = match[1];
            dialogs.back().width = std::stoi(match[2]);
            dialogs.back().height = std::stoi(match[3]);
            where = Where::heading;
        } else if (where == Where::outside || line.empty() || line.rfind("//", 0) == 0) {
            continue;
        } else if (where == Where::heading && line == "BEGIN") {
            where = Where::body;
        } else if (where == Where::body && line == "END") {
            where = Where::outside;
        } else if (where == Where::heading && line.rfind("STYLE ", 0) == 0) {
            parseStyles(line.substr(6), dialogs.back().styles, nullptr);
        } else if (where == Where::heading && line.rfind("CAPTION ", 0) == 0) {
            dialogs.back().caption = unquote(trim(line.substr(8)));
        } else if (where == Where::heading && std::regex_match(line, match, font)) {
            dialogs.back().fontSize = std::stoi(match[1]);
            dialogs.back().fontName = match[2];
        } else if (where == Where::body && line.rfind("CONTROL ", 0) == 0) {
            const std::vector<std::string> f = splitFields(line.substr(8));
            if (f.size() != 8) {
                errors.push_back("unreadable control: " + line);
                continue;
            }
            RcControl control;
            control.text = unquote(f[0]);
            control.idName = f[1];
            control.className = unquote(f[2]);
            parseStyles(f[3], control.styles, &control.negated);
            control.x = std::stoi(f[4]);
            control.y = std::stoi(f[5]);
            control.width = std::stoi(f[6]);
            control.height = std::stoi(f[7]);
            dialogs.back().controls.push_back(control);
        } else {
            errors.push_back(dialogs.back().name + ": unreadable statement: " + line);
        }
    }
    return dialogs;
}

// The #define NAME VALUE lines of the id header.
std::map<std::string, int> parseDefines(const std::string& header) {
    static const std::regex define(R"(^#define\s+(\w+)\s+\(?(-?\d+)\)?\s*$)");
    std::map<std::string, int> ids;
    std::stringstream lines(header);
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (std::regex_match(line, match, define)) {
            ids[match[1]] = std::stoi(match[2]);
        }
    }
    return ids;
}
