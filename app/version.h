#pragma once
// The program's version, for the version resource.
#define CHENGYUAN_VERSION_NUMBERS 1, 0, 0, 0
#define CHENGYUAN_VERSION_TEXT "1.0.0.0"
