#include "sim/win/ole32/page_loader.h"

#include <curl/curl.h>

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "lisp/utf8.h"
#include "sim/host.h"
#include "sim/win/ole32/resource_url.h"

namespace vexa::sim::win {

namespace {

constexpr std::uintmax_t kLargestPage = 16u << 20;

LoadedPage failed(std::wstring why) { return {false, {}, std::move(why)}; }

// The module a res:// address names: by its full Windows path, or by its file name alone.
const PluginModule* moduleNamed(Host& host, const std::wstring& module) {
    const std::size_t separator = module.find_last_of(L"\\/");
    const std::wstring file = separator == std::wstring::npos ? module : module.substr(separator + 1);
    const std::wstring stem = std::filesystem::path(file).stem().wstring();
    const PluginModule* plugin = host.plugin(stem);
    if (plugin == nullptr || separator == std::wstring::npos) return plugin;
    const std::wstring path = host.drives().toWindows(std::filesystem::absolute(plugin->path()));
    std::wstring given = module;
    std::replace(given.begin(), given.end(), L'/', L'\\');
    return foldCase(path) == foldCase(given) ? plugin : nullptr;
}

LoadedPage loadResource(Host& host, const std::wstring& address) {
    const std::optional<ResourceUrl> url = parseResourceUrl(address);
    if (!url) return failed(L"the address names no resource");
    const PluginModule* module = moduleNamed(host, url->module);
    if (module == nullptr) return failed(L"no loaded module \"" + url->module + L"\"");
    const auto bytes = host.windows().resources().find(module->instance(), url->type, url->name);
    if (!bytes) return failed(L"the module has no resource " + url->name.describe());
    return {true, std::string(bytes->begin(), bytes->end()), {}};
}

int hexValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

// %XX escapes are UTF-8 bytes.
std::wstring percentDecoded(std::wstring_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            bytes += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            bytes += lisp::encodeUtf8(std::wstring_view(&text[i], 1));
        }
    }
    return lisp::decodeUtf8(bytes);
}

LoadedPage loadFile(Host& host, const std::wstring& windowsPath) {
    const std::optional<std::filesystem::path> file = host.drives().toHost(windowsPath);
    std::error_code error;
    if (!file || !std::filesystem::is_regular_file(*file, error)) return failed(L"no file \"" + windowsPath + L"\"");
    if (std::filesystem::file_size(*file, error) > kLargestPage) return failed(L"the file is too large");
    std::ifstream in(*file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in && !in.eof()) return failed(L"the file cannot be read");
    return {true, std::move(bytes), {}};
}

std::size_t collect(char* data, std::size_t size, std::size_t count, void* sink) {
    auto* page = static_cast<std::string*>(sink);
    if (page->size() + size * count > kLargestPage) return 0;
    page->append(data, size * count);
    return size * count;
}

LoadedPage loadHttp(const std::wstring& address) {
    CURL* curl = curl_easy_init();
    if (curl == nullptr) return failed(L"the network is not available");
    std::string bytes;
    const std::string url = lisp::encodeUtf8(address);
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 10L);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 30L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &bytes);
    const CURLcode result = curl_easy_perform(curl);
    curl_easy_cleanup(curl);
    if (result != CURLE_OK) return failed(lisp::decodeUtf8(curl_easy_strerror(result)));
    return {true, std::move(bytes), {}};
}

bool isDrivePath(std::wstring_view text) {
    return text.size() >= 3 && std::iswalpha(static_cast<wint_t>(text[0])) && text[1] == L':' &&
           (text[2] == L'\\' || text[2] == L'/');
}

}  // namespace

LoadedPage loadPage(Host& host, const std::wstring& address) {
    if (startsWithFolded(address, L"res://")) return loadResource(host, address);
    if (startsWithFolded(address, L"http://") || startsWithFolded(address, L"https://")) return loadHttp(address);
    if (startsWithFolded(address, L"file:")) {
        std::wstring_view rest = std::wstring_view(address).substr(5);
        while (rest.starts_with(L'/')) rest.remove_prefix(1);
        return loadFile(host, percentDecoded(rest));
    }
    if (isDrivePath(address)) return loadFile(host, address);
    return failed(L"the address is not one the browser can open");
}

}  // namespace vexa::sim::win
