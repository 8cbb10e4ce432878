#include "engine/amount.h"
