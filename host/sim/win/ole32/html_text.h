// What the web browser shows of an HTML page: its title and its text, line by line, read with
// libxml2's HTML parser (which recovers from the broken markup real pages have).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vexa::sim::win {

struct HtmlText {
    std::wstring title;
    std::vector<std::wstring> lines;  // block elements and <br> end lines; blank lines dropped
};

HtmlText readHtml(std::string_view bytes);

}  // namespace vexa::sim::win
