// CreateFileA and CloseHandle, for what the program does with them: create
// or empty a file for writing.
#include <cstdio>
#include <set>

#include "platform/platform_state.h"

namespace {

std::set<std::FILE*>& openFiles() {
  static std::set<std::FILE*> files;
  return files;
}

}  // namespace

HANDLE WINAPI CreateFileA(LPCSTR path, DWORD access, DWORD share, void*, DWORD disposition, DWORD, HANDLE) {
  if (access != GENERIC_WRITE || share != 0 || disposition != CREATE_ALWAYS) {
    PLATFORM_UNIMPLEMENTED("CreateFileA other than GENERIC_WRITE, no sharing, CREATE_ALWAYS");
    return INVALID_HANDLE_VALUE;
  }
  if (!path || !*path) return INVALID_HANDLE_VALUE;
  std::FILE* file = std::fopen(path, "wb");
  if (!file) return INVALID_HANDLE_VALUE;
  openFiles().insert(file);
  return file;
}

BOOL WINAPI CloseHandle(HANDLE handle) {
  auto* file = static_cast<std::FILE*>(handle);
  if (!openFiles().erase(file)) return FALSE;
  return std::fclose(file) == 0;
}
