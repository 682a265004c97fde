// The built chengyuan.exe as Windows shows it: the file properties of its version resource, the
// manifest the loader reads, and the icon group, read back from the file's own resources.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/resources/resource_ids.h"
#include "runtime/unique_handle.h"
#include "tests/e2e/running_program.h"

namespace {

struct FreeModule {
  void operator()(HMODULE module) const { ::FreeLibrary(module); }
};
using UniqueModule = runtime::UniqueHandle<HMODULE, FreeModule>;

std::vector<char> FileVersionInfo() {
  const std::string path = e2e::ProgramPath();
  DWORD ignored = 0;
  std::vector<char> info(GetFileVersionInfoSizeA(path.c_str(), &ignored));
  if (info.empty() || !GetFileVersionInfoA(path.c_str(), 0, info.size(), info.data())) info.clear();
  return info;
}

std::string VersionString(const std::vector<char>& info, const char* name) {
  const std::string query = std::string("\\StringFileInfo\\080403A8\\") + name;
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(info.data(), query.c_str(), &value, &length) || length == 0)
    return "<missing>";
  return static_cast<const char*>(value);
}

std::string NumericVersion(DWORD high, DWORD low) {
  char text[32];
  std::snprintf(text, sizeof text, "%u.%u.%u.%u", HIWORD(high), LOWORD(high), HIWORD(low),
                LOWORD(low));
  return text;
}

// The program loaded as a resource file only: nothing of it runs.
UniqueModule LoadProgramResources() {
  return UniqueModule(LoadLibraryExA(e2e::ProgramPath().c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

std::string ResourceBytes(HMODULE module, LPCWSTR type, LPCWSTR name) {
  HRSRC found = FindResourceW(module, name, type);
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const char* bytes = static_cast<const char*>(LockResource(loaded));
  return bytes ? std::string(bytes, SizeofResource(module, found)) : std::string();
}

TEST(ExecutableResources, FilePropertiesNameTheProgramAndTheProjectVersion) {
  const std::vector<char> info = FileVersionInfo();
  ASSERT_FALSE(info.empty()) << "no version resource in " << e2e::ProgramPath();

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(NumericVersion(fixed->dwFileVersionMS, fixed->dwFileVersionLS), CHENGYUAN_FILE_VERSION);
  EXPECT_EQ(NumericVersion(fixed->dwProductVersionMS, fixed->dwProductVersionLS),
            CHENGYUAN_FILE_VERSION);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  // Simplified Chinese, code page 936: the block Explorer's properties page looks up.
  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_EQ(length, 2 * sizeof(WORD));
  EXPECT_EQ(translation[0], 0x0804);
  EXPECT_EQ(translation[1], 936);

  EXPECT_EQ(VersionString(info, "ProductName"), "澄远");
  EXPECT_EQ(VersionString(info, "FileDescription"), "澄远 远景优化");
  EXPECT_EQ(VersionString(info, "FileVersion"), CHENGYUAN_FILE_VERSION);
  EXPECT_EQ(VersionString(info, "ProductVersion"), CHENGYUAN_FILE_VERSION);
  EXPECT_EQ(VersionString(info, "OriginalFilename"), "chengyuan.exe");
  EXPECT_EQ(VersionString(info, "CompanyName"), "墨鸢");
  EXPECT_EQ(VersionString(info, "LegalCopyright"), "版权所有 (C) 2026 墨鸢");
}

TEST(ExecutableResources, ManifestRunsAsInvokerPerMonitorAwareWithCommonControls6OnWindows7To11) {
  UniqueModule module = LoadProgramResources();
  ASSERT_TRUE(module) << "cannot load " << e2e::ProgramPath() << " as a resource file";
  const std::string manifest = ResourceBytes(module.get(), RT_MANIFEST, MAKEINTRESOURCEW(1));
  ASSERT_FALSE(manifest.empty()) << "no manifest with id 1";

  const std::string expected[] = {
      "<assemblyIdentity type=\"win32\" name=\"ChengYuan.Optimizer\" "
      "version=\"" CHENGYUAN_FILE_VERSION "\"",
      "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
      "publicKeyToken=\"6595b64144ccf1df\"",
      "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>",
      "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
      "PerMonitorV2, PerMonitor</dpiAwareness>",
      "<dpiAware "
      "xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>",
      "<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>",  // Windows 7
      "<supportedOS Id=\"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}\"/>",  // Windows 8
      "<supportedOS Id=\"{1f676c76-80e1-4239-95bb-83d0f6d0da78}\"/>",  // Windows 8.1
      "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>",  // Windows 10 and 11
  };
  for (const std::string& part : expected)
    EXPECT_NE(manifest.find(part), std::string::npos) << part << "\nin\n" << manifest;
  EXPECT_TRUE(manifest.starts_with("<?xml")) << manifest;
  EXPECT_NE(manifest.find("</assembly>"), std::string::npos) << manifest;
}

TEST(ExecutableResources, IconGroupHoldsTheFourImagesOfTheProgramIcon) {
  UniqueModule module = LoadProgramResources();
  ASSERT_TRUE(module);
  const std::string group =
      ResourceBytes(module.get(), RT_GROUP_ICON, MAKEINTRESOURCEW(kAppIconResource));
  // A group directory: reserved, type 1, count; then 14 bytes per image.
  ASSERT_GE(group.size(), 6u);
  auto word = [&](std::size_t at) {
    return static_cast<unsigned>(static_cast<unsigned char>(group[at]) |
                                 static_cast<unsigned char>(group[at + 1]) << 8);
  };
  ASSERT_EQ(word(2), 1u);
  ASSERT_EQ(word(4), 4u);
  ASSERT_EQ(group.size(), 6u + 4 * 14);

  const unsigned sides[] = {256, 48, 32, 16};  // 0 in the directory stands for 256
  for (unsigned i = 0; i < 4; ++i) {
    SCOPED_TRACE("image " + std::to_string(i));
    const std::size_t entry = 6 + 14 * i;
    const unsigned side = static_cast<unsigned char>(group[entry]);
    EXPECT_EQ(side == 0 ? 256u : side, sides[i]);
    EXPECT_EQ(word(entry + 6), 32u);  // bits per pixel
    const unsigned size = word(entry + 8) | word(entry + 10) << 16;
    const std::string image =
        ResourceBytes(module.get(), RT_ICON, MAKEINTRESOURCEW(word(entry + 12)));
    EXPECT_EQ(image.size(), size);
    if (sides[i] == 256) {
      EXPECT_TRUE(image.starts_with("\x89PNG")) << "the large image is a PNG";
    }
  }
}

}  // namespace
