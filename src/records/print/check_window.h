#pragma once

#include <string>

namespace corvanta {

// The check window's fields as text, and the words the check face prints. The face prints
// AmountWords, so an edit of txtDollars never reaches the paper.
struct CheckWindow {
    std::string txtCheckDate;
    std::string txtPayTo;
    std::string txtCheckAmt;
    std::string txtDollars;
    std::string txtUserName;
    std::string txtUserAddress;
    std::string txtUserState;
    std::string txtUserSSnum;
    std::string txtMemo;
    std::string txtCheckCompany;
    std::string AmountWords;
    // The check's number from the register, printed beside the date; empty prints none.
    std::string checkNumber;
    bool loaded = false;  // the window's load has run
};

}  // namespace corvanta
