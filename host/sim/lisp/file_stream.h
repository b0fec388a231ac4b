// A file that (open ...) opened: text in UTF-8, lines ended by CR LF as Windows writes them.
#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace vexa::sim::lisp {

class FileStream {
public:
    enum class Mode { Read, Write, Append };

    // Check isOpen() after construction: a missing file or folder leaves it closed.
    FileStream(std::wstring name, const std::filesystem::path& path, Mode mode);

    const std::wstring& name() const { return name_; }
    bool isOpen() const { return stream_.is_open(); }
    bool reading() const { return mode_ == Mode::Read; }
    void close() { stream_.close(); }

    // The next line without its end; nothing at the end of the file.
    std::optional<std::wstring> readLine();
    // The next character, a line end as 10; nothing at the end of the file.
    std::optional<wchar_t> readChar();
    // Line ends in the text are written as CR LF.
    void write(std::wstring_view text);

private:
    std::optional<char32_t> nextCodePoint();

    std::wstring name_;
    Mode mode_;
    std::fstream stream_;
};

}  // namespace vexa::sim::lisp
