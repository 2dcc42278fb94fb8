// Ends with the ANSI code page as its exit code, so a test can see what the prefix runs on.
#include <windows.h>

int main() { return static_cast<int>(GetACP()); }
