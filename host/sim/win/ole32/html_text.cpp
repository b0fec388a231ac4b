#include "sim/win/ole32/html_text.h"

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <array>
#include <climits>
#include <cwctype>
#include <memory>

#include "lisp/utf8.h"

namespace vexa::sim::win {

namespace {

struct DocumentRelease {
    void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};

bool named(const xmlNode* node, std::string_view name) {
    return node->name != nullptr && name == reinterpret_cast<const char*>(node->name);
}

bool isBlock(const xmlNode* node) {
    static constexpr std::array<std::string_view, 22> blocks = {
        "p", "div", "br", "h1", "h2", "h3", "h4", "h5", "h6", "li", "tr", "table",
        "ul", "ol", "hr", "pre", "blockquote", "dt", "dd", "section", "article", "body"};
    for (std::string_view block : blocks) {
        if (named(node, block)) return true;
    }
    return false;
}

// Collects the text with runs of white space made one space, as a browser renders it.
class TextCollector {
public:
    void walk(const xmlNode* node) {
        for (; node != nullptr; node = node->next) {
            if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE) {
                add(lisp::decodeUtf8(reinterpret_cast<const char*>(node->content)));
            } else if (node->type == XML_ELEMENT_NODE) {
                if (named(node, "script") || named(node, "style") || named(node, "head")) continue;
                const bool block = isBlock(node);
                if (block) endLine();
                walk(node->children);
                if (block) endLine();
            }
        }
    }
    std::vector<std::wstring> take() {
        endLine();
        return std::move(lines_);
    }

private:
    void add(const std::wstring& text) {
        for (wchar_t c : text) {
            if (std::iswspace(static_cast<wint_t>(c)) || c == 0xA0) {
                space_ = !line_.empty();
            } else {
                if (space_) line_ += L' ';
                space_ = false;
                line_ += c;
            }
        }
    }
    void endLine() {
        if (!line_.empty()) lines_.push_back(std::move(line_));
        line_.clear();
        space_ = false;
    }

    std::vector<std::wstring> lines_;
    std::wstring line_;
    bool space_ = false;
};

const xmlNode* findElement(const xmlNode* node, std::string_view name) {
    for (; node != nullptr; node = node->next) {
        if (node->type == XML_ELEMENT_NODE && named(node, name)) return node;
        if (const xmlNode* inner = findElement(node->children, name)) return inner;
    }
    return nullptr;
}

}  // namespace

HtmlText readHtml(std::string_view bytes) {
    HtmlText page;
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX)) return page;
    const int options = HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET;
    // A page that names no character set is read as UTF-8 (the parser's own default is Latin-1).
    const bool namesCharset = bytes.find("charset") != std::string_view::npos || bytes.starts_with("\xEF\xBB\xBF");
    const std::unique_ptr<xmlDoc, DocumentRelease> document(htmlReadMemory(
        bytes.data(), static_cast<int>(bytes.size()), nullptr, namesCharset ? nullptr : "UTF-8", options));
    if (!document) return page;
    const xmlNode* root = xmlDocGetRootElement(document.get());
    if (const xmlNode* title = findElement(root, "title")) {
        TextCollector collector;
        collector.walk(title->children);
        for (const std::wstring& line : collector.take()) page.title += (page.title.empty() ? L"" : L" ") + line;
    }
    TextCollector collector;
    collector.walk(root);
    page.lines = collector.take();
    return page;
}

}  // namespace vexa::sim::win
