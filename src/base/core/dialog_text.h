#pragma once

#include <string>

namespace corvanta {

// The number in a dialog box. A box that is not a number throws UserError with the dialog's
// own message, so nothing is taken over from a half-checked dialog.
float boxNumber(const std::string& text, const char* message);

// A blank box takes the value's text.
void fillBlank(std::string& box, float value);

// The messages of the settings dialogs.
inline constexpr const char* kNotNumeralMessage = "You have entered a NON numerial.";
inline constexpr const char* kCheckNumbersMessage =
    "Check your numbers\r\nNo blanks\r\nOnly numbers";

}  // namespace corvanta
