// The zl410 editor. The main window follows; until then the program says so and ends.
#include <cstdio>

int main()
{
    std::fputs("zl410: the editor window is not available yet; use zl410-cli\n", stderr);
    return 1;
}
