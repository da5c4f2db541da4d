/*
 * chamadas_com: a point-of-sale program's calls on one port, each printed with its result code, so
 * that a script can hold the same calls against the same faulty printer on Linux and on Windows.
 *
 *   chamadas_com DEVICE CALL...
 *
 * CALL is "estado" (ecf_EstadoImpressora), "registrador" (ecf_LeRegistrador of register 5, printed
 * with the value between brackets), "timeout:N" (ecf_ProximoTimeout), "log:V" (ecf_LogSerial, which
 * returns nothing: printed with V) or "cheque:FILE" (ecf_ImprimeCheque of fixed texts with section
 * 001 of the layout FILE). ecf_InicializaDLL(DEVICE) comes first; when it fails nothing else is
 * called. Exits with 2 on a call it does not know.
 */
#include <stdio.h>
#include <string.h>

#include "plenvo.h"

static void mostra(const char* nome, int resultado) { printf("%s %d\n", nome, resultado); }

static int chama(const char* chamada) {
  if (strcmp(chamada, "estado") == 0) {
    mostra("ecf_EstadoImpressora", ecf_EstadoImpressora());
  } else if (strcmp(chamada, "registrador") == 0) {
    char valor[31] = "antes";
    const int resultado = ecf_LeRegistrador("5", valor);
    printf("ecf_LeRegistrador %d [%.30s]\n", resultado, valor);
  } else if (strncmp(chamada, "timeout:", 8) == 0) {
    mostra("ecf_ProximoTimeout", ecf_ProximoTimeout(chamada + 8));
  } else if (strncmp(chamada, "log:", 4) == 0) {
    ecf_LogSerial(chamada + 4);
    printf("ecf_LogSerial %s\n", chamada + 4);
  } else if (strncmp(chamada, "cheque:", 7) == 0) {
    mostra("ecf_ImprimeCheque", ecf_ImprimeCheque("1234,56", "Fulano de Tal", "Campinas", "Aluguel", "150124",
                                                  "real", "reais", "001", chamada + 7));
  } else {
    fprintf(stderr, "chamadas_com: unknown call %s\n", chamada);
    return 0;
  }
  return 1;
}

int main(int argc, char** argv) {
  int i;
  int resultado;
  if (argc < 2) {
    fprintf(stderr, "usage: chamadas_com DEVICE [estado|registrador|timeout:N|log:V|cheque:FILE]...\n");
    return 2;
  }
  resultado = ecf_InicializaDLL(argv[1]);
  mostra("ecf_InicializaDLL", resultado);
  if (resultado != ECF_SUCESSO) return 0;
  for (i = 2; i < argc; ++i) {
    if (!chama(argv[i])) break;
  }
  ecf_FinalizaDLL();
  return i < argc ? 2 : 0;
}
