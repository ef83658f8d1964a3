#pragma once

#include <stdexcept>
#include <string>

namespace corvanta {

// A failure the operator must be told about; what() is the message shown.
class UserError : public std::runtime_error {
  public:
    explicit UserError(const std::string& message, std::string title = "Corvanta 2008")
        : std::runtime_error(message), title_(std::move(title)) {}
    [[nodiscard]] const std::string& title() const { return title_; }

  private:
    std::string title_;
};

// A file that could not be read or written; the message names the file.
class FileError : public UserError {
  public:
    FileError(const std::string& message, std::string fileName)
        : UserError(message), fileName_(std::move(fileName)) {}
    [[nodiscard]] const std::string& fileName() const { return fileName_; }

  private:
    std::string fileName_;
};

}  // namespace corvanta
