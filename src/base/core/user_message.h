#pragma once

#include <functional>
#include <string>

namespace corvanta {

enum class MessageIcon { None, Exclamation, Information, Critical };

// A message box: its lines are joined with CR LF in text.
struct UserMessage {
    std::string text;
    std::string title = "Corvanta 2008";
    MessageIcon icon = MessageIcon::Exclamation;
};

using MessageHandler = std::function<void(const UserMessage&)>;

}  // namespace corvanta
