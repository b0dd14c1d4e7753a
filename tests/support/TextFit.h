#pragma once
// The texts a window cuts off: labels, check boxes, radio buttons, push buttons and
// group boxes whose caption, drop-down lists whose longest item, and grid columns whose
// title does not fit the room the control gives it in the window's font, and grid
// columns of dates too narrow for "0000/00/00". The fonts here are the ones the
// program shows on the desktop.
#include <string>

class QTableView;
class QWidget;

// The shown controls of `window` that cut their text, one after the other
// ("NextCheckupLabel needs 137, has 128; PatientSG[0] "Patient #" needs 50, has 46; ");
// empty when every text shows whole.
std::string CutTexts(QWidget* window);

// The body cells of `grid` that cut their text, the same way ("PatientSG[6,0] "Female"
// needs 30, has 24; ", column and row of the body); empty when every cell shows whole.
std::string CutCells(QTableView* grid);
