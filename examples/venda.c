/*
 * venda: one sale on a fiscal printer through Plenvo - open the coupon, sell an item, pay, close.
 *
 *   venda [device]
 *
 * The device defaults to COM1; off Windows set PLENVO_COM1 to the serial device (or the path that
 * serialsim prints), or pass a path such as /dev/ttyUSB0. Prints each call and its result; exits
 * with 0 when every step succeeded.
 */
#include <stdio.h>
#include <string.h>

#include "plenvo.h"

static const char uso[] =
    "usage: venda [device]\n"
    "One sale on a fiscal printer through Plenvo: opens the coupon, sells an item, pays and closes.\n"
    "The device defaults to COM1; off Windows set PLENVO_COM1 to the serial device (or the path that\n"
    "serialsim prints), or pass a path such as /dev/ttyUSB0. Exits with 0 when every step succeeded.\n";

/* Prints the step and says whether the printer accepted it. */
static int passo(const char* nome, int resultado) {
  printf("%-22s %3d %s\n", nome, resultado, resultado == ECF_SUCESSO ? "ok" : "falhou");
  return resultado == ECF_SUCESSO;
}

int main(int argc, char** argv) {
  const char* dispositivo = argc > 1 ? argv[1] : "COM1";
  char versao[32];
  int ok;

  if (argc == 2 && (strcmp(argv[1], "-h") == 0 || strcmp(argv[1], "--help") == 0)) {
    fputs(uso, stdout);
    return 0;
  }
  if (argc > 2) {
    fputs(uso, stderr);
    return 2;
  }
  ecf_VersaoDLL(versao);
  printf("%s em %s\n", versao, dispositivo);
  if (!passo("ecf_InicializaDLL", ecf_InicializaDLL(dispositivo))) return 1;

  ok = passo("ecf_EstadoImpressora", ecf_EstadoImpressora()) &&
       passo("ecf_ImprimeCabecalho", ecf_ImprimeCabecalho()) &&
       passo("ecf_VendaItem", ecf_VendaItem("7891234567895", "Cafe torrado 500 g", "1000", "1290", "T1", "UN", "I")) &&
       passo("ecf_Pagamento", ecf_Pagamento("1", "Dinheiro", "2000")) &&
       passo("ecf_FechaCupom", ecf_FechaCupom("Obrigado"));

  passo("ecf_FinalizaDLL", ecf_FinalizaDLL());
  return ok ? 0 : 1;
}
