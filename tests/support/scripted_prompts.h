#pragma once

#include <deque>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "session/files/session.h"

namespace corvanta::testing {

// Answers the prompts from a script, recording every question and message; an unscripted
// save window answers "&No". The one scripted set of answers of every test.
class ScriptedPrompts : public SessionPrompts {
  public:
    std::deque<bool> yesNo;
    std::deque<std::optional<std::string>> texts;
    std::deque<SaveWindowAnswer> saveWindows;
    std::deque<std::optional<std::filesystem::path>> files;
    std::vector<UserMessage> messages;

    bool askYesNo(const std::string& title, const std::string& text) override {
        asked.push_back(text);
        questions.push_back(title + "|" + text);
        return take(yesNo, false);
    }
    std::optional<std::string> askText(const std::string&, const std::string& prompt) override {
        asked.push_back(prompt);
        return take(texts, std::optional<std::string>{});
    }
    SaveWindowAnswer showSaveWindow(const std::string& name) override {
        shownNames.push_back(name);
        return take(saveWindows, SaveWindowAnswer{SaveChoice::No, name});
    }
    std::optional<std::filesystem::path> chooseFile(const std::string&) override {
        return take(files, std::optional<std::filesystem::path>{});
    }
    void showMessage(const UserMessage& m) override { messages.push_back(m); }

    std::vector<std::string> asked;
    std::vector<std::string> questions;  // "title|text" of every yes/no question
    std::vector<std::string> shownNames;

  private:
    template <typename T>
    static T take(std::deque<T>& q, T fallback) {
        if (q.empty()) return fallback;
        T v = q.front();
        q.pop_front();
        return v;
    }
};

// Makes each employee as a clerk does with New, typing her name, in a session of its own.
inline void makeWithNew(const std::filesystem::path& folder,
                        std::initializer_list<const char*> names) {
    for (const char* name : names) {
        PayrollContext ctx;
        ctx.folder = folder;
        ctx.durableWrites = false;
        ScriptedPrompts p;
        p.texts = {std::string(name)};
        Session(ctx, p, [] { return std::string("1/4/2008"); }).New();
    }
}

}  // namespace corvanta::testing
