// AutoLISP's file functions (findfile, open, read-line, write-line, read-char, write-char,
// close) on the machine's files, and the files a run left open.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace vexa::sim {

class Host;
namespace lisp {
class FileStream;
class Interpreter;
}  // namespace lisp

// The files (open ...) made, so that the end of a run can close those still open.
class OpenFiles {
public:
    void add(const std::shared_ptr<lisp::FileStream>& file);
    // Closes every file still open; their names, in the order they were opened.
    std::vector<std::wstring> closeAll();

private:
    std::vector<std::weak_ptr<lisp::FileStream>> files_;
};

void defineFileFunctions(lisp::Interpreter& lisp, Host& host);

}  // namespace vexa::sim
