# The 55 exports with the bytes their arguments take on the 32-bit stack (the n of the __stdcall
# name Name@n), from which the .def files are generated.
set(PLENVO_EXPORTACOES
  ecf_InicializaDLL:4 ecf_FinalizaDLL:0 ecf_VersaoDLL:4 ecf_LogSerial:4 ecf_ProximoTimeout:4
  ecf_EstadoImpressora:0 ecf_AbreGaveta:0 ecf_LeSensor:4 ecf_AvancaLinhas:4 ecf_LeRegistrador:8
  ecf_VendaItem:28 ecf_CancelaVenda:4 ecf_CancelaCupom:4 ecf_Relatorio_XZ:4 ecf_FechaCupom:4
  ecf_Pagamento:12 ecf_ImprimeCabecalho:0 ecf_Propaganda:4 ecf_CargaCliche:24 ecf_IdComprador:20
  ecf_CargaAliquota:8 ecf_LeECF:20 ecf_CancelaItem:4 ecf_AcrescimoSubtotal:8 ecf_DescontoSubtotal:8
  ecf_DescontoItem:12 ecf_ProgramaRelogio:12 ecf_FormaPagamento:8 ecf_CargaNaoVinculado:12
  ecf_DefineAliquota:12 ecf_EspacamentoLinhas:4 ecf_VinculadoTEF:24 ecf_Autentica:4 ecf_CupomStub:4
  ecf_ImprimeCheque:36 ecf_NovoEstabelecimento:12 ecf_VinculadoCartao:28 ecf_Mecanismo:4
  ecf_EmiteNaoVinculado:12 ecf_VinculadoNSeq:12 ecf_FinalizaRelatorio:0 ecf_CortaPapel:0
  ecf_CMC7ToECF:0 ecf_LinhasLivres:8 ecf_EjetarCheque:0 ecf_Vinculado:32 ecf_Rascunho:4
  ecf_ContrasteTermico:4 ecf_LeCMC7:4 ecf_CruzarCheque:16 ecf_CodigoBarras:8 ecf_PropagandaEx:4
  ecf_ImprimeCheque2:64 ecf_ChancelarCheque:12 ecf_Quorbal:8)
