#include "core/Variables.h"
