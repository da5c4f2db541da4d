#include "fiscal/relogio.h"

#include "compat/clock.h"

namespace ecf {

namespace {

// Days from 01/01/1970 of a civil date (proleptic Gregorian).
std::int64_t DiasDesdeEpoca(std::int64_t ano, std::int64_t mes, std::int64_t dia) {
  ano -= mes <= 2;
  std::int64_t era = (ano >= 0 ? ano : ano - 399) / 400;
  std::int64_t ano_da_era = ano - era * 400;
  std::int64_t dia_do_ano = (153 * (mes + (mes > 2 ? -3 : 9)) + 2) / 5 + dia - 1;
  std::int64_t dia_da_era = ano_da_era * 365 + ano_da_era / 4 - ano_da_era / 100 + dia_do_ano;
  return era * 146097 + dia_da_era - 719468;
}

std::int64_t DivisaoInteira(std::int64_t a, std::int64_t b) { return a / b - (a % b < 0 ? 1 : 0); }

}  // namespace

std::int64_t Segundos(std::int32_t data, std::int32_t hora) {
  return DiasDesdeEpoca(data / 10000, data / 100 % 100, data % 100) * 86400 + hora;
}

std::int32_t DataDe(std::int64_t segundos) {
  std::int64_t z = DivisaoInteira(segundos, 86400) + 719468;
  std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  std::int64_t dia_da_era = z - era * 146097;
  std::int64_t ano_da_era = (dia_da_era - dia_da_era / 1460 + dia_da_era / 36524 - dia_da_era / 146096) / 365;
  std::int64_t ano = ano_da_era + era * 400;
  std::int64_t dia_do_ano = dia_da_era - (365 * ano_da_era + ano_da_era / 4 - ano_da_era / 100);
  std::int64_t mp = (5 * dia_do_ano + 2) / 153;
  std::int64_t dia = dia_do_ano - (153 * mp + 2) / 5 + 1;
  std::int64_t mes = mp < 10 ? mp + 3 : mp - 9;
  ano += mes <= 2;
  return static_cast<std::int32_t>(ano * 10000 + mes * 100 + dia);
}

std::int32_t HoraDe(std::int64_t segundos) {
  return static_cast<std::int32_t>(segundos - DivisaoInteira(segundos, 86400) * 86400);
}

std::int64_t AgoraHospedeiro() {
  compat::LocalTime t = compat::local_now();
  return Segundos(t.year * 10000 + t.month * 100 + t.day, t.hour * 3600 + t.minute * 60 + t.second);
}

}  // namespace ecf
