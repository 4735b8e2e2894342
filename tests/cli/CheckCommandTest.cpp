#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <memory>

#include "DefaultImage.h"
#include "cli/InProcessMousectl.h"

namespace mousecfg::test {
namespace {

namespace fs = std::filesystem;

// mousectl check reads a saved configuration; no mouse is involved.
class CheckCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("mousecfg-check-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    mousectl = std::make_unique<InProcessMousectl>(folder / "mouse.bin", folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string save(const std::string& name, const uint8_t* bytes, size_t length) const {
    const fs::path path = folder / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(length));
    return path.string();
  }
  std::string save(const std::string& name, const std::array<uint8_t, 2048>& image) const {
    return save(name, image.data(), image.size());
  }

  fs::path folder;
  std::unique_ptr<InProcessMousectl> mousectl;
};

TEST_F(CheckCommandTest, TheBuiltInImageHasEverySectionIntact) {
  const CommandRun run = mousectl->run("check " + save("default.bin", builtInDefaultImage()));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "vendor     bytes    0.. 163  checksum C6  ok\n"
            "user       bytes  164.. 191  checksum D8  ok\n"
            "profile 1  bytes  192.. 240  checksum 7B  ok\n"
            "profile 2  bytes  241.. 289  checksum 7B  ok\n"
            "macros    0 using 0 of 512 bytes\n"
            "all sections ok\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(CheckCommandTest, ABrokenSectionIsNamedWithTheChecksumItShouldHave) {
  std::array<uint8_t, 2048> image = builtInDefaultImage();
  image[170] ^= 0x01;  // user section
  image[200] ^= 0x03;  // profile 1
  image[300] ^= 0xFF;  // the fire-key trailer carries no checksum
  const CommandRun run = mousectl->run("check " + save("broken.bin", image));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "vendor     bytes    0.. 163  checksum C6  ok\n"
            "user       bytes  164.. 191  checksum D8  BROKEN (should be D9; would be rebuilt "
            "from the defaults)\n"
            "profile 1  bytes  192.. 240  checksum 7B  BROKEN (should be 7A; would be rebuilt "
            "from the defaults)\n"
            "profile 2  bytes  241.. 289  checksum 7B  ok\n"
            "macros    0 using 0 of 512 bytes\n"
            "2 broken section(s)\n");
}

TEST_F(CheckCommandTest, AFileOfAnotherLengthIsNoConfiguration) {
  const std::array<uint8_t, 100> part{};
  const std::string path = save("short.bin", part.data(), part.size());
  const CommandRun run = mousectl->run("check " + path);
  EXPECT_EQ(run.status, 5);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "mousectl: " + path + " holds 100 bytes; a configuration has exactly 2048\n");
}

}  // namespace
}  // namespace mousecfg::test
