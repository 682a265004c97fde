// The folder the path box shows at start-up when the user's roaming folder has been moved away
// from the local one, as folder redirection does: the game's files stay below the local folder.
#include <shlobj.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/backup.h"
#include "app/config_folder.h"
#include "app/file_ops.h"
#include "runtime/unique_handle.h"
#include "tests/support/temp_dir.h"
#include "tests/window/main_window_fixture.h"

using namespace app::ids;
using testing_support::MakeFolders;
using testing_support::ReadFileBytes;
using testing_support::TempDir;
using testing_support::WriteFileBytes;

namespace {

constexpr wchar_t kUserShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
constexpr wchar_t kShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

struct CloseKey {
  void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueKey = runtime::UniqueHandle<HKEY, CloseKey>;

// One value of the prefix's registry, put back as it was (type and data, or no value at all) when
// the object goes away, whether the test passed or not.
class SavedRegistryValue {
 public:
  SavedRegistryValue(const wchar_t* keyName, const wchar_t* valueName) : valueName_(valueName) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, keyName, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
      throw std::runtime_error("cannot open the shell folders' key");
    key_.reset(key);
    DWORD size = 0;
    existed_ = RegQueryValueExW(key, valueName, nullptr, &type_, nullptr, &size) == ERROR_SUCCESS;
    data_.resize(size);
    if (existed_ &&
        RegQueryValueExW(key, valueName, nullptr, &type_, data_.data(), &size) != ERROR_SUCCESS)
      throw std::runtime_error("cannot read a shell folder's value");
  }
  ~SavedRegistryValue() {
    if (existed_)
      RegSetValueExW(key_.get(), valueName_, 0, type_, data_.data(),
                     static_cast<DWORD>(data_.size()));
    else
      RegDeleteValueW(key_.get(), valueName_);
  }
  SavedRegistryValue(const SavedRegistryValue&) = delete;
  SavedRegistryValue& operator=(const SavedRegistryValue&) = delete;

  void Set(const std::string& text) {
    const std::wstring wide = app::ToWide(text);
    ASSERT_EQ(RegSetValueExW(key_.get(), valueName_, 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(wide.c_str()),
                             static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
  }

 private:
  UniqueKey key_;
  const wchar_t* valueName_;
  bool existed_ = false;
  DWORD type_ = REG_NONE;
  std::vector<BYTE> data_;
};

// A special folder of the user moved elsewhere. Wine's shell32 reads "User Shell Folders" and
// copies what it finds into "Shell Folders"; both are put back.
class MovedShellFolder {
 public:
  MovedShellFolder(const wchar_t* valueName, const std::string& folder)
      : user_(kUserShellFolders, valueName), cached_(kShellFolders, valueName) {
    user_.Set(folder);
  }

 private:
  SavedRegistryValue user_;
  SavedRegistryValue cached_;
};

std::string Special(int csidl) {
  char buffer[MAX_PATH] = {};
  SHGetSpecialFolderPathA(nullptr, buffer, csidl, FALSE);
  return buffer;
}

}  // namespace

TEST_F(MainWindowTest, MovedRoamingFolderShowsTheLocalGameFolder) {
  // Below a roaming folder named outside every ANSI code page, as a player's account may be.
  TempDir root("Muñoz-한국");
  // The roaming folder away from the local one: its ".." leads into "moved", not to "Local".
  const std::string roaming = root.path() + "moved\\Roaming";
  const std::string local = root.path() + "Local";
  MakeFolders(roaming + "\\");
  MakeFolders(local + "\\");
  MovedShellFolder movedRoaming(L"AppData", roaming);
  MovedShellFolder movedLocal(L"Local AppData", local);
  ASSERT_EQ(Special(CSIDL_APPDATA), roaming);
  ASSERT_EQ(Special(CSIDL_LOCAL_APPDATA), local);

  const std::string formed = roaming + "\\..\\Local\\TslGame\\Saved\\Config\\WindowsNoEditor\\";
  const std::string formedFolder = root.path() + "moved\\Local\\TslGame\\Saved\\Config\\";
  const std::string localGame = local + "\\TslGame\\Saved\\Config\\WindowsNoEditor\\";
  struct Case {
    const char* name;
    bool formedPresent;
    bool formedIsAFile;  // a file named WindowsNoEditor where the formed folder would be
    bool localPresent;
    const std::string& shown;
  };
  const Case cases[] = {
      {"neither", false, false, false, formed},
      {"local only", false, false, true, localGame},
      {"formed only", true, false, false, formed},
      {"both", true, false, true, formed},
      {"a file where the formed folder would be", false, true, true, localGame},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::RemoveTree(root.path() + "moved\\Local");
    testing_support::RemoveTree(local + "\\TslGame");
    if (c.formedPresent) MakeFolders(formedFolder + "WindowsNoEditor\\");
    if (c.formedIsAFile) {
      MakeFolders(formedFolder);
      WriteFileBytes(formedFolder + "WindowsNoEditor", "");
    }
    if (c.localPresent) MakeFolders(localGame);
    form.reset();
    form = app::LoadMainWindow();
    form->RunCreated();
    EXPECT_EQ(form->Text(编辑框1), c.shown);
  }

  // The local folder with the game's files: 还原 is enabled by its backup, and the buttons act on
  // it.
  testing_support::RemoveTree(root.path() + "moved\\Local");
  const std::string original = "[ScalabilityGroups]\r\nsg.ShadowQuality=3\r\n";
  for (const char* file : {"Engine.ini", "GameUserSettings.ini", "Scalability.ini"})
    WriteFileBytes(localGame + file, original);
  form.reset();
  form = app::LoadMainWindow();
  form->RunCreated();
  ASSERT_EQ(form->Text(编辑框1), localGame);
  EXPECT_FALSE(IsWindowEnabled(Child(按钮3)));
  Click(按钮4);
  EXPECT_NE(ReadFileBytes(localGame + "Engine.ini").find("r.TextureStreaming=False"),
            std::string::npos);
  EXPECT_EQ(ReadFileBytes(app::BackupPath(localGame, "Engine.ini")), original);

  form.reset();
  form = app::LoadMainWindow();
  form->RunCreated();
  EXPECT_TRUE(IsWindowEnabled(Child(按钮3)));
  Click(按钮3);
  EXPECT_EQ(ReadFileBytes(localGame + "Engine.ini"), original);
  EXPECT_FALSE(app::BackupExists(localGame));
  EXPECT_TRUE(seams.messages().empty());
}
