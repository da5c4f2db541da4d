// cp1252_literals <source> <copy>: see copy_literals.h.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "copy_literals.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: cp1252_literals <source> <copy>\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << argv[1] << ": cannot be read\n";
    return 1;
  }
  std::ostringstream read;
  read << in.rdbuf();
  const std::string text = read.str();
  std::string copy;
  try {
    copy = cp1252_literals::CopyWithCp1252Literals(text);
  } catch (const cp1252_literals::Failure& failure) {
    const std::size_t line = 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + failure.offset, '\n'));
    std::cerr << argv[1] << ":" << line << ": " << failure.what << "\n";
    return 1;
  }
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out << copy;
  if (!out.flush()) {
    std::cerr << argv[2] << ": cannot be written\n";
    return 1;
  }
  return 0;
}
