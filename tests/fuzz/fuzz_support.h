// What the fuzz targets share: the input written as a DEM file, optionally
// made to carry an accepted producer signature so that the mutations reach
// the paint and the export instead of stopping at File, Open.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "cli/session.h"
#include "app/app_state.h"
#include "platform/headless/headless.h"

namespace fuzz {

// One main window for the whole run (a fresh one per input would cost more
// than the input itself); each input starts from the record's initial state
// with nothing shown.
inline Session& freshSession() {
  static Session session;
  resetAppState();
  headless::forgetRecords();
  return session;
}

// A path of this process's own in memory-backed storage where there is one.
inline std::string scratchPath(const char* name) {
  const char* folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  return std::string(folder) + "/tarnwick-fuzz-" + std::to_string(getpid()) + "-" + name;
}

// Writes `data` as the DEM file; with `signed_`, the first 31 bytes carry the
// first producer signature and byte 1024 exists, so File, Open accepts it
// whenever its corners span an extent.
inline std::string writeDem(const std::uint8_t* data, std::size_t size, bool signed_) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  if (signed_) {
    static const std::string signature = "Digital Elevation Model by Qarn";
    if (bytes.size() < 1025) bytes.resize(1025, ' ');
    bytes.replace(0, signature.size(), signature);
  }
  std::string path = scratchPath("input.dem");
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  return path;
}

}  // namespace fuzz
