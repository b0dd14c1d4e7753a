// Entry of Kelvara2. The main menu is not built yet, so there is no window to show.
#include <cstdio>

int main()
{
    std::fprintf(stderr, "Kelvara2: the main menu is not built yet; there is no window to show.\n");
    return 1;
}
