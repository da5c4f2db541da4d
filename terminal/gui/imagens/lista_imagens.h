// The one image list of button pictures that actions and tool buttons point into by index.
#pragma once
#include <QIcon>

namespace tarnel::gui {

constexpr int kTotalImagens = 10;

// The picture at an index of the list; an empty icon for -1 or any index outside it.
QIcon Imagem(int indice);
// The program's own picture (window icon, about box).
QIcon ImagemPrograma();

}  // namespace tarnel::gui
