// The Open and Save dialogs around the backend's choice of a path: the path
// goes into the caller's buffer only when it fits with its terminator, the
// file-name offset is set, and a name typed without an extension gets the
// default one.
#include <cstring>
#include <string>

#include "platform/backend.h"

namespace {

BOOL runFileDialog(LPOPENFILENAMEA ofn, bool save) {
  if (!ofn || !ofn->lpstrFile || ofn->nMaxFile == 0) return FALSE;
  std::string path = platform::backend().chooseFile(*ofn, save);
  if (path.empty()) return FALSE;
  std::size_t nameStart = path.find_last_of("/\\");
  nameStart = (nameStart == std::string::npos) ? 0 : nameStart + 1;
  if (save && ofn->lpstrDefExt && *ofn->lpstrDefExt && path.find('.', nameStart) == std::string::npos)
    path += std::string(".") + ofn->lpstrDefExt;
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
