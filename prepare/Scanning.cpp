#include "prepare/Scanning.h"
