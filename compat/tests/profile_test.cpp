#include <gtest/gtest.h>

#include "compat/profile.h"
#include "test_support/temp_folder.h"

namespace {

using test_support::TempFolder;

class Profile : public ::testing::Test {
 protected:
  std::string make(const std::string& bytes) {
    const std::string path = temp_.file("teste" + std::to_string(++count_) + ".ini");
    test_support::write_bytes(path, bytes);
    return path;
  }
  TempFolder temp_{"compat-test", TempFolder::user_folders};
  int count_ = 0;
};

TEST_F(Profile, BlanksAndOneMatchingPairOfQuotesAreRemoved) {
  const std::string ini = make(
      "[Banco]\r\n"
      "  Nome =  \"Banco do Brasil\"  \r\n"
      "Simples='x y'\r\n"
      "Misturadas=\"abc'\r\n"
      "SoUmaAspa=\"\r\n"
      "Duplas=\"\"dois\"\"\r\n"
      "Dentro= \"  com brancos  \" \r\n"
      "Vazio=\r\n"
      "Tab\t=\tvalor\t\r\n");
  EXPECT_EQ(compat::profile_string(ini, "Banco", "Nome", "x"), "Banco do Brasil");
  EXPECT_EQ(compat::profile_string(ini, "Banco", "Simples", "x"), "x y");
  EXPECT_EQ(compat::profile_string(ini, "Banco", "Misturadas", "x"), "\"abc'");
  EXPECT_EQ(compat::profile_string(ini, "Banco", "SoUmaAspa", "x"), "\"");
  EXPECT_EQ(compat::profile_string(ini, "Banco", "Duplas", "x"), "\"dois\"");
  EXPECT_EQ(compat::profile_string(ini, "Banco", "Dentro", "x"), "  com brancos  ");
  EXPECT_EQ(compat::profile_string(ini, "Banco", "Vazio", "x"), "");
  EXPECT_EQ(compat::profile_string(ini, "Banco", "Tab", "x"), "valor");
}

TEST_F(Profile, NamesIgnoreCaseAndTheFirstMatchWins) {
  const std::string ini = make(
      "; comentário\n"
      "[Configuração]\n"
      "Chave=primeira\n"
      "CHAVE=segunda\n"
      ";Oculta=nao\n"
      "[ Outra ]\n"
      "x=1\n"
      "[configuração]\n"
      "Chave=da segunda seção\n"
      "SoNaSegunda=2\n");
  EXPECT_EQ(compat::profile_string(ini, "CONFIGURAÇÃO", "chave", "d"), "primeira");
  EXPECT_EQ(compat::profile_string(ini, "Outra", "X", "d"), "1");
  // Only the first section of a name is read; comment lines are no keys.
  EXPECT_EQ(compat::profile_string(ini, "Configuração", "SoNaSegunda", "d"), "d");
  EXPECT_EQ(compat::profile_string(ini, "Configuração", "Oculta", "d"), "d");
  EXPECT_EQ(compat::profile_string(ini, "Configuração", ";Oculta", "d"), "d");
}

TEST_F(Profile, DefaultWhenKeySectionOrFileIsMissing) {
  const std::string ini = make("[A]\nk=v\n");
  EXPECT_EQ(compat::profile_string(ini, "A", "outra", "ERR"), "ERR");
  EXPECT_EQ(compat::profile_string(ini, "B", "k", "ERR"), "ERR");
  EXPECT_EQ(compat::profile_string(temp_.file("nao-existe.ini"), "A", "k", "ERR"), "ERR");
  EXPECT_EQ(compat::profile_string(temp_.path(), "A", "k", "ERR"), "ERR");  // a folder reads as empty
  EXPECT_EQ(compat::profile_string(ini, "A", "outra", "padrão  \t"), "padrão");  // trailing blanks dropped
  EXPECT_EQ(compat::profile_int(ini, "A", "outra", -9), -9);
}

TEST_F(Profile, BufferIsCutAndTerminated) {
  const std::string ini = make("[A]\nk=0123456789\n");
  char buffer[16];
  std::fill(buffer, buffer + sizeof buffer, '#');
  EXPECT_EQ(compat::profile_read_string(ini, "A", "k", "", buffer, 5), 4u);
  EXPECT_EQ(std::string(buffer, 6), std::string("0123\0#", 6));
  EXPECT_EQ(compat::profile_read_string(ini, "A", "nada", "ERRO", buffer, 3), 2u);
  EXPECT_EQ(std::string(buffer, 3), std::string("ER\0", 3));
  EXPECT_EQ(compat::profile_read_string(ini, "A", "k", "", buffer, 11), 10u);
  EXPECT_STREQ(buffer, "0123456789");
  buffer[0] = '#';
  EXPECT_EQ(compat::profile_read_string(ini, "A", "k", "", buffer, 0), 0u);
  EXPECT_EQ(buffer[0], '#');
  EXPECT_EQ(compat::profile_read_string(ini, "A", "k", "", buffer, 1), 0u);
  EXPECT_EQ(buffer[0], '\0');
}

TEST_F(Profile, IntegersTakeTheLeadingDigits) {
  const std::string ini = make(
      "[N]\r\na=12abc\r\nb=-7\r\nc=+3\r\nd=abc\r\ne=\r\nf='42'\r\ng=4294967297\r\nh= 0815 \r\n");
  EXPECT_EQ(compat::profile_int(ini, "N", "a", 99), 12);
  EXPECT_EQ(compat::profile_int(ini, "N", "b", 99), -7);
  EXPECT_EQ(compat::profile_int(ini, "N", "c", 99), 3);
  EXPECT_EQ(compat::profile_int(ini, "N", "d", 99), 0);
  EXPECT_EQ(compat::profile_int(ini, "N", "e", 99), 0);
  EXPECT_EQ(compat::profile_int(ini, "N", "f", 99), 42);
  EXPECT_EQ(compat::profile_int(ini, "N", "g", 99), 1);  // wraps at 32 bits
  EXPECT_EQ(compat::profile_int(ini, "N", "h", 99), 815);
  EXPECT_EQ(compat::profile_int(ini, "N", "z", 99), 99);
}

TEST_F(Profile, SectionListingsKeepFileOrder) {
  const std::string ini = make(
      "[Itau]\r\n"
      "Valor=10,20\r\n"
      "sem igual\r\n"
      ";Comentario=1\r\n"
      "Extenso = 'a b' \r\n"
      "VALOR=outra\r\n"
      "\r\n"
      "[Bradesco]\r\n"
      "Valor=1\r\n"
      "[itau]\r\n"
      "Mais=1\r\n");
  const auto entries = compat::profile_section(ini, "ITAU");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0], std::make_pair(std::string("Valor"), std::string("10,20")));
  EXPECT_EQ(entries[1], std::make_pair(std::string("Extenso"), std::string("a b")));
  EXPECT_TRUE(compat::profile_section(ini, "Caixa").empty());
  EXPECT_EQ(compat::profile_sections(ini), (std::vector<std::string>{"Itau", "Bradesco"}));
  EXPECT_TRUE(compat::profile_sections(temp_.file("nao-existe.ini")).empty());
}

TEST_F(Profile, LineEndsAndBytesAreKeptApart) {
  const std::string crlf = make("[S]\r\nk=Ação\r\nlast=fim");
  const std::string lf = make("[S]\nk=Ação\nlast=fim");
  for (const std::string& ini : {crlf, lf}) {
    EXPECT_EQ(compat::profile_string(ini, "S", "k", ""), "A\xE7\xE3o");
    EXPECT_EQ(compat::profile_string(ini, "S", "last", ""), "fim");  // no line end after it
  }
}

TEST_F(Profile, WritingKeepsTheRestOfTheFile) {
  const std::string ini = make("; cabeçalho\r\n[A]\r\nx = 1\r\ny=2\r\n\r\n[B]\r\nz=3");
  ASSERT_TRUE(compat::profile_write_string(ini, "a", "X", "novo"));
  ASSERT_TRUE(compat::profile_write_string(ini, "A", "w", "acrescentado"));
  ASSERT_TRUE(compat::profile_write_string(ini, "B", "z2", "fim"));
  ASSERT_TRUE(compat::profile_write_string(ini, "Nova Seção", "k", "v"));
  EXPECT_EQ(test_support::read_bytes(ini),
            "; cabeçalho\r\n[A]\r\nX=novo\r\ny=2\r\nw=acrescentado\r\n\r\n[B]\r\nz=3\r\nz2=fim\r\n"
            "\r\n[Nova Seção]\r\nk=v\r\n");
  EXPECT_EQ(compat::profile_string(ini, "A", "x", ""), "novo");

  const std::string fresh = temp_.file("novo.ini");
  ASSERT_TRUE(compat::profile_write_string(fresh, "S", "k", "v"));
  ASSERT_TRUE(compat::profile_write_string(fresh, "S", "j", "w"));
  EXPECT_EQ(test_support::read_bytes(fresh), "[S]\r\nk=v\r\nj=w\r\n");

  const std::string unix_file = make("[S]\nk=v\n");
  ASSERT_TRUE(compat::profile_write_string(unix_file, "T", "k", "v"));
  EXPECT_EQ(test_support::read_bytes(unix_file), "[S]\nk=v\n\n[T]\nk=v\n");
}

// A last line ending in a bare CR is completed with LF only, so its bytes and its value stay.
TEST_F(Profile, WritingAfterALastLineEndingInABareCarriageReturn) {
  struct Case {
    const char* before;
    const char* section;
    const char* after;
  };
  const Case cases[] = {
      {"[S]\r\nA=x\r", "S", "[S]\r\nA=x\r\nB=y\r\n"},
      {"[S]\nA=x\r", "S", "[S]\nA=x\r\nB=y\n"},
      {"[S]\r", "S", "[S]\r\nB=y\r\n"},
      {"[S]\r\nA=x\r", "T", "[S]\r\nA=x\r\n\r\n[T]\r\nB=y\r\n"},
      {"[S]\r\nA=x\r\r", "S", "[S]\r\nA=x\r\r\nB=y\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    const std::string ini = make(c.before);
    const std::string a_before = compat::profile_string(ini, "S", "A", "ausente");
    ASSERT_TRUE(compat::profile_write_string(ini, c.section, "B", "y"));
    EXPECT_EQ(test_support::read_bytes(ini), c.after);
    EXPECT_EQ(compat::profile_string(ini, "S", "A", "ausente"), a_before);
    EXPECT_EQ(compat::profile_string(ini, c.section, "B", ""), "y");
  }
}

TEST_F(Profile, WritingRefusesWhatWouldBreakTheFile) {
  const std::string ini = make("[A]\r\nk=v\r\n");
  struct Refused {
    const char* section;
    const char* key;
    const char* value;
  };
  // Each would break the file's lines or could not be read back under the name it was written with.
  const Refused refused[] = {
      {"A", "k", "duas\r\nlinhas"}, {"A", "k=j", "v"}, {"A]", "k", "v"},  {"", "k", "v"},
      {"A", "", "v"},               {"A", ";k", "v"},  {"A", " ;k", "v"}, {"A", "[K]", "v"},
      {"A", "[K", "]"},             {"A", " k", "v"},  {"A", "k\t", "v"}, {"A", "  ", "v"},
      {" A", "k", "v"},             {"A ", "k", "v"}, {" ", "k", "v"},
  };
  for (const Refused& r : refused) {
    SCOPED_TRACE(std::string(r.section) + "|" + r.key + "|" + r.value);
    EXPECT_FALSE(compat::profile_write_string(ini, r.section, r.key, r.value));
  }
  EXPECT_EQ(test_support::read_bytes(ini), "[A]\r\nk=v\r\n");
  // Names that merely contain those characters are fine.
  ASSERT_TRUE(compat::profile_write_string(ini, "[;A", "[K", "x;y"));
  ASSERT_TRUE(compat::profile_write_string(ini, "A", "k;[j] l", "  "));
  EXPECT_EQ(compat::profile_string(ini, "[;a", "[k", ""), "x;y");
  EXPECT_EQ(compat::profile_string(ini, "A", "K;[J] L", "d"), "");
  EXPECT_FALSE(compat::profile_write_string(temp_.path(), "A", "k", "v"));  // a folder
  EXPECT_FALSE(compat::profile_write_string(temp_.file("sem/pasta.ini"), "A", "k", "v"));
}

}  // namespace
