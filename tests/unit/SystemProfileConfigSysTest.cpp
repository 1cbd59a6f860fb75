#include <gtest/gtest.h>

#include "checks/SystemProfileConfigSys.h"
#include "ConfigTestSupport.h"

namespace cvn {
namespace {

struct ConfigSysCase {
  const char* text;
  int32_t files;
  int32_t buffers;
};

class ConfigSysLinesTest : public ::testing::TestWithParam<ConfigSysCase> {};

TEST_P(ConfigSysLinesTest, ReadsTheCounts) {
  int32_t files = -1;
  int32_t buffers = -1;
  ReadConfigSysCounts(GetParam().text, files, buffers);
  EXPECT_EQ(files, GetParam().files) << GetParam().text;
  EXPECT_EQ(buffers, GetParam().buffers) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ConfigSysLinesTest,
    ::testing::Values(ConfigSysCase{"FILES=40\r\n", 40, -1},
                      ConfigSysCase{"files = 40\n", 40, -1},
                      ConfigSysCase{"   \tFiles =40\n", 40, -1},
                      ConfigSysCase{"REM FILES=99\n", -1, -1},
                      ConfigSysCase{"rem files=99\nBUFFERS=30\n", -1, 30},
                      ConfigSysCase{"FILES=30\nFILES=50\n", 50, -1},
                      ConfigSysCase{"FILES=30\nFILES=lots\n", 30, -1},
                      ConfigSysCase{"FILES 30\n", -1, -1},
                      ConfigSysCase{"BUFFERS=20,0\nFILES=60", 60, 20},
                      ConfigSysCase{"DEVICE=HIMEM.SYS\nFILESHIGH=80\n", -1, -1},
                      ConfigSysCase{"", -1, -1}));

class ConfigSysFileTest : public test::ConfigMachineTest {};

TEST_F(ConfigSysFileTest, Windows95WithoutConfigSysHasSixtyFilesAndTwentyBuffers) {
  image_.Windows95();
  Start();
  EXPECT_EQ(ConfigFiles(*context_), 60);
  EXPECT_EQ(ConfigBuffers(*context_), 20);
}

TEST_F(ConfigSysFileTest, NtDefaultsAreEightFilesAndNoBuffers) {
  image_.WindowsNt4();
  Start();
  context_->isNt = true;
  EXPECT_EQ(ConfigFiles(*context_), 8);
  EXPECT_EQ(ConfigBuffers(*context_), 0);
}

TEST_F(ConfigSysFileTest, ACountTheFileLacksTakesItsDefault) {
  image_.File("C:\\CONFIG.SYS", "DEVICE=C:\\WINDOWS\\HIMEM.SYS\r\nFILES=45\r\n");
  Start();
  EXPECT_EQ(ConfigFiles(*context_), 45);
  EXPECT_EQ(ConfigBuffers(*context_), 20);
}

TEST_F(ConfigSysFileTest, IsReadOncePerRun) {
  image_.File("C:\\CONFIG.SYS", "FILES=45\nBUFFERS=33\n");
  Start();
  EXPECT_EQ(ConfigFiles(*context_), 45);
  ASSERT_TRUE(machine_->Files().WriteFile("C:\\CONFIG.SYS", {'F', 'I', 'L', 'E', 'S', '=', '9'}));
  EXPECT_EQ(ConfigFiles(*context_), 45);
  EXPECT_EQ(ConfigBuffers(*context_), 33);
}

}  // namespace
}  // namespace cvn
