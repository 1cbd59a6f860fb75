/* Release number of every Skylark Notes file; the .cdb lists the same. */
#pragma once

#define SKY_VERSION_BIN 2, 1, 0, 37
#define SKY_VERSION_TEXT "2.1.0.37"
#define SKY_RUNTIME_VERSION_BIN 1, 4, 2, 0
#define SKY_RUNTIME_VERSION_TEXT "1.4.2.0"
