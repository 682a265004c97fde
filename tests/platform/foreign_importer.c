/* Imports foreign.dll, which no Windows has: the import checker must reject this executable. It
   is never run. */
__declspec(dllimport) int ForeignValue(void);

int main(void) { return ForeignValue(); }
