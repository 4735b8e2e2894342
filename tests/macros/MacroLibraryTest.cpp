#include "macros/MacroLibrary.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/WholeFile.h"
#include "macros/LibraryFile.h"
#include "support/FileFixtures.h"
#include "support/HexBytes.h"

namespace mousecfg::test {
namespace {

using namespace macro_library;

std::vector<uint8_t> fileBytes(const std::string& path) {
  const FileContents file = readWholeFile(path, kLibraryLength + 1);
  return file.bytes;
}

MacroLibrary libraryOf(std::initializer_list<const char*> names) {
  MacroLibrary library;
  for (const char* name : names) EXPECT_EQ(library.newMacro(name), LibraryChange::Done) << name;
  return library;
}

TEST(MacroLibraryFile, WithoutAFileTheDefaultIsWrittenAndTheListIsEmpty) {
  TemporaryFolder folder;
  MacroLibraryFile file(folder.file("data/mousecfg/") + kFileName);
  const LibraryLoad load = file.CheckPCMacro();
  EXPECT_TRUE(load.created);
  EXPECT_EQ(load.problem, "");
  const std::vector<uint8_t> written = fileBytes(file.path());
  ASSERT_EQ(written.size(), 27200u);
  const LibraryImage expected = MacroLibrary::builtInDefault();
  EXPECT_TRUE(std::equal(written.begin(), written.end(), expected.begin()));
  EXPECT_EQ(written[26913], 0xFF);
  EXPECT_TRUE(file.library().names().empty());
}

TEST(MacroLibraryFile, ThePathKeyIsAPrefixAndOtherwiseTheDataFolderHoldsTheFile) {
  const auto environment = [](const char* name) -> std::optional<std::string> {
    if (std::string_view(name) == "XDG_DATA_HOME") return "/home/u/.data";
    if (std::string_view(name) == "HOME") return "/home/u";
    return std::nullopt;
  };
  EXPECT_EQ(libraryFilePath("/srv/macros/", environment), "/srv/macros/KVRM3180D-Macro.bin");
  EXPECT_EQ(libraryFilePath("/srv/macros", environment), "/srv/macrosKVRM3180D-Macro.bin")
      << "used exactly as written";
  EXPECT_EQ(libraryFilePath("", environment), "/home/u/.data/mousecfg/KVRM3180D-Macro.bin");
  const auto homeOnly = [](const char* name) -> std::optional<std::string> {
    if (std::string_view(name) == "HOME") return "/home/u";
    return std::nullopt;
  };
  EXPECT_EQ(libraryFilePath("", homeOnly), "/home/u/.local/share/mousecfg/KVRM3180D-Macro.bin");
  EXPECT_EQ(libraryFilePath("", [](const char*) { return std::optional<std::string>(); }), "");
}

TEST(MacroLibraryFile, ChangesAreSavedWholeAndReadBack) {
  TemporaryFolder folder;
  MacroLibraryFile file(folder.file(kFileName));
  ASSERT_EQ(file.CheckPCMacro().problem, "");
  ASSERT_EQ(file.library().newMacro("Jump"), LibraryChange::Done);
  file.library().setBody(0, std::vector<uint8_t>{0x82, 0x04, 0x02, 0x04, 0x00});
  ASSERT_EQ(file.RefreshPCMacro(), "");
  MacroLibraryFile again(file.path());
  ASSERT_EQ(again.CheckPCMacro().problem, "");
  EXPECT_EQ(again.library().names(), std::vector<std::string>{"Jump"});
  EXPECT_EQ(again.library().slot(0).length(), 5u);
  const LibraryImage exported = again.library().image();
  EXPECT_EQ(hexBytes(exported), hexBytes(fileBytes(file.path()))) << "Export All is the file";
}

TEST(MacroLibraryFile, AFileOfTheWrongSizeKeepsTheMacrosItHolds) {
  TemporaryFolder folder;
  const MacroLibrary two = libraryOf({"One", "Two"});
  const LibraryImage image = two.image();
  ASSERT_TRUE(writeWholeFile(folder.file(kFileName), std::span(image).first(272 + 20)));
  MacroLibraryFile file(folder.file(kFileName));
  const LibraryLoad load = file.CheckPCMacro();
  EXPECT_NE(load.problem.find("holds 292 bytes"), std::string::npos) << load.problem;
  EXPECT_EQ(file.library().names(), (std::vector<std::string>{"One", "Two"}))
      << "the second record's name is whole";
  EXPECT_EQ(file.RefreshPCMacro(), "");
  EXPECT_EQ(fileBytes(file.path()).size(), 27200u);
}

TEST(MacroLibraryFile, AFileThatCannotBeReadIsNeverOverwritten) {
  TemporaryFolder folder;
  std::filesystem::create_directories(folder.file(kFileName));  // a folder in its place
  MacroLibraryFile file(folder.file(kFileName));
  const LibraryLoad load = file.CheckPCMacro();
  EXPECT_FALSE(load.created);
  EXPECT_NE(load.problem, "");
  EXPECT_EQ(file.library().newMacro("Kept"), LibraryChange::Done);
  EXPECT_NE(file.RefreshPCMacro().find("could not be read"), std::string::npos);
  EXPECT_EQ(file.library().names(), std::vector<std::string>{"Kept"}) << "memory keeps it";
  EXPECT_TRUE(std::filesystem::is_directory(file.path()));
}

TEST(MacroLibrary, NamesAreStoredAsUtf16HighByteFirst) {
  const MacroLibrary library = libraryOf({"Ab"});
  EXPECT_EQ(hexBytes(library.slot(0).name), "00 41 00 62 00 00 00 00 00 00 00 00 00 00 00 00");
  const MacroLibrary long_ = libraryOf({"ABCDEFGHIJ"});
  EXPECT_EQ(long_.names(), std::vector<std::string>{"ABCDEFGH"}) << "at most 16 bytes";
  // A character outside the first plane takes two units and is never cut in half.
  const MacroLibrary wide = libraryOf({"1234567\xF0\x9F\x8E\xAE"});
  EXPECT_EQ(wide.names(), std::vector<std::string>{"1234567"});
}

TEST(MacroLibrary, DeletingSlot0OfThreeMovesTheOthersDown) {
  MacroLibrary library = libraryOf({"A", "B", "C"});
  library.setBody(2, std::vector<uint8_t>{0xA1, 0x00});
  const auto third = library.record(2);
  EXPECT_EQ(library.deleteMacro(0), LibraryChange::Done);
  EXPECT_EQ(library.names(), (std::vector<std::string>{"B", "C"}));
  EXPECT_EQ(hexBytes(library.record(1)), hexBytes(third));
  EXPECT_EQ(hexBytes(library.record(2)), hexBytes(std::array<uint8_t, 272>{}));
  EXPECT_EQ(library.deleteMacro(5), LibraryChange::NoSuchEntry);
}

TEST(MacroLibrary, NewAndRenameRefuseATakenName) {
  MacroLibrary library = libraryOf({"Jump", "Run"});
  EXPECT_EQ(library.newMacro("Run"), LibraryChange::Duplicate);
  EXPECT_EQ(library.rename(0, "Run"), LibraryChange::Duplicate);
  EXPECT_EQ(library.rename(0, "Jump"), LibraryChange::Duplicate) << "its own name counts";
  EXPECT_EQ(library.rename(0, "Hop"), LibraryChange::Done);
  EXPECT_EQ(library.names(), (std::vector<std::string>{"Hop", "Run"}));
  EXPECT_EQ(library.rename(2, "X"), LibraryChange::NoSuchEntry);
}

TEST(MacroLibrary, AHundredMacrosFillTheLibrary) {
  MacroLibrary library;
  for (int k = 0; k < 100; ++k)
    ASSERT_EQ(library.newMacro("M" + std::to_string(k)), LibraryChange::Done);
  EXPECT_TRUE(library.full());
  EXPECT_EQ(library.newMacro("More"), LibraryChange::Full);
  EXPECT_EQ(library.macroCount(), 100u);
}

TEST(MacroFiles, ExportOneThenImportOneIsADuplicateHereAndTheSameMacroElsewhere) {
  MacroLibrary here = libraryOf({"Jump"});
  here.setBody(0, std::vector<uint8_t>{0x82, 0x2C, 0x02, 0x2C, 0x00});
  const auto exported = here.record(0);
  EXPECT_EQ(here.importOne(exported), LibraryChange::Duplicate);
  EXPECT_EQ(here.macroCount(), 1u);
  MacroLibrary elsewhere = libraryOf({"Other"});
  EXPECT_EQ(elsewhere.importOne(exported), LibraryChange::Done);
  EXPECT_EQ(hexBytes(elsewhere.record(1)), hexBytes(exported));
}

TEST(MacroFiles, ImportOneTakesShortAndNamelessFilesSafely) {
  MacroLibrary library;
  EXPECT_EQ(library.importOne(std::vector<uint8_t>{0x00, 0x5A, 0x00}), LibraryChange::Done);
  EXPECT_EQ(library.names(), std::vector<std::string>{"Z"});
  EXPECT_EQ(library.importOne(std::vector<uint8_t>(272, 0x00)), LibraryChange::Unnamed);
  EXPECT_EQ(library.importOne({}), LibraryChange::Unnamed);
  for (int k = 1; k < 99; ++k)
    ASSERT_EQ(library.newMacro("M" + std::to_string(k)), LibraryChange::Done);
  EXPECT_EQ(library.importOne(std::vector<uint8_t>{0x00, 0x59}), LibraryChange::Full)
      << "only below 99 macros";
}

TEST(MacroFiles, ImportAllOfAShortFileKeepsTheSlotsPastItsEnd) {
  MacroLibrary library = libraryOf({"A", "B", "C"});
  const MacroLibrary other = libraryOf({"X"});
  const LibraryImage image = other.image();
  library.loadImage(std::span(image).first(272));
  EXPECT_EQ(library.names(), (std::vector<std::string>{"X", "B", "C"}));
  library.loadImage(other.image());
  EXPECT_EQ(library.names(), std::vector<std::string>{"X"});
}

}  // namespace
}  // namespace mousecfg::test
