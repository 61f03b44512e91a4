#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sorvik::cli {

// A small writer for the command line's output: members keep the order they are added in.
std::string jsonString(std::string_view text);

class JsonObject {
  public:
    JsonObject& add(std::string key, std::string rawJson);
    JsonObject& add(std::string key, int value) {
        return add(std::move(key), std::to_string(value));
    }
    JsonObject& addText(std::string key, std::string_view text) {
        return add(std::move(key), jsonString(text));
    }
    std::string str() const;

  private:
    std::vector<std::pair<std::string, std::string>> members_;
};

// An array of already written values.
std::string jsonArray(const std::vector<std::string>& rawValues);

template <typename Range>
std::string jsonIntArray(const Range& values) {
    std::vector<std::string> raw;
    for (const auto& v : values) {
        raw.push_back(std::to_string(v));
    }
    return jsonArray(raw);
}

template <typename Range>
std::string jsonTextArray(const Range& values) {
    std::vector<std::string> raw;
    for (const auto& v : values) {
        raw.push_back(jsonString(v));
    }
    return jsonArray(raw);
}

}  // namespace sorvik::cli
