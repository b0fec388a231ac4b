// Text values between the file and the database: UTF-8, with the \U+XXXX escapes older files use.
#pragma once

#include <string>
#include <string_view>

namespace vexa::sim::dxf {

std::wstring decodeText(std::string_view value);
// Files before R2007 (AC1021) are not UTF-8 for their readers: other characters are escaped.
std::string encodeText(std::wstring_view text, bool escapeNonAscii);

}  // namespace vexa::sim::dxf
