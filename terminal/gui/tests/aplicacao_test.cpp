// The window's programs under a comma-decimal locale: numbers through the C library keep the point.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "aplicacao.h"
#include "test_support/temp_folder.h"

namespace {

TEST(Aplicacao, UnderABrazilianLocaleNumbersKeepThePoint) {
  test_support::TempFolder pasta{"tarnel-locale"};
  // The machine may have no Brazilian locale made: one is made for the test.
  const std::string gera = "localedef -i pt_BR -f UTF-8 '" + pasta.file("pt_BR.UTF-8") + "' >/dev/null 2>&1";
  if (std::system(gera.c_str()) != 0) GTEST_SKIP() << "localedef cannot make pt_BR.UTF-8 here";
  pasta.set_env("LOCPATH", pasta.path());
  pasta.set_env("LC_ALL", "pt_BR.UTF-8");
  ASSERT_NE(std::setlocale(LC_ALL, ""), nullptr);  // what QApplication does
  ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");

  tarnel::gui::NumerosComPonto();
  char texto[16];
  std::snprintf(texto, sizeof texto, "%g", 0.5);
  EXPECT_STREQ(texto, "0.5");
  EXPECT_EQ(std::strtod("6.5", nullptr), 6.5);
  EXPECT_EQ(std::string(std::setlocale(LC_CTYPE, nullptr)), "pt_BR.UTF-8");  // the rest stays the user's
  std::setlocale(LC_ALL, "C");
}

}  // namespace
