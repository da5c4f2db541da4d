#include <windows.h>

#include "arquivo_log.h"

namespace plenvo {
namespace {

HANDLE Handle(ArquivoLog arquivo) { return reinterpret_cast<HANDLE>(arquivo); }

// Append-only, plus the right to read the file's times: the weekday log is started again when its last
// write was on another day, and GetFileTime asks for that right.
ArquivoLog Abre(const char* caminho, DWORD disposicao) {
  const HANDLE h = CreateFileA(caminho, FILE_APPEND_DATA | FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, disposicao, FILE_ATTRIBUTE_NORMAL, nullptr);
  return h == INVALID_HANDLE_VALUE ? kSemLog : reinterpret_cast<ArquivoLog>(h);
}

}  // namespace

ArquivoLog AbreExistente(const char* caminho) { return Abre(caminho, OPEN_EXISTING); }

ArquivoLog CriaVazio(const char* caminho) { return Abre(caminho, CREATE_ALWAYS); }

int DiaDaUltimaEscrita(ArquivoLog arquivo) {
  FILETIME escrita{};
  FILETIME local{};
  SYSTEMTIME data{};
  if (!GetFileTime(Handle(arquivo), nullptr, nullptr, &escrita) || !FileTimeToLocalFileTime(&escrita, &local) ||
      !FileTimeToSystemTime(&local, &data))
    return 0;
  return data.wDay;
}

void EscreveBytes(ArquivoLog arquivo, const void* bytes, std::size_t tamanho) {
  const char* p = static_cast<const char*>(bytes);
  while (tamanho > 0) {
    const DWORD parte = tamanho > 0x10000000u ? 0x10000000u : static_cast<DWORD>(tamanho);
    DWORD escritos = 0;
    if (!WriteFile(Handle(arquivo), p, parte, &escritos, nullptr) || escritos == 0) return;
    p += escritos;
    tamanho -= escritos;
  }
}

void FechaArquivo(ArquivoLog arquivo) { CloseHandle(Handle(arquivo)); }

void ApagaArquivo(const char* caminho) { DeleteFileA(caminho); }

}  // namespace plenvo
