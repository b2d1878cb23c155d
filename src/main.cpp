// Natalis: the window, or a headless command when one is given.
#include <cstdio>

int main(int argc, char** argv) {
    (void)argc;
    (void)argv;
    std::puts("Natalis");
    return 0;
}
