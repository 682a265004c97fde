/* A library that no Windows ships: the import checker's test builds an executable that needs it. */
__declspec(dllexport) int ForeignValue(void) { return 7; }
