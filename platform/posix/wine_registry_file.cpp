#include "wine_registry_file.h"

#include <cstdint>
#include <vector>

namespace platform::detail {
namespace {

char FoldCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// One form for comparing key paths: separators single, none at either end, ASCII lower case.
std::string CanonicalKey(std::string_view path) {
    std::string canonical;
    for (char c : path) {
        if (c == '\\') {
            if (!canonical.empty() && canonical.back() != '\\') canonical += '\\';
        } else {
            canonical += FoldCase(c);
        }
    }
    if (!canonical.empty() && canonical.back() == '\\') canonical.pop_back();
    return canonical;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Wine writes characters above 127 as UTF-16 code units (\x30b2); they become UTF-8 here, the
// Linux narrow encoding, with surrogate pairs joined and strays replaced by U+FFFD.
class Utf8Writer {
public:
    explicit Utf8Writer(std::string* out) : out_(out) {}
    ~Utf8Writer() { Flush(); }
    Utf8Writer(const Utf8Writer&) = delete;
    Utf8Writer& operator=(const Utf8Writer&) = delete;

    void Byte(char c) {
        Flush();
        *out_ += c;
    }
    void Unit(uint32_t unit) {
        if (unit >= 0xDC00 && unit <= 0xDFFF && highSurrogate_ != 0) {
            Code(0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00));
            highSurrogate_ = 0;
            return;
        }
        Flush();
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            highSurrogate_ = unit;
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            Code(0xFFFD);
        } else {
            Code(unit);
        }
    }

private:
    void Flush() {
        if (highSurrogate_ != 0) Code(0xFFFD);
        highSurrogate_ = 0;
    }
    void Code(uint32_t code) {
        if (code < 0x80) {
            *out_ += static_cast<char>(code);
        } else if (code < 0x800) {
            *out_ += static_cast<char>(0xC0 | (code >> 6));
            *out_ += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            *out_ += static_cast<char>(0xE0 | (code >> 12));
            *out_ += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            *out_ += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            *out_ += static_cast<char>(0xF0 | (code >> 18));
            *out_ += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            *out_ += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            *out_ += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    std::string* out_;
    uint32_t highSurrogate_ = 0;
};

// Decodes Wine's escaped text from text[pos] up to the unescaped terminator. Returns the position
// after the terminator, or npos when the text ends first.
size_t DecodeEscaped(std::string_view text, size_t pos, char terminator, std::string* out) {
    Utf8Writer writer(out);
    while (pos < text.size()) {
        char c = text[pos++];
        if (c == terminator) return pos;
        if (c != '\\' || pos >= text.size()) {
            writer.Byte(c);
            continue;
        }
        c = text[pos++];
        switch (c) {
            case 'a':
                writer.Byte('\a');
                break;
            case 'b':
                writer.Byte('\b');
                break;
            case 'e':
                writer.Byte('\x1b');
                break;
            case 'f':
                writer.Byte('\f');
                break;
            case 'n':
                writer.Byte('\n');
                break;
            case 'r':
                writer.Byte('\r');
                break;
            case 't':
                writer.Byte('\t');
                break;
            case 'v':
                writer.Byte('\v');
                break;
            case 'x': {
                uint32_t unit = 0;
                int digits = 0;
                for (; digits < 4 && pos < text.size() && HexDigit(text[pos]) >= 0; ++digits) {
                    unit = unit * 16 + static_cast<uint32_t>(HexDigit(text[pos++]));
                }
                if (digits == 0)
                    writer.Byte('x');
                else
                    writer.Unit(unit);
                break;
            }
            default:
                if (c >= '0' && c <= '7') {
                    uint32_t unit = static_cast<uint32_t>(c - '0');
                    for (int digits = 1; digits < 3 && pos < text.size() && text[pos] >= '0' && text[pos] <= '7';
                         ++digits) {
                        unit = unit * 8 + static_cast<uint32_t>(text[pos++] - '0');
                    }
                    writer.Unit(unit);
                } else {
                    writer.Byte(c);
                }
        }
    }
    return std::string_view::npos;
}

bool StartsWith(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }

// "hex:01,02,..." or "hex(3):..." with the line breaks already joined.
bool DecodeHexBytes(std::string_view data, std::string* out) {
    size_t colon = data.find(':');
    if (colon == std::string_view::npos) return false;
    int high = -1;
    for (char c : data.substr(colon + 1)) {
        int digit = HexDigit(c);
        if (digit >= 0) {
            if (high < 0) {
                high = digit;
            } else {
                *out += static_cast<char>(high * 16 + digit);
                high = -1;
            }
        } else if (c == ',' || c == ' ' || c == '\t') {
            if (high >= 0) *out += static_cast<char>(high);
            high = -1;
        } else {
            return false;
        }
    }
    if (high >= 0) *out += static_cast<char>(high);
    return true;
}

bool DecodeDword(std::string_view data, std::string* out) {
    data.remove_prefix(6);  // "dword:"
    if (data.empty() || data.size() > 8) return false;
    uint32_t value = 0;
    for (char c : data) {
        if (HexDigit(c) < 0) return false;
        value = value * 16 + static_cast<uint32_t>(HexDigit(c));
    }
    for (int i = 0; i < 4; ++i) *out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return true;
}

bool DecodeValue(std::string_view data, std::string* out) {
    if (StartsWith(data, "str(")) {
        size_t colon = data.find(':');
        if (colon == std::string_view::npos) return false;
        data.remove_prefix(colon + 1);
    }
    if (StartsWith(data, "\"")) {
        if (DecodeEscaped(data, 1, '"', out) == std::string_view::npos) return false;
        *out += '\0';
        return true;
    }
    if (StartsWith(data, "dword:")) return DecodeDword(data, out);
    if (StartsWith(data, "hex")) return DecodeHexBytes(data, out);
    return false;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    return text;
}

}  // namespace

WineRegistryLookup FindWineRegistryKey(std::string_view fileText, std::string_view keyPath) {
    WineRegistryLookup lookup;
    const std::string target = CanonicalKey(keyPath);
    lookup.keyFound = target.empty();
    const std::vector<std::string_view> lines = SplitLines(fileText);
    bool inTarget = false;
    bool targetSeen = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if (StartsWith(line, "[")) {
            std::string name;
            if (DecodeEscaped(line, 1, ']', &name) == std::string_view::npos) {
                inTarget = false;
                continue;
            }
            const std::string key = CanonicalKey(name);
            inTarget = key == target && !targetSeen;
            targetSeen = targetSeen || inTarget;
            if (key == target ||
                (StartsWith(key, target) && key.size() > target.size() && key[target.size()] == '\\')) {
                lookup.keyFound = true;
            }
            continue;
        }
        if (!inTarget || lookup.hasDefaultValue || !StartsWith(line, "@=")) continue;
        std::string data(line.substr(2));
        // Long binary values go on over following lines, each break marked by a backslash.
        while (!data.empty() && data.back() == '\\' && StartsWith(data, "hex") && i + 1 < lines.size()) {
            data.pop_back();
            data += TrimLeft(lines[++i]);
        }
        std::string value;
        if (DecodeValue(data, &value)) {
            lookup.hasDefaultValue = true;
            lookup.defaultValue = std::move(value);
        }
    }
    return lookup;
}

}  // namespace platform::detail
