#include <gtest/gtest.h>

#include <string>

#include "cli/ConfigTextReader.h"
#include "cli/ConfigTextWriter.h"

namespace mousecfg::test {
namespace {

ConfigText accepted(const std::string& text) {
  const ConfigTextRead read = readConfigText(text);
  EXPECT_TRUE(read.ok()) << read.error;
  return read.config.value_or(ConfigText{});
}

std::string refusal(const std::string& text) {
  const ConfigTextRead read = readConfigText(text);
  EXPECT_FALSE(read.ok()) << text;
  return read.error;
}

TEST(ConfigTextReaderTest, ReadsEveryTableWithTheLineOfEachValue) {
  const ConfigText config = accepted(
      "format = 1\n"
      "report_rate = 500\n"
      "[buttons.profile2]\n"
      "6 = \"Volume +\"\n"
      "[dpi]\n"
      "levels_on = 4\n"
      "level3 = { dpi = 3200, colour = \"00ff7f\" }\n"
      "[lighting]\n"
      "effect = \"Breathing\"\n"
      "brightness = \"half\"\n"
      "colours = [\"FF0000\", \"#00FF00\"]\n"
      "[fire.key2]\n"
      "continuous = true\n"
      "[system]\n"
      "wheel_lines = 11\n");
  ASSERT_TRUE(config.reportRateHz);
  EXPECT_EQ(config.reportRateHz->value, 500);
  EXPECT_EQ(config.reportRateHz->line, 2);
  ASSERT_TRUE(config.buttons[1][5]);
  EXPECT_EQ(config.buttons[1][5]->value, "Volume +");
  EXPECT_EQ(config.buttons[1][5]->line, 4);
  EXPECT_FALSE(config.buttons[0][5]) << "profile 1 was not named";
  ASSERT_TRUE(config.dpi.levels[2].dpi && config.dpi.levels[2].colour);
  EXPECT_EQ(config.dpi.levels[2].dpi->value, 3200);
  EXPECT_EQ(config.dpi.levels[2].colour->value, 0x00FF7Fu);
  EXPECT_EQ(config.dpi.levels[2].dpi->line, 7);
  EXPECT_EQ(config.lighting.effect->value, "Breathing");
  EXPECT_FALSE(config.lighting.fullBrightness->value);
  EXPECT_EQ(config.lighting.colours[1]->value, 0x00FF00u);
  EXPECT_FALSE(config.lighting.colours[2]) << "a short list leaves the other slots alone";
  EXPECT_TRUE(config.fireKeys[1].continuous->value);
  EXPECT_FALSE(config.fireKeys[1].shots);
  EXPECT_EQ(config.system.wheelLines->value, 11);
}

TEST(ConfigTextReaderTest, RefusesUnknownKeysWrongTypesAndValuesOutOfRangeWithTheirLine) {
  EXPECT_EQ(refusal("format = 1\n[dpi]\nlevels = 3\n"), "line 3: unknown key \"levels\" in [dpi]");
  EXPECT_EQ(refusal("[buttons.profile1]\n13 = \"DPI +\"\n"),
            "line 2: unknown key \"13\" in [buttons.profile1]");
  EXPECT_EQ(refusal("[buttons.profile1]\n06 = \"DPI +\"\n"),
            "line 2: unknown key \"06\" in [buttons.profile1]");
  EXPECT_EQ(refusal("[buttons.profile3]\n"), "line 1: unknown key \"profile3\" in [buttons]");
  EXPECT_EQ(refusal("[led]\n"), "line 1: unknown key \"led\" in the file");
  EXPECT_EQ(refusal("\n[lighting]\nspeed = \"fast\"\n"), "line 3: speed must be a whole number");
  EXPECT_EQ(refusal("[lighting]\nspeed = 11\n"), "line 2: speed must be 1..10, not 11");
  EXPECT_EQ(refusal("[fire.key1]\nshots = 16\n"), "line 2: shots must be 0..15, not 16");
  EXPECT_EQ(refusal("[fire.key1]\ninterval_ms = 65536\n"),
            "line 2: interval_ms must be 0..65535, not 65536");
  EXPECT_EQ(refusal("[fire.key1]\ncontinuous = 1\n"), "line 2: continuous must be true or false");
  EXPECT_EQ(refusal("report_rate = 800\n"),
            "line 1: report_rate is one of 125, 250, 500 and 1000, not 800");
  EXPECT_EQ(refusal("[dpi]\nlevel2 = { colour = \"12345G\" }\n"),
            "line 2: DPI level 2's colour must be six hexadecimal digits RRGGBB, not \"12345G\"");
  EXPECT_EQ(refusal("[lighting]\nbrightness = \"dim\"\n"),
            "line 2: brightness is \"full\" or \"half\", not \"dim\"");
  EXPECT_EQ(refusal("format = 2\n"), "line 1: this mousectl reads format 1, not 2");
  EXPECT_EQ(refusal("[system]\npointer_speed = 12\n"),
            "line 2: pointer_speed must be 1..11, not 12");
  EXPECT_EQ(refusal("dpi = 3\n"), "line 1: [dpi] must be a table");
}

TEST(ConfigTextReaderTest, SyntaxMistakesAndDuplicateKeysAreRefusedWithTheirLine) {
  const ConfigTextRead broken = readConfigText("format = 1\n[dpi\nactive = 2\n");
  EXPECT_FALSE(broken.ok());
  EXPECT_EQ(broken.line, 2);
  EXPECT_EQ(broken.error.rfind("line 2: ", 0), 0u) << broken.error;
  const ConfigTextRead twice = readConfigText("[dpi]\nactive = 2\nactive = 3\n");
  EXPECT_FALSE(twice.ok());
  EXPECT_EQ(twice.line, 3) << twice.error;
  EXPECT_FALSE(readConfigText(std::string(kMaxConfigTextBytes + 1, ' ')).ok());
}

TEST(ConfigTextReaderTest, AMultiLineTextStartsOnTheLineAfterItsQuotes) {
  const ConfigText wide = accepted("[macros]\n\"Grüße\" = '''\npress A\n'''\n");
  EXPECT_EQ(wide.macros[0].text.line, 3) << "columns count characters, not bytes";
  const ConfigText config = accepted("[guns]\n\"M4 Fire\" = '''\ndown left\n'''\n");
  ASSERT_EQ(config.guns.size(), 1u);
  EXPECT_EQ(config.guns[0].name.line, 2);
  EXPECT_EQ(config.guns[0].text.line, 3);
  EXPECT_EQ(config.guns[0].text.value, "down left\n");
  const ConfigText oneLine = accepted("[vendor]\ncb_SensorSleep = \"Enable\"\n");
  EXPECT_EQ(oneLine.vendor[0].text.line, 2);
}

TEST(ConfigTextWriterTest, WhatItWritesReadsBackToTheSameValues) {
  ConfigText config;
  config.reportRateHz = ConfigValue<int>{1000, 0, "Hz"};
  config.buttons[0][0] = ConfigValue<std::string>{"Left Key", 0, "01010000"};
  config.buttons[1][11] = ConfigValue<std::string>{"say \"hi\"\\", 0, {}};
  config.dpi.levelsOn = ConfigValue<int>{5, 0, {}};
  config.dpi.levels[7].colour = ConfigValue<uint32_t>{0x7F7F7F, 0, {}};
  config.lighting.fullBrightness = ConfigValue<bool>{false, 0, {}};
  config.lighting.colours[0] = ConfigValue<uint32_t>{0xFF8000, 0, {}};
  config.fireKeys[2].shots = ConfigValue<int>{8, 0, "\"Fire Key3\""};
  config.guns.push_back({{"UZI Fire", 0, {}}, {"down left\ndelay 6\n", 0, {}}});
  config.macros.push_back({{"it's ''' odd", 0, {}}, {"x'''\ny\n", 0, {}}});
  config.vendor.push_back({{"cb_SensorSleep", 0, "Sensor Sleep"}, {"Enable", 0, {}}});
  const std::string text = writeConfigText(config, {"a heading"});
  EXPECT_EQ(text.rfind("# a heading\nformat = 1\n", 0), 0u) << text;
  const ConfigText again = accepted(text);
  EXPECT_EQ(again.reportRateHz->value, 1000);
  EXPECT_EQ(again.buttons[1][11]->value, "say \"hi\"\\");
  EXPECT_EQ(again.dpi.levelsOn->value, 5);
  EXPECT_EQ(again.dpi.levels[7].colour->value, 0x7F7F7Fu);
  EXPECT_FALSE(again.dpi.levels[7].dpi);
  EXPECT_FALSE(again.lighting.fullBrightness->value);
  EXPECT_EQ(again.fireKeys[2].shots->value, 8);
  EXPECT_EQ(again.guns[0].text.value, "down left\ndelay 6\n");
  EXPECT_EQ(again.macros[0].name.value, "it's ''' odd");
  EXPECT_EQ(again.macros[0].text.value, "x'''\ny\n") << "a text a literal block cannot hold";
  EXPECT_EQ(again.vendor[0].text.value, "Enable");
  const std::string withoutNotes = writeConfigText(again, {});
  EXPECT_EQ(writeConfigText(accepted(withoutNotes), {}), withoutNotes);
}

TEST(ConfigTextWriterTest, QuotesControlCharactersAsEscapes) {
  EXPECT_EQ(tomlQuoted("a\tb\x01"), "\"a\\tb\\u0001\"");
  EXPECT_EQ(
      readConfigText("[vendor]\nx = " + tomlQuoted("\x01\x7F") + "\n").config->vendor[0].text.value,
      "\x01\x7F");
}

}  // namespace
}  // namespace mousecfg::test
