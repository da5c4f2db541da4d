// What every program with the window's toolkit does once its QApplication exists.
#pragma once

namespace tarnel::gui {

// QApplication hands the user's locale to the C library as a whole (setlocale(LC_ALL, "")). Numbers
// keep the point as their decimal sign there, as on the command line: the workbook engine's
// libraries read and write them through the C library, and under a comma locale (pt_BR) read the
// workbook's 0.5 as 0 and wrote wrong totals. Letters, dates and the rest stay the user's; the
// window's own number texts do not go through the C library.
void NumerosComPonto();

}  // namespace tarnel::gui
