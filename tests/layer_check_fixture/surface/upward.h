// A surface file that reaches up into the shell: the layer check must refuse it.
#include "shell/icons.h"
