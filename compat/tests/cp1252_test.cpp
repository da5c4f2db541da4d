#include <gtest/gtest.h>

#include "compat/cp1252.h"

namespace {

std::string all_bytes() {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  return bytes;
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
  const std::string bytes = all_bytes();
  const std::string utf8 = compat::cp1252_to_utf8(bytes);
  EXPECT_EQ(compat::utf8_to_cp1252(utf8), bytes);
  // 128 ASCII bytes take one byte each, the 17 punctuation and symbol bytes of 0x80..0x9F above
  // U+07FF take three, the other 111 take two.
  EXPECT_EQ(utf8.size(), 128u + 17u * 3u + 111u * 2u);
}

TEST(Cp1252, HighBytesMapAsWindowsDoes) {
  EXPECT_EQ(compat::cp1252_to_utf8("\x80"), u8"\u20AC");
  EXPECT_EQ(compat::cp1252_to_utf8("\x8A\x9A\x9F"), u8"\u0160\u0161\u0178");
  EXPECT_EQ(compat::cp1252_to_utf8("\x93x\x94"), u8"\u201Cx\u201D");
  EXPECT_EQ(compat::cp1252_to_utf8("\xE3\xC7\xFF"), u8"\u00E3\u00C7\u00FF");
  // The five bytes Windows leaves undefined become the C1 controls of the same number.
  EXPECT_EQ(compat::cp1252_to_utf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
  // Literals in this program are compiled to Windows-1252.
  EXPECT_EQ(compat::cp1252_to_utf8("Não há conexão com ECF!"), u8"N\u00E3o h\u00E1 conex\u00E3o com ECF!");
}

TEST(Cp1252, CharactersWithoutAFormBecomeTheReplacement) {
  EXPECT_EQ(compat::utf8_to_cp1252(u8"a\u4E2Db"), "a?b");
  EXPECT_EQ(compat::utf8_to_cp1252(u8"\U0001F600"), "?");  // one replacement per character
  EXPECT_EQ(compat::utf8_to_cp1252(u8"\u0080", '_'), "_");  // byte 0x80 is the euro sign, not U+0080
  EXPECT_EQ(compat::utf8_to_cp1252(u8"\u20AC"), "\x80");
}

TEST(Cp1252, MalformedUtf8BecomesTheReplacement) {
  const struct {
    const char* utf8;
    const char* cp1252;
  } cases[] = {
      {"\x80", "?"},                  // stray continuation byte
      {"\xE2\x82" "A", "?A"},          // cut sequence: one replacement
      {"\xC0\xAF", "??"},              // overlong form
      {"\xED\xA0\x80", "???"},         // surrogate
      {"\xF4\x90\x80\x80", "????"},    // beyond U+10FFFF
      {"ok\xC3", "ok?"},               // cut at the end
      {"\xFF\xFE", "??"},
      {"Relat\xC3\xB3rios/\xE2\x82\xAC", "Relat\xF3rios/\x80"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(compat::utf8_to_cp1252(c.utf8), c.cp1252) << c.utf8;
    // In place, in a buffer the same size as the text (the result is never longer).
    std::string buffer(c.utf8);
    compat::utf8_to_cp1252_in_place(buffer.data());
    EXPECT_STREQ(buffer.c_str(), c.cp1252) << c.utf8;
    // Only the last case is well-formed.
    EXPECT_EQ(compat::is_utf8(c.utf8), &c == std::end(cases) - 1) << c.utf8;
  }
  // Well-formed, with or without a Windows-1252 form.
  for (const char* texto : {"", "Jos\xC3\xA9", "\xE6\x97\xA5\xE6\x9C\xAC", "\xF0\x9F\x98\x80", "\xF4\x8F\xBF\xBF"})
    EXPECT_TRUE(compat::is_utf8(texto)) << texto;
  EXPECT_FALSE(compat::is_utf8("Jos\xE9"));  // Windows-1252
}

TEST(Cp1252, IntoACallersBufferOnlyWhenItFits) {
  const std::string text = "a\xE7\x80";  // 1 + 2 + 3 bytes of UTF-8
  char buffer[8];
  ASSERT_TRUE(compat::cp1252_to_utf8(text.c_str(), buffer, 7));  // exactly the text and its zero
  EXPECT_EQ(std::string(buffer), compat::cp1252_to_utf8(text));
  EXPECT_FALSE(compat::cp1252_to_utf8(text.c_str(), buffer, 6));
  EXPECT_FALSE(compat::cp1252_to_utf8(text.c_str(), buffer, 3));  // cut inside a character
  EXPECT_FALSE(compat::cp1252_to_utf8("", buffer, 0));
  ASSERT_TRUE(compat::cp1252_to_utf8("", buffer, 1));
  EXPECT_STREQ(buffer, "");
}

}  // namespace

TEST(Cp1252, Utf16BothWays) {
  const std::string bytes = all_bytes();
  const std::u16string wide = compat::cp1252_to_utf16(bytes);
  ASSERT_EQ(wide.size(), 256u);
  EXPECT_EQ(wide[0x80], u'\u20AC');
  EXPECT_EQ(wide[0xE3], u'\u00E3');
  EXPECT_EQ(compat::utf16_to_cp1252(wide), bytes);
  // Characters without a form, surrogate pairs and lone surrogates: one replacement each.
  EXPECT_EQ(compat::utf16_to_cp1252(u"a\u4E2Db"), "a?b");
  EXPECT_EQ(compat::utf16_to_cp1252(u"x\U0001F600y", '_'), "x_y");
  const char16_t lone[] = {u'a', 0xD800, u'b', 0xDC00};
  EXPECT_EQ(compat::utf16_to_cp1252(std::u16string_view(lone, 4)), "a?b?");
}
