#include "copy_literals.h"

#include <cctype>
#include <cstdio>

#include "compat/cp1252.h"

namespace cp1252_literals {
namespace {

bool IsIdentifierChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool IsAscii(char c) { return static_cast<unsigned char>(c) < 0x80; }

class Copier {
 public:
  explicit Copier(std::string_view text) : text_(text) {}

  std::string Run() {
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == '/' && Next(1) == '/') {
        CopyUntil("\n", false);
      } else if (c == '/' && Next(1) == '*') {
        CopyUntil("*/", true);
      } else if (c == '"' || c == '\'') {
        Literal(c);
      } else {
        Advance(c);
      }
    }
    return out_;
  }

 private:
  char Next(std::size_t ahead) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }

  // Identifier and pp-number runs: needed to tell a literal's prefix and a digit separator (1'000).
  void Advance(char c) {
    if (IsIdentifierChar(c)) {
      if (run_.empty()) run_is_number_ = std::isdigit(static_cast<unsigned char>(c)) != 0;
      run_ += c;
    } else if (!(run_is_number_ && !run_.empty() && (c == '.' || c == '\''))) {
      run_.clear();
    }
    out_ += c;
    ++pos_;
  }

  void CopyUntil(std::string_view end, bool include_end) {
    const std::size_t found = text_.find(end, pos_ + 2);
    const std::size_t stop = found == std::string_view::npos ? text_.size() : found + (include_end ? end.size() : 0);
    out_.append(text_.substr(pos_, stop - pos_));
    pos_ = stop;
    run_.clear();
  }

  void Literal(char quote) {
    if (quote == '\'' && run_is_number_ && !run_.empty()) {  // digit separator
      Advance(quote);
      return;
    }
    const std::string prefix = run_;
    run_.clear();
    const bool raw = quote == '"' && (prefix == "R" || prefix == "LR" || prefix == "uR" || prefix == "UR" || prefix == "u8R");
    const std::string encoding = raw ? prefix.substr(0, prefix.size() - 1) : prefix;
    const bool narrow = encoding.empty() || (encoding != "L" && encoding != "u" && encoding != "U" && encoding != "u8");
    if (raw) {
      RawString(narrow);
      return;
    }
    out_ += quote;
    ++pos_;
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == quote || c == '\n') {  // an unclosed quote (in an #error line, say) ends with its line
        out_ += c;
        ++pos_;
        return;
      }
      if (c == '\\' && pos_ + 1 < text_.size()) {
        out_.append(text_.substr(pos_, 2));
        pos_ += 2;
        if (!IsAscii(text_[pos_ - 1])) throw Failure{pos_ - 1, "non-ASCII character after a backslash"};
        continue;
      }
      if (IsAscii(c) || !narrow) {
        out_ += c;
        ++pos_;
        continue;
      }
      std::size_t end = pos_;
      while (end < text_.size() && !IsAscii(text_[end])) ++end;
      const std::string bytes = compat::utf8_to_cp1252(text_.substr(pos_, end - pos_), '\0');
      for (const char b : bytes) {
        if (b == '\0') throw Failure{pos_, "character without a Windows-1252 form, or malformed UTF-8"};
        char escape[5];
        std::snprintf(escape, sizeof escape, "\\%03o", static_cast<unsigned char>(b));
        out_ += escape;
      }
      pos_ = end;
    }
  }

  // R"delimiter( ... )delimiter"
  void RawString(bool narrow) {
    const std::size_t open = text_.find('(', pos_);
    if (open == std::string_view::npos) throw Failure{pos_, "raw string without its opening parenthesis"};
    const std::string closing = ")" + std::string(text_.substr(pos_ + 1, open - pos_ - 1)) + "\"";
    const std::size_t close = text_.find(closing, open);
    const std::size_t stop = close == std::string_view::npos ? text_.size() : close + closing.size();
    const std::string_view body = text_.substr(pos_, stop - pos_);
    if (narrow)
      for (std::size_t i = 0; i < body.size(); ++i)
        if (!IsAscii(body[i])) throw Failure{pos_ + i, "non-ASCII character in a narrow raw string"};
    out_.append(body);
    pos_ = stop;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::string out_;
  std::string run_;
  bool run_is_number_ = false;
};

}  // namespace

std::string CopyWithCp1252Literals(std::string_view source) { return Copier(source).Run(); }

}  // namespace cp1252_literals
