#include "magnifier/settings_file.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "magnifier/texts.h"

namespace vitrelo {

namespace {

const std::string kCrLf = "\r\n";
const std::string kUtf8Mark = "\xEF\xBB\xBF";
const std::string kUtf16Mark = "\xFF\xFE";  // little-endian, as Notepad's "Unicode" saves

void append_utf8(std::string& out, uint32_t c) {
    if (c < 0x80) return out.push_back(static_cast<char>(c));
    const int tail = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    constexpr uint32_t kLead[] = {0, 0xC0, 0xE0, 0xF0};
    out.push_back(static_cast<char>(kLead[tail] | (c >> (6 * tail))));
    for (int i = tail - 1; i >= 0; --i)
        out.push_back(static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F)));
}

// UTF-16 code units after the mark as UTF-8. A lone surrogate becomes three bytes of its
// own, so that every unit comes back as it was; an odd last byte is no character.
std::string utf8_of_utf16(const std::string& bytes) {
    const auto unit = [&](size_t i) {
        return static_cast<uint32_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    };
    std::string out;
    const size_t units = bytes.size() / 2;
    for (size_t i = 1; i < units; ++i) {  // 0 is the mark
        uint32_t c = unit(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < units && unit(i + 1) >= 0xDC00 &&
            unit(i + 1) < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(++i) - 0xDC00);
        append_utf8(out, c);
    }
    return out;
}

// The text back as UTF-16 with its mark: the inverse of utf8_of_utf16.
std::string utf16_of_utf8(const std::string& text) {
    std::string out = kUtf16Mark;
    const auto put = [&](uint32_t u) {
        out.push_back(static_cast<char>(u & 0xFF));
        out.push_back(static_cast<char>(u >> 8));
    };
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i++]);
        const int tail = lead < 0xC0 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        uint32_t c = tail == 0 ? lead : lead & (0x3F >> tail);
        for (int k = 0; k < tail && i < text.size(); ++k)
            c = c << 6 | (static_cast<unsigned char>(text[i++]) & 0x3F);
        if (c < 0x10000) {
            put(c);
        } else {
            put(0xD800 + ((c - 0x10000) >> 10));
            put(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return out;
}

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// One line of the file: [begin, end) is its text, the line break (if any) follows.
struct Line {
    size_t begin = 0;
    size_t end = 0;
    std::optional<std::string> section;  // a section header: its name
    std::string key;                     // a "key=value" line: the key, else ""
    size_t value_begin = 0;              // the value, blanks after '=' skipped...
    size_t value_end = 0;                // ...and blanks at the end of the line dropped
    bool empty = true;                   // nothing but blanks
};

std::vector<Line> lines_of(const std::string& text) {
    std::vector<Line> lines;
    size_t at = text.starts_with(kUtf8Mark) ? kUtf8Mark.size() : 0;
    while (at < text.size()) {
        size_t next = text.find('\n', at);
        next = next == std::string::npos ? text.size() : next + 1;
        Line line;
        line.begin = at;
        line.end = next;
        while (line.end > at && (text[line.end - 1] == '\n' || text[line.end - 1] == '\r'))
            --line.end;
        size_t first = at, last = line.end;
        while (first < last && blank(text[first]))
            ++first;
        while (last > first && blank(text[last - 1]))
            --last;
        line.empty = first == last;
        const auto from = text.begin() + static_cast<std::ptrdiff_t>(first);
        const auto to = text.begin() + static_cast<std::ptrdiff_t>(last);
        // A section's name lies between '[' and the line's last ']'.
        const size_t close = static_cast<size_t>(
            std::find(std::make_reverse_iterator(to), std::make_reverse_iterator(from), ']')
                .base() -
            text.begin());
        const size_t equals = static_cast<size_t>(std::find(from, to, '=') - text.begin());
        if (!line.empty && text[first] == '[' && close > first + 1) {
            line.section = text.substr(first + 1, close - first - 2);
        } else if (!line.empty && equals < last) {
            size_t name_end = equals;
            while (name_end > first && blank(text[name_end - 1]))
                --name_end;
            line.key = text.substr(first, name_end - first);
            line.value_begin = equals + 1;
            while (line.value_begin < last && blank(text[line.value_begin]))
                ++line.value_begin;
            line.value_end = std::max(last, line.value_begin);
        }
        lines.push_back(line);
        at = next;
    }
    return lines;
}

// The lines of the first section called `name`: [first, last) after its header;
// nullopt when there is none.
std::optional<std::pair<size_t, size_t>> section_of(const std::vector<Line>& lines,
                                                    const char* name) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].section || !same_name(*lines[i].section, name)) continue;
        size_t end = i + 1;
        while (end < lines.size() && !lines[end].section)
            ++end;
        return std::pair{i + 1, end};
    }
    return std::nullopt;
}

// The first line of the section that holds `key`.
std::optional<size_t> key_line(const std::vector<Line>& lines, std::pair<size_t, size_t> section,
                               const std::string& key) {
    for (size_t i = section.first; i < section.second; ++i)
        if (same_name(lines[i].key, key)) return i;
    return std::nullopt;
}

std::string value_of(const std::string& text, const Line& line) {
    std::string v = text.substr(line.value_begin, line.value_end - line.value_begin);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return v;
}

// One key to store: its name, its value, and whether it is written only where the file
// has it already (an option left at its default).
struct Entry {
    std::string key;
    std::string value;
    bool optional = false;
};

// `old_text` with the values stored in its section `name`, as updated_settings_text
// says; an optional value is only replaced, never added.
std::string updated_section(const std::string& old_text, const char* name,
                            const std::vector<Entry>& values) {
    const std::vector<Line> lines = lines_of(old_text);
    const auto section = section_of(lines, name);
    // Each change as (position in the old text, bytes removed, bytes put there), in
    // order: the old text is copied around them.
    struct Change {
        size_t at;
        size_t removed;
        std::string put;
    };
    std::vector<Change> changes;
    std::string missing;  // key lines the section lacks, in the stored order
    for (const Entry& v : values) {
        const auto i = section ? key_line(lines, *section, v.key) : std::nullopt;
        if (i)
            changes.push_back(
                {lines[*i].value_begin, lines[*i].value_end - lines[*i].value_begin, v.value});
        else if (!v.optional)
            missing += v.key + "=" + v.value + kCrLf;
    }
    if (!missing.empty()) {
        size_t at = old_text.size();
        if (section) {
            // After the section's last line that is not blank (its header at least).
            size_t last = section->first - 1;
            for (size_t i = section->first; i < section->second; ++i)
                if (!lines[i].empty) last = i;
            // After that line's break; a last line without one gets one first.
            at = last + 1 < lines.size() ? lines[last + 1].begin : old_text.size();
            if (at == 0 || old_text[at - 1] != '\n') missing.insert(0, kCrLf);
        } else {
            std::string header = "[";
            header += name;
            header += "]" + kCrLf;
            missing.insert(0, header);
            if (!old_text.empty() && !old_text.ends_with('\n')) missing.insert(0, kCrLf);
        }
        changes.push_back({at, 0, missing});
    }
    // Stable: an empty value that ends the file stays before the lines added after it.
    std::stable_sort(changes.begin(), changes.end(),
                     [](const Change& a, const Change& b) { return a.at < b.at; });
    std::string out;
    size_t copied = 0;
    for (const Change& c : changes) {
        out.append(old_text, copied, c.at - copied);
        out += c.put;
        copied = c.at + c.removed;
    }
    out.append(old_text, copied, std::string::npos);
    return out;
}

}  // namespace

Settings settings_from_text(const std::string& file) {
    const std::string text = file.starts_with(kUtf16Mark) ? utf8_of_utf16(file) : file;
    const std::vector<Line> lines = lines_of(text);
    const auto section = section_of(lines, text::kSettingsSection);
    const auto read = [&](const char* key) -> std::string {
        if (!section) return "";
        const auto i = key_line(lines, *section, key);
        return i ? value_of(text, lines[*i]) : "";
    };
    Settings s = parse_settings(read(kZoomKey), read(kRefreshKey), read(kInvertKey));
    s.unit = parse_unit(read(kUnitKey));
    s.color_format = parse_color_format(read(kColorFormatKey));
    s.language = parse_language(read(kLanguageKey));
    // Every key of the calibrations' section; the first of a name counts, valid or not.
    if (const auto calibrations = section_of(lines, text::kCalibrationSection)) {
        for (size_t i = calibrations->first; i < calibrations->second; ++i) {
            const std::string& monitor = lines[i].key;
            if (monitor.empty() || key_line(lines, *calibrations, monitor) != i) continue;
            if (const auto ppi = parse_ppi(value_of(text, lines[i]))) s.calibration[monitor] = *ppi;
        }
    }
    return s;
}

std::string updated_settings_text(const std::string& old_text, const Settings& settings) {
    if (old_text.starts_with(kUtf16Mark))
        return utf16_of_utf8(updated_settings_text(utf8_of_utf16(old_text), settings));
    std::vector<Entry> options;
    for (const StoredValue& v : stored_form(settings))
        options.push_back({v.key, v.value});
    // Written once chosen: a first start writes the three options alone.
    options.push_back(
        {kUnitKey, kUnitValues[static_cast<int>(settings.unit)], settings.unit == Unit::Pixel});
    options.push_back({kColorFormatKey, kColorFormatValues[static_cast<int>(settings.color_format)],
                       settings.color_format == ColorFormat::Hex});
    options.push_back({kLanguageKey, kLanguageValues[static_cast<int>(settings.language)],
                       settings.language == LanguageChoice::Italian});
    std::string text = updated_section(old_text, text::kSettingsSection, options);
    if (settings.calibration.empty()) return text;
    std::vector<Entry> calibrations;
    for (const auto& [monitor, ppi] : settings.calibration)
        calibrations.push_back({monitor, ppi_value(ppi)});
    return updated_section(text, text::kCalibrationSection, calibrations);
}

}  // namespace vitrelo
