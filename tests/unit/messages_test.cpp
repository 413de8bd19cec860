#include "store/messages.h"

#include <gtest/gtest.h>

#include "fakes/scripted_ui.h"
#include "store/ui_text_file.h"

namespace dovevar {
namespace {

class InterfaceTexts : public ::testing::Test {
 protected:
  ScriptedUi ui;
  TextTables texts;
  int language = kJapanese;
  Messages messages{ui, texts, language};

  void load(std::initializer_list<const char16_t*> lines) {
    for (const char16_t* line : lines) parseUiTextLine(line, texts);
  }
};

TEST_F(InterfaceTexts, TheUiTextFileFillsEachTableByPositionAndLanguage) {
  load({u"C010J=開く", u"C010E=Open", u"C010K=열기", u"C010C=打开", u"D003E=Cancel",
        u"M018EA=The file cannot be opened.", u"M018EB=Dovevar", u"C099E:separator not examined"});
  EXPECT_EQ(texts.label(kLabelsC, 10, kJapanese), u"開く");
  EXPECT_EQ(texts.label(kLabelsC, 10, kChinese), u"打开");
  EXPECT_EQ(texts.label(kLabelsD, 3, kEnglish), u"Cancel");
  EXPECT_EQ(texts.label(kLabelsC, 3, kEnglish), u"");
  EXPECT_EQ(texts.message(18, kEnglish).text, u"The file cannot be opened.");
  EXPECT_EQ(texts.message(18, kEnglish).title, u"Dovevar");
  EXPECT_EQ(texts.label(kLabelsC, 99, kEnglish), u"separator not examined");
}

TEST_F(InterfaceTexts, LinesTheReaderCannotPlaceAreIgnored) {
  const std::u16string text63(63, u'x');
  load({(u"C001E=" + text63).c_str(), (u"C002E=" + text63 + u"y").c_str(), u"C100E=entry too high",
        u"C1x0E=not a number", u"C005X=no such language", u"M005EC=no such part", u"X005E=unknown table",
        u"C00", u"C006J=日本語だけ"});
  EXPECT_EQ(texts.label(kLabelsC, 1, kEnglish), text63);
  EXPECT_EQ(texts.label(kLabelsC, 2, kEnglish), u"");
  EXPECT_EQ(texts.message(5, kEnglish).text, u"");
  // No fall-back to another language.
  EXPECT_EQ(texts.label(kLabelsC, 6, kJapanese), u"日本語だけ");
  EXPECT_EQ(texts.label(kLabelsC, 6, kKorean), u"");
}

TEST_F(InterfaceTexts, LookupsOutOfRangeGiveEmptyTexts) {
  load({u"C000J=x", u"M000JA=y"});
  EXPECT_EQ(texts.label(2, 0, kJapanese), u"");
  EXPECT_EQ(texts.label(kLabelsC, -1, kJapanese), u"");
  EXPECT_EQ(texts.label(kLabelsC, 0, 4), u"");
  EXPECT_EQ(texts.message(0, -1).text, u"");
  EXPECT_EQ(texts.message(100, kJapanese).text, u"");
  language = 7;
  EXPECT_EQ(messages.label(kLabelsC, 0), u"");
}

TEST_F(InterfaceTexts, TheMessageBoxShowsNoticesAndAsksQuestionsInTheCurrentLanguage) {
  load({u"M014EA=The printers are read now.", u"M014EB=Printers", u"M014JA=プリンタを読み込みます。"});
  language = kEnglish;
  EXPECT_EQ(messages.show(14, Messages::kNotice), 0);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, u"The printers are read now.");
  EXPECT_EQ(ui.boxes[0].title, u"Printers");
  EXPECT_EQ(ui.boxes[0].style, UiPort::BoxStyle::kPlain);

  // A question without any text still asks, and gives the answer.
  ui.answers = {UiPort::kYes, UiPort::kNo};
  EXPECT_EQ(messages.show(36, Messages::kQuestion), UiPort::kYes);
  EXPECT_EQ(messages.show(36, Messages::kQuestion), UiPort::kNo);
  EXPECT_EQ(ui.boxes.back().style, UiPort::BoxStyle::kYesNo);
  EXPECT_EQ(ui.boxes.back().text, u"");

  // Any other kind shows nothing.
  EXPECT_EQ(messages.show(14, 2), 0);
  EXPECT_EQ(ui.boxes.size(), 3u);
}

}  // namespace
}  // namespace dovevar
