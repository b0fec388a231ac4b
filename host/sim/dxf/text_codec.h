// Text between the file and the database. Values are UTF-8 here; files before R2007 (AC1021)
// are in their code page (Windows-1252, which every reader of ours assumes), with characters
// outside it escaped as \U+XXXX.
#pragma once

#include <string>
#include <string_view>

namespace vexa::sim::dxf {

std::wstring decodeText(std::string_view value);
std::string encodeText(std::wstring_view text);

// Whether the file's $ACADVER is one before R2007, so that its text is in a code page.
bool usesCodePage(std::string_view file);
std::string windows1252ToUtf8(std::string_view bytes);
// What Windows-1252 lacks becomes \U+XXXX.
std::string utf8ToWindows1252(std::string_view text);

}  // namespace vexa::sim::dxf
