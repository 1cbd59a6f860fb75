// The PE readers of the file checks: the version text, the executable kind
// of good and hostile headers, and the module dependency walk with its
// search, depths, missing imports and cycles.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "checks/PeModules.h"
#include "config/ApplicationView.h"
#include "config/Items.h"
#include "platform/emulated/ImageBuilder.h"
#include "tests/support/FileCheckTestFiles.h"
#include "util/pe/ByteReader.h"
#include "util/pe/ImportTable.h"

namespace cvn {
namespace {

using test::Bytes;

class PeModulesTest : public ::testing::Test {
 protected:
  platform::Machine& Open() {
    machine_ = image_.Open();
    EXPECT_NE(machine_, nullptr) << image_.Error();
    return *machine_;
  }

  // "name@depth" of each module, with its missing imports in brackets.
  static std::vector<std::string> Describe(const ModuleDependencies& deps) {
    std::vector<std::string> lines;
    for (const auto& m : deps.modules) {
      std::string line = m.fileName + "@" + std::to_string(m.depth);
      for (const auto& missing : m.missing) line += " [" + missing.name + "@" + std::to_string(missing.depth) + "]";
      lines.push_back(line);
    }
    return lines;
  }

  emulated::ImageBuilder image_;
  std::unique_ptr<emulated::EmulatedMachine> machine_;
};

struct VersionTextCase {
  const char* name;
  uint32_t fileMS, fileLS, productMS, productLS;
  const char16_t* fileVersion;
  const char* text;
};

class ReadFileVersionTest : public PeModulesTest, public ::testing::WithParamInterface<VersionTextCase> {};

TEST_P(ReadFileVersionTest, TakesTheFirstVersionThatIsGiven) {
  const VersionTextCase& c = GetParam();
  const auto block = test::VersionInfoBlock({c.fileMS, c.fileLS, c.productMS, c.productLS}, u"040904E4",
                                            {{u"FileVersion", c.fileVersion}}, 0x409, 1252);
  image_.File("C:\\A.DLL", test::PeBuilder().Resource({pe::restype::kVersion, 1, 0x409, block.Encode()}).Build());
  std::string version = "untouched";
  ASSERT_EQ(ReadFileVersion(Open(), "C:\\A.DLL", version), platform::kSOk);
  EXPECT_EQ(version, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, ReadFileVersionTest,
    ::testing::Values(VersionTextCase{"FixedFile", 0x00040000, 0x03B60001, 0x00090000, 0, u"7.7", "4.0.950.1"},
                      VersionTextCase{"FixedFileLowHalfOnly", 0, 0x00000005, 0x00090000, 0, u"7.7", "0.0.0.5"},
                      VersionTextCase{"FixedProduct", 0, 0, 0x00020001, 0x00000003, u"7.7", "2.1.0.3"},
                      VersionTextCase{"FileVersionString", 0, 0, 0, 0, u"4.00.950", "4.00.950"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(PeModulesTest, ReadFileVersionFailsWithoutAResourceAndLeavesTheText) {
  image_.File("C:\\A.DLL", test::PlainDll()).File("C:\\EMPTY.DLL", "").File("C:\\TRUNC.DLL", Bytes(30, 'M'));
  platform::Machine& machine = Open();
  for (const char* path : {"C:\\A.DLL", "C:\\EMPTY.DLL", "C:\\TRUNC.DLL", "C:\\NONE.DLL"}) {
    std::string version = "untouched";
    EXPECT_EQ(ReadFileVersion(machine, path, version), platform::kEFail) << path;
    EXPECT_EQ(version, "untouched");
  }
}

struct KindCase {
  const char* name;
  Bytes bytes;
  pe::ExeKind kind;
  int bitness;
};

Bytes WithLfanew(Bytes bytes, uint32_t offset) {
  test::PutU32(bytes, 60, offset);
  return bytes;
}

// A "PE\0\0" signature at `offset`, after a stub of zeros.
Bytes SignatureAt(uint32_t offset) {
  Bytes bytes = WithLfanew(test::OldStyleExecutable("NE"), offset);
  bytes.resize(offset + 4, 0);
  bytes[offset] = 'P';
  bytes[offset + 1] = 'E';
  return bytes;
}

Bytes WithRelocationsAt(Bytes bytes, uint16_t offset) {
  test::PutU16(bytes, 24, offset);
  return bytes;
}

Bytes Truncated(Bytes bytes, size_t size) {
  bytes.resize(size);
  return bytes;
}

struct BitnessCase {
  const char* name;
  Bytes bytes;
  int bitness;
};

class ImageBitnessTest : public PeModulesTest, public ::testing::WithParamInterface<BitnessCase> {};

// Only well-formed headers of the two Windows machines tell a bitness; a
// damaged or foreign header is unknown rather than a guess.
TEST_P(ImageBitnessTest, ComesFromTheMachineAndTheMagicTogether) {
  image_.File("C:\\F.DLL", GetParam().bytes);
  EXPECT_EQ(ImageBitness(Open(), "C:\\F.DLL"), GetParam().bitness);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, ImageBitnessTest,
    ::testing::Values(
        BitnessCase{"Pe32", test::PlainDll(), bitness::k32},
        BitnessCase{"X64", test::X64Dll(), bitness::k64},
        BitnessCase{"Pe32PlusMagicForX86", test::DllFor(0x14C, 0x20B), bitness::kUnknown},
        BitnessCase{"Pe32MagicForX64", test::DllFor(0x8664, 0x10B), bitness::kUnknown},
        BitnessCase{"Arm64", test::DllFor(0xAA64, 0x20B), bitness::kUnknown},
        BitnessCase{"UnknownMagic", test::DllFor(0x14C, 0x107), bitness::kUnknown},
        BitnessCase{"EndsInsideCoffHeader", Truncated(test::PlainDll(), pe::LoadU32(test::PlainDll(), 60) + 10),
                    bitness::kUnknown},
        BitnessCase{"HeaderPastTheEnd", WithLfanew(test::PlainDll(), 0xFFFFFFF0u), bitness::kUnknown},
        BitnessCase{"Ne", test::OldStyleExecutable("NE"), bitness::k16},
        BitnessCase{"NotAnExecutable", Bytes{'h', 'i'}, bitness::kUnknown}),
    [](const auto& p) { return std::string(p.param.name); });

class ExecutableKindTest : public PeModulesTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(ExecutableKindTest, ReadsTheSignatureTheHeaderPointsAt) {
  const KindCase& c = GetParam();
  image_.File("C:\\F.EXE", c.bytes);
  const pe::ExeKind kind = ExecutableKind(Open(), "C:\\F.EXE");
  EXPECT_EQ(kind, c.kind);
  EXPECT_EQ(BitnessOfKind(kind), c.bitness);
  EXPECT_EQ(pe::ClassifyExecutable(c.bytes), c.kind);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, ExecutableKindTest,
    ::testing::Values(
        KindCase{"Pe", test::PlainDll(), pe::ExeKind::Pe, bitness::k32},
        KindCase{"Ne", test::OldStyleExecutable("NE"), pe::ExeKind::Ne, bitness::k16},
        KindCase{"Le", test::OldStyleExecutable("LE"), pe::ExeKind::Le, bitness::k16},
        KindCase{"Xe", test::OldStyleExecutable("XE"), pe::ExeKind::Xe, bitness::kUnknown},
        KindCase{"PeWithoutZeros", test::OldStyleExecutable("PE\1"), pe::ExeKind::Unknown, bitness::kUnknown},
        KindCase{"Dos", WithRelocationsAt(test::OldStyleExecutable("PE"), 63), pe::ExeKind::Dos, bitness::k16},
        KindCase{"NoMz", Bytes(128, 0), pe::ExeKind::Unknown, bitness::kUnknown},
        KindCase{"Empty", Bytes{}, pe::ExeKind::Unknown, bitness::kUnknown},
        KindCase{"ShorterThanTheHeader", Bytes{'M', 'Z', 0, 0}, pe::ExeKind::Unknown, bitness::kUnknown},
        KindCase{"SignatureBeyondTheFirstKilobyte", SignatureAt(3000), pe::ExeKind::Pe, bitness::k32},
        KindCase{"SignatureAtTheEndOfTheFirstKilobyte", SignatureAt(1020), pe::ExeKind::Pe, bitness::k32},
        KindCase{"SignaturePastTheEnd", WithLfanew(test::OldStyleExecutable("NE"), 126), pe::ExeKind::Unknown,
                 bitness::kUnknown},
        KindCase{"SignatureFarOutside", WithLfanew(test::OldStyleExecutable("NE"), 0xFFFFFFFE),
                 pe::ExeKind::Unknown, bitness::kUnknown}),
    [](const auto& p) { return std::string(p.param.name); });

// Only the header is read: a file too large to read whole still has a kind.
TEST_F(PeModulesTest, AFileOfFiveGigabytesIsClassifiedByItsHeader) {
  image_.File("C:\\BIG.DLL", test::PlainDll());
  std::filesystem::resize_file(image_.HostPath("C:\\BIG.DLL"), 5ull << 30);
  EXPECT_EQ(ExecutableKind(Open(), "C:\\BIG.DLL"), pe::ExeKind::Pe);
}

TEST_F(PeModulesTest, AMissingFileHasAnUnknownKind) {
  EXPECT_EQ(ExecutableKind(Open(), "C:\\NONE.EXE"), pe::ExeKind::Unknown);
}

TEST_F(PeModulesTest, DependenciesAreListedOnceInReverseOrderOfDiscovery) {
  image_.File("C:\\APP\\MAIN.EXE", test::ImportingDll({"ONE.DLL", "TWO.DLL", "GONE.DLL"}))
      .File("C:\\APP\\ONE.DLL", test::ImportingDll({"DEEP.DLL", "two.dll"}))
      .File("C:\\APP\\TWO.DLL", test::ImportingDll({"LOST.DLL"}))
      .File("C:\\WINDOWS\\SYSTEM\\DEEP.DLL", test::PlainDll());
  platform::Machine& machine = Open();
  const std::string before = machine.Files().CurrentDirectory();
  const auto deps = ListModuleDependencies(machine, "C:\\APP\\MAIN.EXE");
  EXPECT_EQ(deps.status, depstatus::kRead);
  // ONE.DLL finds DEEP.DLL, then TWO.DLL by the name it imports it with;
  // MAIN.EXE's own import of TWO.DLL then finds it listed.
  EXPECT_EQ(Describe(deps), (std::vector<std::string>{"two.dll@2 [LOST.DLL@3]", "DEEP.DLL@2", "ONE.DLL@1",
                                                       "MAIN.EXE@0 [GONE.DLL@1]"}));
  EXPECT_EQ(deps.modules[1].path, "C:\\WINDOWS\\SYSTEM\\DEEP.DLL");
  EXPECT_EQ(machine.Files().CurrentDirectory(), before);
}

TEST_F(PeModulesTest, ACycleOfImportsEnds) {
  image_.File("C:\\APP\\A.DLL", test::ImportingDll({"B.DLL"}))
      .File("C:\\APP\\B.DLL", test::ImportingDll({"A.DLL", "B.DLL"}));
  const auto deps = ListModuleDependencies(Open(), "C:\\APP\\A.DLL");
  EXPECT_EQ(Describe(deps), (std::vector<std::string>{"B.DLL@1", "A.DLL@0"}));
}

TEST_F(PeModulesTest, TheStatusSaysWhyNothingWasRead) {
  image_.File("C:\\APP\\NE.DLL", test::OldStyleExecutable("NE")).File("C:\\APP\\EMPTY.DLL", "");
  platform::Machine& machine = Open();
  EXPECT_EQ(ListModuleDependencies(machine, "C:\\APP\\NONE.DLL").status, depstatus::kCannotOpen);
  for (const char* path : {"C:\\APP\\NE.DLL", "C:\\APP\\EMPTY.DLL"}) {
    const auto deps = ListModuleDependencies(machine, path);
    EXPECT_EQ(deps.status, depstatus::kNotPe) << path;
    EXPECT_TRUE(deps.modules.empty());
  }
}

TEST_F(PeModulesTest, AnImportedModuleThatIsNoPeFileIsLeftOut) {
  image_.File("C:\\APP\\A.DLL", test::ImportingDll({"NE.DLL"})).File("C:\\APP\\NE.DLL", test::OldStyleExecutable("NE"));
  EXPECT_EQ(Describe(ListModuleDependencies(Open(), "C:\\APP\\A.DLL")), (std::vector<std::string>{"A.DLL@0"}));
}

// A 64-bit module (PE32+) made by the x86_64 cross compiler is a Windows
// program of the same bitness code as a 32-bit one, and its imports, found
// through the larger optional header, are read.
TEST_F(PeModulesTest, A64BitModuleIsAWindowsProgramWithItsImportsRead) {
  std::ifstream in(CORVANE_FIXTURE_DIR "/stub_x64.dll", std::ios::binary);
  ASSERT_TRUE(in) << "fixture stub_x64.dll not built";
  const Bytes module{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  image_.File("C:\\APP\\X64.DLL", module);
  platform::Machine& machine = Open();
  const pe::ExeKind kind = ExecutableKind(machine, "C:\\APP\\X64.DLL");
  EXPECT_EQ(kind, pe::ExeKind::Pe);
  EXPECT_EQ(BitnessOfKind(kind), bitness::k32);
  EXPECT_EQ(ImageBitness(machine, "C:\\APP\\X64.DLL"), bitness::k64);
  const auto deps = ListModuleDependencies(machine, "C:\\APP\\X64.DLL");
  ASSERT_EQ(deps.status, depstatus::kRead);
  ASSERT_EQ(deps.modules.size(), 1u);
  std::vector<std::string> missing;
  for (const auto& m : deps.modules[0].missing) missing.push_back(m.name);
  EXPECT_NE(std::find(missing.begin(), missing.end(), "KERNEL32.dll"), missing.end());
}

// One malformed variant per check of the import reader.
struct ImportCase {
  const char* name;
  uint32_t directoryRva;  // 0: keep the builder's
  uint32_t firstNameRva;  // 0: keep the builder's
  std::vector<std::string> modules;
  bool error;
};

class ImportTableTest : public ::testing::TestWithParam<ImportCase> {};

TEST_P(ImportTableTest, StopsAtTheFirstUnreadablePart) {
  const ImportCase& c = GetParam();
  Bytes file = test::ImportingDll({"ONE.DLL", "TWO.DLL"});
  const auto pe0 = pe::PeFile::Parse(file);
  ASSERT_TRUE(pe0) << pe0.Error();
  const size_t directoryAt = pe0->HeaderOffset() + 24 + 96 + 8;
  const size_t sectionAt = pe0->Sections().front().pointerToRawData;
  if (c.directoryRva != 0) test::PutU32(file, directoryAt, c.directoryRva);
  if (c.firstNameRva != 0) test::PutU32(file, sectionAt + 12, c.firstNameRva);
  const auto pe = pe::PeFile::Parse(file);
  ASSERT_TRUE(pe) << pe.Error();
  const auto list = pe::ReadImportedModules(*pe);
  EXPECT_EQ(list.modules, c.modules);
  EXPECT_EQ(!list.error.empty(), c.error) << list.error;
}

INSTANTIATE_TEST_SUITE_P(
    Variants, ImportTableTest,
    ::testing::Values(ImportCase{"Good", 0, 0, {"ONE.DLL", "TWO.DLL"}, false},
                      ImportCase{"DirectoryOutsideEverySection", 0x9000, 0, {}, true},
                      ImportCase{"NameOutsideEverySection", 0, 0x9000, {}, true},
                      // The second descriptor's zero name closes the list early.
                      ImportCase{"DirectoryAtTheSecondDescriptor", 0x1014, 0, {"TWO.DLL"}, false},
                      // Reading from the last byte of the section: no closing zero.
                      ImportCase{"NameWithoutItsZero", 0, 0x1000 + 0x1FF, {}, true}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ImportTableEnd, DescriptorsWithoutAClosingOneEndAtTheSection) {
  // Every descriptor of a section full of them names the same module.
  Bytes section(0x200, 0);
  const std::string name = "X.DLL";
  constexpr size_t kNameAt = 500;  // after 25 descriptors
  std::copy(name.begin(), name.end(), section.begin() + kNameAt);
  for (size_t at = 0; at + 20 <= kNameAt; at += 20) test::PutU32(section, at + 12, 0x1000 + kNameAt);
  test::PeBuilder builder;
  builder.Section(".idata", section);
  Bytes file = builder.Build();
  test::PutU32(file, builder.Layout().optionalOffset + 96 + 8, 0x1000);
  test::PutU32(file, builder.Layout().optionalOffset + 96 + 12, 0xFFFFFFFF);
  const auto pe = pe::PeFile::Parse(file);
  ASSERT_TRUE(pe) << pe.Error();
  const auto list = pe::ReadImportedModules(*pe);
  EXPECT_EQ(list.modules.size(), 25u);
  EXPECT_FALSE(list.error.empty());
}

}  // namespace
}  // namespace cvn
