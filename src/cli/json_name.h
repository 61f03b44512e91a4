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

namespace json_names {
consteval JsonName operator""_name(const char* text, std::size_t size) {
    return JsonName(std::string_view(text, size));
}
}  // namespace json_names

}  // namespace sorvik::cli
