// No window may use the shell.
#include "app/FormMainMenu.h"
