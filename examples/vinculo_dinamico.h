/*
 * Binding a DLL's functions by name, as a point-of-sale program written for Plenvo.dll (or a tool
 * written for DROVIK.DLL) does: LoadLibrary, then GetProcAddress of each plain name. Used through the
 * header that dynamic_binding() generates, which defines VINCULO_DLL and VINCULO_LISTA first.
 */
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

#define VINCULO_DECLARA(nome) static __typeof__(&nome) vinculo_##nome;
VINCULO_LISTA(VINCULO_DECLARA)
#undef VINCULO_DECLARA

/* Before main: every export bound, or the program ends naming each one the DLL lacks. */
__attribute__((constructor)) static void vincula_exportacoes(void) {
  HMODULE dll = LoadLibraryA(VINCULO_DLL);
  int vinculadas = 0, faltam = 0;
  if (dll == NULL) {
    fprintf(stderr, "%s: not loaded (error %lu)\n", VINCULO_DLL, (unsigned long)GetLastError());
    exit(3);
  }
#define VINCULO_LIGA(nome)                                                              \
  vinculo_##nome = (__typeof__(&nome))(void (*)(void))GetProcAddress(dll, #nome);      \
  if (vinculo_##nome != NULL) {                                                         \
    ++vinculadas;                                                                       \
  } else {                                                                              \
    fprintf(stderr, "%s: no export named %s\n", VINCULO_DLL, #nome);                   \
    ++faltam;                                                                           \
  }
  VINCULO_LISTA(VINCULO_LIGA)
#undef VINCULO_LIGA
  if (faltam != 0) exit(3);
  printf("%s: %d exports bound by name\n", VINCULO_DLL, vinculadas);
}
