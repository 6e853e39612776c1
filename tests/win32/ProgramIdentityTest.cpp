// quorvel.exe and quorvel-dryrun.exe show who they are: the project's icon and
// a version resource with the build's version, read back as Explorer reads them.
#include <windows.h>

#include <gtest/gtest.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "ChildProcess.h"

namespace quorvel::testing {
namespace {

const char* const kPrograms[] = {"quorvel.exe", "quorvel-dryrun.exe"};

std::string ProgramPath(const char* name) { return ExeDirectory() + "\\" + name; }

// A string of the version resource's US English block; "" when missing.
std::string VersionString(const std::vector<char>& block, const char* name) {
  void* value = nullptr;
  UINT length = 0;
  const std::string key = std::string("\\StringFileInfo\\040904b0\\") + name;
  if (!VerQueryValueA(block.data(), key.c_str(), &value, &length) || length == 0) return "";
  return std::string(static_cast<const char*>(value));
}

std::vector<char> VersionBlock(const std::string& path) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  std::vector<char> block(size);
  if (size == 0 || !GetFileVersionInfoA(path.c_str(), 0, size, block.data())) block.clear();
  return block;
}

int IconWidth(HICON icon) {
  ICONINFO info = {};
  if (!GetIconInfo(icon, &info)) return 0;
  BITMAP bitmap = {};
  GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

TEST(ProgramIdentity, VersionResourceCarriesTheBuildsVersion) {
  for (const char* program : kPrograms) {
    SCOPED_TRACE(program);
    const std::vector<char> block = VersionBlock(ProgramPath(program));
    ASSERT_FALSE(block.empty());
    EXPECT_EQ(VersionString(block, "ProductName"), "Quorvel");
    EXPECT_EQ(VersionString(block, "FileVersion"), QUORVEL_PROJECT_VERSION);
    EXPECT_EQ(VersionString(block, "ProductVersion"), QUORVEL_PROJECT_VERSION);
    EXPECT_EQ(VersionString(block, "OriginalFilename"), program);
    EXPECT_NE(VersionString(block, "FileDescription"), "");
    EXPECT_NE(VersionString(block, "LegalCopyright").find("Copyright"), std::string::npos);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionMS)),
              QUORVEL_PROJECT_VERSION);
  }
}

TEST(ProgramIdentity, BothProgramsCarryTheIconInItsSizes) {
  for (const char* program : kPrograms) {
    SCOPED_TRACE(program);
    const std::string path = ProgramPath(program);
    EXPECT_EQ(ExtractIconExA(path.c_str(), -1, nullptr, nullptr, 0), 1u);
    HICON large = nullptr, small = nullptr;
    ASSERT_EQ(ExtractIconExA(path.c_str(), 0, &large, &small, 1), 2u);
    EXPECT_EQ(IconWidth(large), GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(IconWidth(small), GetSystemMetrics(SM_CXSMICON));
    DestroyIcon(large);
    DestroyIcon(small);
    // The 48-pixel drawing is there too, not only a scaled one.
    HICON big = nullptr;
    ASSERT_EQ(PrivateExtractIconsA(path.c_str(), 0, 48, 48, &big, nullptr, 1, 0), 1u);
    EXPECT_EQ(IconWidth(big), 48);
    DestroyIcon(big);
  }
}

}  // namespace
}  // namespace quorvel::testing
