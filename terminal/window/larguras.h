// The pure rules behind the parameter and return panels: control widths in characters, widths in
// pixels from the font's unit width, the stacking of controls and the resize step. The window calls
// them with its real font metrics.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "quorbal/catalogo.h"

namespace tarnel {

// Width in characters for a field of a type; a string's is its declared size, a negative size
// counting as 4000. 0 for a code that is not a type.
int LarguraTipo(std::uint8_t tipo, std::int16_t tamanho);

// Width in characters of a parameter's input control (at least 3) and of a return's output control.
int LarguraParametro(const quorbal::DescritorCampo& campo);
int LarguraRetorno(const quorbal::DescritorCampo& campo);

// Controls wider than 1000 characters are multi-line boxes without a length limit.
constexpr int kLarguraMaximaLinhaUnica = 1000;
inline bool EhMultilinha(int caracteres) { return caracteres > kLarguraMaximaLinhaUnica; }
// Maximum text length of a field's control: its type width, or 0 (no limit) for a multi-line box.
// A one-character string keeps maximum length 1 although its control is 3 characters wide.
int ComprimentoMaximo(const quorbal::DescritorCampo& campo);

// Natural width in pixels: unidade (width of "m" in the window's font) x characters + 2.
inline int LarguraNatural(int unidade, int caracteres) { return unidade * caracteres + 2; }

// Panel headings.
std::string TituloRetornos(std::uint32_t total);     // "Retorno:" / "Retornos:"
std::string TituloParametros(std::uint32_t total);   // "Parâmetro:" / "Parâmetros:"

// Tops of controls stacked in a panel, given their heights: the first at 13, each next 4 below the
// previous. A label sits 3 below its control's top.
std::vector<int> TopoDosCampos(const std::vector<int>& alturas);
constexpr int kDeslocamentoRotulo = 3;
// Left of the controls: right of the widest label + 2.
inline int EsquerdaDosCampos(int largura_rotulos) { return largura_rotulos + 2; }

// Resize step.
// Columns of lbComandos: client width / widest item, at least 1; none when the widest is not known.
std::optional<int> ColunasLista(int largura_cliente, int largura_item_maior);
// Width of ebCircunstancia: error panel client width - its left - 1, only when positive.
std::optional<int> LarguraCircunstancia(int largura_cliente_painel, int esquerda);
// Width available to a command's controls: data area client width - label width - 7, at least 5.
int LarguraDisponivel(int largura_cliente_area, int largura_rotulos);
// A control's new width: narrowed to what is available, widened back towards its natural width
// and no further.
int LarguraAjustada(int disponivel, int largura_atual, int largura_natural);

}  // namespace tarnel
