#!/bin/bash
# Checks the export tables of the Windows DLLs built by the MinGW cross-builds: each must export
# exactly the plain names its callers look up by GetProcAddress, with no "@n" decorations and
# nothing else. A DLL that was not built fails the check. The programs and DLLs the Windows package
# ships must also need no DLL beyond those every Windows has (and each other).
#
# Usage: scripts/check-windows-exports.sh [BUILD_DIR...]
#        (default: build-mingw32 build-mingw64; each DLL is looked for in BUILD_DIR/bin and /lib)
set -uo pipefail
cd "$(dirname "$0")/.."

DROVIK_EXPORTS="
DROVIK_IniciaDriver DROVIK_EncerraDriver DROVIK_DefineTimeout DROVIK_LimpaParams
DROVIK_AdicionaParam DROVIK_ListaParams DROVIK_ExecutaComando DROVIK_ObtemCodErro
DROVIK_ObtemNomeErro DROVIK_ObtemCircunstancia DROVIK_ObtemRetornos DROVIK_TotalRetornos
DROVIK_Retorno DROVIK_LeRegistrador DROVIK_SetaArquivoLog DROVIK_ObtemNomeLog"

PLENVO_EXPORTS="
ecf_AbreGaveta ecf_AcrescimoSubtotal ecf_Autentica ecf_AvancaLinhas ecf_CMC7ToECF ecf_CancelaCupom
ecf_CancelaItem ecf_CancelaVenda ecf_CargaAliquota ecf_CargaCliche ecf_CargaNaoVinculado
ecf_ChancelarCheque ecf_CodigoBarras ecf_ContrasteTermico ecf_CortaPapel ecf_CruzarCheque
ecf_CupomStub ecf_DefineAliquota ecf_DescontoItem ecf_DescontoSubtotal ecf_EjetarCheque
ecf_EmiteNaoVinculado ecf_EspacamentoLinhas ecf_EstadoImpressora ecf_FechaCupom ecf_FinalizaDLL
ecf_FinalizaRelatorio ecf_FormaPagamento ecf_IdComprador ecf_ImprimeCabecalho ecf_ImprimeCheque
ecf_ImprimeCheque2 ecf_InicializaDLL ecf_LeCMC7 ecf_LeECF ecf_LeRegistrador ecf_LeSensor
ecf_LinhasLivres ecf_LogSerial ecf_Mecanismo ecf_NovoEstabelecimento ecf_Pagamento
ecf_ProgramaRelogio ecf_Propaganda ecf_PropagandaEx ecf_ProximoTimeout ecf_Quorbal ecf_Rascunho
ecf_Relatorio_XZ ecf_VendaItem ecf_VersaoDLL ecf_Vinculado ecf_VinculadoCartao ecf_VinculadoNSeq
ecf_VinculadoTEF"

SULVANIR_EXPORTS="FiscalConnection ProcessFiscalCmd FechaPorta"

. scripts/report.sh

sorted_words() { tr -s ' \n\t' '\n' <<<"$1" | sed '/^$/d' | LC_ALL=C sort; }

# The names in the DLL's export name table, one per line.
export_names() {  # export_names OBJDUMP DLL
  "$1" -p "$2" | awk '
    /^\[Ordinal\/Name Pointer\] Table/ { inside = 1; next }
    inside && /^[[:space:]]*$/          { inside = 0 }
    inside && /^[[:space:]]*\[/         { print $NF }'
}

find_dll() {  # find_dll BUILD_DIR FILE_NAME: the first match in bin/ or lib/ (names ignore case)
  local folder
  for folder in "$1/bin" "$1/lib"; do
    [ -d "$folder" ] || continue
    find "$folder" -maxdepth 1 -type f -iname "$2" -print -quit | grep . && return 0
  done
  return 1
}

check_dll() {  # check_dll BUILD_DIR OBJDUMP FORMAT FILE_NAME EXPECTED_NAMES
  local build=$1 objdump=$2 format=$3 name=$4 expected=$5
  local label="$build $name:"
  local dll
  if ! dll=$(find_dll "$build" "$name"); then
    report FAIL "$label not built (looked in $build/bin and $build/lib)"
    return
  fi
  local actual_format
  actual_format=$("$objdump" -f "$dll" 2>/dev/null | sed -n 's/.*file format \([^ ]*\).*/\1/p' | head -n 1)
  if [ "$actual_format" != "$format" ]; then
    report FAIL "$label file format '${actual_format:-not readable by $objdump}', expected $format ($dll)"
    return
  fi
  local want have
  want=$(sorted_words "$expected")
  have=$(export_names "$objdump" "$dll" | LC_ALL=C sort)
  local missing extra duplicated decorated
  missing=$(LC_ALL=C comm -23 <(echo "$want") <(echo "$have" | uniq) | tr '\n' ' ')
  extra=$(LC_ALL=C comm -13 <(echo "$want") <(echo "$have" | uniq) | tr '\n' ' ')
  duplicated=$(echo "$have" | uniq -d | tr '\n' ' ')
  decorated=$(grep '@' <<<"$have" | tr '\n' ' ')
  local count
  count=$(grep -c . <<<"$have")
  if [ -z "$missing$extra$duplicated$decorated" ]; then
    report PASS "$label exactly the $count expected undecorated exports"
  else
    local why=""
    [ -n "$missing" ] && why+=" missing: ${missing% };"
    [ -n "$extra" ] && why+=" unexpected: ${extra% };"
    [ -n "$duplicated" ] && why+=" exported twice: ${duplicated% };"
    [ -n "$decorated" ] && why+=" decorated: ${decorated% };"
    report FAIL "$label $count exports;${why%;}"
  fi
}

# DLLs every Windows has, and ours: what the shipped files may import (names ignore case).
SYSTEM_IMPORTS="advapi32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll shell32.dll user32.dll drovik.dll plenvo.dll sulvanir.dll"

check_imports() {  # check_imports BUILD_DIR OBJDUMP FILE_NAME
  local build=$1 objdump=$2 name=$3
  local file
  if ! file=$(find_dll "$build" "$name"); then
    report FAIL "$build $name: not built (looked in $build/bin and $build/lib)"
    return
  fi
  local foreign
  foreign=$("$objdump" -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' |
            LC_ALL=C sort -u | LC_ALL=C comm -23 - <(sorted_words "$SYSTEM_IMPORTS") | tr '\n' ' ')
  if [ -z "$foreign" ]; then
    report PASS "$build $name: imports only DLLs Windows has"
  else
    report FAIL "$build $name: needs DLLs Windows does not have: ${foreign% }"
  fi
}

check_build() {  # check_build BUILD_DIR
  local build=$1
  local cache="$build/CMakeCache.txt"
  if [ ! -f "$cache" ]; then
    for name in DROVIK.dll Plenvo.dll Sulvanir.dll; do
      report FAIL "$build $name: build folder not configured (no $cache)"
    done
    return
  fi
  # The build's own binutils (recorded by CMake) tell the target: i686-w64-mingw32-objdump is 32-bit.
  local objdump format
  objdump=$(basename "$(sed -n 's/^CMAKE_OBJDUMP:[A-Z]*=//p' "$cache" | head -n 1)")
  case "$objdump" in
    i686-w64-mingw32-objdump) format=pei-i386 ;;
    x86_64-w64-mingw32-objdump) format=pei-x86-64 ;;
    *)
      for name in DROVIK.dll Plenvo.dll Sulvanir.dll; do
        report FAIL "$build $name: not a MinGW-w64 build (objdump '$objdump')"
      done
      return ;;
  esac
  if ! command -v "$objdump" >/dev/null; then
    for name in DROVIK.dll Plenvo.dll Sulvanir.dll; do
      report FAIL "$build $name: $objdump not installed (scripts/install-deps.sh installs it)"
    done
    return
  fi
  check_dll "$build" "$objdump" "$format" DROVIK.dll "$DROVIK_EXPORTS"
  check_dll "$build" "$objdump" "$format" Plenvo.dll "$PLENVO_EXPORTS"
  check_dll "$build" "$objdump" "$format" Sulvanir.dll "$SULVANIR_EXPORTS"
  for name in DROVIK.dll Plenvo.dll Sulvanir.dll tarnel-cli.exe; do
    check_imports "$build" "$objdump" "$name"
  done
}

if [ $# -eq 0 ]; then
  set -- build-mingw32 build-mingw64
fi
for build in "$@"; do
  check_build "${build%/}"
done

if [ "$failed" -eq 0 ]; then
  echo "check-windows-exports: all $checked checks of the DLL export tables and imports passed"
  exit 0
fi
echo "check-windows-exports: $failed of $checked checks of the DLL export tables and imports failed"
exit 1
