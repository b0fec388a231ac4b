#include "sim/lisp_files.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "lisp/arguments.h"
#include "lisp/file_stream.h"
#include "lisp/interpreter.h"
#include "sim/host.h"

namespace vexa::sim {

namespace {

using lisp::Args;
using lisp::FileStream;
using lisp::ValueKind;
using lisp::ValuePtr;

// Where a relative name is looked for: the current drawing's folder, or C:\ for a drawing that
// has none yet.
std::wstring drawingFolder(const Host& host) {
    const std::optional<VariableValue> prefix = host.variable(L"DWGPREFIX");
    const std::wstring* folder = prefix ? std::get_if<std::wstring>(&*prefix) : nullptr;
    return folder != nullptr && !folder->empty() ? *folder : std::wstring(L"C:\\");
}

// The name as the host reads it: an absolute Windows path of the machine ("\\x" on C:), a host
// path ("/x", as SAVEAS takes them), else a name in the drawing's folder.
std::wstring fullName(const Host& host, const std::wstring& name) {
    const bool drive = name.size() > 2 && name[1] == L':' && (name[2] == L'\\' || name[2] == L'/');
    if (drive || name.starts_with(L"/") || name.starts_with(L"\\\\")) return name;
    if (name.starts_with(L"\\")) return L"C:" + name;
    std::wstring folder = drawingFolder(host);
    if (!folder.ends_with(L'\\') && !folder.ends_with(L'/')) folder += L'\\';
    return folder + name;
}

// The machine's file; nothing for a share or another drive, which the machine does not have.
std::optional<std::filesystem::path> hostFile(Host& host, std::wstring full) {
    if (std::optional<std::filesystem::path> file = host.drives().toHost(full)) return file;
    if (!full.starts_with(L"/")) return std::nullopt;
    std::replace(full.begin(), full.end(), L'\\', L'/');
    return std::filesystem::path(full);
}

std::optional<FileStream::Mode> modeOf(const std::wstring& mode) {
    if (mode == L"r" || mode == L"R") return FileStream::Mode::Read;
    if (mode == L"w" || mode == L"W") return FileStream::Mode::Write;
    if (mode == L"a" || mode == L"A") return FileStream::Mode::Append;
    return std::nullopt;
}

// The file argument at index: an open file, or nothing when the argument is absent or nil.
FileStream* fileArg(const Args& args, std::size_t index) {
    const ValuePtr value = lisp::optionalArg(args, index);
    if (!value) return nullptr;
    if (!value->is(ValueKind::File) || !value->file().isOpen()) lisp::throwBadArgumentType(L"filep", value);
    return &value->file();
}

// A line typed at the command line, for read-line and read-char without a file.
std::wstring typedLine(Host& host) {
    const PromptResult typed = host.promptString(true, nullptr);
    if (typed.status != RTNORM) throw lisp::LispError(L"Function cancelled");
    return typed.text;
}

}  // namespace

void OpenFiles::add(const std::shared_ptr<lisp::FileStream>& file) {
    std::erase_if(files_, [](const auto& weak) { return weak.expired(); });
    files_.push_back(file);
}

std::vector<std::wstring> OpenFiles::closeAll() {
    std::vector<std::wstring> names;
    for (const auto& weak : files_) {
        if (const std::shared_ptr<lisp::FileStream> file = weak.lock(); file && file->isOpen()) {
            names.push_back(file->name());
            file->close();
        }
    }
    files_.clear();
    return names;
}

void defineFileFunctions(lisp::Interpreter& lisp, Host& host) {
    Host* const at = &host;
    lisp.defineExternal(L"findfile", [at](const Args& args) -> ValuePtr {
        lisp::requireArgCount(args, 1, 1);
        const std::wstring& name = lisp::stringArg(args, 0);
        if (name.empty()) return nullptr;
        const std::wstring full = fullName(*at, name);
        const std::optional<std::filesystem::path> file = hostFile(*at, full);
        std::error_code error;
        return file && std::filesystem::exists(*file, error) ? lisp::makeString(full) : nullptr;
    });
    lisp.defineExternal(L"open", [at](const Args& args) -> ValuePtr {
        lisp::requireArgCount(args, 2, 2);
        const std::wstring& name = lisp::stringArg(args, 0);
        const std::optional<FileStream::Mode> mode = modeOf(lisp::stringArg(args, 1));
        if (!mode) lisp::throwBadArgumentValue(L"file mode", args[1]);
        const std::optional<std::filesystem::path> path = name.empty() ? std::nullopt : hostFile(*at, fullName(*at, name));
        if (!path) return nullptr;
        auto file = std::make_shared<FileStream>(name, *path, *mode);
        if (!file->isOpen()) return nullptr;
        at->openFiles().add(file);
        return lisp::makeFile(std::move(file));
    });
    lisp.defineExternal(L"close", [](const Args& args) -> ValuePtr {
        lisp::requireArgCount(args, 1, 1);
        if (!lisp::isKind(args[0], ValueKind::File)) lisp::throwBadArgumentType(L"filep", args[0]);
        args[0]->file().close();
        return nullptr;
    });
    lisp.defineExternal(L"read-line", [at](const Args& args) -> ValuePtr {
        lisp::requireArgCount(args, 0, 1);
        FileStream* file = fileArg(args, 0);
        if (file == nullptr) return lisp::makeString(typedLine(*at));
        const std::optional<std::wstring> line = file->readLine();
        return line ? lisp::makeString(*line) : nullptr;
    });
    lisp.defineExternal(L"read-char", [at](const Args& args) -> ValuePtr {
        lisp::requireArgCount(args, 0, 1);
        FileStream* file = fileArg(args, 0);
        if (file == nullptr) {
            const std::wstring line = typedLine(*at);
            return lisp::makeInteger(line.empty() ? 10 : line.front());
        }
        const std::optional<wchar_t> c = file->readChar();
        return c ? lisp::makeInteger(*c) : nullptr;
    });
    lisp.defineExternal(L"write-line", [at](const Args& args) -> ValuePtr {
        lisp::requireArgCount(args, 1, 2);
        const std::wstring& text = lisp::stringArg(args, 0);
        if (FileStream* file = fileArg(args, 1)) file->write(text + L"\n");
        else at->commandLine().print(text + L"\n");
        return args[0];
    });
    lisp.defineExternal(L"write-char", [at](const Args& args) -> ValuePtr {
        lisp::requireArgCount(args, 1, 2);
        const std::int32_t code = lisp::integerArg(args, 0);
        if (code < 1 || code > 0xFFFF) lisp::throwBadArgumentValue(L"character code", args[0]);
        const std::wstring text(1, static_cast<wchar_t>(code));
        if (FileStream* file = fileArg(args, 1)) file->write(text);
        else at->commandLine().print(text);
        return args[0];
    });
}

}  // namespace vexa::sim
