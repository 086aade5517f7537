#include "tools/assets/json.h"

#include <cstdio>
#include <cstdlib>

namespace assetkit {
namespace {

constexpr int kDeepest = 32;

class Parser {
public:
    explicit Parser(const std::string& text) : text_(text) {}

    bool Document(JsonValue* value, std::string* error) {
        if (!Value(value, 0) || (SkipSpace(), at_ != text_.size())) {
            *error = (why_.empty() ? std::string("unexpected text") : why_) + " at byte " + std::to_string(at_);
            return false;
        }
        return true;
    }

private:
    bool Fail(const char* why) {
        if (why_.empty()) why_ = why;
        return false;
    }

    // Consumes a closing bracket.
    bool Take() {
        ++at_;
        return true;
    }

    void SkipSpace() {
        while (at_ < text_.size() &&
               (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\r' || text_[at_] == '\t')) {
            ++at_;
        }
    }

    bool Literal(const char* word) {
        const std::string w(word);
        if (text_.compare(at_, w.size(), w) != 0) return Fail("unknown word");
        at_ += w.size();
        return true;
    }

    bool Value(JsonValue* value, int depth) {
        if (depth > kDeepest) return Fail("nested too deeply");
        SkipSpace();
        if (at_ >= text_.size()) return Fail("the text ends early");
        const char c = text_[at_];
        if (c == '{') return Object(value, depth);
        if (c == '[') return Array(value, depth);
        if (c == '"') {
            value->kind = JsonValue::Kind::kString;
            return String(&value->text);
        }
        if (c == 't' || c == 'f') {
            value->kind = JsonValue::Kind::kBool;
            value->boolean = c == 't';
            return Literal(c == 't' ? "true" : "false");
        }
        if (c == 'n') return Literal("null");
        return Number(value);
    }

    bool Number(JsonValue* value) {
        const size_t start = at_;
        if (at_ < text_.size() && text_[at_] == '-') ++at_;
        while (at_ < text_.size() && std::string("0123456789.eE+-").find(text_[at_]) != std::string::npos) ++at_;
        const std::string digits = text_.substr(start, at_ - start);
        char* end = nullptr;
        value->number = std::strtod(digits.c_str(), &end);
        if (digits.empty() || end != digits.c_str() + digits.size()) return Fail("not a number");
        value->kind = JsonValue::Kind::kNumber;
        return true;
    }

    static void AppendUtf8(std::string* out, uint32_t code) {
        if (code < 0x80) {
            out->push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out->push_back(static_cast<char>(0xC0 | code >> 6));
            out->push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out->push_back(static_cast<char>(0xE0 | code >> 12));
            out->push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out->push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }

    bool String(std::string* out) {
        ++at_;  // the opening quote
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return Fail("a control character in a string");
            if (c != '\\') {
                out->push_back(c);
                continue;
            }
            if (at_ >= text_.size()) break;
            const char e = text_[at_++];
            const std::string simple = "\"\\/bfnrt", meaning = "\"\\/\b\f\n\r\t";
            if (const size_t k = simple.find(e); k != std::string::npos) {
                out->push_back(meaning[k]);
            } else if (e == 'u' && at_ + 4 <= text_.size()) {
                char* end = nullptr;
                const std::string hex = text_.substr(at_, 4);
                const unsigned long code = std::strtoul(hex.c_str(), &end, 16);
                if (end != hex.c_str() + 4) return Fail("a damaged \\u escape");
                AppendUtf8(out, static_cast<uint32_t>(code));
                at_ += 4;
            } else {
                return Fail("an unknown escape");
            }
        }
        return Fail("a string without its closing quote");
    }

    bool Array(JsonValue* value, int depth) {
        value->kind = JsonValue::Kind::kArray;
        ++at_;
        SkipSpace();
        if (at_ < text_.size() && text_[at_] == ']') return Take();
        while (true) {
            value->items.emplace_back();
            if (!Value(&value->items.back(), depth + 1)) return false;
            SkipSpace();
            if (at_ < text_.size() && text_[at_] == ',') {
                ++at_;
                continue;
            }
            if (at_ < text_.size() && text_[at_] == ']') return Take();
            return Fail("expected , or ]");
        }
    }

    bool Object(JsonValue* value, int depth) {
        value->kind = JsonValue::Kind::kObject;
        ++at_;
        SkipSpace();
        if (at_ < text_.size() && text_[at_] == '}') return Take();
        while (true) {
            SkipSpace();
            if (at_ >= text_.size() || text_[at_] != '"') return Fail("expected a key");
            std::string key;
            if (!String(&key)) return false;
            SkipSpace();
            if (at_ >= text_.size() || text_[at_] != ':') return Fail("expected :");
            ++at_;
            value->members.push_back({std::move(key), JsonValue{}});
            if (!Value(&value->members.back().value, depth + 1)) return false;
            SkipSpace();
            if (at_ < text_.size() && text_[at_] == ',') {
                ++at_;
                continue;
            }
            if (at_ < text_.size() && text_[at_] == '}') return Take();
            return Fail("expected , or }");
        }
    }

    const std::string& text_;
    size_t at_ = 0;
    std::string why_;
};

}  // namespace

const JsonValue* JsonValue::Find(const std::string& key) const {
    for (const JsonMember& member : members) {
        if (member.key == key) return &member.value;
    }
    return nullptr;
}

bool ParseJson(const std::string& text, JsonValue* value, std::string* error) {
    JsonValue parsed;
    if (!Parser(text).Document(&parsed, error)) return false;
    *value = std::move(parsed);
    return true;
}

std::string JsonQuoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace assetkit
