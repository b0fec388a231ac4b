#include "lisp/file_stream.h"

#include "lisp/utf8.h"

namespace vexa::sim::lisp {

namespace {

std::ios::openmode openMode(FileStream::Mode mode) {
    switch (mode) {
    case FileStream::Mode::Read: return std::ios::in | std::ios::binary;
    case FileStream::Mode::Write: return std::ios::out | std::ios::trunc | std::ios::binary;
    case FileStream::Mode::Append: return std::ios::out | std::ios::app | std::ios::binary;
    }
    return std::ios::in;
}

}  // namespace

FileStream::FileStream(std::wstring name, const std::filesystem::path& path, Mode mode)
    : name_(std::move(name)), mode_(mode) {
    // A folder opens as a stream on Linux; Windows refuses it.
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return;
    stream_.open(path, openMode(mode));
}

std::optional<char32_t> FileStream::nextCodePoint() {
    const int lead = stream_.get();
    if (lead == std::char_traits<char>::eof()) return std::nullopt;
    std::string bytes(1, static_cast<char>(lead));
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    for (int i = 0; i < extra && stream_.peek() != std::char_traits<char>::eof(); ++i) bytes += static_cast<char>(stream_.get());
    const std::wstring decoded = decodeUtf8(bytes);
    return decoded.empty() ? U'\uFFFD' : static_cast<char32_t>(decoded.front());
}

std::optional<wchar_t> FileStream::readChar() {
    if (!reading() || !isOpen()) return std::nullopt;
    std::optional<char32_t> c = nextCodePoint();
    if (c && *c == U'\r') {
        if (stream_.peek() == '\n') stream_.get();
        return L'\n';
    }
    if (!c) return std::nullopt;
    return static_cast<wchar_t>(*c);
}

std::optional<std::wstring> FileStream::readLine() {
    std::optional<wchar_t> c = readChar();
    if (!c) return std::nullopt;
    std::wstring line;
    for (; c && *c != L'\n'; c = readChar()) line += *c;
    return line;
}

void FileStream::write(std::wstring_view text) {
    if (reading() || !isOpen()) return;
    std::wstring windows;
    for (wchar_t c : text) {
        if (c == L'\n') windows += L'\r';
        windows += c;
    }
    const std::string bytes = encodeUtf8(windows);
    stream_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    stream_.flush();
}

}  // namespace vexa::sim::lisp
