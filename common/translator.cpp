#include "common/translator.h"
