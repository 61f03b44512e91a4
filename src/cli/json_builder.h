#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include "cli/json_name.h"

namespace sorvik::cli {

// A writer (see chart_json.h) that builds the value with the JSON library.
class JsonBuilder {
  public:
    void beginObject() { frames_.push_back({true, {}, {}, takeKey()}); }
    void beginArray() { frames_.push_back({false, {}, {}, takeKey()}); }
    void endObject() { end(); }
    void endArray() { end(); }
    void key(std::string_view key) { key_ = QString::fromUtf8(key.data(), qsizetype(key.size())); }
    void key(const JsonName& name) { key(name.text()); }
    void value(int number) { add(number); }
    void value(std::string_view text) {
        add(QString::fromUtf8(text.data(), qsizetype(text.size())));
    }
    void value(const JsonName& name) { value(name.text()); }
    template <typename Range>
    void intArray(const Range& numbers) {
        beginArray();
        for (const auto number : numbers) {
            value(static_cast<int>(number));
        }
        endArray();
    }

    // The finished top-level value.
    const QJsonValue& result() const { return result_; }

  private:
    struct Frame {
        bool isObject;
        QJsonObject object;
        QJsonArray array;
        QString keyInParent;
    };

    QString takeKey() { return std::exchange(key_, QString()); }

    void add(const QJsonValue& value) {
        if (frames_.empty()) {
            result_ = value;
            return;
        }
        Frame& top = frames_.back();
        if (top.isObject) {
            top.object.insert(takeKey(), value);
        } else {
            top.array.append(value);
        }
    }

    void end() {
        Frame done = std::move(frames_.back());
        frames_.pop_back();
        key_ = done.keyInParent;
        add(done.isObject ? QJsonValue(done.object) : QJsonValue(done.array));
    }

    std::vector<Frame> frames_;
    QString key_;
    QJsonValue result_;
};

}  // namespace sorvik::cli
