// What only the real Win32 platform has to get right: the guard in front of
// VerQueryValue, buffers at their limits, started programs, icons and
// collation.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/VersionBlockShape.h"
#include "tests/contract/Contract.h"
#include "tests/contract/Helpers.h"

namespace cvn::test {
namespace {

using platform::Bytes;
using platform::win32::IsWellFormedVersionBlock;

void PutWord(Bytes& block, size_t offset, uint16_t value) {
  block[offset] = static_cast<uint8_t>(value);
  block[offset + 1] = static_cast<uint8_t>(value >> 8);
}

uint16_t WordAt(const Bytes& block, size_t offset) {
  return static_cast<uint16_t>(block[offset] | (block[offset + 1] << 8));
}

// Where the node with this UTF-16 key starts: six bytes before the key.
size_t NodeWithKey(const Bytes& block, const std::string& key) {
  Bytes wide;
  for (char c : key) wide.insert(wide.end(), {static_cast<uint8_t>(c), 0});
  for (size_t at = 6; at + wide.size() <= block.size(); ++at) {
    if (std::equal(wide.begin(), wide.end(), block.begin() + at)) return at - 6;
  }
  ADD_FAILURE() << key << " not in the block";
  return 0;
}

// One node of the 16-bit layout (as Windows 95 reads from NE files): the
// two lengths, the key in chars, then the value and the children, each
// padded to a multiple of four.
Bytes NarrowNode(const std::string& key, const Bytes& value, const Bytes& children = {}) {
  const auto alignUp4 = [](size_t offset) { return (offset + 3) & ~size_t{3}; };
  const size_t valueAt = alignUp4(4 + key.size() + 1);
  const size_t childrenAt = alignUp4(valueAt + value.size());
  Bytes node(childrenAt + children.size(), 0);
  PutWord(node, 0, static_cast<uint16_t>(node.size()));
  PutWord(node, 2, static_cast<uint16_t>(value.size()));
  std::copy(key.begin(), key.end(), node.begin() + 4);
  std::copy(value.begin(), value.end(), node.begin() + valueAt);
  std::copy(children.begin(), children.end(), node.begin() + childrenAt);
  return node;
}

Bytes NarrowBlock(uint32_t fileVersionMS, const std::string& fileVersion) {
  Bytes fixed(52, 0);
  const uint32_t start[] = {0xFEEF04BDu, 0x00010000u, fileVersionMS};
  for (size_t i = 0; i < std::size(start); ++i) {
    PutWord(fixed, 4 * i, static_cast<uint16_t>(start[i]));
    PutWord(fixed, 4 * i + 2, static_cast<uint16_t>(start[i] >> 16));
  }
  Bytes text(fileVersion.begin(), fileVersion.end());
  text.push_back(0);
  const Bytes table = NarrowNode("040904E4", {}, NarrowNode("FileVersion", text));
  return NarrowNode("VS_VERSION_INFO", fixed, NarrowNode("StringFileInfo", {}, table));
}

class Win32OnlyTest : public ContractTest {
 protected:
  platform::VersionInfo& ver() { return machine().Versions(); }
  platform::FileSystem& files() { return machine().Files(); }
  Bytes FixtureBlock() { return ver().GetInfo(FixturePath("ver_fixed.dll")).value_or(Bytes{}); }
};

TEST_F(Win32OnlyTest, TheBlocksOfRealFilesPassTheGuard) {
  for (const char* fixture : {"ver_fixed.dll", "ver_product.dll", "ver_string.dll"}) {
    const auto block = ver().GetInfo(FixturePath(fixture));
    ASSERT_TRUE(block.has_value()) << fixture;
    EXPECT_TRUE(IsWellFormedVersionBlock(*block)) << fixture;
  }
}

TEST_F(Win32OnlyTest, EveryTruncatedBlockIsRefused) {
  const Bytes block = FixtureBlock();
  const size_t rootLength = WordAt(block, 0);
  ASSERT_LE(rootLength, block.size());
  for (size_t size = 0; size < rootLength; ++size) {
    const Bytes cut(block.begin(), block.begin() + size);
    EXPECT_FALSE(IsWellFormedVersionBlock(cut)) << "cut to " << size;
    EXPECT_EQ(ver().QueryFixed(cut), std::nullopt) << "cut to " << size;
    EXPECT_TRUE(ver().QueryTranslations(cut).empty()) << "cut to " << size;
  }
}

struct Damage {
  const char* what;
  const char* nodeKey;  // the node whose length is changed, or null for the root
  uint16_t length;
};

TEST_F(Win32OnlyTest, NodeLengthsThatLieAreRefused) {
  const Bytes intact = FixtureBlock();
  const Damage damages[] = {
      {"root longer than the buffer", nullptr, static_cast<uint16_t>(intact.size() + 4)},
      {"root too short for its key", nullptr, 10},
      {"root shorter than its header", nullptr, 4},
      {"child longer than its parent", "StringFileInfo", 0xFFF0},
      {"child of zero length", "StringFileInfo", 0},
      {"grandchild shorter than its header", "040904E4", 3},
      {"string node cutting its own key", "CompanyName", 10},
  };
  for (const auto& damage : damages) {
    Bytes block = intact;
    PutWord(block, damage.nodeKey ? NodeWithKey(block, damage.nodeKey) : 0, damage.length);
    EXPECT_FALSE(IsWellFormedVersionBlock(block)) << damage.what;
    EXPECT_EQ(ver().QueryFixed(block), std::nullopt) << damage.what;
    EXPECT_EQ(ver().QueryString(block, "\\StringFileInfo\\040904E4\\CompanyName"), std::nullopt)
        << damage.what;
  }
}

TEST_F(Win32OnlyTest, BlocksOfTheSixteenBitLayoutAreRead) {
  const Bytes block = NarrowBlock(0x00030005u, "3.5");
  ASSERT_TRUE(IsWellFormedVersionBlock(block));
  const auto fixed = ver().QueryFixed(block);
  ASSERT_TRUE(fixed.has_value());
  EXPECT_EQ(fixed->signature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->fileVersionMS, 0x00030005u);
  EXPECT_EQ(ver().QueryString(block, "\\StringFileInfo\\040904E4\\FileVersion"), "3.5");
  Bytes lying = block;
  PutWord(lying, 0, static_cast<uint16_t>(block.size() - 8));  // cuts into the string node
  EXPECT_FALSE(IsWellFormedVersionBlock(lying));
}

TEST_F(Win32OnlyTest, AKeyListLargerThanTheFirstBufferComesWhole) {
  const std::string ini = Join(env().ScratchFolder(), "many.ini");
  std::string text = "[Many]\r\n";
  std::vector<std::string> expected;
  for (int i = 0; i < 400; ++i) {
    expected.push_back("SomewhatLongKeyName" + std::to_string(i));
    text += expected.back() + "=1\r\n";
  }
  WriteText(files(), ini, text);
  EXPECT_EQ(machine().Ini().GetKeys("Many", ini), expected);
}

TEST_F(Win32OnlyTest, APathAsLongAsTheCallsAllowComesWhole) {
  // The A calls handle paths of up to MAX_PATH (260) characters with the zero.
  std::string folder = env().ScratchFolder();
  while (folder.size() < 200) {
    folder += "\\" + std::string(20, 'd');
    ASSERT_TRUE(files().CreateDirectory(folder)) << folder;
  }
  const std::string before = files().CurrentDirectory();
  ASSERT_TRUE(files().SetCurrentDirectory(folder));
  const std::string name(259 - folder.size() - 1, 'n');
  const std::string full = files().FullPathName(name);
  const std::string current = files().CurrentDirectory();
  ASSERT_TRUE(files().SetCurrentDirectory(before));
  EXPECT_EQ(current, folder);
  EXPECT_EQ(full, folder + "\\" + name);
  EXPECT_EQ(full.size(), 259u);
}

TEST_F(Win32OnlyTest, AStartedProgramReportsItsExitCode) {
  auto process = machine().Procs().Start("cmd.exe /c exit 7", platform::create::kNoWindow);
  ASSERT_NE(process, nullptr);
  EXPECT_TRUE(process->Wait(platform::kWaitInfinite));
  EXPECT_EQ(process->ExitCode(), 7u);
  EXPECT_EQ(machine().Procs().Start("no_such_program_here.exe", 0), nullptr);
}

TEST_F(Win32OnlyTest, FilesWithoutIconsGiveNoIcon) {
  auto& shell = machine().Desktop();
  // Windows answers 1 for a file that is no executable at all (Wine 0);
  // either way the file has no icon.
  const std::string text = Join(env().ScratchFolder(), "plain.txt");
  WriteText(files(), text, "not a program");
  EXPECT_EQ(shell.ExtractIcon(text, 0), 0u);
  EXPECT_EQ(shell.ExtractIcon(FixturePath("ver_fixed.dll"), 0), 0u);
  EXPECT_EQ(shell.ExtractIcon(Join(env().ScratchFolder(), "missing.exe"), 0), 0u);
  EXPECT_EQ(shell.LoadIcon(9), 0u);
}

TEST_F(Win32OnlyTest, AProgramsIconIsExtracted) {
  const std::string notepad = files().SearchPath("notepad.exe");
  ASSERT_FALSE(notepad.empty());
  EXPECT_NE(machine().Desktop().ExtractIcon(notepad, 0), 0u);
  EXPECT_EQ(machine().Desktop().ExtractIcon(notepad, 999), 0u);
}

TEST_F(Win32OnlyTest, CompareTextUsesTheLocalesOrderNotTheBytes) {
  auto& shell = machine().Desktop();
  EXPECT_LT(shell.CompareText("apple", "Banana"), 0);  // bytes would put 'B' first
  EXPECT_GT(shell.CompareText("banana", "Apple"), 0);
  EXPECT_EQ(shell.CompareText("same", "same"), 0);
}

TEST_F(Win32OnlyTest, DrivesThatDoNotExist) {
  EXPECT_EQ(files().GetDriveType("Q:\\"), platform::DriveType::NoRootDir);
  EXPECT_EQ(files().VolumeLabel("Q:\\"), std::nullopt);
  EXPECT_EQ(files().GetDiskFreeSpace("Q:\\"), std::nullopt);
  EXPECT_TRUE(files().VolumeLabel("C:\\").has_value());
}

}  // namespace
}  // namespace cvn::test
