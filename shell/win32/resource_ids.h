// Resource IDs shared by the resource script and the code (the resource compiler reads
// only the preprocessor, hence #define).
#pragma once

#define VELTRANO_ICON 1
