// Nothing in core/ may use the shell.
#include "app/FormMainMenu.h"
