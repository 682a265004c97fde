#pragma once
// A fresh, empty folder under the system's temporary folder, removed with everything in it when
// the object goes away. path() ends in a backslash, like the configuration folder text.
#include <string>

namespace testing_support {

class TempDir {
 public:
  // prefix becomes the start of the folder name, in any script.
  explicit TempDir(const std::string& prefix = "cy");
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Small file helpers for tests; paths are UTF-8 texts.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool PathExists(const std::string& path);
bool IsDirectory(const std::string& path);
// Creates every folder of an absolute path that ends in a backslash, where it is not there yet.
void MakeFolders(const std::string& path);
// Removes a folder with everything in it, read-only files included; the test prefix's game folder
// may hold what a player, or an earlier manual run, left there.
void RemoveTree(const std::string& folder);

}  // namespace testing_support
