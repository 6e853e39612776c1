#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "storage/MemoryRegistryStore.h"
#include "storage/RegAccess.h"

namespace quorvel {
namespace {

TEST(ParseKeyPathTest, RootNamesLongAndShort) {
  struct Case {
    const char* Path;
    RootKey Root;
    const char* SubKey;
  };
  const Case cases[] = {
      {"HKLM\\SOFTWARE\\X\\", RootKey::LocalMachine, "SOFTWARE\\X\\"},
      {"hkey_local_machine\\SOFTWARE\\X", RootKey::LocalMachine, "SOFTWARE\\X"},
      {"HKEY_CURRENT_USER\\Software\\Paltalk", RootKey::CurrentUser, "Software\\Paltalk"},
      {"hkcu\\a", RootKey::CurrentUser, "a"},
      {"HKEY_USERS\\.DEFAULT", RootKey::Users, ".DEFAULT"},
      {"HKEY_CLASSES_ROOT", RootKey::ClassesRoot, ""},
      {"HKCC", RootKey::CurrentConfig, ""},
      {"HKEY_DYN_DATA\\x", RootKey::DynData, "x"},
      {"HKEY_PERFORMANCE_DATA\\x", RootKey::PerformanceData, "x"},
      {"HKXX\\SOFTWARE", RootKey::None, "SOFTWARE"},
      {"SOFTWARE\\X", RootKey::None, "X"},
      {"", RootKey::None, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Path);
    const auto parsed = ParseKeyPath(c.Path);
    EXPECT_EQ(parsed.Root, c.Root);
    EXPECT_EQ(parsed.SubKey, c.SubKey);
  }
}

class RegAccessTest : public ::testing::Test {
 protected:
  MemoryRegistryStore store;
  RegAccess reg{store};
};

TEST_F(RegAccessTest, LongAndShortPathsAddressTheSameKey) {
  ASSERT_TRUE(reg.WriteString("HKLM\\SOFTWARE\\Pal", "DisplayVersion", "10.1"));
  EXPECT_TRUE(reg.KeyExists("hkey_local_machine\\SOFTWARE\\Pal"));
  EXPECT_EQ(reg.ReadString("hkey_local_machine\\software\\pal\\", "displayversion", "0"), "10.1");
}

TEST_F(RegAccessTest, FailuresGiveTheFailureResult) {
  EXPECT_FALSE(reg.KeyExists("HKXX\\SOFTWARE"));
  EXPECT_EQ(reg.ReadString("HKXX\\SOFTWARE", "v", "0"), "0");
  EXPECT_EQ(reg.ReadString("HKLM\\Missing", "v", "0"), "0");
  EXPECT_FALSE(reg.WriteString("HKXX\\SOFTWARE", "v", "x"));
  std::vector<std::string> names = {"stale"};
  EXPECT_EQ(reg.EnumKeys("HKLM\\Missing", names), -1);
  EXPECT_TRUE(names.empty());
}

TEST_F(RegAccessTest, ReadStringKeepsTheBufferRules) {
  reg.WriteString("HKLM\\K", "long", std::string(300, 'a'));
  reg.WriteString("HKLM\\K", "fits", std::string(254, 'b'));
  reg.WriteString("HKLM\\K", "tooLong", std::string(255, 'c'));
  reg.WriteString("HKLM\\K", "blanks", "  padded  ");
  reg.WriteString("HKLM\\K", "empty", "");
  EXPECT_EQ(reg.ReadString("HKLM\\K", "long", "0"), "0");
  EXPECT_EQ(reg.ReadString("HKLM\\K", "fits", "0"), std::string(254, 'b'));
  EXPECT_EQ(reg.ReadString("HKLM\\K", "tooLong", "0"), "0");
  EXPECT_EQ(reg.ReadString("HKLM\\K", "blanks", "0"), "padded  ");  // leading blanks are lost
  EXPECT_EQ(reg.ReadString("HKLM\\K", "empty", "0"), "");
  EXPECT_EQ(reg.ReadString("HKLM\\K", "missing", "0"), "0");
}

TEST_F(RegAccessTest, WritesCreateKeysOnlyWhenAsked) {
  reg.CreateKeyIfDoesntExists = false;
  EXPECT_FALSE(reg.WriteDWORD("HKCU\\New", "n", 1));
  EXPECT_FALSE(reg.KeyExists("HKCU\\New"));
  reg.CreateKeyIfDoesntExists = true;
  EXPECT_TRUE(reg.WriteDWORD("HKCU\\New", "n", 0x01020304));
  EXPECT_EQ(reg.ReadDWORD("HKCU\\New", "n", 0), 0x01020304u);
  EXPECT_EQ(reg.ReadDWORD("HKCU\\New", "missing", 7), 7u);
}

TEST_F(RegAccessTest, ValuesKeysAndDefaults) {
  reg.WriteString("HKCU\\A", "@", "default");
  reg.WriteString("HKCU\\A", "name", "x");
  reg.CreateKey("HKCU\\A\\B");
  reg.CreateKey("HKCU\\A\\C");
  EXPECT_EQ(reg.ReadString("HKCU\\A", "", "0"), "default");
  EXPECT_TRUE(reg.ValueExists("HKCU\\A", "name"));
  std::vector<std::string> names;
  EXPECT_EQ(reg.EnumValues("HKCU\\A", names), 2);
  EXPECT_EQ(reg.EnumKeys("HKCU\\A", names), 2);
  EXPECT_EQ(names, (std::vector<std::string>{"B", "C"}));
  EXPECT_TRUE(reg.HaveSubkey("HKCU\\A"));
  EXPECT_FALSE(reg.HaveSubkey("HKCU\\A\\B"));
  EXPECT_TRUE(reg.KillValue("HKCU\\A", "name"));
  EXPECT_FALSE(reg.ValueExists("HKCU\\A", "name"));
  EXPECT_TRUE(reg.KillKey("HKCU\\A"));
  EXPECT_FALSE(reg.KeyExists("HKCU\\A\\B"));
}

TEST_F(RegAccessTest, ReadRegStringTakesStringValuesOnly) {
  reg.WriteString("HKCU\\Software\\Paltalk", "cur_user", "Ann");
  reg.WriteDWORD("HKCU\\Software\\Paltalk", "count", 5);
  store.SetValue(RootKey::CurrentUser, "Software\\Paltalk", "nulls", {kRegSz, std::string("ab\0cd", 5)});
  EXPECT_EQ(ReadRegString(store, RootKey::CurrentUser, "Software\\Paltalk", "cur_user"), "Ann");
  EXPECT_EQ(ReadRegString(store, RootKey::CurrentUser, "Software\\Paltalk", "count"), "");
  EXPECT_EQ(ReadRegString(store, RootKey::CurrentUser, "Software\\Paltalk", "nulls"), "ab");
  EXPECT_EQ(ReadRegString(store, RootKey::CurrentUser, "Software\\Missing", "cur_user"), "");
}

TEST(BinTextTest, HexTextBothWays) {
  EXPECT_EQ(BinToStr("AB"), " 41 42");
  EXPECT_EQ(BinToStr("\n"), " 0A");
  EXPECT_EQ(BinToStr(""), "");
  EXPECT_EQ(StrToBin(" 41 42"), "AB");
  EXPECT_EQ(StrToBin(BinToStr(std::string("\0\xff", 2))), std::string("\0\xff", 2));
  EXPECT_TRUE(isBinValid(" 0a FF"));
  EXPECT_FALSE(isBinValid("   "));
  EXPECT_FALSE(isBinValid(" 0G"));
}

TEST_F(RegAccessTest, BinaryValuesTravelAsHexText) {
  ASSERT_TRUE(reg.WriteBinary("HKCU\\Bin", "b", " 00 7F FF"));
  EXPECT_EQ(reg.ReadBinary("HKCU\\Bin", "b", "none"), " 00 7F FF");
  EXPECT_EQ(reg.ReadBinary("HKCU\\Bin", "missing", "none"), "none");
}

class RegScriptTest : public RegAccessTest {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() / ("quorvel-reg-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::string Read(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  std::filesystem::path dir;
};

TEST_F(RegScriptTest, ExportWritesRegedit4AndImportRestoresIt) {
  reg.WriteString("HKCU\\Software\\Q", "@", "def");
  reg.WriteString("HKCU\\Software\\Q", "path", "C:\\x \"y\"");
  reg.WriteDWORD("HKCU\\Software\\Q", "n", 10);
  reg.WriteBinary("HKCU\\Software\\Q\\Sub", "bin", " 01 AB");
  const auto file = (dir / "q.reg").string();
  ASSERT_TRUE(reg.ExportToReg("HKEY_CURRENT_USER\\Software\\Q", file, true));
  EXPECT_EQ(Read(file),
            "REGEDIT4\r\n\r\n"
            "[HKEY_CURRENT_USER\\Software\\Q]\r\n"
            "@=\"def\"\r\n"
            "\"path\"=\"C:\\\\x \\\"y\\\"\"\r\n"
            "\"n\"=dword:0000000a\r\n\r\n"
            "[HKEY_CURRENT_USER\\Software\\Q\\Sub]\r\n"
            "\"bin\"=hex:01,ab\r\n\r\n");
  EXPECT_FALSE(reg.ExportToReg("HKCU\\Software\\Q", file, true));  // never overwrites

  MemoryRegistryStore other;
  RegAccess imported(other);
  ASSERT_TRUE(imported.ImportFromReg(file));
  EXPECT_EQ(imported.ReadString("HKCU\\Software\\Q", "", "0"), "def");
  EXPECT_EQ(imported.ReadString("HKCU\\Software\\Q", "path", "0"), "C:\\x \"y\"");
  EXPECT_EQ(imported.ReadDWORD("HKCU\\Software\\Q", "n", 0), 10u);
  EXPECT_EQ(imported.ReadBinary("HKCU\\Software\\Q\\Sub", "bin", ""), " 01 AB");
}

TEST_F(RegScriptTest, ImportRejectsWhatIsNotARegedit4Script) {
  const auto file = dir / "bad.reg";
  std::ofstream(file, std::ios::binary) << "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\X]\r\n";
  EXPECT_FALSE(reg.ImportFromReg(file.string()));
  EXPECT_FALSE(reg.KeyExists("HKCU\\X"));
  EXPECT_FALSE(reg.ImportFromReg((dir / "missing.reg").string()));
}

}  // namespace
}  // namespace quorvel
