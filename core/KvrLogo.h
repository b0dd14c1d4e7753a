#pragma once
// The product logo (art/KvrLogo.bmp, 104 x 101, drawn by art/make-kvr-logo.py), stored
// in the program as a resource.
#include <QImage>

QImage KvrLogo();
