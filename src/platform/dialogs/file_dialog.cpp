// The Open and Save dialogs around the backend's choice of a path: the path
// goes into the caller's buffer only when it fits with its terminator, the
// file-name offset is set, and a name typed without an extension gets the
// default one.
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/backend.h"

namespace {

// The dialog stays open until the user gives an acceptable answer or cancels:
// a folder that does not exist is refused, and replacing a file is asked.
std::string chooseAcceptable(LPOPENFILENAMEA ofn, bool save, std::size_t& nameStart) {
  for (;;) {
    std::string path = platform::backend().chooseFile(*ofn, save);
    if (path.empty()) return path;
    nameStart = path.find_last_of("/\\");
    nameStart = (nameStart == std::string::npos) ? 0 : nameStart + 1;
    if (save && ofn->lpstrDefExt && *ofn->lpstrDefExt && path.find('.', nameStart) == std::string::npos)
      path += std::string(".") + ofn->lpstrDefExt;
    std::error_code error;
    std::string folder = nameStart ? path.substr(0, nameStart) : ".";
    if ((ofn->Flags & OFN_PATHMUSTEXIST) && !std::filesystem::is_directory(folder, error)) continue;
    if (save && (ofn->Flags & OFN_OVERWRITEPROMPT) && std::filesystem::exists(path, error) &&
        !platform::backend().confirmOverwrite(ofn->hwndOwner, path))
      continue;
    return path;
  }
}

BOOL runFileDialog(LPOPENFILENAMEA ofn, bool save) {
  if (!ofn || !ofn->lpstrFile || ofn->nMaxFile == 0) return FALSE;
  std::size_t nameStart = 0;
  std::string path = chooseAcceptable(ofn, save, nameStart);
  if (path.empty()) return FALSE;
  if (path.size() + 1 > ofn->nMaxFile || path.size() > 0xFFFF) return FALSE;  // buffer too small: nothing chosen
  std::memcpy(ofn->lpstrFile, path.c_str(), path.size() + 1);
  ofn->nFileOffset = static_cast<WORD>(nameStart);
  std::size_t dot = path.find('.', nameStart);
  ofn->nFileExtension = static_cast<WORD>(dot == std::string::npos ? path.size() : dot + 1);
  return TRUE;
}

}  // namespace

BOOL WINAPI GetOpenFileNameA(LPOPENFILENAMEA ofn) { return runFileDialog(ofn, false); }
BOOL WINAPI GetSaveFileNameA(LPOPENFILENAMEA ofn) { return runFileDialog(ofn, true); }
