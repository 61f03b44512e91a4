#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace sorvik::cli {

// A key or caption known when the program is built: checked then to need no escape, and kept in
// quotes, so that a writer copies it in one move.
class JsonName {
  public:
    static constexpr std::size_t kRoom = 32;

    consteval explicit JsonName(std::string_view text) : size_(text.size() + 2) {
        if (size_ > kRoom) {
            throw "a JSON name longer than a JsonName holds";
        }
        quoted_[0] = '"';
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            if (byte < 0x20 || byte == '"' || byte == '\\') {
                throw "a JSON name that needs an escape";
            }
            quoted_[i + 1] = text[i];
        }
        quoted_[text.size() + 1] = '"';
    }

    std::string_view text() const { return {quoted_.data() + 1, size_ - 2}; }
    // The text in its quotes, at the start of kRoom bytes.
    const char* quoted() const { return quoted_.data(); }
    std::size_t quotedSize() const { return size_; }

  private:
    std::array<char, kRoom> quoted_{};
    std::size_t size_;
};

// A string literal as a template argument.
template <std::size_t N>
struct JsonLiteral {
    consteval JsonLiteral(const char (&text)[N]) {  // implicit: made from a literal
        for (std::size_t i = 0; i < N; ++i) {
            chars[i] = text[i];
        }
    }
    constexpr std::string_view view() const { return {chars.data(), N - 1}; }
    std::array<char, N> chars{};
};

// One object for each name, made when the program is built, so a writer copies from it
// directly rather than from a copy made at each use.
template <JsonLiteral S>
inline constexpr JsonName kJsonName{S.view()};

namespace json_names {
template <JsonLiteral S>
constexpr const JsonName& operator""_name() {
    return kJsonName<S>;
}
}  // namespace json_names

}  // namespace sorvik::cli
