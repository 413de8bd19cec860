#include "store/text_codec.h"

#include <gtest/gtest.h>

namespace dovevar {
namespace {

TEST(TextCodec, JapaneseKoreanChineseAndAstralTextSurviveUtf8RoundTrips) {
  const std::string samples[] = {
      "C:\\図面\\平面図 A3.dwg", "도면 목록", "图纸列表", "plain ASCII", "\xF0\x9F\x93\x90 ruler",
  };
  for (const std::string& sample : samples) {
    EXPECT_EQ(utf16ToUtf8(utf8ToUtf16(sample)), sample);
  }
  EXPECT_EQ(utf8ToUtf16("\xF0\x9F\x93\x90"), std::u16string(u"\xD83D\xDCD0"));
}

TEST(TextCodec, MalformedUtf8BecomesReplacementCharactersWithoutSwallowingText) {
  // A cut sequence, a stray continuation byte, an overlong slash and an encoded surrogate.
  EXPECT_EQ(utf8ToUtf16("a\xE3\x81" "b"), u"a\xFFFD" u"b");
  EXPECT_EQ(utf8ToUtf16("\x80x"), u"\xFFFDx");
  EXPECT_EQ(utf8ToUtf16("\xC0\xAF/"), u"\xFFFD/");
  EXPECT_EQ(utf8ToUtf16("\xED\xA0\x80z"), u"\xFFFDz");
  EXPECT_EQ(utf8ToUtf16("end\xF0\x9F"), u"end\xFFFD");
}

TEST(TextCodec, UnpairedSurrogatesBecomeReplacementCharacters) {
  EXPECT_EQ(utf16ToUtf8(u"\xD800x"), "\xEF\xBF\xBDx");
  EXPECT_EQ(utf16ToUtf8(u"x\xDC00"), "x\xEF\xBF\xBD");
}

TEST(TextCodec, LittleEndianBytesRoundTripAndAnOddLastByteIsDropped) {
  const std::u16string text = u"\xFEFFopen \"図.dwg\"\r\n";
  const std::string bytes = toUtf16LeBytes(text);
  ASSERT_EQ(bytes.size(), text.size() * 2);
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
  EXPECT_EQ(fromUtf16LeBytes(bytes), text);
  EXPECT_EQ(fromUtf16LeBytes(bytes + "\x41"), text);
  EXPECT_EQ(fromUtf16LeBytes(std::string_view("\x41", 1)), u"");
}

}  // namespace
}  // namespace dovevar
