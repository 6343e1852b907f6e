#include "prepare/LineTable.h"
