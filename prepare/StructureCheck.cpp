#include "prepare/StructureCheck.h"
