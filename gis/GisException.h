#pragma once
// EGIS_Exception: the engine's one exception. Its text is the catalogue's
// template for the error, filled in with the offending value (one text, one
// number), so it reads in the language the catalogue holds at the time. A
// caller that must tell errors apart uses the error code and the arguments
// instead, which do not change with the language.

#include <cstdint>
#include <exception>
#include <optional>
#include <string>

class EGIS_Exception : public std::exception {
public:
  // The message is the template formatted with the text (for %s) and then the
  // number (for %d); a template that cannot be formatted becomes the message
  // as it stands. The error code is the number in the first three characters.
  EGIS_Exception(const std::string& messageTemplate, const std::string& textArgument,
                 std::int32_t numberArgument);

  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& Message() const { return message_; }
  std::int32_t ErrorCode() const { return errorCode_; }
  const std::string& TextArgument() const { return textArgument_; }
  std::int32_t NumberArgument() const { return numberArgument_; }

private:
  std::string message_;
  std::int32_t errorCode_;
  std::string textArgument_;
  std::int32_t numberArgument_;
};

// Formats a template the way the runtime's Format does with the argument list
// (text, number): "%" [index ":"] ["-"] [width] ["." precision] type, where
// each directive takes the next argument and must match its type (s for the
// text; d, u, x for the number); "%%" is a percent sign. Returns nothing when
// the template is malformed or a directive does not fit its argument.
std::optional<std::string> GisFormatMessage(const std::string& messageTemplate,
                                            const std::string& textArgument,
                                            std::int32_t numberArgument);

// Raising helpers: pass the catalogue variable itself, so the text current at
// raise time is used.
[[noreturn]] void GisRaise(const std::string& messageTemplate, const std::string& textArgument = {},
                           std::int32_t numberArgument = 0);
// The offending coordinate goes into the text argument in the general
// 15-digit format of the number-text conventions.
[[noreturn]] void GisRaiseValue(const std::string& messageTemplate, double value);
