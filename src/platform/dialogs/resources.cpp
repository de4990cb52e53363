#include "platform/dialogs/resources.h"

#include <cctype>
#include <map>
#include <memory>

#include "platform/platform_state.h"

extern const char* const kTarnwickResourceScript;  // generated from src/app/tarnwick.rc
extern const char* const kTarnwickResourceHeader;  // generated from src/app/resource.h

namespace {

struct Token {
  enum Kind { Name, Number, String, Punct, End } kind;
  std::string text;
  long value = 0;
};

// The names a style expression may use, with their values.
const std::map<std::string, long>& styleNames() {
  static const std::map<std::string, long> names = {
      {"WS_POPUP", 0x80000000L}, {"WS_CHILD", 0x40000000L},   {"WS_VISIBLE", 0x10000000L},
      {"WS_CAPTION", 0x00C00000L}, {"WS_BORDER", 0x00800000L}, {"WS_SYSMENU", 0x00080000L},
      {"WS_GROUP", 0x00020000L},  {"WS_TABSTOP", 0x00010000L}, {"DS_MODALFRAME", 0x80},
      {"DS_SETFONT", 0x40},       {"SS_LEFT", 0},              {"SS_CENTER", 1},
      {"BS_PUSHBUTTON", 0},       {"BS_DEFPUSHBUTTON", 1},     {"BS_AUTORADIOBUTTON", 9},
      {"BS_GROUPBOX", 7},         {"ES_CENTER", 1},            {"ES_NUMBER", 0x2000},
      {"ES_AUTOHSCROLL", 0x80},   {"IDOK", 1},                 {"IDCANCEL", 2},
  };
  return names;
}

class Script {
 public:
  Script(const std::string& text, const std::map<std::string, long>& defines) : text_(text), defines_(defines) {}

  Token next() {
    skipSpaceAndComments();
    if (at_ >= text_.size()) return {Token::End, ""};
    char c = text_[at_];
    if (c == '"') {
      std::string s;
      for (++at_; at_ < text_.size(); ++at_) {
        if (text_[at_] == '"') {
          if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {  // "" inside a string is one quote
            s += '"';
            ++at_;
            continue;
          }
          ++at_;
          break;
        }
        s += text_[at_];
      }
      return {Token::String, s};
    }
    if (std::isdigit(static_cast<unsigned char>(c)) || (c == '-' && at_ + 1 < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_ + 1])))) {
      std::size_t start = at_++;
      while (at_ < text_.size() && std::isalnum(static_cast<unsigned char>(text_[at_]))) ++at_;
      std::string s = text_.substr(start, at_ - start);
      return {Token::Number, s, std::stol(s, nullptr, 0)};
    }
    if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
      std::size_t start = at_;
      while (at_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[at_])) || text_[at_] == '_')) ++at_;
      return {Token::Name, text_.substr(start, at_ - start)};
    }
    ++at_;
    return {Token::Punct, std::string(1, c)};
  }

  // The value of a name from resource.h or the style table, or a number.
  long value(const Token& t) {
    if (t.kind == Token::Number) return t.value;
    if (auto it = defines_.find(t.text); it != defines_.end()) return it->second;
    if (auto it = styleNames().find(t.text); it != styleNames().end()) return it->second;
    PLATFORM_UNIMPLEMENTED(("resource name " + t.text).c_str());
    return 0;
  }

  // A | b | c, ended by a comma or a line end.
  long expression() {
    long v = value(next());
    while (peekPunct('|')) {
      next();
      v |= value(next());
    }
    return v;
  }

  bool peekPunct(char c) {
    skipSpaceAndComments(false);
    return at_ < text_.size() && text_[at_] == c;
  }
  void skipLine() {
    while (at_ < text_.size() && text_[at_] != '\n') ++at_;
  }

 private:
  void skipSpaceAndComments(bool newlines = true) {
    while (at_ < text_.size()) {
      char c = text_[at_];
      if (c == '\n' && !newlines) return;
      if (std::isspace(static_cast<unsigned char>(c))) {
        ++at_;
      } else if (text_.compare(at_, 2, "//") == 0 || c == '#') {
        skipLine();
      } else {
        return;
      }
    }
  }
  const std::string& text_;
  const std::map<std::string, long>& defines_;
  std::size_t at_ = 0;
};

std::map<std::string, long> readDefines(const std::string& header) {
  std::map<std::string, long> defines;
  std::size_t at = 0;
  while ((at = header.find("#define", at)) != std::string::npos) {
    at += 7;
    std::size_t end = header.find('\n', at);
    std::string line = header.substr(at, end - at);
    char name[64];
    long value;
    if (std::sscanf(line.c_str(), "%63s %li", name, &value) == 2) defines[name] = value;
  }
  return defines;
}

struct Resources {
  std::map<int, HMENU__> menus;
  std::map<int, platform::DialogTemplate> dialogs;
};

// The items of a menu or drop-down, its BEGIN already read, up to its END.
void readMenuBody(Script& script, std::vector<HMENU__::Item>& items) {
  for (Token t = script.next(); t.kind != Token::End && t.text != "END" && t.text != "}"; t = script.next()) {
    HMENU__::Item item;
    item.text = script.next().text;
    if (t.text == "POPUP") {
      script.next();  // BEGIN
      readMenuBody(script, item.items);
    } else if (t.text == "MENUITEM") {
      script.next();  // ,
      item.id = static_cast<UINT>(script.value(script.next()));
    } else {
      PLATFORM_UNIMPLEMENTED(("menu statement " + t.text).c_str());
    }
    items.push_back(item);
  }
}

void readDialog(Script& script, platform::DialogTemplate& d) {
  d.x = static_cast<int>(script.value(script.next()));
  for (int* field : {&d.y, &d.width, &d.height}) {
    script.next();  // ,
    *field = static_cast<int>(script.value(script.next()));
  }
  for (Token t = script.next(); t.kind != Token::End; t = script.next()) {
    if (t.text == "STYLE") {
      d.style = static_cast<DWORD>(script.expression());
    } else if (t.text == "CAPTION") {
      d.caption = script.next().text;
    } else if (t.text == "FONT") {
      d.fontSize = static_cast<int>(script.value(script.next()));
      script.next();
      d.fontFace = script.next().text;
    } else if (t.text == "BEGIN" || t.text == "{") {
      break;
    }
  }
  for (Token t = script.next(); t.kind != Token::End && t.text != "END" && t.text != "}"; t = script.next()) {
    if (t.text != "CONTROL") PLATFORM_UNIMPLEMENTED(("dialog statement " + t.text).c_str());
    platform::DialogControl c;
    c.text = script.next().text;
    script.next();
    c.id = static_cast<int>(script.value(script.next()));
    script.next();
    c.className = script.next().text;
    script.next();
    c.style = static_cast<DWORD>(script.expression());
    for (int* field : {&c.x, &c.y, &c.width, &c.height}) {
      script.next();
      *field = static_cast<int>(script.value(script.next()));
    }
    d.controls.push_back(c);
  }
}

const Resources& resources() {
  static const Resources r = [] {
    Resources out;
    std::string text = kTarnwickResourceScript;
    auto defines = readDefines(kTarnwickResourceHeader);
    Script script(text, defines);
    for (Token t = script.next(); t.kind != Token::End; t = script.next()) {
      if (t.kind != Token::Name && t.kind != Token::Number) continue;
      Token kind = script.next();
      int id = static_cast<int>(script.value(t));
      if (kind.text == "MENU") {
        Token begin = script.next();
        if (begin.text == "LANGUAGE") {
          script.skipLine();
          begin = script.next();
        }
        readMenuBody(script, out.menus[id].bar);
      } else if (kind.text == "DIALOG") {
        auto& d = out.dialogs[id];
        d.id = id;
        readDialog(script, d);
      }
    }
    return out;
  }();
  return r;
}

}  // namespace

namespace platform {

const DialogTemplate* findDialogTemplate(int id) {
  auto& dialogs = resources().dialogs;
  auto it = dialogs.find(id);
  return it == dialogs.end() ? nullptr : &it->second;
}

}  // namespace platform

HMENU loadMenuResource(int id) {
  auto& menus = resources().menus;
  auto it = menus.find(id);
  return it == menus.end() ? nullptr : new HMENU__(it->second);
}
