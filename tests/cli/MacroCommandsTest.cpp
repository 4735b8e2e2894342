#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "DefaultImage.h"
#include "base/WholeFile.h"
#include "cli/InProcessMousectl.h"
#include "device/StoredBlockFile.h"
#include "support/FileFixtures.h"
#include "support/HexBytes.h"

namespace mousecfg::test {
namespace {

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

constexpr const char* kJump =
    "# a jump\n"
    "repeat 3 {\n"
    "  press \"Space bar\"\n"
    "  delay 30\n"
    "  release \"Space bar\"\n"
    "  click left\n"
    "}\n";

// The macro commands on the simulated mouse, with the library in the test's folder.
class MacroCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(saveStoredBlockFile(simFile(), builtInDefaultImage())); }
  std::string simFile() const { return folder.file("stored.bin"); }
  StoredBlock stored() const { return loadStoredBlockFile(simFile()).value_or(StoredBlock{}); }
  std::string write(const std::string& name, const std::string& text) {
    std::ofstream(folder.file(name)) << text;
    return folder.file(name);
  }
  CommandRun run(const std::string& words) { return mousectl.run(words); }

  TemporaryFolder folder;
  InProcessMousectl mousectl{folder.file("stored.bin"), folder.path()};
};

TEST_F(MacroCommandsTest, AMacroWrittenAsTextReachesTheMouseAndAButton) {
  const std::string text = write("jump.txt", kJump);
  ASSERT_EQ(run("library new Jump --from-text " + text).status, 0);
  const CommandRun added = run("macro add Jump");
  ASSERT_EQ(added.status, 0) << added.err;
  EXPECT_EQ(added.out, "stored \"Jump\" in the mouse at 0x0200\n");
  const CommandRun button = run("button 6 macro:Jump");
  ASSERT_EQ(button.status, 0) << button.err;
  EXPECT_EQ(hexRange(stored(), 0x1F0, 29),
            "00 4A 00 75 00 6D 00 70 00 00 00 00 00 00 00 00 "
            "FD 03 82 2C FE 00 1E 02 2C A1 21 FC 00");
  EXPECT_EQ(hexRange(stored(), 192 + 20, 4), "10 02 00 00");

  const CommandRun exported = run("macro export Jump --text");
  ASSERT_EQ(exported.status, 0) << exported.err;
  ASSERT_EQ(run("library new Again --from-text " + write("again.txt", exported.out)).status, 0);
  const CommandRun shown = run("macro show Again");
  EXPECT_TRUE(contains(shown.out, "13 bytes: FD 03 82 2C FE 00 1E 02 2C A1 21 FC 00")) << shown.out;
  EXPECT_TRUE(contains(shown.out, "  1 Space bar CODE:822C    (Space bar)\n")) << shown.out;
}

TEST_F(MacroCommandsTest, DeletingADeviceMacroClearsItsButtons) {
  ASSERT_EQ(run("library new Jump --from-text " + write("jump.txt", kJump)).status, 0);
  ASSERT_EQ(run("macro add Jump").status, 0);
  ASSERT_EQ(run("button 6 macro:Jump").status, 0);
  const CommandRun deleted = run("macro delete Jump");
  ASSERT_EQ(deleted.status, 0) << deleted.err;
  EXPECT_EQ(hexRange(stored(), 192 + 20, 4), "00 00 00 00");
  EXPECT_EQ(hexRange(stored(), 0x1F0, 2), "00 00");
  EXPECT_TRUE(contains(run("macros").out, "in the mouse: 0 of 15 macros"));
}

TEST_F(MacroCommandsTest, ATextWithAMistakeSavesNothing) {
  const CommandRun refused =
      run("library new Jump --from-text " + write("bad.txt", "press A\ndelay 70000\n"));
  EXPECT_EQ(refused.status, 2);
  EXPECT_TRUE(contains(refused.err, "line 2, column 7: a delay is a whole number from 0 to 65535"))
      << refused.err;
  EXPECT_TRUE(contains(run("macros").out, "in the library (")) << "the library still lists";
  EXPECT_FALSE(contains(run("macros").out, "Jump"));
}

TEST_F(MacroCommandsTest, TheLibraryCommandsKeepTheFileWhole) {
  ASSERT_EQ(run("library new Walk").status, 0);
  ASSERT_EQ(run("library new Run").status, 0);
  EXPECT_EQ(run("library new Run").status, 6) << "a taken name";
  EXPECT_EQ(run("library new NineChars").status, 2);
  ASSERT_EQ(run("library rename Walk Stroll").status, 0);
  const std::string one = folder.file("stroll.bin");
  ASSERT_EQ(run("library export Stroll -o " + one).status, 0);
  EXPECT_EQ(readWholeFile(one, 1000).bytes.size(), 272u);
  const CommandRun duplicate = run("library import " + one);
  EXPECT_EQ(duplicate.status, 6);
  EXPECT_TRUE(contains(duplicate.err, "a macro \"Stroll\" already")) << duplicate.err;
  ASSERT_EQ(run("library delete Stroll").status, 0);
  ASSERT_EQ(run("library import " + one).status, 0);
  const std::string all = folder.file("all.bin");
  ASSERT_EQ(run("library export-all -o " + all).status, 0);
  const std::string library = folder.file("mousecfg/KVRM3180D-Macro.bin");
  EXPECT_EQ(hexBytes(readWholeFile(all, 30000).bytes),
            hexBytes(readWholeFile(library, 30000).bytes))
      << "Export All is the library file";
  const CommandRun listed = run("macros");
  EXPECT_TRUE(contains(listed.out, "   1    1 bytes  Run\n   2    1 bytes  Stroll\n"))
      << listed.out;
}

TEST_F(MacroCommandsTest, UnknownMacrosAreNamedWithCloseOnes) {
  ASSERT_EQ(run("library new Jump").status, 0);
  const CommandRun missing = run("macro show Jmup");
  EXPECT_EQ(missing.status, 6);
  EXPECT_TRUE(contains(missing.err, "did you mean \"Jump\"?")) << missing.err;
  const CommandRun button = run("button 6 macro:Jump");
  EXPECT_EQ(button.status, 2);
  EXPECT_TRUE(contains(button.err, "the mouse holds no macro \"Jump\"")) << button.err;
}

}  // namespace
}  // namespace mousecfg::test
