#include <cstdio>

int main(int, char**)
{
    std::puts("zl410-cli");
    return 0;
}
