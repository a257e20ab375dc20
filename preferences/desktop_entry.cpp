#include "preferences/desktop_entry.h"

#include <vector>

#include "app/version.h"

namespace tarvenel {
namespace {

using Lines = std::vector<std::string>;

const std::string kGroup = "[Desktop Entry]";

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Backslash escapes of desktop-entry string values (\s \n \t \r \\).
std::string EscapeString(const std::string& text) {
    std::string out;
    for (char c : text) {
        const char* escaped = c == '\\'   ? "\\\\"
                              : c == '\n' ? "\\n"
                              : c == '\t' ? "\\t"
                              : c == '\r' ? "\\r"
                                          : nullptr;
        if (escaped)
            out += escaped;
        else
            out += c;
    }
    return out;
}

std::string UnescapeString(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 's'   ? ' '
               : next == 'n' ? '\n'
               : next == 't' ? '\t'
               : next == 'r' ? '\r'
                             : next;
    }
    return out;
}

bool IsKeyLine(const std::string& line, const std::string& key) {
    const auto eq = line.find('=');
    return eq != std::string::npos && eq > 0 && Trim(line.substr(0, eq)) == key;
}

std::string ValueOf(const std::string& line) {
    return Trim(line.substr(line.find('=') + 1));
}

// Lines of the [Desktop Entry] group (without the header), and the rest.
struct EntryFile {
    Lines before; // anything before the group (comments)
    Lines entry;
    Lines after; // other groups, kept as they are
};

EntryFile Parse(const std::string& content) {
    EntryFile file;
    Lines* target = &file.before;
    std::size_t start = 0;
    while (start <= content.size()) {
        auto end = content.find('\n', start);
        if (end == std::string::npos)
            end = content.size();
        const std::string line = content.substr(start, end - start);
        start = end + 1;
        const std::string trimmed = Trim(line);
        if (!trimmed.empty() && trimmed.front() == '[') {
            target = trimmed == kGroup && target == &file.before ? &file.entry : &file.after;
            if (target == &file.entry)
                continue;
        }
        target->push_back(line);
    }
    for (Lines* lines : {&file.before, &file.entry})
        while (!lines->empty() && Trim(lines->back()).empty())
            lines->pop_back();
    return file;
}

// The key's first line takes the value; later lines of the same key would
// contradict it, so they go.
void SetKey(Lines& lines, const std::string& key, const std::string& value) {
    bool set = false;
    for (auto line = lines.begin(); line != lines.end();) {
        if (!IsKeyLine(*line, key)) {
            ++line;
        } else if (set) {
            line = lines.erase(line);
        } else {
            *line++ = key + "=" + value;
            set = true;
        }
    }
    if (!set)
        lines.push_back(key + "=" + value);
}

std::string Join(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// The file again: what came before the group, the group, the other groups.
std::string Rejoin(const EntryFile& entry) {
    Lines lines = entry.before;
    lines.push_back(kGroup);
    lines.insert(lines.end(), entry.entry.begin(), entry.entry.end());
    if (!entry.after.empty()) {
        lines.push_back("");
        lines.insert(lines.end(), entry.after.begin(), entry.after.end());
        while (!lines.empty() && lines.back().empty())
            lines.pop_back();
    }
    return Join(lines);
}

bool IsTrue(const std::string& value) {
    return value == "true" || value == "1";
}

bool IsFalse(const std::string& value) {
    return value == "false" || value == "0";
}

} // namespace

std::string ExecValueFor(const std::string& program) {
    // Quote always: inside double quotes ", `, $ and \ take a backslash. A
    // literal % must be doubled, because Exec expands field codes.
    std::string quoted = "\"";
    for (char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        if (c == '%')
            quoted += '%';
        quoted += c;
    }
    quoted += '"';
    return EscapeString(quoted);
}

std::string ProgramOfExec(const std::string& execValue) {
    const std::string exec = UnescapeString(execValue);
    std::string program;
    const bool quoted = !exec.empty() && exec.front() == '"';
    for (std::size_t i = quoted ? 1 : 0; i < exec.size(); ++i) {
        char c = exec[i];
        if (quoted && c == '"')
            return program;
        if (!quoted && c == ' ')
            return program;
        if (quoted && c == '\\') {
            if (++i == exec.size())
                return {};
            c = exec[i];
        } else if (c == '%') {
            if (++i == exec.size() || exec[i] != '%')
                return {}; // a field code inside the program name
        }
        program += c;
    }
    return quoted ? std::string() : program; // an unterminated quote starts nothing
}

std::string ProgramOfEntry(const std::string& content) {
    std::string exec;
    for (const std::string& line : Parse(content).entry) {
        // A hidden entry is a removed one; GNOME's own switch is the other
        // key. Booleans are read as GLib reads them: true or 1, false or 0.
        if (IsKeyLine(line, "Hidden") && IsTrue(ValueOf(line)))
            return {};
        if (IsKeyLine(line, "X-GNOME-Autostart-enabled") && IsFalse(ValueOf(line)))
            return {};
        if (IsKeyLine(line, "Exec"))
            exec = ValueOf(line);
    }
    return ProgramOfExec(exec);
}

std::string SwitchedOnEntry(const std::string& content, const std::string& program) {
    EntryFile entry = Parse(content);
    if (entry.entry.empty()) {
        entry.entry = {"Type=Application", "Name=" + EscapeString(kAppTitle),
                       "Comment=" + EscapeString("定时关机"), "Exec=", "Terminal=false"};
    }
    SetKey(entry.entry, "Type", "Application");
    SetKey(entry.entry, "Exec", ExecValueFor(program));
    SetKey(entry.entry, "Hidden", "false");
    SetKey(entry.entry, "X-GNOME-Autostart-enabled", "true");
    return Rejoin(entry);
}

std::string SwitchedOffEntry(const std::string& content) {
    EntryFile entry = Parse(content);
    // The entry stays, switched off, so the user's other keys survive.
    if (entry.entry.empty()) {
        SetKey(entry.entry, "Type", "Application");
        SetKey(entry.entry, "Name", kAppTitle);
    }
    SetKey(entry.entry, "Hidden", "true");
    return Rejoin(entry);
}

} // namespace tarvenel
