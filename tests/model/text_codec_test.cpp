// Text in the image: Windows-1251 bytes of fixed capacity.
#include "model/text_codec.h"

#include <gtest/gtest.h>

#include <cstring>

namespace jadvalon {
namespace {

TEST(TextCodec, RoundTripsTextTheCodePageHolds) {
  for (const char* text : {"Maktab 12", "Ўзбекистон", "Русский язык — 5«Б» №3", "Ёлка ёж",
                           "Matematika va informatika"}) {
    EXPECT_EQ(cp1251ToUtf8(utf8ToCp1251(text)), text) << text;
  }
}

TEST(TextCodec, UzbekLettersWithoutACodePointBecomeTheirNearestLetter) {
  struct Case {
    const char* typed;
    const char* stored;
  } cases[] = {
      {"Қашқадарё", "Кашкадарё"},
      {"Ғалаба, ғайрат", "Галаба, гайрат"},
      {"Ҳусан Ҳасанов", "Хусан Хасанов"},
      {"Oʻzbekiston gʼalaba", "O'zbekiston g'alaba"},
      {"O‘qituvchi O’g’il", "O'qituvchi O'g'il"},
      {"漢字 ✓", "?? ?"},
      {"bad \xFF byte", "bad ? byte"},
  };
  for (const auto& c : cases) EXPECT_EQ(cp1251ToUtf8(utf8ToCp1251(c.typed)), c.stored) << c.typed;
}

TEST(TextCodec, StoredTextIsCutToCapacityAfterConversion) {
  FixedString<10> shortName{};
  storeText(shortName, "Абвгдеёжзийк");  // 12 Cyrillic letters: two bytes each in UTF-8
  EXPECT_EQ(shortName.length, 10);
  EXPECT_EQ(loadText(shortName), "Абвгдеёжзи");

  FixedString<100> institution{};
  const std::string sixty(60, 'x');
  storeText(institution, sixty);
  EXPECT_EQ(loadText(institution), sixty);
  FixedString<50> director{};
  storeText(director, sixty);
  EXPECT_EQ(loadText(director), std::string(50, 'x'));
  FixedString<47> teacher{};
  storeText(teacher, std::string(48, 'y'));
  EXPECT_EQ(teacher.length, 47);
}

TEST(TextCodec, ShorterTextKeepsTheBytesAfterIt) {
  FixedString<10> s{};
  storeText(s, "abcdef");
  storeText(s, "xy");
  EXPECT_EQ(loadText(s), "xy");
  EXPECT_EQ(std::string(s.bytes, 6), "xycdef");
}

TEST(TextCodec, DamagedLengthByteIsReadAsTheCapacity) {
  FixedString<3> s{};
  s.length = 200;
  std::memcpy(s.bytes, "abc", 3);
  EXPECT_EQ(loadText(s), "abc");
}

TEST(TextCodec, Utf8Validation) {
  EXPECT_TRUE(isValidUtf8("Dushanba Душанба"));
  EXPECT_FALSE(isValidUtf8("\xC4\xE0"));      // Windows-1251 "Да"
  EXPECT_FALSE(isValidUtf8("\xC0\x80"));      // over-long NUL
  EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));  // surrogate
}

}  // namespace
}  // namespace jadvalon
