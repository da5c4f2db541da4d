/*
 * drovik_comando: runs one command on the printer through the driver library and prints its reply.
 *
 *   drovik_comando <channel> <command> [name=value]...
 *
 * Each name=value is a text parameter (type code 0 of the driver's interface). Exits with the
 * printer's error code (0 when it accepted the command), 2 when the channel does not open, 3 when
 * the library gave no reply.
 */
#include <stdio.h>
#include <string.h>

#include "drovik.h"

int main(int argc, char** argv) {
  char texto[4096];
  int32_t handle, codigo;
  int i;

  if (argc < 3) {
    fprintf(stderr, "usage: drovik_comando <channel> <command> [name=value]...\n");
    return 1;
  }
  handle = DROVIK_IniciaDriver(argv[1]);
  if (handle < 0) {
    printf("DROVIK_IniciaDriver(%s) = %d\n", argv[1], (int)handle);
    return 2;
  }
  DROVIK_LimpaParams(handle);
  for (i = 3; i < argc; ++i) {
    const char* igual = strchr(argv[i], '=');
    char nome[128];
    size_t tamanho = igual != NULL ? (size_t)(igual - argv[i]) : strlen(argv[i]);
    if (tamanho >= sizeof nome) tamanho = sizeof nome - 1;
    memcpy(nome, argv[i], tamanho);
    nome[tamanho] = '\0';
    DROVIK_AdicionaParam(handle, nome, igual != NULL ? igual + 1 : "", 0);
  }
  if (DROVIK_ExecutaComando(handle, argv[2]) == 0) {
    printf("%s: no reply\n", argv[2]);
    DROVIK_EncerraDriver(handle);
    return 3;
  }
  codigo = DROVIK_ObtemCodErro(handle);
  printf("%s: %d %s\n", argv[2], (int)codigo, DROVIK_ObtemNomeErro(handle, texto, sizeof texto));
  printf("%s\n", DROVIK_ObtemRetornos(handle, texto, sizeof texto));
  DROVIK_EncerraDriver(handle);
  return codigo;
}
