#include "json.h"

#include <cstdio>

namespace sorvik::cli {

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += c;  // UTF-8 passes through unchanged
                }
        }
    }
    return out + "\"";
}

JsonObject& JsonObject::add(std::string key, std::string rawJson) {
    members_.emplace_back(std::move(key), std::move(rawJson));
    return *this;
}

std::string JsonObject::str() const {
    std::string out = "{";
    for (std::size_t i = 0; i < members_.size(); ++i) {
        out += (i ? ", " : "") + jsonString(members_[i].first) + ": " + members_[i].second;
    }
    return out + "}";
}

std::string jsonArray(const std::vector<std::string>& rawValues) {
    std::string out = "[";
    for (std::size_t i = 0; i < rawValues.size(); ++i) {
        out += (i ? ", " : "") + rawValues[i];
    }
    return out + "]";
}

}  // namespace sorvik::cli
