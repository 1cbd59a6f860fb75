// Readers and writers of the value formats, with their tie-breaks.
#include "config/ValueFormats.h"

#include <gtest/gtest.h>

#include <string>

namespace cvn {
namespace {

struct TextToCode {
  const char* text;
  int code;
};

TEST(ValueFormatsTest, YesNoIsFalseOnlyForNFOrZero) {
  for (const char* text : {"No", "no", "False", "f", "0", "10", "Nope"}) {
    EXPECT_FALSE(ReadYesNo(text)) << text;
  }
  for (const char* text : {"Yes", "1", "True", "", "yes please"}) {
    EXPECT_TRUE(ReadYesNo(text)) << text;
  }
}

TEST(ValueFormatsTest, FrequencyWordsAreCaseSensitive) {
  const TextToCode cases[] = {{"never", 0},  {"always", 1},  {"daily", 2},   {"weekly", 3},
                              {"monthly", 4}, {"Weekly", 1}, {"", 1},        {"never always", 0},
                              {"bi-weekly", 3}};
  for (const auto& c : cases) EXPECT_EQ(ReadFrequency(c.text), c.code) << c.text;
}

TEST(ValueFormatsTest, WindowsVersionTestsForNtFirst) {
  const TextToCode cases[] = {
      {"Win NT 3.51", winver::kNt351}, {"NT 3.5", winver::kNt35}, {"Win NT 4.0", winver::kNt40},
      {"NT 3.0", winver::kNt30},       {"Windows 95", winver::kWin95},
      {"3.1.1", winver::kWin311},      {"311", winver::kWin311},
      // The writer's own text for 3.11 holds neither 3.1.1 nor 311.
      {"Win 3.11", winver::kWin31},    {"Win 3.1", winver::kWin31},
      {"Win 3.0", winver::kWin30},     {"", winver::kWin30},
      {"nt 4.0", winver::kWin30},
      // Later releases by name; older words keep their meaning.
      {"Win 2000", winver::kWin2000},  {"Win XP", winver::kWinXp},
      {"Win Vista", winver::kVista},   {"Win 7", winver::kWin7},
      {"Win 8", winver::kWin8},        {"Win 8.1", winver::kWin81},
      {"Win 10", winver::kWin10},      {"Win 11", winver::kWin11},
      {"Win 3.10", winver::kWin31},    {"Win NT 10", winver::kNt351},
      {"Windows 7", winver::kWin7},    {"Windows 3.0 (1987)", winver::kWin30},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadWindowsVersion(c.text), c.code) << c.text;
}

TEST(ValueFormatsTest, ProcessorWithPIsANumberedPentiumClass) {
  const TextToCode cases[] = {{"P5", cpu::kPentium}, {"P6", cpu::kPentiumPro},
                              {"Pentium", cpu::k8086}, {"pentium 3", cpu::k386},
                              {"686", cpu::kPentiumPro}, {"80586", cpu::kPentium},
                              {"486DX", cpu::k486}, {"386", cpu::k386},
                              {"286", cpu::k286}, {"80186", cpu::k80186},
                              {"8086", cpu::k8086}, {"", cpu::k8086}};
  for (const auto& c : cases) EXPECT_EQ(ReadProcessor(c.text), c.code) << c.text;
}

TEST(ValueFormatsTest, ColorsCountBoundaries) {
  const TextToCode cases[] = {
      {"true color", 3}, {"16 million", 3}, {"high color", 2}, {"thousands", 2},
      {"65537", 3},      {"65536", 2},      {"257", 2},        {"256", 1},
      {"255", 0},        {"16", 0},         {"", 0},           {"True Color", 0}};
  for (const auto& c : cases) EXPECT_EQ(ReadColors(c.text), c.code) << c.text;
}

TEST(ValueFormatsTest, SizeTakesOneMultiplierWithoutWrapping) {
  const struct {
    const char* text;
    int64_t size;
  } cases[] = {
      {"1 KB", 1024},
      {"1 K", 1024},
      {"8 MB", 8388608},
      {"2G", 2147483648},
      {"4G", 4294967296},
      {"3000M", 3145728000},
      {"16", 16},
      {"  12 mb", 12582912},
      {"1 Mk", 1024},  // K wins over M
      {"-2K", -2048},
      {"MB", 0},
      {"", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadSize(c.text), c.size) << c.text;
}

TEST(ValueFormatsTest, CountWithKAndIntegers) {
  EXPECT_EQ(ReadCountWithK("30"), 30);
  EXPECT_EQ(ReadCountWithK("2k"), 2048);
  EXPECT_EQ(ReadCountWithK("x"), 0);
  EXPECT_EQ(ReadCountWithK("99999999K"), INT32_MAX);
  EXPECT_EQ(ReadInteger(" -42abc"), -42);
  EXPECT_EQ(ReadInteger("abc"), 0);
  EXPECT_EQ(ReadInteger("99999999999"), INT32_MAX);
  EXPECT_EQ(ReadAnswerCode("1"), answer::kNo);
}

TEST(ValueFormatsTest, ResolutionNeedsTheLowerCaseX) {
  const struct {
    const char* text;
    int32_t width;
    int32_t height;
  } cases[] = {{"800 x 600", 800, 600}, {"1024x768", 1024, 768}, {"800", 800, 0},
               {"800 X 600", 800, 0},   {"x 600", 0, 0},         {"", 0, 0}};
  for (const auto& c : cases) {
    const Resolution r = ReadResolution(c.text);
    EXPECT_EQ(r.width, c.width) << c.text;
    EXPECT_EQ(r.height, c.height) << c.text;
  }
}

TEST(ValueFormatsTest, TimestampRoundTripsAndReadsPartialFields) {
  platform::SystemTime time;
  time.year = 1997;
  time.month = 3;
  time.day = 5;
  time.hour = 14;
  time.minute = 7;
  EXPECT_EQ(FormatTimestamp(time), "199703051407");
  EXPECT_EQ(ReadTimestamp("199703051407"), time);

  const platform::SystemTime partial = ReadTimestamp("1997031");
  EXPECT_EQ(partial.year, 1997);
  EXPECT_EQ(partial.month, 3);
  EXPECT_EQ(partial.day, 1);
  EXPECT_EQ(partial.hour, 0);
  EXPECT_EQ(ReadTimestamp("abc"), platform::SystemTime{});
}

TEST(ValueFormatsTest, RegistryDataReaderTakesNumbersAndBytePairs) {
  EXPECT_EQ(ReadRegistryData("0x0000000a"), (platform::Bytes{10, 0, 0, 0}));
  EXPECT_EQ(ReadRegistryData("0x12345678"), (platform::Bytes{0x78, 0x56, 0x34, 0x12}));
  EXPECT_EQ(ReadRegistryData("01 02 ff"), (platform::Bytes{1, 2, 255}));
  EXPECT_EQ(ReadRegistryData("0A"), (platform::Bytes{10}));
  EXPECT_EQ(ReadRegistryData("7"), platform::Bytes{});
  EXPECT_EQ(ReadRegistryData(""), platform::Bytes{});
}

TEST(ValueFormatsTest, RegistryDataWriterByType) {
  EXPECT_EQ(FormatRegistryData(platform::regtype::kDword, {1, 0, 0, 0}), "0x00000001");
  EXPECT_EQ(FormatRegistryData(platform::regtype::kDword, {0x1f, 0, 0, 0}), "0x0000001f");
  EXPECT_EQ(FormatRegistryData(platform::regtype::kDword, {0x12}), "0x00000012");
  EXPECT_EQ(FormatRegistryData(platform::regtype::kBinary, {1, 2, 255}), "01 02 ff");
  EXPECT_EQ(FormatRegistryData(platform::regtype::kNone, {0xab}), "ab");
  EXPECT_EQ(FormatRegistryData(platform::regtype::kString, {'a', 0}), "");
  EXPECT_EQ(ReadRegistryData(FormatRegistryData(platform::regtype::kBinary, {9, 8, 7})),
            (platform::Bytes{9, 8, 7}));
}

TEST(ValueFormatsTest, DigitsInABase) {
  EXPECT_EQ(DigitValue('7'), 7u);
  EXPECT_EQ(DigitValue('F'), 15u);
  EXPECT_EQ(DigitValue('f'), 15u);
  EXPECT_EQ(DigitValue('z'), 35u);
  EXPECT_EQ(ReadDigits("ff", 16), 255u);
  EXPECT_EQ(ReadDigits("777", 8), 511u);
  EXPECT_EQ(ReadDigits("12-3", 10), 12u);
}

TEST(ValueFormatsTest, VersionComparison) {
  const struct {
    const char* a;
    const char* b;
    int result;
  } cases[] = {{"4.0", "4.0.0.0", 0},     {"4.10", "4.9", 1},          {"4.0a", "4.0", 0},
               {"4.00.950", "4.00.1111", -1}, {"", "0.0.0.0", 0},       {"1.2.3.4.5", "1.2.3.4", 0},
               {"2", "10", -1},           {"1.a.5", "1", 0},           {"3.1", "3.0.9999", 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(CompareVersions(c.a, c.b), c.result) << c.a << " vs " << c.b;
    EXPECT_EQ(CompareVersions(c.b, c.a), -c.result) << c.b << " vs " << c.a;
  }
  EXPECT_EQ(ReadVersion("4.21.7022"), (VersionNumber{4, 21, 7022, 0}));
}

TEST(ValueFormatsTest, CodeWritersAndTheirDefaults) {
  EXPECT_EQ(FormatWindowsVersion(winver::kWin311), "Win 3.11");
  EXPECT_EQ(FormatWindowsVersion(winver::kNt351), "Win NT 3.51");
  EXPECT_EQ(FormatWindowsVersion(1), "Win 3.1");
  EXPECT_EQ(FormatWindowsVersion(99), "Win 3.1");
  EXPECT_EQ(FormatWindowsVersion(winver::kWin2000), "Win 2000");
  EXPECT_EQ(FormatWindowsVersion(winver::kWin81), "Win 8.1");
  EXPECT_EQ(FormatWindowsVersion(winver::kWin11), "Win 11");
  EXPECT_EQ(FormatProcessor(cpu::kPentiumPro), "Pentium Pro");
  EXPECT_EQ(FormatProcessor(-1), "486");
  EXPECT_EQ(FormatColors(colors::kHighColor), "high color");
  EXPECT_EQ(FormatColors(7), "16");
  EXPECT_EQ(FormatFrequency(frequency::kMonthly), "monthly");
  EXPECT_EQ(FormatFrequency(frequency::kAlways), "always");
  EXPECT_EQ(FormatFrequency(42), "always");
  EXPECT_EQ(FormatAnswer(answer::kYes), "yes");
  EXPECT_EQ(FormatAnswer(answer::kNo), "no");
  EXPECT_EQ(FormatAnswer(answer::kDontKnow), "don't know");
  EXPECT_EQ(FormatAnswer(-3), "don't know");
  EXPECT_EQ(FormatYesNo(false), "no");
  EXPECT_EQ(FormatFound(1), "found");
  EXPECT_EQ(FormatFound(2), "not found");
  EXPECT_EQ(FormatRequired(0), "not required");
  EXPECT_EQ(FormatInteger(-7), "-7");
}

TEST(ValueFormatsTest, WordWritersReadBackToTheirCodes) {
  for (int code = winver::kWin30; code <= winver::kWin11; ++code) {
    if (code == winver::kWin311) continue;  // its text reads as 3.1, see above
    EXPECT_EQ(ReadWindowsVersion(FormatWindowsVersion(code)), code);
  }
  for (int code = cpu::k80186; code <= cpu::k486; ++code) {
    EXPECT_EQ(ReadProcessor(FormatProcessor(code)), code);
  }
  for (int code = colors::k16; code <= colors::kTrueColor; ++code) {
    EXPECT_EQ(ReadColors(FormatColors(code)), code);
  }
  for (int code = frequency::kNever; code <= frequency::kMonthly; ++code) {
    EXPECT_EQ(ReadFrequency(FormatFrequency(code)), code);
  }
}

TEST(ValueFormatsTest, SizeWriter) {
  const struct {
    int64_t size;
    const char* text;
  } cases[] = {{0, "0 bytes"},          {1023, "1023 bytes"},     {1024, "1 KB"},
               {1536, "1.50 KB"},       {2048, "2 KB"},           {1048575, "1024.00 KB"},
               {1048576, "1 MB"},       {1572864, "1.50 MB"},     {8388608, "8 MB"},
               {4294967296, "4096 MB"}, {16777217, "16.00 MB"},  {1048576 + 5243, "1.01 MB"},
               {1048576 + 5242, "1.00 MB"}, {1048576 + 131072, "1.13 MB"}, {2147483647, "2048.00 MB"},
               {129453826506752, "123456789.50 MB"}, {INT64_MAX, "8796093022208.00 MB"}};
  for (const auto& c : cases) EXPECT_EQ(FormatSize(c.size), c.text) << c.size;
}

}  // namespace
}  // namespace cvn
