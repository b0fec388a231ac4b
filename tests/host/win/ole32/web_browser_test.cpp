// The web browser control's addresses and what it reads of a page.
#include <gtest/gtest.h>

#include "sim/win/ole32/html_text.h"
#include "sim/win/ole32/resource_url.h"

namespace {

using vexa::sim::win::ResourceId;
using vexa::sim::win::parseResourceUrl;
using vexa::sim::win::readHtml;

TEST(ResourceUrl, NamesAModuleAnOptionalTypeAndAName) {
    auto url = parseResourceUrl(L"res://C:\\Program Files\\Vexa\\VexaSetup.arx/agree.htm");
    ASSERT_TRUE(url);
    EXPECT_EQ(url->module, L"C:\\Program Files\\Vexa\\VexaSetup.arx");
    EXPECT_TRUE(url->type == ResourceId::of(23));
    EXPECT_TRUE(url->name == ResourceId::of(std::wstring(L"AGREE.HTM")));
    url = parseResourceUrl(L"RES://VexaSetup.arx/#23/#143");
    ASSERT_TRUE(url);
    EXPECT_EQ(url->module, L"VexaSetup.arx");
    EXPECT_TRUE(url->name == ResourceId::of(143));
    url = parseResourceUrl(L"res://C:/Vexa/VexaSetup.arx/143");
    ASSERT_TRUE(url);
    EXPECT_EQ(url->module, L"C:/Vexa/VexaSetup.arx");
    EXPECT_FALSE(parseResourceUrl(L"res://nothing"));
    EXPECT_FALSE(parseResourceUrl(L"file:///C:/a.htm"));
}

TEST(HtmlText, TitleAndLinesWithoutScriptsAndWithCollapsedSpace) {
    const auto page = readHtml("<html><head><title> A  title </title><style>p{}</style></head><body>"
                               "<h1>Head</h1>text <b>bold</b>\n  more<br>next<script>var x;</script>"
                               "<ul><li>one</li><li>two &amp; three</li></ul></body></html>");
    EXPECT_EQ(page.title, L"A title");
    EXPECT_EQ(page.lines, (std::vector<std::wstring>{L"Head", L"text bold more", L"next", L"one", L"two & three"}));
}

TEST(HtmlText, UnnamedCharacterSetsAreUtf8AndBrokenMarkupRecovers) {
    const auto page = readHtml("<title>\xe5\x8d\x94\xe8\xad\xb0</title><p>unclosed <i>markup");
    EXPECT_EQ(page.title, L"\u5354\u8b70");
    EXPECT_EQ(page.lines, std::vector<std::wstring>{L"unclosed markup"});
    EXPECT_TRUE(readHtml("").lines.empty());
}

}  // namespace
