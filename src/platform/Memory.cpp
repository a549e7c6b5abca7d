#include "platform/Memory.h"

#include <malloc.h>

void ReturnFreedMemory() {
    malloc_trim(0);
}
