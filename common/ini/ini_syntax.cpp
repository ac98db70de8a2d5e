#include "common/ini/ini_syntax.h"

#include "common/cp932.h"

#include <vector>

namespace vermil {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char foldAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

struct Line {
    std::size_t begin; // first byte of the line
    std::size_t end;   // end of its text, before CR LF (or a CR that ends the file)
    std::size_t next;  // first byte of the next line
    bool terminated;   // ends in a line feed

    // The last line of a file that ends in a bare CR.
    bool endsInBareCr() const { return !terminated && end < next; }
};

std::vector<Line> splitLines(std::string_view content) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < content.size()) {
        const std::size_t lf = content.find('\n', pos);
        Line line{pos, lf == std::string_view::npos ? content.size() : lf, 0,
                  lf != std::string_view::npos};
        line.next = line.terminated ? lf + 1 : content.size();
        if (line.end > line.begin && content[line.end - 1] == '\r')
            --line.end;
        lines.push_back(line);
        pos = line.next;
    }
    return lines;
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// What one line of the file is, with positions relative to the whole content.
struct ParsedLine {
    enum class Kind { Other, Section, Entry } kind = Kind::Other;
    std::string_view name; // section or key name
    std::size_t valueBegin = 0;
    std::size_t valueEnd = 0;
};

ParsedLine parseLine(std::string_view content, const Line& line) {
    ParsedLine parsed;
    std::string_view text = content.substr(line.begin, line.end - line.begin);
    std::size_t lead = 0;
    while (lead < text.size() && isBlank(text[lead]))
        ++lead;
    if (lead == text.size() || text[lead] == ';')
        return parsed;
    if (text[lead] == '[') {
        std::string_view rest = text.substr(lead + 1);
        const std::size_t close = cp932FindChar(rest, ']');
        parsed.kind = ParsedLine::Kind::Section;
        parsed.name = trimBlanks(close == std::string_view::npos ? rest : rest.substr(0, close));
        return parsed;
    }
    const std::size_t eq = cp932FindChar(text, '=', lead);
    if (eq == std::string_view::npos)
        return parsed;
    parsed.kind = ParsedLine::Kind::Entry;
    parsed.name = trimBlanks(text.substr(lead, eq - lead));
    std::size_t vb = eq + 1;
    while (vb < text.size() && isBlank(text[vb]))
        ++vb;
    std::size_t ve = text.size();
    while (ve > vb && isBlank(text[ve - 1]))
        --ve;
    parsed.valueBegin = line.begin + vb;
    parsed.valueEnd = line.begin + ve;
    return parsed;
}

std::string unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return std::string(value.substr(1, value.size() - 2));
    return std::string(value);
}

// Where a section and (if present) a key stand in the content.
struct Location {
    std::vector<Line> lines;
    std::optional<std::size_t> sectionLine;
    std::optional<std::size_t> keyLine;
    ParsedLine key;
    std::size_t lastContentLine = 0; // last non-blank line of the section
};

Location locate(std::string_view content, std::string_view section, std::string_view key) {
    Location loc;
    loc.lines = splitLines(content);
    bool inSection = false;
    for (std::size_t i = 0; i < loc.lines.size(); ++i) {
        const ParsedLine parsed = parseLine(content, loc.lines[i]);
        if (parsed.kind == ParsedLine::Kind::Section) {
            if (inSection)
                break;
            if (iniNamesEqual(parsed.name, section)) {
                inSection = true;
                loc.sectionLine = i;
                loc.lastContentLine = i;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (!trimBlanks(content.substr(loc.lines[i].begin, loc.lines[i].end - loc.lines[i].begin))
                 .empty())
            loc.lastContentLine = i;
        if (parsed.kind == ParsedLine::Kind::Entry && iniNamesEqual(parsed.name, key)) {
            loc.keyLine = i;
            loc.key = parsed;
            break;
        }
    }
    return loc;
}

bool fitsOnOneLine(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

// True when the name's last byte starts a double-byte character: written before
// "]" or "=", it would take that byte as its second one, and the line would read
// as another name.
bool endsInLeadByte(std::string_view name) {
    for (std::size_t pos = 0; pos < name.size();) {
        const std::size_t length = cp932CharLength(name, pos);
        if (pos + length == name.size())
            return length == 1 && isCp932LeadByte(static_cast<unsigned char>(name[pos]));
        pos += length;
    }
    return false;
}

std::string_view lineEndOf(std::string_view content) {
    const std::size_t lf = content.find('\n');
    if (lf != std::string_view::npos && (lf == 0 || content[lf - 1] != '\r'))
        return "\n";
    return "\r\n";
}

} // namespace

bool iniNamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t pos = 0; pos < a.size();) {
        const std::size_t len = cp932CharLength(a, pos);
        if (len == 2) {
            if (a.compare(pos, 2, b.substr(pos, 2)) != 0)
                return false;
        } else if (foldAscii(a[pos]) != foldAscii(b[pos]) || cp932CharLength(b, pos) != 1) {
            return false;
        }
        pos += len;
    }
    return true;
}

std::optional<std::string> iniLookup(std::string_view content, std::string_view section,
                                     std::string_view key) {
    const Location loc = locate(content, section, key);
    if (!loc.keyLine)
        return std::nullopt;
    return unquote(content.substr(loc.key.valueBegin, loc.key.valueEnd - loc.key.valueBegin));
}

std::string iniEncodeValue(std::string_view value) {
    const bool edgeBlank = !value.empty() && (isBlank(value.front()) || isBlank(value.back()));
    const bool looksQuoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                             value.back() == value.front();
    if (edgeBlank || looksQuoted)
        return "\"" + std::string(value) + "\"";
    return std::string(value);
}

std::optional<std::string> iniReplace(std::string_view content, std::string_view section,
                                      std::string_view key, std::string_view value) {
    if (!fitsOnOneLine(section) || !fitsOnOneLine(key) || !fitsOnOneLine(value) ||
        cp932FindChar(section, ']') != std::string_view::npos ||
        cp932FindChar(key, '=') != std::string_view::npos || trimBlanks(key) != key ||
        trimBlanks(section) != section || key.empty() || endsInLeadByte(section) ||
        endsInLeadByte(key))
        return std::nullopt;
    const std::string encoded = iniEncodeValue(value);
    const Location loc = locate(content, section, key);
    std::string out(content);
    if (loc.keyLine) {
        out.replace(loc.key.valueBegin, loc.key.valueEnd - loc.key.valueBegin, encoded);
        return out;
    }
    const std::string eol(lineEndOf(content));
    const std::string entry = std::string(key) + "=" + encoded + eol;
    if (loc.sectionLine) {
        const Line& after = loc.lines[loc.lastContentLine];
        if (!after.terminated) {
            // The last line of the file gets a line end; a bare CR there becomes
            // CR LF, so the line's text stays what it was.
            out.insert(after.next, (after.endsInBareCr() ? std::string("\n") : eol) + entry);
            out.erase(out.size() - eol.size()); // no line end where the file had none
            return out;
        }
        out.insert(after.next, entry);
        return out;
    }
    if (!out.empty() && out.back() != '\n')
        out += out.back() == '\r' ? std::string("\n") : eol;
    out += "[" + std::string(section) + "]" + eol + entry;
    return out;
}

std::optional<std::string> iniReplaceAll(std::string_view content,
                                         const std::vector<IniWrite>& writes) {
    std::string out(content);
    for (const IniWrite& write : writes) {
        auto updated = iniReplace(out, write.section, write.key, write.value);
        if (!updated)
            return std::nullopt;
        out = std::move(*updated);
    }
    return out;
}

} // namespace vermil
