# The 16 operations of the driver library, with the bytes of their arguments (the @N of a 32-bit
# __stdcall name): the DLL's export table and the programs that bind it by name are made from it.
set(DROVIK_OPERACOES
  IniciaDriver:4 EncerraDriver:4 DefineTimeout:8 LimpaParams:4 AdicionaParam:16 ListaParams:12
  ExecutaComando:8 ObtemCodErro:4 ObtemNomeErro:12 ObtemCircunstancia:12 ObtemRetornos:12
  TotalRetornos:4 Retorno:24 LeRegistrador:16 SetaArquivoLog:4 ObtemNomeLog:8)
