// The printer's clock: the host's local time plus the offset the printer keeps in its state.
#pragma once
#include <cstdint>

namespace ecf {

// Seconds counted from 01/01/1970 00:00:00 of the local calendar (no time zones involved).
std::int64_t Segundos(std::int32_t data, std::int32_t hora);
std::int32_t DataDe(std::int64_t segundos);   // yyyymmdd
std::int32_t HoraDe(std::int64_t segundos);   // seconds of the day

// The last day a document's date (dd/mm/yyyy) can hold: a clock past it is inconsistent, and no
// document is issued with it.
constexpr std::int32_t kUltimaData = 99991231;

// The host's local time now, as seconds of the local calendar.
std::int64_t AgoraHospedeiro();

}  // namespace ecf
