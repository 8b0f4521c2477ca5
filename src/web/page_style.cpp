// Writes the design's look as JSON into the file named, for make_page.py to put into the page's
// style at build time.

#include "page_design.h"

#include <cstdio>
#include <fstream>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << lumorix::pageStyleJson();
    out.close();
    if (!out) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
