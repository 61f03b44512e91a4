#pragma once

#include <stdexcept>
#include <string>

namespace sorvik::engine {

// Failures of the computation; what() is a Japanese message (UTF-8) for the user.
class EngineError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A table cell or a text that should hold a number and does not.
class ConversionError : public EngineError {
  public:
    using EngineError::EngineError;
};

// A date that the calendar table cannot convert.
class CalendarError : public EngineError {
  public:
    using EngineError::EngineError;
};

}  // namespace sorvik::engine
