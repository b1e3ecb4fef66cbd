#include <cstdio>

int main(int, char**) {
    std::puts("Usage: abacore-drill make skills [options] -o FILE");
    return 0;
}
