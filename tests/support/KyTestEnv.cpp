#include "KyTestEnv.h"
