#pragma once

#include <string_view>

#include <QString>

namespace sorvik {

// The engine's UTF-8 texts as Qt texts, at the edge where they are shown or written.
inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace sorvik
