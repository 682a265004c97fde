#include "app/misread_backup.h"

#include <windows.h>

#include <cwchar>
#include <string_view>

#include "app/backup.h"
#include "app/config_folder.h"
#include "app/file_ops.h"
#include "app/retry_while_held.h"
#include "runtime/wide_text.h"

namespace app {
namespace {

constexpr unsigned kChineseSimplified = 936;
// kBackupFolder and kAbsentSuffix in code page 936, as earlier builds wrote them.
constexpr std::string_view kBackupFolderCodePage936 =
    "\xC4\xAB\xF0\xB0\xD2\xBB\xBC\xFC\xD3\xC5\xBB\xAF\xB1\xB8\xB7\xDD";
constexpr std::string_view kAbsentSuffixCodePage936 = ".\xB2\xBB\xB4\xE6\xD4\xDA";

// The bytes read as the system's ANSI file functions read them: in codePage, each byte sequence
// that it cannot hold replaced, not refused.
std::string ReadInCodePage(std::string_view bytes, unsigned codePage) {
  if (codePage == kChineseSimplified) return {};
  const int size = static_cast<int>(bytes.size());
  const int units = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  if (units <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), units);
  return runtime::ToNarrow(wide);
}

}  // namespace

std::string MisreadBackupFolderName(unsigned codePage) {
  return ReadInCodePage(kBackupFolderCodePage936, codePage);
}

std::string MisreadAbsentSuffix(unsigned codePage) {
  return ReadInCodePage(kAbsentSuffixCodePage936, codePage);
}

unsigned SystemAnsiCodePage() {
  wchar_t digits[8] = {};
  if (!GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE, digits,
                      static_cast<int>(std::size(digits))))
    return kChineseSimplified;
  return static_cast<unsigned>(std::wcstoul(digits, nullptr, 10));
}

void AdoptMisreadBackupFolder(const std::string& folder, unsigned codePage) {
  const std::string name = MisreadBackupFolderName(codePage);
  if (name.empty() || name == kBackupFolder || BackupExists(folder) || !IsFolder(folder + name))
    return;
  const ActionWaits waits;
  const std::string misread = folder + name + "\\", suffix = MisreadAbsentSuffix(codePage);
  for (const char* file : kConfigFiles) {
    const std::string record = misread + file + suffix;
    if (EntryExists(record) && !MoveEntry(record, misread + file + kAbsentSuffix)) return;
  }
  MoveEntry(folder + name, folder + kBackupFolder);
}

}  // namespace app
