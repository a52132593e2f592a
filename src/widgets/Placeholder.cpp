#include "core/Prompter.h"
