#include "net/club/user_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

namespace tavlo {
namespace {

class UserFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        std::filesystem::temp_directory_path() / ("tavlo-user-file-" + std::to_string(::getpid()) + "-" +
                                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path Path() const { return UserFilePath(folder_); }
  void WriteRaw(const std::string& bytes) { std::ofstream(Path(), std::ios::binary) << bytes; }

  std::filesystem::path folder_;
};

TEST(UserFileScrambling, RoundTripsAndHidesThePassword) {
  for (const std::string pw : {"pass1", "abcd", "ZZZZZZZZZZZZ", "a-b.c@d!(),_"}) {
    const std::string scrambled = ScramblePassword(pw);
    EXPECT_EQ(scrambled.find(pw), std::string::npos) << pw;
    EXPECT_EQ(scrambled.find_first_not_of("0123456789ABCDEF"), std::string::npos) << scrambled;
    EXPECT_EQ(UnscramblePassword(scrambled), pw);
  }
  EXPECT_NE(ScramblePassword("aaaa").substr(0, 2), ScramblePassword("aaaa").substr(2, 2))
      << "equal letters do not give equal pairs";
  for (const char* bad : {"A", "GG", "0x12", "1 23"}) EXPECT_FALSE(UnscramblePassword(bad).has_value()) << bad;
}

TEST_F(UserFileTest, SavedFileReadsBackAndOnlyItsOwnerMayReadIt) {
  const UserFileContents saved{"Ann", ScramblePassword("pass1")};
  ASSERT_TRUE(SaveUserFile(Path(), saved));
  struct stat info {};
  ASSERT_EQ(::stat(Path().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);

  std::ifstream in(Path(), std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, "Zan User File\r\nAnn\r\n" + saved.PwC + "\r\n");
  EXPECT_EQ(text.find("pass1"), std::string::npos);

  const auto read = ReadUserFile(Path());
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->Nick, "Ann");
  EXPECT_EQ(SignInPassword(*read), "pass1");

  // A file that others could read before is tightened when it is saved again.
  ASSERT_EQ(::chmod(Path().c_str(), 0644), 0);
  ASSERT_TRUE(SaveUserFile(Path(), saved));
  ASSERT_EQ(::stat(Path().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);

  EXPECT_TRUE(DeleteUserFile(Path()));
  EXPECT_FALSE(std::filesystem::exists(Path()));
  EXPECT_TRUE(DeleteUserFile(Path())) << "deleting a missing file leaves it missing";
  EXPECT_FALSE(ReadUserFile(Path()).has_value());
}

TEST_F(UserFileTest, ForeignOrDamagedFilesAreIgnored) {
  const std::string pw = ScramblePassword("pass1");
  const struct {
    std::string bytes;
    bool accepted;
  } cases[] = {
      {"Zan User File\nAnn\n" + pw + "\n", true},  // LF line ends are read too
      {"Zan User File\r\nAnn\r\n" + pw, true},     // no line end after the last line
      {"Zan User file\r\nAnn\r\n" + pw + "\r\n", false},
      {"Zan User File\r\nAnn\r\n", false},
      {"Zan User File\r\nA\r\n" + pw + "\r\n", false},  // a nick the club never accepts
      {"Zan User File\r\nAn n\r\n" + pw + "\r\n", false},
      {"Zan User File\r\nAnn\r\nnot hex\r\n", false},
      {"Zan User File\r\nAnn\r\n" + ScramblePassword("a\nb") + "\r\n", false},  // a control byte
      {"Zan User File\r\nAnn\r\n" + ScramblePassword(std::string(13, 'a')) + "\r\n", false},
      {"Zan User File\r\nAnn\r\n" + pw + "\r\n" + std::string(5000, 'x'), false},
      {"", false},
  };
  for (const auto& c : cases) {
    WriteRaw(c.bytes);
    EXPECT_EQ(ReadUserFile(Path()).has_value(), c.accepted) << c.bytes.substr(0, 60);
  }
}

TEST(UserFileScrambling, SignInPasswordReplacesTheAnswersSeparators) {
  const UserFileContents contents{"Ann", ScramblePassword("a b#c$d")};
  EXPECT_EQ(SignInPassword(contents), "a-b-c-d");
}

}  // namespace
}  // namespace tavlo
