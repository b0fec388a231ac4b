#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace vexa::sim::lisp {

// An AutoLISP runtime or syntax error; message() is the text AutoLISP shows after "; error: ".
class LispError : public std::exception {
public:
    explicit LispError(std::wstring message);

    const std::wstring& message() const noexcept { return message_; }
    const char* what() const noexcept override { return narrowMessage_.c_str(); }

private:
    std::wstring message_;
    std::string narrowMessage_;  // ASCII rendering for what(); non-ASCII becomes '?'
};

}  // namespace vexa::sim::lisp
