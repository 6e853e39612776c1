#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "ScratchDir.h"
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

// "@" is the key's default value (the value without a name) in every
// operation that takes a value name; a value really named "@" is never touched.
TEST_F(RegAccessTest, AtMeansTheDefaultValueEverywhere) {
  const std::string key = "HKCU\\Defaults";
  const RootKey root = RootKey::CurrentUser;
  const std::string sub = "Defaults";
  struct Case {
    const char* Operation;
    std::function<void()> Write;            // through RegAccess with "@"
    std::function<bool()> ReadsTheDefault;  // what RegAccess with "@" sees of it
    RegistryValue Stored;                   // what the store must hold under ""
  };
  const Case cases[] = {
      {"WriteString / ReadString",
       [&] { reg.WriteString(key, "@", "text"); },
       [&] { return reg.ReadString(key, "@", "0") == "text"; },
       {kRegSz, std::string("text\0", 5)}},
      {"WriteDWORD / ReadDWORD",
       [&] { reg.WriteDWORD(key, "@", 42); },
       [&] { return reg.ReadDWORD(key, "@", 7) == 42u; },
       {kRegDword, DwordBytes(42)}},
      {"WriteBinary / ReadBinary",
       [&] { reg.WriteBinary(key, "@", " 41 42"); },
       [&] { return reg.ReadBinary(key, "@", "none") == " 41 42"; },
       {kRegBinary, "AB"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Operation);
    store.DeleteKey(root, sub);
    store.CreateKey(root, sub);
    store.SetValue(root, sub, "@", {kRegSz, std::string("named at\0", 9)});
    c.Write();
    const auto stored = store.QueryValue(root, sub, "");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->Type, c.Stored.Type);
    EXPECT_EQ(stored->Data, c.Stored.Data);
    EXPECT_TRUE(c.ReadsTheDefault());
    EXPECT_TRUE(reg.ValueExists(key, "@"));
    EXPECT_TRUE(reg.KillValue(key, "@"));
    EXPECT_FALSE(store.QueryValue(root, sub, "").has_value());
    EXPECT_FALSE(reg.ValueExists(key, "@"));
    // The value that is really named "@" is still there, unchanged.
    const auto named = store.QueryValue(root, sub, "@");
    ASSERT_TRUE(named.has_value());
    EXPECT_EQ(named->Data, std::string("named at\0", 9));
  }
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

TEST(BinTextTest, HexTextSplitsAtEveryBlank) {
  const struct {
    const char* Text;
    std::string Bytes;
  } cases[] = {
      {"", ""},
      {" \t\r\n", ""},
      {"\t41\r\n42 \v43\f", "ABC"},
      {"41  42  ", "AB"},
      {"141 42 4G 43", "BC"},  // only whole tokens of one or two hex digits
      {"0 0a", std::string("\0\n", 2)},
  };
  for (const auto& c : cases) EXPECT_EQ(StrToBin(c.Text), c.Bytes) << c.Text;
}

TEST_F(RegAccessTest, BinaryValuesTravelAsHexText) {
  ASSERT_TRUE(reg.WriteBinary("HKCU\\Bin", "b", " 00 7F FF"));
  EXPECT_EQ(reg.ReadBinary("HKCU\\Bin", "b", "none"), " 00 7F FF");
  EXPECT_EQ(reg.ReadBinary("HKCU\\Bin", "missing", "none"), "none");
}

class RegScriptTest : public RegAccessTest {
 protected:
  std::string Read(const std::filesystem::path& p) { return scratch.Read(p); }
  testing::ScratchDir scratch{"quorvel-reg"};
  std::filesystem::path dir = scratch.Dir();
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

TEST_F(RegScriptTest, ANameHoldingALineEndIsRefusedAndTold) {
  const std::pair<std::string, std::string> names[] = {{"Software\\Q", "evil\r\n[HKEY_LOCAL_MACHINE\\Run]"},
                                                       {"Software\\Q\\Sub\nKey", "v"}};
  for (const auto& [subKey, valueName] : names) {
    MemoryRegistryStore holding;
    RegAccess access(holding);
    holding.CreateKey(RootKey::CurrentUser, subKey);
    holding.SetValue(RootKey::CurrentUser, subKey, valueName, {kRegSz, std::string("x\0", 2)});
    EXPECT_FALSE(access.ExportToReg("HKCU\\Software\\Q", (dir / "refused.reg").string(), true));
    EXPECT_FALSE(std::filesystem::exists(dir / "refused.reg"));
    EXPECT_NE(
        access.ExportRefusal().find(valueName == "v" ? "the key name [HKEY_CURRENT_USER\\Software\\Q\\Sub\\x0AKey]"
                                                     : "the value name \"evil\\x0D\\x0A[HKEY_LOCAL"),
        std::string::npos)
        << access.ExportRefusal();
  }
}

TEST_F(RegScriptTest, EveryValueComesBackExactly) {
  // A QWORD and an expandable string travel in the byte form, whose type is
  // hexadecimal; strings that the quoted form cannot carry take the same form.
  const RegistryValue values[] = {
      {11, std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8)},
      {kRegExpandSz, std::string("%TEMP%\0", 7)},
      {kRegSz, std::string("two\r\nlines\0", 11)},
      {kRegSz, std::string("lone\n\0", 6)},
      {kRegSz, std::string("a\0b\0", 4)},
      {kRegSz, "no terminator"},
      {kRegSz, std::string("", 0)},
      {kRegDword, "\x01\x02"},  // a DWORD of the wrong size
      {0x12345, "x"},
  };
  store.CreateKey(RootKey::CurrentUser, "Software\\Q");
  for (size_t i = 0; i < std::size(values); ++i)
    store.SetValue(RootKey::CurrentUser, "Software\\Q", "v" + std::to_string(i), values[i]);
  const auto script = reg.ExportScript("HKCU\\Software\\Q", false);
  ASSERT_TRUE(script);
  EXPECT_NE(script->find("\"v0\"=hex(b):01,02,03,04,05,06,07,08\r\n"), std::string::npos) << *script;
  EXPECT_NE(script->find("\"v2\"=hex(1):74,77,6f,0d,0a,6c,69,6e,65,73,00\r\n"), std::string::npos) << *script;

  MemoryRegistryStore other;
  RegAccess imported(other);
  ASSERT_TRUE(imported.ImportScript(*script));
  for (size_t i = 0; i < std::size(values); ++i) {
    const auto back = other.QueryValue(RootKey::CurrentUser, "Software\\Q", "v" + std::to_string(i));
    ASSERT_TRUE(back) << i;
    EXPECT_EQ(back->Type, values[i].Type) << i;
    EXPECT_EQ(back->Data, values[i].Data) << i;
  }
  EXPECT_EQ(imported.ExportScript("HKCU\\Software\\Q", false), script);
}

TEST(Regedit4ScriptTest, KeepsWhatItCanReadAndSaysWhenItCouldNot) {
  const auto script = ParseRegedit4(
      "REGEDIT4\n\n\"orphan\"=\"x\"\n[HKEY_CURRENT_USER\\A]\n\"s\"=\"v\"\n\"bad\"=dword:1\n"
      "\"h\"=hex(2):41,\\\n  42,00\n\"gone\"=-\n[-HKEY_CURRENT_USER\\B]\n");
  EXPECT_FALSE(script.WellFormed);
  ASSERT_EQ(script.Keys.size(), 2u);
  EXPECT_EQ(script.Keys[0].Name, "HKEY_CURRENT_USER\\A");
  ASSERT_EQ(script.Keys[0].Values.size(), 3u);
  EXPECT_EQ(script.Keys[0].Values[0].Value.Data, std::string("v\0", 2));
  EXPECT_EQ(script.Keys[0].Values[1].Value.Type, kRegExpandSz);
  EXPECT_EQ(script.Keys[0].Values[1].Value.Data, std::string("AB\0", 3));
  EXPECT_TRUE(script.Keys[0].Values[2].Remove);
  EXPECT_TRUE(script.Keys[1].Remove);
  EXPECT_EQ(script.Keys[1].Name, "HKEY_CURRENT_USER\\B");
  EXPECT_FALSE(ParseRegedit4("REGEDIT5\r\n").WellFormed);
}

TEST(Regedit4ScriptTest, LinesEndWithOrWithoutALineEnd) {
  const struct {
    const char* Text;
    bool WellFormed;
    size_t Keys;
    std::string LastData;  // of the last value of the last key
  } cases[] = {
      {"", false, 0, ""},
      {"REGEDIT4", true, 0, ""},
      {"REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n", true, 1, ""},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"s\"=\"v\"", true, 1, std::string("v\0", 2)},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"h\"=hex:41,\\\n42", true, 1, "AB"},
      {"REGEDIT4\n\n\n[HKEY_CURRENT_USER\\A]\n\"h\"=hex:41,\\\r\n 42\n\n", true, 1, "AB"},
  };
  for (const auto& c : cases) {
    const auto script = ParseRegedit4(c.Text);
    EXPECT_EQ(script.WellFormed, c.WellFormed) << c.Text;
    ASSERT_EQ(script.Keys.size(), c.Keys) << c.Text;
    if (!c.Keys) continue;
    const auto& values = script.Keys.back().Values;
    EXPECT_EQ(values.empty() ? std::string() : values.back().Value.Data, c.LastData) << c.Text;
  }
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
