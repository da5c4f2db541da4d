#include "fiscal/estado.h"

namespace ecf {

Estado EstadoInicial() {
  Estado e;
  e.cnpj = "11.222.333/0001-81";
  e.ie = "110.042.490.114";
  e.im = "1234567";
  e.cabecalho = "EMULADOR DE ECF LTDA\nRUA DAS FLORES, 100 - CENTRO\nSAO PAULO - SP";
  e.numero_serie_mfd = "MFD0000001";
  e.aliquotas[0] = {true, true, 1800, "ICMS 18,00%"};
  e.aliquotas[1] = {true, true, 700, "ICMS 7,00%"};
  e.aliquotas[2] = {true, false, 500, "ISSQN 5,00%"};
  e.meios[0] = {true, "Dinheiro", "Dinheiro", false};
  e.meios[1] = {true, "Cartao", "Cartao de credito ou debito", true};
  e.meio_dinheiro = 0;
  return e;
}

}  // namespace ecf
