#include "text_object.h"

namespace sorvik::cli {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The code points the library might keep otherwise than their UTF-8 says: none of a plain line.
bool isPlain(char32_t c) {
    const bool nonCharacter = (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE;
    return c != 0 && c != 0xFEFF && !nonCharacter && c <= 0x10FFFF;
}

void appendUtf8(std::string& out, char32_t c) {
    const auto byte = [&out](char32_t b) { out += static_cast<char>(b); };
    if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | c >> 6);
        byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        byte(0xE0 | c >> 12);
        byte(0x80 | (c >> 6 & 0x3F));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xF0 | c >> 18);
        byte(0x80 | (c >> 12 & 0x3F));
        byte(0x80 | (c >> 6 & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
}

class Reader {
  public:
    explicit Reader(std::string_view text) : at_(text.data()), end_(text.data() + text.size()) {}

    // The character after any blanks, taken when it is c.
    bool take(char c) {
        skipSpace();
        if (at_ < end_ && *at_ == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool atEnd() {
        skipSpace();
        return at_ == end_;
    }

    // A text in quotes, unescaped.
    bool text(std::string& out) {
        if (!take('"')) {
            return false;
        }
        while (at_ < end_) {
            const char* run = at_;  // of bytes that stand for themselves
            while (at_ < end_ && isPlainAscii(*at_)) {
                ++at_;
            }
            out.append(run, at_);
            if (at_ == end_) {
                break;
            }
            const auto byte = static_cast<unsigned char>(*at_);
            if (byte == '"') {
                ++at_;
                return true;
            }
            if (byte == '\\' ? !escape(out) : !utf8Character(out)) {
                return false;
            }
        }
        return false;
    }

  private:
    static bool isPlainAscii(char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\';
    }

    void skipSpace() {
        while (at_ < end_ && isSpace(*at_)) {
            ++at_;
        }
    }

    bool escape(std::string& out) {
        ++at_;  // the backslash
        if (at_ == end_) {
            return false;
        }
        constexpr std::string_view kFrom = "\"\\/bfnrt";
        constexpr std::string_view kTo = "\"\\/\b\f\n\r\t";
        const char c = *at_++;
        if (const std::size_t i = kFrom.find(c); i != std::string_view::npos) {
            out += kTo[i];
            return true;
        }
        char32_t unit = 0;
        if (c != 'u' || !hex4(unit)) {
            return false;
        }
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            char32_t low = 0;
            if (end_ - at_ < 2 || at_[0] != '\\' || at_[1] != 'u') {
                return false;
            }
            at_ += 2;
            if (!hex4(low) || low < 0xDC00 || low > 0xDFFF) {
                return false;
            }
            unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            return false;
        }
        if (!isPlain(unit)) {
            return false;
        }
        appendUtf8(out, unit);
        return true;
    }

    bool hex4(char32_t& unit) {
        if (end_ - at_ < 4) {
            return false;
        }
        for (int i = 0; i < 4; ++i) {
            const char c = *at_++;
            int digit = 0;
            if (c >= '0' && c <= '9') {
                digit = c - '0';
            } else if (c >= 'a' && c <= 'f') {
                digit = c - 'a' + 10;
            } else if (c >= 'A' && c <= 'F') {
                digit = c - 'A' + 10;
            } else {
                return false;
            }
            unit = unit << 4 | static_cast<char32_t>(digit);
        }
        return true;
    }

    // One character of two to four bytes, in its shortest form.
    bool utf8Character(std::string& out) {
        const auto lead = static_cast<unsigned char>(*at_);
        int more = 0;
        char32_t c = 0;
        char32_t least = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            more = 1, c = lead & 0x1F, least = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            more = 2, c = lead & 0x0F, least = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            more = 3, c = lead & 0x07, least = 0x10000;
        } else {
            return false;
        }
        if (end_ - at_ <= more) {
            return false;
        }
        for (int i = 1; i <= more; ++i) {
            const auto next = static_cast<unsigned char>(at_[i]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            c = c << 6 | (next & 0x3F);
        }
        if (c < least || (c >= 0xD800 && c <= 0xDFFF) || !isPlain(c)) {
            return false;
        }
        out.append(at_, static_cast<std::size_t>(more + 1));
        at_ += more + 1;
        return true;
    }

    const char* at_;
    const char* end_;
};

}  // namespace

std::optional<std::vector<TextMember>> readTextObject(std::string_view text) {
    Reader reader(text);
    if (!reader.take('{')) {
        return std::nullopt;
    }
    std::vector<TextMember> members;
    do {
        TextMember& member = members.emplace_back();
        if (!reader.text(member.first) || !reader.take(':') || !reader.text(member.second)) {
            return std::nullopt;
        }
    } while (reader.take(','));
    if (!reader.take('}') || !reader.atEnd()) {
        return std::nullopt;
    }
    return members;
}

}  // namespace sorvik::cli
