#pragma once

#include <stdexcept>
#include <string>

namespace sorvik {

// The one base of the program's errors: what() is a Japanese message (UTF-8) for the user, so
// the command that meets it can end with that message and leave the program running.
class Error : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace sorvik

namespace sorvik::engine {

// Failures of the computation.
class EngineError : public Error {
  public:
    using Error::Error;
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
