/*
 * cheque: prints a cheque from a layout file and reads the CMC-7 line of the cheque in the printer.
 *
 *   cheque [device] [layout file] [section] [CMC-7 file]
 *
 * Defaults: COM1, leiaute_cheque.ini, section 001, cmc7.txt. Off Windows set PLENVO_COM1 to the
 * serial device (or the path serialsim prints), or pass a path. Prints each call and its result,
 * then the CMC-7 line read; exits with 0 when every step succeeded.
 */
#include <stdio.h>
#include <string.h>

#include "plenvo.h"

static const char uso[] =
    "usage: cheque [device] [layout file] [section] [CMC-7 file]\n"
    "Prints a cheque from a layout file and reads the CMC-7 line of the cheque in the printer, through\n"
    "Plenvo. Defaults: COM1, leiaute_cheque.ini, section 001, cmc7.txt. Off Windows set PLENVO_COM1 to\n"
    "the serial device (or the path serialsim prints), or pass a path. Exits with 0 when every step\n"
    "succeeded.\n";

/* What ecf_ImprimeCheque and ecf_ImprimeCheque2 return on a layout fault. */
static const char* falha_de_leiaute(int resultado) {
  switch (resultado) {
    case 20: return "layout file missing or work file not created";
    case 21: return "no such section";
    case 22: return "Valor";
    case 23: return "Extenso";
    case 24: return "Favorecido";
    case 25: return "Cidade";
    case 26: return "Mensagem";
    case 27: return "Data";
    case 28: return "eSpacamento, ColBanco or ColConta";
    default: return "";
  }
}

static int passo(const char* nome, int resultado) {
  const char* falha = falha_de_leiaute(resultado);
  printf("%-22s %3d %s%s%s\n", nome, resultado, resultado == ECF_SUCESSO ? "ok" : "falhou", *falha ? " - " : "", falha);
  return resultado == ECF_SUCESSO;
}

/* Shows the CMC-7 file: STX, then the line. */
static void mostra_cmc7(const char* arquivo) {
  char linha[128];
  size_t n;
  FILE* f = fopen(arquivo, "rb");
  if (f == NULL) {
    printf("CMC-7: no cheque in the printer\n");
    return;
  }
  n = fread(linha, 1, sizeof linha - 1, f);
  fclose(f);
  linha[n] = '\0';
  printf("CMC-7: %s\n", n > 0 && linha[0] == 0x02 ? linha + 1 : linha);
}

int main(int argc, char** argv) {
  const char* dispositivo = argc > 1 ? argv[1] : "COM1";
  const char* leiaute = argc > 2 ? argv[2] : "leiaute_cheque.ini";
  const char* secao = argc > 3 ? argv[3] : "001";
  const char* cmc7 = argc > 4 ? argv[4] : "cmc7.txt";
  int ok;

  if (argc == 2 && (strcmp(argv[1], "-h") == 0 || strcmp(argv[1], "--help") == 0)) {
    fputs(uso, stdout);
    return 0;
  }
  if (argc > 5) {
    fputs(uso, stderr);
    return 2;
  }
  remove(cmc7); /* a file left by an earlier run would pass for a cheque read now */
  if (!passo("ecf_InicializaDLL", ecf_InicializaDLL(dispositivo))) return 1;
  ok = passo("ecf_ImprimeCheque",
             ecf_ImprimeCheque("1.234,56", "Maria da Silva", "Campinas", "Aluguel de janeiro", "150124", "real",
                               "reais", secao, leiaute)) &&
       passo("ecf_LeCMC7", ecf_LeCMC7(cmc7)) && passo("ecf_EjetarCheque", ecf_EjetarCheque());
  if (ok) mostra_cmc7(cmc7);
  passo("ecf_FinalizaDLL", ecf_FinalizaDLL());
  return ok ? 0 : 1;
}
