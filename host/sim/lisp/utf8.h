// UTF-8 bytes and wide text: scripts and transcripts carry the product's Chinese texts.
#pragma once

#include <string>
#include <string_view>

namespace vexa::sim::lisp {

std::wstring decodeUtf8(std::string_view bytes);
std::string encodeUtf8(std::wstring_view text);

}  // namespace vexa::sim::lisp
