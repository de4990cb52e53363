// Bounded copies into the record's fixed text fields. Every text the program
// composes goes through these, so no file, path or number can write past a
// field; a text that does not fit is cut at the field's capacity.
#pragma once

#include <cstddef>
#include <cstring>

template <std::size_t N>
void copyText(char (&field)[N], const char* text) {
  std::size_t n = std::strlen(text);
  if (n > N - 1) n = N - 1;
  std::memmove(field, text, n);
  field[n] = '\0';
}

template <std::size_t N>
void appendText(char (&field)[N], const char* text) {
  std::size_t used = std::strlen(field);
  std::size_t n = std::strlen(text);
  if (n > N - 1 - used) n = N - 1 - used;
  std::memmove(field + used, text, n);
  field[used + n] = '\0';
}
